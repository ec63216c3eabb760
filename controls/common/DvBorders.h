// Edges, bevels and styled borders. Every routine takes a rectangle (right and bottom exclusive)
// and returns the interior left inside what it drew, and leaves the canvas's pen, brush and font
// as it found them. Colours may be system colours; clNone draws nothing. None of them throws
// beyond the canvas's own errors.
#pragma once

#include "controls/common/DvCommonTypes.h"
#include "framework/core/Types.h"
#include "framework/win/graphics/Canvas.h"

// Left and top sides in upperLeft, then right and bottom in lowerRight (so the two corners shared
// with the upper-left lines take lowerRight); the interior shrinks on every requested side, also
// where a colour was clNone.
TRect PaintSides(TCanvas& canvas, const TRect& rect, TColor upperLeft, TSides sides,
                 TColor lowerRight);
// PaintSides count times, each on the previous interior, with a one-pixel pen.
TRect PaintBevel(TCanvas& canvas, const TRect& rect, TColor upperLeft, TSides sides, int count,
                 TColor lowerRight);
// The frame styles in the system's 3D colours; fsNone and fsFlatRounded draw nothing. Etched
// styles (fsGroove, fsBump) finish the ends of missing neighbours with single corner pixels.
TRect PaintStyledBorder(TCanvas& canvas, const TRect& rect, TFrameStyleEx style,
                        TSides sides = kAllSides);
// The same shapes in colours derived from base: lightened by 40, 50 or 100, darkened by 50 or
// 100 on the 0..240 lightness scale.
TRect PaintColorStyledBorder(TCanvas& canvas, const TRect& rect, TColor base, TSides sides,
                             TFrameStyleEx style);
inline TRect PaintColorStyledBorder(TCanvas& canvas, const TRect& rect, TColor base,
                                    TFrameStyleEx style) {
  return PaintColorStyledBorder(canvas, rect, base, kAllSides, style);
}
// One line in color on each requested side, stopping two pixels short of a requested neighbour,
// with one pixel set diagonally inside each corner whose two sides are requested. The interior
// shrinks by two on every requested side.
TRect PaintRoundedFlatEdges(TCanvas& canvas, const TRect& rect, TColor color, TSides sides);
// Every second pixel of the rectangle's outline in black.
TRect PaintDottedFocus(TCanvas& canvas, const TRect& rect);
// The frame of an edit box over (0, 0, width, height): unless skipFill, the two outer rings take
// controlColor; then fsFlat one line and fsFlatBold two in frameColor, other styles in the
// system's 3D colours on clWindow and in colours derived from controlColor on any other colour.
void PaintEditFrame(TCanvas& canvas, int width, int height, bool skipFill, TSides sides,
                    TColor frameColor, TColor controlColor, TFrameStyle style);
