// Encoding a picture given as colour indices and a palette straight to a GIF file, without a
// bitmap in between.
// Portable: never includes windows.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "imaging/gif/GIFTypes.h"

// One frame as the caller holds it; nothing is copied before encoding.
struct TGIFIndexedFrame {
  const uint8_t* indices = nullptr;  // height rows of width indices, from the top
  size_t stride = 0;                 // bytes from one row to the next; 0 means width
  uint32_t width = 0;
  uint32_t height = 0;
  std::span<const TGIFRgb> palette;  // 1..256 colours
  uint16_t left = 0;
  uint16_t top = 0;
  uint32_t delay = 0;         // milliseconds, stored in hundredths of a second
  int transparentIndex = -1;  // -1: no transparent colour
  uint8_t disposal = 0;       // 0..7
  bool interlaced = false;
};

// Builds a whole GIF file holding the frame, byte for byte what the writer makes of an image
// whose one frame is a bitmap of these indices and palette with the same settings: a global table
// of 2, 16 or 256 colours (the palette, then black) and minimum code size 2, 4 or 8 by the
// palette's size; indices are taken AND the table size - 1. The transparent index is written as
// given (the writer names the first entry of that colour). `file` is replaced, its capacity kept.
// Fails with "Wrong number of colors; must be a power of 2" for an empty palette or one of more
// than 256 colours, "No GIF Data to write" without pixels, and "GIF image encoding error" when
// the frame does not fit the 16-bit screen, the stride is shorter than a row, or the transparent
// index is not in the table.
void EncodeGIFFile(const TGIFIndexedFrame& frame, std::vector<uint8_t>& file);
std::vector<uint8_t> EncodeGIFFile(const TGIFIndexedFrame& frame);
