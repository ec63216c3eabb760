#include "controls/common/DvBorders.h"

#include "controls/common/DvCanvasTools.h"
#include "controls/common/DvColors.h"

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

// One pixel, skipped in clNone like the lines.
void Dot(TCanvas& canvas, int x, int y, TColor color) {
  if (color != clNone) canvas.SetPixel(x, y, color);
}

// The shape of a frame style and its colours: one line (outer pair), two lines (outer, then
// inner pair) or etched (upper = outerUpperLeft, lower = outerLowerRight).
enum class Shape { kNone, kOneLine, kTwoLines, kEtched };
struct StyleColors {
  Shape shape = Shape::kNone;
  TColor outerUpperLeft = clNone, outerLowerRight = clNone;
  TColor innerUpperLeft = clNone, innerLowerRight = clNone;
};

StyleColors SystemStyleColors(TFrameStyleEx style) {
  switch (style) {
    case fsFlat:
      return {Shape::kOneLine, cl3DDkShadow, cl3DDkShadow};
    case fsGroove:
      return {Shape::kEtched, clBtnShadow, clBtnHighlight};
    case fsBump:
      return {Shape::kEtched, clBtnHighlight, clBtnShadow};
    case fsLowered:
      return {Shape::kTwoLines, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight};
    case fsButtonDown:
      return {Shape::kTwoLines, clBtnText, clBtnText, clBtnShadow, clBtnShadow};
    case fsRaised:
      return {Shape::kTwoLines, cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow};
    case fsButtonUp:
      return {Shape::kTwoLines, clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow};
    case fsStatus:
      return {Shape::kOneLine, clBtnShadow, clBtnHighlight};
    case fsPopup:
      return {Shape::kOneLine, clBtnHighlight, clBtnShadow};
    case fsFlatBold:
      return {Shape::kTwoLines, clBtnShadow, clBtnShadow, clBtnShadow, clBtnShadow};
    case fsNone:
    case fsFlatRounded:
      break;
  }
  return {};
}

StyleColors DerivedStyleColors(TFrameStyleEx style, TColor base) {
  const auto dark = [base](uint8_t by) { return DarkenColorBy(base, by); };
  const auto light = [base](uint8_t by) { return LightenColorBy(base, by); };
  switch (style) {
    case fsFlat:
      return {Shape::kOneLine, dark(50), dark(50)};
    case fsGroove:
      return {Shape::kEtched, dark(50), light(100)};
    case fsBump:
      return {Shape::kEtched, light(100), dark(50)};
    case fsLowered:
      return {Shape::kTwoLines, dark(50), light(100), dark(100), light(50)};
    case fsRaised:
      return {Shape::kTwoLines, light(50), dark(100), light(100), dark(50)};
    case fsButtonDown:
      return {Shape::kTwoLines, dark(100), dark(100), dark(50), dark(50)};
    case fsButtonUp:
      return {Shape::kTwoLines, light(100), dark(100), light(40), dark(50)};
    case fsStatus:
      return {Shape::kOneLine, dark(50), light(100)};
    case fsPopup:
      return {Shape::kOneLine, light(100), dark(50)};
    case fsFlatBold:
      return {Shape::kTwoLines, dark(50), dark(50), dark(50), dark(50)};
    case fsNone:
    case fsFlatRounded:
      break;
  }
  return {};
}

TRect PaintEtched(TCanvas& canvas, const TRect& rect, TSides sides, TColor upper, TColor lower) {
  const int l = rect.Left, t = rect.Top, r = rect.Right, b = rect.Bottom;
  const bool left = Has(sides, sdLeft), top = Has(sides, sdTop);
  const bool right = Has(sides, sdRight), bottom = Has(sides, sdBottom);
  // The corners where an etched side ends without its neighbour.
  if (right) Dot(canvas, r - 1, t, lower);
  if (top && !right) Dot(canvas, r - 1, t, upper);
  if (bottom) Dot(canvas, l, b - 1, lower);
  if (left && !bottom) Dot(canvas, l, b - 1, upper);
  if (top && !left) Dot(canvas, l, t + 1, lower);
  if (left && !top) Dot(canvas, l + 1, t, lower);
  if (bottom && !right) Dot(canvas, r - 1, b - 2, upper);
  if (right && !bottom) Dot(canvas, r - 2, b - 1, upper);
  PaintSides(canvas, {l + 1, t + 1, r, b}, lower, sides, lower);
  PaintSides(canvas, {l, t, r - 1, b - 1}, upper, sides, upper);
  return Shrink(rect, sides, 2);
}

TRect PaintShape(TCanvas& canvas, const TRect& rect, TSides sides, const StyleColors& colors) {
  switch (colors.shape) {
    case Shape::kOneLine:
      return PaintSides(canvas, rect, colors.outerUpperLeft, sides, colors.outerLowerRight);
    case Shape::kTwoLines: {
      const TRect inner =
          PaintSides(canvas, rect, colors.outerUpperLeft, sides, colors.outerLowerRight);
      return PaintSides(canvas, inner, colors.innerUpperLeft, sides, colors.innerLowerRight);
    }
    case Shape::kEtched:
      return PaintEtched(canvas, rect, sides, colors.outerUpperLeft, colors.outerLowerRight);
    case Shape::kNone:
      break;
  }
  return rect;
}

}  // namespace

TRect PaintSides(TCanvas& canvas, const TRect& rect, TColor upperLeft, TSides sides,
                 TColor lowerRight) {
  KeptCanvasTools kept(canvas);
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
  KeptCanvasTools kept(canvas);
  canvas.Pen().SetWidth(1);
  TRect r = rect;
  for (int i = 0; i < count; ++i)
    r = PaintSides(canvas, r, upperLeft, sides, lowerRight);
  return r;
}

TRect PaintStyledBorder(TCanvas& canvas, const TRect& rect, TFrameStyleEx style, TSides sides) {
  return PaintShape(canvas, rect, sides, SystemStyleColors(style));
}

TRect PaintColorStyledBorder(TCanvas& canvas, const TRect& rect, TColor base, TSides sides,
                             TFrameStyleEx style) {
  return PaintShape(canvas, rect, sides, DerivedStyleColors(style, base));
}

TRect PaintRoundedFlatEdges(TCanvas& canvas, const TRect& rect, TColor color, TSides sides) {
  KeptCanvasTools kept(canvas);
  const bool left = Has(sides, sdLeft), top = Has(sides, sdTop);
  const bool right = Has(sides, sdRight), bottom = Has(sides, sdBottom);
  const int l = rect.Left, t = rect.Top, r = rect.Right, b = rect.Bottom;
  const TRect inner = Shrink(rect, sides, 2);
  canvas.Pen().SetColor(color);
  if (left) Line(canvas, l, inner.Top, l, inner.Bottom);
  if (right) Line(canvas, r - 1, inner.Top, r - 1, inner.Bottom);
  if (top) Line(canvas, inner.Left, t, inner.Right, t);
  if (bottom) Line(canvas, inner.Left, b - 1, inner.Right, b - 1);
  if (left && top) Dot(canvas, l + 1, t + 1, color);
  if (right && top) Dot(canvas, r - 2, t + 1, color);
  if (right && bottom) Dot(canvas, r - 2, b - 2, color);
  if (left && bottom) Dot(canvas, l + 1, b - 2, color);
  return inner;
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
      // The system's 3D colours suit the window colour; on another colour they are derived from
      // it, so that the frame does not look pasted on.
      if (controlColor == clWindow)
        PaintStyledBorder(canvas, rect, style, sides);
      else
        PaintColorStyledBorder(canvas, rect, controlColor, sides, style);
      break;
  }
}
