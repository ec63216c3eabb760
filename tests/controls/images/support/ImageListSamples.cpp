#include "ImageListSamples.h"

#include "framework/core/Streams.h"

TStoredImageList SampleList(int width, int height, int count, int capacity) {
  TStoredImageList list;
  list.width = width;
  list.height = height;
  list.capacity = capacity;
  for (int i = 0; i < count; ++i) {
    TStoredImage image;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        // Transparent pixels are black with no alpha, as the platform keeps them.
        const bool transparent = (x + 2 * y + i) % 5 == 0;
        const uint32_t colour = 0xFF000000u |
                                static_cast<uint32_t>((37 * i + 11 * x) & 0xFF) << 16 |
                                static_cast<uint32_t>((53 * y + 7 * i) & 0xFF) << 8 |
                                static_cast<uint32_t>((x * y + 29 * i) & 0xFF);
        image.pixels.push_back(transparent ? 0 : colour);
        image.mask.push_back(transparent ? 1 : 0);
      }
    }
    list.images.push_back(std::move(image));
  }
  return list;
}

std::vector<uint8_t> HeaderBytes(uint16_t count, uint16_t capacity, uint16_t width, uint16_t height,
                                 uint16_t flags) {
  std::vector<uint8_t> header(28, 0xFF);
  Put16At(header, 0, 0x4C49);
  Put16At(header, 2, 0x0101);
  Put16At(header, 4, count);
  Put16At(header, 6, capacity);
  Put16At(header, 8, 4);
  Put16At(header, 10, width);
  Put16At(header, 12, height);
  Put16At(header, 18, flags);
  return header;
}

std::vector<uint8_t> BitmapFileBytes(const TBgraBitmap& bitmap, int bitsPerPixel,
                                     const std::vector<uint32_t>& palette) {
  TMemoryStream stream;
  WriteBitmapFile(stream, bitmap, bitsPerPixel, palette);
  return stream.TakeBytes();
}

std::vector<uint8_t> WriteCurrent(const TStoredImageList& list, int bitsPerPixel) {
  TMemoryStream stream;
  WriteImageListStream(stream, list, bitsPerPixel);
  return stream.TakeBytes();
}

std::vector<uint8_t> WriteOlder(const TStoredImageList& list, int bitsPerPixel) {
  TMemoryStream stream;
  WriteOlderImageListStream(stream, list, bitsPerPixel);
  return stream.TakeBytes();
}

TStoredImageList ReadBytes(const std::vector<uint8_t>& bytes, int cellWidth, int cellHeight) {
  TReadOnlyMemoryStream stream(bytes.data(), static_cast<int64_t>(bytes.size()));
  return ReadImageListStream(stream, cellWidth, cellHeight);
}

void Append(std::vector<uint8_t>& to, const std::vector<uint8_t>& bytes) {
  to.insert(to.end(), bytes.begin(), bytes.end());
}

void Put16At(std::vector<uint8_t>& bytes, size_t at, uint16_t value) {
  bytes[at] = static_cast<uint8_t>(value);
  bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

void Put32At(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  Put16At(bytes, at, static_cast<uint16_t>(value));
  Put16At(bytes, at + 2, static_cast<uint16_t>(value >> 16));
}
