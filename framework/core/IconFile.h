// Icon and cursor files (.ico, .cur): the directory and the images it points to, checked so that
// every image lies inside the file and a bitmap image holds all the pixels its header promises.
// Portable: never includes windows.h.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/core/Streams.h"

struct TIconImage {
  uint8_t width = 0;  // as in the directory: 0 stands for 256
  uint8_t height = 0;
  uint8_t colorCount = 0;
  uint16_t planes = 0;        // hotspot x for cursors
  uint16_t bitCount = 0;      // hotspot y for cursors
  std::vector<uint8_t> data;  // a BITMAPINFOHEADER image (colour and mask) or a PNG file

  int PixelWidth() const { return width == 0 ? 256 : width; }
  int PixelHeight() const { return height == 0 ? 256 : height; }
  bool IsPng() const;
};

constexpr uint16_t kIconFileType = 1;
constexpr uint16_t kCursorFileType = 2;
// Files above this size are refused.
constexpr int64_t kMaxIconFileBytes = 16 * 1024 * 1024;

struct TIconFile {
  uint16_t type = kIconFileType;
  std::vector<TIconImage> images;
};

// The rest of the stream as an icon file. Fails with EInvalidGraphic "Icon image is not valid".
TIconFile ReadIconFile(TStream& stream);
TIconFile ParseIconFile(const uint8_t* data, size_t size);
// Directory first, then the images in order.
void WriteIconFile(const TIconFile& file, TStream& stream);
// The image a window would show at size × size: the closest size (larger before smaller), then
// the most colours, then the first. -1 for a file without images.
int ChooseIconImage(const TIconFile& file, int size);
