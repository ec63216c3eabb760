// The layers a caption is drawn in: the relief or shadow of its text style under the text, or
// the engraved look of a disabled caption. Shared by the check box's caption and the label, which
// draw each layer their own way (wrapped text, clipped rotated text, one character of an arc).
// Portable: never includes windows.h.
#pragma once

#include <functional>

#include "controls/common/DvCommonTypes.h"
#include "framework/core/Colors.h"

struct TTextLayerLook {
  TTextStyle style = tsNormal;
  bool lightStyle = false;            // raised and recessed text keep only their light layer
  TColor highlight = clBtnHighlight;  // light relief layer
  TColor shadow = clBtnShadow;        // dark relief layer and the shadow
  int shadowDepth = 2;                // offset of the tsShadow layer, in pixels
};

// Draws the text at (dx, dy) from its place in color.
using TDrawTextLayer = std::function<void(int dx, int dy, TColor color)>;

// Enabled, in this order: tsRaised the shadow at (+1, +1) (not with lightStyle) and the highlight
// at (−1, −1); tsRecessed the highlight at (+1, +1) and the shadow at (−1, −1) (not with
// lightStyle); tsShadow the shadow at (+depth, +depth); then the text at (0, 0) in textColor.
// Disabled, whatever the style: clBtnHighlight at (+1, +1), then clBtnShadow at (0, 0).
void DrawTextLayers(const TTextLayerLook& look, bool enabled, TColor textColor,
                    const TDrawTextLayer& drawLayer);
