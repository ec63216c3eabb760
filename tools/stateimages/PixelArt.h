// Small pictures drawn as rows of characters, one character a pixel.
// Portable: never includes windows.h.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "controls/images/ImageListStream.h"

struct TPixelArtInk {
  char key;
  uint32_t colour;  // 0xRRGGBB
};

// Paints rows of equal length; '.' is transparent (mask set, pixel 0), every other character
// takes its ink (opaque, alpha 0xFF). An unknown character or a ragged row fails with
// EInvalidOperation "Invalid ImageList".
TStoredImage PaintPixelArt(const std::vector<const char*>& rows,
                           std::initializer_list<TPixelArtInk> inks);
