#include "controls/common/DvLayeredBorders.h"

#include "controls/common/DvBorders.h"
#include "controls/common/DvCanvasTools.h"
#include "controls/common/DvColors.h"

namespace {

// One line of each requested side without the four corner pixels.
TRect PaintSidesWithoutCorners(TCanvas& canvas, const TRect& rect, TColor color, TSides sides) {
  const int l = rect.Left, t = rect.Top, r = rect.Right, b = rect.Bottom;
  const auto line = [&canvas](int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
  };
  canvas.Pen().SetColor(color);
  if ((sides & SideBit(sdLeft)) != 0) line(l, t + 1, l, b - 1);
  if ((sides & SideBit(sdTop)) != 0) line(l + 1, t, r - 1, t);
  if ((sides & SideBit(sdRight)) != 0) line(r - 1, t + 1, r - 1, b - 1);
  if ((sides & SideBit(sdBottom)) != 0) line(l + 1, b - 1, r - 1, b - 1);
  return PaintSides(canvas, rect, clNone, sides, clNone);
}

TRect PaintOneLine(TCanvas& canvas, const TRect& rect, TColor color, TSides sides) {
  return PaintSides(canvas, rect, color, sides, color);
}

// fsStatus (dark upper-left) and fsPopup (light upper-left), bevelWidth lines deep.
TRect PaintBevelStyle(TCanvas& canvas, const TRect& rect, TFrameStyleEx style,
                      const TLayeredBorders& borders) {
  const bool status = style == fsStatus;
  return PaintBevel(canvas, rect, status ? borders.shadow : borders.highlight, borders.sides,
                    borders.bevelWidth, status ? borders.highlight : borders.shadow);
}

TRect PaintOuter(TCanvas& canvas, const TRect& rect, const TLayeredBorders& borders, TColor flat) {
  const TSides sides = borders.sides;
  switch (borders.outer) {
    case fsFlat:
      return PaintBevel(canvas, rect, flat, sides, 1, flat);
    case fsFlatBold:
      return PaintBevel(canvas, rect, flat, sides, 2, flat);
    case fsFlatRounded: {
      // What the rounded corners leave out shows the parent (or, transparent, stays as it is);
      // the ring inside them joins the border band or the control.
      const bool banded = borders.borderWidth > 0 || borders.inner != fsNone;
      if (!borders.transparent) {
        const TRect ring = PaintOneLine(canvas, rect, borders.parentColor, sides);
        PaintOneLine(canvas, ring, banded ? borders.borderColor : borders.controlColor, sides);
      } else if (banded) {
        const TRect ring = PaintSides(canvas, rect, clNone, sides, clNone);
        PaintOneLine(canvas, ring, borders.borderColor, sides);
      }
      return PaintRoundedFlatEdges(canvas, rect, flat, sides);
    }
    case fsStatus:
    case fsPopup:
      return PaintBevelStyle(canvas, rect, borders.outer, borders);
    default:
      return PaintStyledBorder(canvas, rect, borders.outer, sides);
  }
}

TRect PaintInner(TCanvas& canvas, const TRect& rect, const TLayeredBorders& borders, TColor flat) {
  const TSides sides = borders.sides;
  switch (borders.inner) {
    case fsFlat:
      if (borders.innerFlatWithoutCorners)
        return PaintSidesWithoutCorners(canvas, rect, flat, sides);
      return PaintOneLine(canvas, rect, flat, sides);
    case fsFlatBold:
      return PaintBevel(canvas, rect, flat, sides, 2, flat);
    case fsFlatRounded:
      if (!borders.transparent) {
        const TRect ring = PaintOneLine(canvas, rect, borders.borderColor, sides);
        PaintOneLine(canvas, ring, borders.controlColor, sides);
      } else {
        PaintOneLine(canvas, rect, borders.borderColor, sides);
      }
      return PaintRoundedFlatEdges(canvas, rect, flat, sides);
    case fsStatus:
    case fsPopup:
      return PaintBevelStyle(canvas, rect, borders.inner, borders);
    default:
      return PaintStyledBorder(canvas, rect, borders.inner, sides);
  }
}

}  // namespace

TRect PaintLayeredBorders(TCanvas& canvas, const TRect& rect, const TLayeredBorders& borders) {
  KeptCanvasTools kept(canvas);
  const TColor flat = ShiftColorLightness(borders.flatColor, borders.flatColorAdjustment);
  TRect interior = PaintOuter(canvas, rect, borders, flat);
  if (borders.borderWidth > 0)
    interior = PaintBevel(canvas, interior, borders.borderColor, borders.sides, borders.borderWidth,
                          borders.borderColor);
  return PaintInner(canvas, interior, borders, flat);
}
