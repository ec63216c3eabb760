// The borders of a control in three layers: an outer frame style, a band of blank border width
// and an inner frame style (the label's borders).
#pragma once

#include "controls/common/DvCommonTypes.h"
#include "framework/core/Types.h"
#include "framework/win/graphics/Canvas.h"

struct TLayeredBorders {
  TFrameStyleEx outer = fsNone;
  TFrameStyleEx inner = fsNone;
  TSides sides = kAllSides;
  int borderWidth = 0;  // lines in borderColor between the two styles
  int bevelWidth = 1;   // lines of fsStatus and fsPopup
  TColor borderColor = clBtnFace;
  TColor highlight = clBtnHighlight;  // fsPopup upper-left, fsStatus lower-right
  TColor shadow = clBtnShadow;        // fsPopup lower-right, fsStatus upper-left
  TColor flatColor = clBtnShadow;     // the flat styles, shifted by flatColorAdjustment
  int flatColorAdjustment = 30;       // lightness shift on the 0..240 scale (negative darkens)
  TColor controlColor = clBtnFace;
  TColor parentColor = clBtnFace;  // shows outside the corners of an outer fsFlatRounded
  bool transparent = false;
  bool innerFlatWithoutCorners = false;  // an inner fsFlat leaves its four corner pixels out
};

// Outer style on rect, then borderWidth lines in borderColor, then the inner style; the flat
// styles (fsFlat one line, fsFlatBold two, fsFlatRounded with its rounded edges) in the shifted
// flat colour, fsStatus and fsPopup bevelWidth lines in the shadow and highlight colours, the
// others in the system's 3D colours. Returns the interior; the canvas's tools come back
// unchanged.
TRect PaintLayeredBorders(TCanvas& canvas, const TRect& rect, const TLayeredBorders& borders);
