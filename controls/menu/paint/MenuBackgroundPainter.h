// Painting a TBackground (a gradient and an optional picture) into a rectangle, through the
// background's own cache bitmap.
#pragma once

#include "framework/core/Types.h"

class TBackground;
class TCanvas;

// rect is inset by the margins and the cache sized to it. The cache takes the gradient (unless a
// tiled or stretched opaque picture covers it all), then the picture: tiled from the top left,
// stretched, at (OffsetX, OffsetY) for bpXY, else where its Position puts it. The cache is then
// drawn at the inset rectangle's top left (transparently when the cache is transparent). Where
// neither gradient nor picture paints, the target shows through: the cache starts as a copy of it.
void PaintBackground(TCanvas& canvas, const TRect& rect, TBackground& background);

// Where PaintBackground puts the top left corner of the picture (of the first tile), in the
// coordinates of rect.
TPoint BackgroundPictureCorner(const TRect& rect, TBackground& background);
