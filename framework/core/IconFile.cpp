#include "framework/core/IconFile.h"

#include <cstdlib>
#include <cstring>

#include "framework/core/SysUtils.h"

namespace {

constexpr size_t kDirectoryHeader = 6;
constexpr size_t kDirectoryEntry = 16;
constexpr uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

[[noreturn]] void ThrowNotValid() {
  throw EInvalidGraphic("Icon image is not valid");
}

uint16_t Get16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
uint32_t Get32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
void Put16(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
void Put32(uint8_t* p, uint32_t v) {
  Put16(p, v & 0xFFFF);
  Put16(p + 2, v >> 16);
}

// A bitmap image: information header, colour table, colour pixels, then the 1-bit mask, both
// height / 2 rows.
void CheckBitmapImage(const std::vector<uint8_t>& image) {
  if (image.size() < 40 || Get32(image.data()) != 40) ThrowNotValid();
  const auto width = static_cast<int32_t>(Get32(image.data() + 4));
  const auto doubledHeight = static_cast<int32_t>(Get32(image.data() + 8));
  const uint16_t planes = Get16(image.data() + 12);
  const uint16_t bitCount = Get16(image.data() + 14);
  const uint32_t compression = Get32(image.data() + 16);
  const uint32_t colorsUsed = Get32(image.data() + 32);
  if (width < 1 || width > 256 || doubledHeight < 2 || doubledHeight > 512 ||
      doubledHeight % 2 != 0 || planes != 1 || compression != 0)
    ThrowNotValid();
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
      bitCount != 32)
    ThrowNotValid();
  uint64_t colors = colorsUsed;
  if (bitCount <= 8 && colors == 0) colors = uint64_t{1} << bitCount;
  if (colors > 256) ThrowNotValid();
  const uint64_t height = static_cast<uint64_t>(doubledHeight) / 2;
  const uint64_t colourStride = ((static_cast<uint64_t>(width) * bitCount + 31) / 32) * 4;
  const uint64_t maskStride = ((static_cast<uint64_t>(width) + 31) / 32) * 4;
  const uint64_t needed = 40 + colors * 4 + (colourStride + maskStride) * height;
  if (needed > image.size()) ThrowNotValid();
}

}  // namespace

bool TIconImage::IsPng() const {
  return data.size() >= sizeof kPngSignature &&
         std::memcmp(data.data(), kPngSignature, sizeof kPngSignature) == 0;
}

TIconFile ParseIconFile(const uint8_t* data, size_t size) {
  if (size < kDirectoryHeader || size > static_cast<uint64_t>(kMaxIconFileBytes)) ThrowNotValid();
  TIconFile file;
  file.type = Get16(data + 2);
  const uint16_t count = Get16(data + 4);
  if (Get16(data) != 0 || (file.type != kIconFileType && file.type != kCursorFileType) ||
      count == 0)
    ThrowNotValid();
  const uint64_t directoryEnd = kDirectoryHeader + uint64_t{count} * kDirectoryEntry;
  if (directoryEnd > size) ThrowNotValid();
  for (uint16_t i = 0; i < count; ++i) {
    const uint8_t* entry = data + kDirectoryHeader + size_t{i} * kDirectoryEntry;
    TIconImage image;
    image.width = entry[0];
    image.height = entry[1];
    image.colorCount = entry[2];
    image.planes = Get16(entry + 4);
    image.bitCount = Get16(entry + 6);
    const uint64_t bytes = Get32(entry + 8);
    const uint64_t offset = Get32(entry + 12);
    if (bytes == 0 || offset < directoryEnd || offset + bytes > size) ThrowNotValid();
    image.data.assign(data + offset, data + offset + bytes);
    if (!image.IsPng()) CheckBitmapImage(image.data);
    file.images.push_back(std::move(image));
  }
  return file;
}

TIconFile ReadIconFile(TStream& stream) {
  const int64_t remaining = stream.Size() - stream.Position();
  if (remaining <= 0 || remaining > kMaxIconFileBytes) ThrowNotValid();
  std::vector<uint8_t> bytes(static_cast<size_t>(remaining));
  stream.ReadBuffer(bytes.data(), remaining);
  return ParseIconFile(bytes.data(), bytes.size());
}

void WriteIconFile(const TIconFile& file, TStream& stream) {
  const size_t count = file.images.size();
  std::vector<uint8_t> directory(kDirectoryHeader + count * kDirectoryEntry);
  Put16(directory.data() + 2, file.type);
  Put16(directory.data() + 4, static_cast<uint32_t>(count));
  uint32_t offset = static_cast<uint32_t>(directory.size());
  for (size_t i = 0; i < count; ++i) {
    const TIconImage& image = file.images[i];
    uint8_t* entry = directory.data() + kDirectoryHeader + i * kDirectoryEntry;
    entry[0] = image.width;
    entry[1] = image.height;
    entry[2] = image.colorCount;
    Put16(entry + 4, image.planes);
    Put16(entry + 6, image.bitCount);
    Put32(entry + 8, static_cast<uint32_t>(image.data.size()));
    Put32(entry + 12, offset);
    offset += static_cast<uint32_t>(image.data.size());
  }
  stream.WriteBuffer(directory.data(), static_cast<int64_t>(directory.size()));
  for (const TIconImage& image : file.images)
    stream.WriteBuffer(image.data.data(), static_cast<int64_t>(image.data.size()));
}

int ChooseIconImage(const TIconFile& file, int size) {
  int best = -1;
  const auto bits = [](const TIconImage& image) {
    if (image.IsPng()) return 32;
    return static_cast<int>(image.data.size() >= 16 ? Get16(image.data.data() + 14) : 0);
  };
  const auto rank = [&](const TIconImage& image) {
    const int distance = image.PixelWidth() - size;
    // Exact first, then larger (scaled down) by closeness, then smaller by closeness.
    return distance >= 0 ? distance : 1000 - distance;
  };
  for (size_t i = 0; i < file.images.size(); ++i) {
    const TIconImage& image = file.images[i];
    if (best < 0) {
      best = static_cast<int>(i);
      continue;
    }
    const TIconImage& current = file.images[static_cast<size_t>(best)];
    if (rank(image) < rank(current) ||
        (rank(image) == rank(current) && bits(image) > bits(current)))
      best = static_cast<int>(i);
  }
  return best;
}
