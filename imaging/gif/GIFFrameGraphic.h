// What a frame of a TDvGIFImage does with the framework's graphics: drawing itself, taking the
// picture of another graphic and handing its own picture to one. Windows only.
#pragma once

#include "framework/core/Graphic.h"
#include "imaging/gif/GIFFrame.h"

class TBitmap;

// The frame's picture (decoded on first use; decoding failures pass on).
TBitmap& FrameBitmap(TDvGIFFrame& frame);

// Stretches the frame's picture into rect; with transparent asked for and a transparent colour
// set, the canvas shows through that colour.
void DrawFrame(TDvGIFFrame& frame, TCanvas& canvas, const TRect& rect, bool transparent);

// The frame takes a copy of the graphic's picture (a TDvGIFImage: its current frame). An empty
// graphic assigns nothing.
void AssignGraphicToFrame(TDvGIFFrame& frame, const TGraphic& graphic);

// Another TDvGIFImage takes the frame as its only one; any other graphic takes the frame's
// picture (a TBitmap also its transparent colour). A target that is not a graphic fails with
// EConvertError "Cannot assign a TDvGIFFrame to a <class>".
void AssignFrameTo(TDvGIFFrame& frame, TPersistent& target);

// The screen's nearest colour to color, as the device would show it.
TColor NearestDeviceColor(TColor color);
