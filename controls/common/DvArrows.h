// The small arrow glyph of spin buttons.
#pragma once

#include "controls/common/DvScopedOverride.h"
#include "framework/core/Types.h"
#include "framework/win/graphics/Canvas.h"

enum TArrowDirection { adUp = 0, adDown = 1, adLeft = 2, adRight = 3 };

// A filled arrow without outline around the middle of rect: clBtnShadow when disabled; enabled,
// black, or with themes the arrow colour of the platform's theme (cl3DDkShadow when that is
// close to clWindow, or when no theme gives one). Pressed moves it one pixel right and down.
// The canvas's pen, brush and font come back unchanged. Another direction draws nothing.
void PaintSpinArrow(TCanvas& canvas, const TRect& rect, bool themed, bool enabled, bool pressed,
                    int direction);

// The arrow colour of the theme: the pixel at (8, 10) of the theme's spin up button drawn into
// a 17 × 21 bitmap; clNone when no theme draws it. Never throws.
TColor ThemedSpinArrowSample();

// Replaces the theme's sample (tests: the prefix's theme is fixed).
using SpinArrowSampleOverride = ScopedOverride<TColor, struct SpinArrowSampleTag>;
