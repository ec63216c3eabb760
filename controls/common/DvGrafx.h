// Gradients, masked bitmap copies and painting a control's parent behind it.
#pragma once

#include <windows.h>

#include "framework/core/Types.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Canvas.h"

class TControl;

enum class TGradientShape {
  HorizontalToEdge,      // colour B at the right edge, colour A at the left edge
  HorizontalFromCentre,  // colour B at the middle column, colour A at both edges
  VerticalToEdge,        // colour B at the bottom edge, colour A at the top edge
  VerticalFromCentre     // colour B at the middle row, colour A at the top and the bottom
};

// Fills rect in banded steps from one colour to the other (bands at least bandParameter lines
// long, equal neighbouring lines merged into one fill), drawn off-screen and copied in one go.
void FillGradient(TCanvas& canvas, const TRect& rect, TGradientShape shape, TColor colorA,
                  TColor colorB, int bandParameter);

// Draws sourceRect of source, stretched to the size of destRect, at the canvas's origin; source
// pixels of transparentColor leave the canvas as it was. The brush comes back unchanged.
void PaintMaskedBitmap(TCanvas& dest, TBitmap& source, const TRect& destRect,
                       TColor transparentColor, const TRect& sourceRect);

// Paints what the control's parent shows under the control into dc (client coordinates of the
// control): the parent's background and its windowless children. With invalidateParent the
// parent (unless a form or a self-painting control) is invalidated as well. Nothing without a
// parent.
void PaintParentBackground(TControl& control, HDC dc, bool invalidateParent);
