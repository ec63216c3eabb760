// The control tests' pixel surface, and boxes of pixels found on it.
#pragma once

#include "framework/core/Colors.h"
#include "framework/core/Types.h"
#include "tests/support/win/PixelSurface.h"

// The smallest rectangle holding every pixel of colour inside area (empty when there is none);
// with other, every pixel of any other colour.
struct PixelBox {
  int left = 0, top = 0, right = 0, bottom = 0, count = 0;
  bool Empty() const { return count == 0; }
};
PixelBox FindPixels(const PixelSurface& surface, const TRect& area, TColor color,
                    bool other = false);
