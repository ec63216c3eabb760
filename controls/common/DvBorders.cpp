#include "controls/common/DvBorders.h"

namespace {

bool Has(TSides sides, TSide side) {
  return (sides & SideBit(side)) != 0;
}

TRect Shrink(const TRect& rect, TSides sides, int by) {
  TRect r = rect;
  if (Has(sides, sdLeft)) r.Left += by;
  if (Has(sides, sdTop)) r.Top += by;
  if (Has(sides, sdRight)) r.Right -= by;
  if (Has(sides, sdBottom)) r.Bottom -= by;
  return r;
}

void Line(TCanvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

struct TwoLines {
  TColor outerUpperLeft, outerLowerRight, innerUpperLeft, innerLowerRight;
};

TRect PaintTwoLines(TCanvas& canvas, const TRect& rect, TSides sides, const TwoLines& colors) {
  const TRect inner =
      PaintSides(canvas, rect, colors.outerUpperLeft, sides, colors.outerLowerRight);
  return PaintSides(canvas, inner, colors.innerUpperLeft, sides, colors.innerLowerRight);
}

TRect PaintEtched(TCanvas& canvas, const TRect& rect, TSides sides, TColor upper, TColor lower) {
  const int l = rect.Left, t = rect.Top, r = rect.Right, b = rect.Bottom;
  const bool left = Has(sides, sdLeft), top = Has(sides, sdTop);
  const bool right = Has(sides, sdRight), bottom = Has(sides, sdBottom);
  // The corners where an etched side ends without its neighbour.
  if (right) canvas.SetPixel(r - 1, t, lower);
  if (top && !right) canvas.SetPixel(r - 1, t, upper);
  if (bottom) canvas.SetPixel(l, b - 1, lower);
  if (left && !bottom) canvas.SetPixel(l, b - 1, upper);
  if (top && !left) canvas.SetPixel(l, t + 1, lower);
  if (left && !top) canvas.SetPixel(l + 1, t, lower);
  if (bottom && !right) canvas.SetPixel(r - 1, b - 2, upper);
  if (right && !bottom) canvas.SetPixel(r - 2, b - 1, upper);
  PaintSides(canvas, {l + 1, t + 1, r, b}, lower, sides, lower);
  PaintSides(canvas, {l, t, r - 1, b - 1}, upper, sides, upper);
  return Shrink(rect, sides, 2);
}

}  // namespace

TRect PaintSides(TCanvas& canvas, const TRect& rect, TColor upperLeft, TSides sides,
                 TColor lowerRight) {
  const int l = rect.Left, t = rect.Top, r = rect.Right, b = rect.Bottom;
  if (upperLeft != clNone) {
    canvas.Pen().SetColor(upperLeft);
    if (Has(sides, sdLeft)) Line(canvas, l, t, l, b);
    if (Has(sides, sdTop)) Line(canvas, l, t, r, t);
  }
  if (lowerRight != clNone) {
    canvas.Pen().SetColor(lowerRight);
    if (Has(sides, sdRight)) Line(canvas, r - 1, t, r - 1, b);
    if (Has(sides, sdBottom)) Line(canvas, l, b - 1, r, b - 1);
  }
  return Shrink(rect, sides, 1);
}

TRect PaintBevel(TCanvas& canvas, const TRect& rect, TColor upperLeft, TSides sides, int count,
                 TColor lowerRight) {
  canvas.Pen().SetWidth(1);
  TRect r = rect;
  for (int i = 0; i < count; ++i)
    r = PaintSides(canvas, r, upperLeft, sides, lowerRight);
  return r;
}

TRect PaintStyledBorder(TCanvas& canvas, const TRect& rect, TFrameStyleEx style, TSides sides) {
  switch (style) {
    case fsFlat:
      return PaintSides(canvas, rect, cl3DDkShadow, sides, cl3DDkShadow);
    case fsGroove:
      return PaintEtched(canvas, rect, sides, clBtnShadow, clBtnHighlight);
    case fsBump:
      return PaintEtched(canvas, rect, sides, clBtnHighlight, clBtnShadow);
    case fsLowered:
      return PaintTwoLines(canvas, rect, sides,
                           {clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight});
    case fsButtonDown:
      return PaintTwoLines(canvas, rect, sides, {clBtnText, clBtnText, clBtnShadow, clBtnShadow});
    case fsRaised:
      return PaintTwoLines(canvas, rect, sides,
                           {cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow});
    case fsButtonUp:
      return PaintTwoLines(canvas, rect, sides,
                           {clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow});
    case fsStatus:
      return PaintSides(canvas, rect, clBtnShadow, sides, clBtnHighlight);
    case fsPopup:
      return PaintSides(canvas, rect, clBtnHighlight, sides, clBtnShadow);
    case fsFlatBold:
      return PaintBevel(canvas, rect, clBtnShadow, sides, 2, clBtnShadow);
    case fsNone:
    case fsFlatRounded:
      break;
  }
  return rect;
}

void PaintEditFrame(TCanvas& canvas, int width, int height, bool skipFill, TSides sides,
                    TColor frameColor, TColor controlColor, TFrameStyle style) {
  const TRect rect{0, 0, width, height};
  if (!skipFill) PaintBevel(canvas, rect, controlColor, kAllSides, 2, controlColor);
  switch (style) {
    case fsFlat:
      PaintSides(canvas, rect, frameColor, sides, frameColor);
      break;
    case fsFlatBold:
      PaintBevel(canvas, rect, frameColor, sides, 2, frameColor);
      break;
    default:
      // Other styles keep the system's 3D colours whatever the control's colour.
      PaintStyledBorder(canvas, rect, style, sides);
      break;
  }
}

TRect PaintDottedFocus(TCanvas& canvas, const TRect& rect) {
  const int l = rect.Left, t = rect.Top, r = rect.Right, b = rect.Bottom;
  for (int y = t + 1; y < b; y += 2) {
    canvas.SetPixel(l, y, clBlack);
    canvas.SetPixel(r - 1, y, clBlack);
  }
  for (int x = l + 1; x < r; x += 2) {
    canvas.SetPixel(x, t, clBlack);
    canvas.SetPixel(x, b - 1, clBlack);
  }
  return rect.Inflate(-1, -1);
}
