// The control tests' pixel surface, boxes of pixels found on it, and pixel art to compare it with.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/core/Colors.h"
#include "framework/core/Types.h"
#include "tests/support/win/PixelSurface.h"

// The smallest rectangle holding every pixel of colour inside area (empty when there is none);
// with other, every pixel of any other colour.
struct PixelBox {
  int left = 0, top = 0, right = 0, bottom = 0, count = 0;
  bool Empty() const { return count == 0; }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const PixelBox&, const PixelBox&) = default;
};
PixelBox FindPixels(const PixelSurface& surface, const TRect& area, TColor color,
                    bool other = false);

// Letters for colours (system colours are resolved when compared).
using PixelLegend = std::vector<std::pair<char, TColor>>;

// Whether every pixel of the rows of art (its top-left corner at origin) has the colour of its
// letter. On a mismatch the message shows the surface in the same letters ('?' for a colour the
// legend lacks; where two letters share a colour, the first).
testing::AssertionResult MatchesArt(const PixelSurface& surface, TPoint origin,
                                    const std::vector<std::string>& art, const PixelLegend& legend);
