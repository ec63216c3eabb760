// Stretching a frame bitmap onto a canvas with one colour left out, so that the canvas shows
// where the frame has its transparent colour. Windows only.
#pragma once

#include "framework/core/Colors.h"
#include "framework/core/Types.h"

class TCanvas;
class TBitmap;

// Stretches the whole bitmap into rect; pixels of key (white for a monochrome bitmap) keep the
// canvas's own pixels. Empty bitmaps and empty rectangles draw nothing. Fails only when the
// canvas has no device context; every temporary DC, bitmap and palette selection is released.
void StretchDrawKeyed(TCanvas& canvas, const TRect& rect, TBitmap& bitmap, TColor key);
