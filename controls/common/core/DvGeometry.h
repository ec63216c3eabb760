// Rectangle and rounding arithmetic the controls share. Portable: never includes windows.h.
#pragma once

#include "framework/core/Types.h"

// The width × height rectangle centred in rect; odd leftovers go to the right and bottom (the
// halving truncates toward zero, also for negative coordinates).
TRect RectCenteredIn(const TRect& rect, int width, int height);

// The integer nearest to value, halves to the even one, whatever the floating-point rounding mode.
int RoundHalfEven(double value);
