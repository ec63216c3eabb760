// The shared, reference-counted records of the GIF image: the image header and a frame's data.
// Holders share them through std::shared_ptr; changing a record changes it for every holder.
// Portable: never includes windows.h.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "imaging/gif/GIFTypes.h"

// Image-wide data read from the header.
struct TGIFData {
  std::vector<std::string> comment;
  uint8_t aspectRatio = 0;      // as read, written back unchanged
  uint8_t bitsPerPixel = 0;     // 1..8 with a global table
  uint8_t colorResolution = 0;  // 1..8 as read
  TGIFColorTable colors;        // count 0: no global table
};

// A frame's compressed data, size and colour table.
struct TGIFItem {
  // Minimum code size byte, the sub-blocks as stored (with their length bytes) and the
  // terminator; empty until the frame is read or encoded.
  std::vector<uint8_t> encoded;
  int32_t width = 0;
  int32_t height = 0;
  uint8_t packed = 0;        // image descriptor packed byte, as read
  uint8_t bitsPerPixel = 0;  // 1..8, depth of the table that applies (local or global)
  TGIFColorTable colors;
};
