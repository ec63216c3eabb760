// The geometry of a bar whose ends fade into a second colour (separator lines, the side bar's
// splitter): the solid middle and the shaded ends as separate fills. Portable.
#pragma once

#include <vector>

#include "controls/menu/core/MenuStylerTypes.h"
#include "framework/core/Colors.h"
#include "framework/core/Types.h"

// One fill: a gradient from start to end along direction (start == end: solid).
struct TBarFill {
  TRect rect;
  TColor start;
  TColor end;
  TGradientDirection direction;
  friend bool operator==(const TBarFill&, const TBarFill&) = default;
};

// The fills of a bar in rect, inset by margin at both ends of its length; gradientWidth wide ends
// shaded by type; orientation gdHorizontal runs the bar left to right, gdVertical top to bottom
// (where gtBoth doubles the width first, gtLeft shades the bottom end and gtRight the top).
// color is the bar's colour, colorTo the outer colour (clNone: color). Solid middle first, then
// the ends; empty fills are left out.
std::vector<TBarFill> PlanGradientEndsBar(const TRect& rect, int margin, int gradientWidth,
                                          TGradientType type, TGradientDirection orientation,
                                          TColor color, TColor colorTo);
