// LZW decoding of one frame's stored data into a bottom-up device-independent pixel buffer.
// Portable: never includes windows.h.
#pragma once

#include <cstddef>
#include <cstdint>

#include "imaging/gif/GIFTypes.h"

// Where the pixels go: a zero-filled bottom-up buffer of height rows of DibRowStride(width, bits).
struct TLzwPixelTarget {
  uint8_t* pixels = nullptr;
  uint32_t width = 0;
  uint32_t height = 0;
  uint32_t dibBits = 8;  // 1, 4 or 8
  bool interlaced = false;
};

// Decodes `data` (minimum code size byte, then sub-blocks) into the target; colorBits (1..8) is
// the frame's colour table depth, which keeps every written value inside the bitmap's range.
// Returns true when the data is corrupt but was tolerated. Fails with "GIF code size not in range
// 2 to 9" or "GIF encoded data is corrupt" (tolerance off) and "Stream read error" when the data
// runs out before the image is complete. Reports psStarting, psRunning and psEnding.
bool DecodeLzwFrame(const uint8_t* data, size_t size, const TLzwPixelTarget& target,
                    uint32_t colorBits, bool tolerate, const TGIFProgressEvent& progress);
