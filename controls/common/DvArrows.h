// The small arrow glyph of spin buttons.
#pragma once

#include "framework/core/Types.h"
#include "framework/win/Canvas.h"

enum TArrowDirection { adUp = 0, adDown = 1, adLeft = 2, adRight = 3 };

// A filled arrow without outline centred in rect: clBtnShadow when disabled, black when enabled
// (cl3DDkShadow with themes); pressed moves it one pixel right and down. The canvas's brush and
// pen come back unchanged. Another direction draws nothing.
void PaintSpinArrow(TCanvas& canvas, const TRect& rect, bool themed, bool enabled, bool pressed,
                    int direction);
