// The check box's built-in glyphs as they must be, written out pixel by pixel: G gray frame,
// L fuchsia light band, D red dark band, W white interior, B blue mark. Shared by the generator's
// host test and the test that reads them from the program's file. Portable.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

using GlyphArt = std::array<std::string_view, 13>;

inline constexpr GlyphArt kUncheckedGlyphArt = {
    "GGGGGGGGGGGGG", "GLLLLLLLLLLLG", "GLLLLLLLLLLDG", "GLLWWWWWWWDDG", "GLLWWWWWWWDDG",
    "GLLWWWWWWWDDG", "GLLWWWWWWWDDG", "GLLWWWWWWWDDG", "GLLWWWWWWWDDG", "GLLWWWWWWWDDG",
    "GLLDDDDDDDDDG", "GLDDDDDDDDDDG", "GGGGGGGGGGGGG",
};

inline constexpr GlyphArt kCheckedGlyphArt = {
    "GGGGGGGGGGGGG", "GLLLLLLLLLLLG", "GLLLLLLLLLLDG", "GLLWWWWWWBDDG", "GLLWWWWWBBDDG",
    "GLLBWWWBBBDDG", "GLLBBWBBBWDDG", "GLLBBBBBWWDDG", "GLLWBBBWWWDDG", "GLLWWBWWWWDDG",
    "GLLDDDDDDDDDG", "GLDDDDDDDDDDG", "GGGGGGGGGGGGG",
};

inline constexpr GlyphArt kGrayedGlyphArt = {
    "GGGGGGGGGGGGG", "GLLLLLLLLLLLG", "GLLLLLLLLLLDG", "GLLBBBBBBBDDG", "GLLBBBBBBBDDG",
    "GLLBBBBBBBDDG", "GLLBBBBBBBDDG", "GLLBBBBBBBDDG", "GLLBBBBBBBDDG", "GLLBBBBBBBDDG",
    "GLLDDDDDDDDDG", "GLDDDDDDDDDDG", "GGGGGGGGGGGGG",
};

// The colour of a letter as 0x00BBGGRR.
inline constexpr uint32_t GlyphArtColor(char letter) {
  switch (letter) {
    case 'G':
      return 0x808080;
    case 'L':
      return 0xFF00FF;
    case 'D':
      return 0x0000FF;
    case 'W':
      return 0xFFFFFF;
    case 'B':
      return 0xFF0000;
    default:
      return 0xFFFFFFFF;
  }
}
