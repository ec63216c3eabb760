// Edges, bevels and styled borders. Every routine takes a rectangle (right and bottom exclusive)
// and returns the interior left inside what it drew. Colours may be system colours; clNone draws
// nothing. None of them throws beyond the canvas's own errors.
#pragma once

#include "controls/common/DvCommonTypes.h"
#include "framework/core/Types.h"
#include "framework/win/Canvas.h"

// Left and top sides in upperLeft, then right and bottom in lowerRight (so the two corners shared
// with the upper-left lines take lowerRight); the interior shrinks on every requested side.
TRect PaintSides(TCanvas& canvas, const TRect& rect, TColor upperLeft, TSides sides,
                 TColor lowerRight);
// PaintSides count times, each on the previous interior, with a one-pixel pen.
TRect PaintBevel(TCanvas& canvas, const TRect& rect, TColor upperLeft, TSides sides, int count,
                 TColor lowerRight);
// The frame styles in the system's 3D colours (fsNone and fsFlatRounded draw nothing).
TRect PaintStyledBorder(TCanvas& canvas, const TRect& rect, TFrameStyleEx style,
                        TSides sides = kAllSides);
// The frame of an edit box over (0, 0, width, height): unless skipFill, the two outer rings take
// controlColor; then the style in frameColor (fsFlat one line, fsFlatBold two) or in the system's
// colours.
void PaintEditFrame(TCanvas& canvas, int width, int height, bool skipFill, TSides sides,
                    TColor frameColor, TColor controlColor, TFrameStyle style);
// Every second pixel of the rectangle's outline in black.
TRect PaintDottedFocus(TCanvas& canvas, const TRect& rect);
