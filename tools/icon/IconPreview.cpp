#include "tools/icon/IconPreview.h"

#include <algorithm>

#include "tools/icon/IconArt.h"

namespace {

constexpr int kGap = 8;

uint32_t Over(uint32_t pixel, uint32_t background) {
  const uint32_t alpha = pixel >> 24;
  uint32_t out = 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const uint32_t top = (pixel >> shift) & 0xFF, bottom = (background >> shift) & 0xFF;
    out |= ((top * alpha + bottom * (255 - alpha) + 127) / 255) << shift;
  }
  return out;
}

}  // namespace

std::vector<TIconImage> MainIconImages() {
  std::vector<TIconImage> images;
  for (int bits : {8, 32}) {
    for (int size : {16, 32, 48})
      images.push_back({DrawMainIcon(size, bits == 32), bits});
  }
  return images;
}

TBgraBitmap IconPreviewSheet(const std::vector<TIconImage>& images, int scale) {
  int width = kGap, height = kGap, rowHeight = 0, rowWidth = kGap;
  for (size_t i = 0; i < images.size(); ++i) {
    if (i > 0 && images[i].bitsPerPixel != images[i - 1].bitsPerPixel) {
      height += rowHeight + kGap;
      rowHeight = 0;
      rowWidth = kGap;
    }
    rowWidth += images[i].picture.width * scale + kGap;
    rowHeight = std::max(rowHeight, images[i].picture.height * scale);
    width = std::max(width, rowWidth);
  }
  height += rowHeight + kGap;

  TBgraBitmap sheet;
  sheet.width = width;
  sheet.height = height;
  sheet.pixels.resize(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      sheet.At(x, y) = ((x / 8 + y / 8) % 2) ? 0xFFD0D0D0 : 0xFFF4F4F4;
  }
  int left = kGap, top = kGap;
  rowHeight = 0;
  for (size_t i = 0; i < images.size(); ++i) {
    if (i > 0 && images[i].bitsPerPixel != images[i - 1].bitsPerPixel) {
      top += rowHeight + kGap;
      left = kGap;
      rowHeight = 0;
    }
    const TBgraBitmap& picture = images[i].picture;
    for (int y = 0; y < picture.height * scale; ++y) {
      for (int x = 0; x < picture.width * scale; ++x) {
        uint32_t pixel = picture.At(x / scale, y / scale);
        // 8-bit images show what the AND mask leaves.
        if (images[i].bitsPerPixel == 8) pixel = (pixel >> 24) >= 128 ? pixel | 0xFF000000u : 0;
        sheet.At(left + x, top + y) = Over(pixel, sheet.At(left + x, top + y));
      }
    }
    left += picture.width * scale + kGap;
    rowHeight = std::max(rowHeight, picture.height * scale);
  }
  return sheet;
}
