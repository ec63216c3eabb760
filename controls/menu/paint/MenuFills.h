// The fills a styled menu is painted with: solid areas and frames, the two-colour linear gradient
// (with the slice of a larger gradient that one item paints), and the bar whose ends fade.
// Colours may be system colours (resolved first); clNone paints nothing.
#pragma once

#include <windows.h>

#include "controls/menu/core/MenuStylerTypes.h"
#include "framework/core/Types.h"

class TBitmap;

// Plain RGB of colour; clNone stays clNone.
TColor PlainColor(TColor color);

void FillInColor(HDC dc, const TRect& rect, TColor color);
// A one-pixel frame.
void FrameInColor(HDC dc, const TRect& rect, TColor color);

// Fills the part of full inside clip with its share of the gradient from start to end computed
// over full: nothing when start is clNone or the parts do not meet, solid when end is clNone or
// equal to start. gdVertical draws a line a row; gdHorizontal a pixel a column on the first row,
// which is then copied down.
void GradientSlice(HDC dc, const TRect& full, TGradientDirection direction, TColor start,
                   TColor end, const TRect& clip);
inline void GradientFill(HDC dc, const TRect& rect, TGradientDirection direction, TColor start,
                         TColor end) {
  GradientSlice(dc, rect, direction, start, end, rect);
}
// The same into a bitmap: a 32-bit device-independent one has its pixels written directly, any
// other is drawn on through its canvas.
void GradientFill(TBitmap& bitmap, const TRect& rect, TGradientDirection direction, TColor start,
                  TColor end);

// A bar in rect, solid in the middle and fading at one or both ends (see PlanGradientEndsBar).
void DrawGradientEndsBar(HDC dc, const TRect& rect, int margin, int gradientWidth,
                         TGradientType type, TGradientDirection orientation, TColor color,
                         TColor colorTo);
