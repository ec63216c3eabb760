// The 400 x 51 banner picture: columns of small glowing green characters on black with the word
// Dorv in large glowing letters across the middle, as 8-bit indices into its own palette.
#pragma once

#include <cstdint>
#include <vector>

#include "imaging/gif/GIFTypes.h"

struct TBannerPicture {
  static constexpr uint32_t kWidth = 400;
  static constexpr uint32_t kHeight = 51;
  static constexpr uint8_t kTransparentIndex = 255;

  std::vector<TGIFRgb> palette;  // 256 entries; 0 black, 1 and 255 white, 2..254 the glow ramp
  std::vector<uint8_t> indices;  // row by row from the top
};

TBannerPicture DrawBanner();
