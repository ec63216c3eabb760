#include "tools/stateimages/PixelArt.h"

#include <cstring>

#include "framework/core/SysUtils.h"

TStoredImage PaintPixelArt(const std::vector<const char*>& rows,
                           std::initializer_list<TPixelArtInk> inks) {
  TStoredImage image;
  const size_t width = rows.empty() ? 0 : std::strlen(rows.front());
  for (const char* row : rows) {
    if (std::strlen(row) != width) throw EInvalidOperation(kInvalidImageListMessage);
    for (size_t x = 0; x < width; ++x) {
      if (row[x] == '.') {
        image.pixels.push_back(0);
        image.mask.push_back(1);
        continue;
      }
      const TPixelArtInk* ink = nullptr;
      for (const TPixelArtInk& candidate : inks) {
        if (candidate.key == row[x]) ink = &candidate;
      }
      if (!ink) throw EInvalidOperation(kInvalidImageListMessage);
      image.pixels.push_back(0xFF000000u | (ink->colour & 0xFFFFFF));
      image.mask.push_back(0);
    }
  }
  return image;
}
