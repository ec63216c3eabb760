#include "controls/menu/paint/MenuFills.h"

#include <algorithm>

#include "controls/menu/core/GradientEnds.h"
#include "controls/menu/core/MenuGradients.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Font.h"
#include "framework/win/graphics/GdiObjects.h"

namespace {

COLORREF ToColorRef(TColor plain) {
  return static_cast<COLORREF>(plain & 0xFFFFFF);
}

// The DC's own pen and brush, whose colours are set per call: no object made per row.
class DcPenAndBrush {
 public:
  explicit DcPenAndBrush(HDC dc)
      : dc_(dc), pen_(dc, GetStockObject(DC_PEN)), brush_(dc, GetStockObject(DC_BRUSH)) {}
  void Line(int x0, int y0, int x1, int y1, TColor plain) {
    SetDCPenColor(dc_, ToColorRef(plain));
    MoveToEx(dc_, x0, y0, nullptr);
    LineTo(dc_, x1, y1);
  }
  void Fill(const TRect& rect, TColor plain) {
    SetDCBrushColor(dc_, ToColorRef(plain));
    PatBlt(dc_, rect.Left, rect.Top, rect.Width(), rect.Height(), PATCOPY);
  }

 private:
  HDC dc_;
  SelectGuard pen_;
  SelectGuard brush_;
};

// The first row of rect copied to the rows below it, doubling the copied band each time.
void CopyFirstRowDown(HDC dc, const TRect& rect) {
  for (int done = 1; done < rect.Height();) {
    const int rows = std::min(done, rect.Height() - done);
    BitBlt(dc, rect.Left, rect.Top + done, rect.Width(), rows, dc, rect.Left, rect.Top, SRCCOPY);
    done += rows;
  }
}

}  // namespace

TColor PlainColor(TColor color) {
  return color == clNone ? clNone : ColorToRGB(color);
}

void FillInColor(HDC dc, const TRect& rect, TColor color) {
  if (color == clNone || rect.IsEmpty()) return;
  DcPenAndBrush(dc).Fill(rect, PlainColor(color));
}

void FrameInColor(HDC dc, const TRect& rect, TColor color) {
  if (color == clNone || rect.IsEmpty()) return;
  GdiObject<HBRUSH> brush(CreateSolidBrush(ToColorRef(PlainColor(color))));
  const RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  FrameRect(dc, &r, brush.Get());
}

void GradientSlice(HDC dc, const TRect& full, TGradientDirection direction, TColor start,
                   TColor end, const TRect& clip) {
  const TColor from = PlainColor(start);
  const TColor to = PlainColor(end);
  const TGradientKind kind = KindOfGradient(from, to);
  const TRect part = full.Intersect(clip);
  if (kind == TGradientKind::None || part.IsEmpty()) return;
  DcPenAndBrush tools(dc);
  if (kind == TGradientKind::Solid) {
    tools.Fill(part, from);
  } else if (direction == gdVertical) {
    for (int y = part.Top; y < part.Bottom; ++y)
      tools.Line(part.Left, y, part.Right, y, GradientColor(from, to, y - full.Top, full.Height()));
  } else {
    for (int x = part.Left; x < part.Right; ++x)
      SetPixelV(dc, x, part.Top, ToColorRef(GradientColor(from, to, x - full.Left, full.Width())));
    CopyFirstRowDown(dc, part);
  }
}

void GradientFill(TBitmap& bitmap, const TRect& rect, TGradientDirection direction, TColor start,
                  TColor end) {
  if (bitmap.Empty()) return;
  if (bitmap.PixelFormat() != pf32bit || bitmap.HandleType() != bmDIB) {
    GradientFill(bitmap.Canvas().Handle(), rect, direction, start, end);
    return;
  }
  // Drawing queued on the bitmap's canvas must land before the pixels are written.
  GdiFlush();
  auto* first = static_cast<uint32_t*>(bitmap.ScanLine(0));
  const int rowPixels = bitmap.Height() > 1
                            ? static_cast<int>(static_cast<uint32_t*>(bitmap.ScanLine(1)) - first)
                            : bitmap.Width();
  const TPixelRows rows{first, bitmap.Width(), bitmap.Height(), rowPixels};
  FillGradientPixels(rows, rect, direction, PlainColor(start), PlainColor(end), rect);
}

void DrawGradientEndsBar(HDC dc, const TRect& rect, int margin, int gradientWidth,
                         TGradientType type, TGradientDirection orientation, TColor color,
                         TColor colorTo) {
  if (color == clNone) return;
  for (const TBarFill& fill : PlanGradientEndsBar(rect, margin, gradientWidth, type, orientation,
                                                  PlainColor(color), PlainColor(colorTo)))
    GradientFill(dc, fill.rect, fill.direction, fill.start, fill.end);
}
