// Icon files (.ico): a directory of images, each a 40-byte bitmap header with doubled height,
// a palette for 8 bits, the colour rows and the 1-bit AND mask, rows bottom-up.
// Portable: never includes windows.h.
#pragma once

#include <cstdint>
#include <vector>

#include "controls/images/ImageListStreamBitmaps.h"

struct TIconImage {
  TBgraBitmap picture;  // straight alpha; square, 1..255 pixels
  int bitsPerPixel;     // 8 (256 colours, alpha only through the mask) or 32 (with alpha)
};

// Up to 256 colours for the opaque pixels of a picture: every colour when there are that few,
// else the most frequent ones. Never throws.
std::vector<uint32_t> IconPalette(const TBgraBitmap& picture);

// The whole file. Pixels with alpha below 128 are transparent in the AND mask (and black in
// 8-bit images). Fails with EInvalidOperation "Invalid ImageList" for an unsupported image.
std::vector<uint8_t> BuildIconFile(const std::vector<TIconImage>& images);
