#include "tools/icon/IconFile.h"

#include <algorithm>
#include <map>

#include "controls/images/ImageListStream.h"
#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"

namespace {

constexpr uint32_t kOpaqueFrom = 128;  // alpha at which a pixel counts as opaque in the mask

bool IsOpaque(uint32_t pixel) {
  return (pixel >> 24) >= kOpaqueFrom;
}

uint64_t Stride(int width, int bits) {
  return (static_cast<uint64_t>(width) * bits + 31) / 32 * 4;
}

// The colour rows and the AND mask of one image, bottom-up.
std::vector<uint8_t> ImageBody(const TIconImage& image) {
  const TBgraBitmap& picture = image.picture;
  TMemoryStream stream;
  TBgraBitmap colours = picture;
  if (image.bitsPerPixel == 8) {
    // Transparent pixels are black so that the screen shows through the XOR.
    for (uint32_t& pixel : colours.pixels)
      pixel = IsOpaque(pixel) ? pixel | 0xFF000000u : 0;
  }
  const std::vector<uint32_t> palette =
      image.bitsPerPixel == 8 ? IconPalette(picture) : std::vector<uint32_t>{};
  // The bitmap file writer gives the palette and rows; the icon drops its file header.
  WriteBitmapFile(stream, colours, image.bitsPerPixel, palette);
  std::vector<uint8_t> body(stream.Bytes().begin() + 14, stream.Bytes().end());
  const uint32_t height2 = static_cast<uint32_t>(picture.height * 2);
  const uint64_t maskStride = Stride(picture.width, 1);
  const uint32_t imageSize = static_cast<uint32_t>(
      Stride(picture.width, image.bitsPerPixel) * picture.height + maskStride * picture.height);
  for (int i = 0; i < 4; ++i) {
    body[8 + i] = static_cast<uint8_t>(height2 >> (8 * i));
    body[20 + i] = static_cast<uint8_t>(imageSize >> (8 * i));
  }
  std::vector<uint8_t> row(static_cast<size_t>(maskStride));
  for (int y = picture.height - 1; y >= 0; --y) {
    std::fill(row.begin(), row.end(), 0);
    for (int x = 0; x < picture.width; ++x) {
      if (!IsOpaque(picture.At(x, y))) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    }
    body.insert(body.end(), row.begin(), row.end());
  }
  return body;
}

void Put16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

}  // namespace

std::vector<uint32_t> IconPalette(const TBgraBitmap& picture) {
  std::map<uint32_t, int> counts;
  for (uint32_t pixel : picture.pixels) {
    if (IsOpaque(pixel)) ++counts[pixel & 0xFFFFFF];
  }
  std::vector<std::pair<int, uint32_t>> byCount;
  for (const auto& [colour, count] : counts)
    byCount.emplace_back(count, colour);
  std::stable_sort(byCount.begin(), byCount.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  // Entry 0 stays black for the transparent pixels.
  std::vector<uint32_t> palette = {0x000000};
  for (const auto& entry : byCount) {
    if (palette.size() == 256) break;
    if (entry.second != 0) palette.push_back(entry.second);
  }
  return palette;
}

std::vector<uint8_t> BuildIconFile(const std::vector<TIconImage>& images) {
  std::vector<std::vector<uint8_t>> bodies;
  for (const TIconImage& image : images) {
    const TBgraBitmap& picture = image.picture;
    if ((image.bitsPerPixel != 8 && image.bitsPerPixel != 32) || picture.width <= 0 ||
        picture.width > 255 || picture.height != picture.width ||
        picture.pixels.size() != static_cast<size_t>(picture.width) * picture.height) {
      throw EInvalidOperation(kInvalidImageListMessage);
    }
    bodies.push_back(ImageBody(image));
  }
  std::vector<uint8_t> file;
  Put16(file, 0);
  Put16(file, 1);  // icon
  Put16(file, static_cast<uint32_t>(images.size()));
  uint32_t offset = static_cast<uint32_t>(6 + 16 * images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    file.push_back(static_cast<uint8_t>(images[i].picture.width));
    file.push_back(static_cast<uint8_t>(images[i].picture.height));
    file.push_back(0);  // colour count: 0 for 256 colours and more
    file.push_back(0);
    Put16(file, 1);
    Put16(file, static_cast<uint32_t>(images[i].bitsPerPixel));
    Put32(file, static_cast<uint32_t>(bodies[i].size()));
    Put32(file, offset);
    offset += static_cast<uint32_t>(bodies[i].size());
  }
  for (const std::vector<uint8_t>& body : bodies)
    file.insert(file.end(), body.begin(), body.end());
  return file;
}
