#include "controls/common/DvGrafx.h"

#include <algorithm>
#include <cstdlib>

#include "framework/win/controls/CustomControl.h"
#include "framework/win/controls/WinControl.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/graphics/GdiObjects.h"

namespace {

// Fills one run of positions (x for horizontal shapes, y for vertical ones) from position n down
// to lo, starting in c0 and moving towards c1; fill(from, to, colour) paints [from, to).
template <class Fill>
void BandedRun(int n, int lo, TColor c0, TColor c1, int bandParameter, const Fill& fill) {
  int p = std::clamp(bandParameter, 0, 255);
  if (p > 8) p = 255 / p + 1;
  const int minimumBand = std::max(p, 1);
  const int lines = n - lo + 1;
  int32_t accumulator[3] = {RedOf(c0) * 65536, GreenOf(c0) * 65536, BlueOf(c0) * 65536};
  const int32_t target[3] = {RedOf(c1) * 65536, GreenOf(c1) * 65536, BlueOf(c1) * 65536};
  int32_t step[3] = {0, 0, 0};
  if (lines > 0)
    for (int i = 0; i < 3; ++i)
      step[i] = (target[i] - accumulator[i]) / lines;
  const auto current = [&accumulator] {
    return RGBColor(static_cast<uint8_t>(accumulator[0] / 65536),
                    static_cast<uint8_t>(accumulator[1] / 65536),
                    static_cast<uint8_t>(accumulator[2] / 65536));
  };
  int position = n;
  TColor color = c0;
  while (position >= lo) {
    const TColor bandColor = color;
    const int bandStart = position;
    do {
      --position;
      for (int i = 0; i < 3; ++i)
        accumulator[i] += step[i];
      color = current();
    } while ((bandStart - position < minimumBand || color == bandColor) && position >= lo);
    fill(position, bandStart, bandColor);
  }
}

}  // namespace

void FillGradient(TCanvas& canvas, const TRect& rect, TGradientShape shape, TColor colorA,
                  TColor colorB, int bandParameter) {
  const int width = std::abs(rect.Width());
  const int height = std::abs(rect.Height());
  if (width == 0 || height == 0) return;
  const TColor a = ColorToRGB(colorA);
  const TColor b = ColorToRGB(colorB);
  const bool horizontal =
      shape == TGradientShape::HorizontalToEdge || shape == TGradientShape::HorizontalFromCentre;
  const int length = horizontal ? width : height;
  const int thickness = horizontal ? height : width;
  const int strip = std::min(8, thickness);

  TBitmap work(width, height);
  TCanvas& draw = work.Canvas();
  draw.Brush().SetStyle(bsSolid);
  const auto fill = [&](int from, int to, TColor color) {
    draw.Brush().SetColor(color);
    draw.FillRect(horizontal ? TRect{from, 0, to, strip} : TRect{0, from, strip, to});
  };
  if (shape == TGradientShape::HorizontalToEdge || shape == TGradientShape::VerticalToEdge) {
    BandedRun(length, 1, b, a, bandParameter, fill);
  } else {
    const int centre = length / 2;
    BandedRun(centre + 1, 1, b, a, bandParameter, fill);
    BandedRun(length, centre + 2, a, b, bandParameter, fill);
  }
  // Every row (or column) is the same: double the filled part until the bitmap is full.
  for (int filled = strip; filled < thickness; filled *= 2) {
    const int count = std::min(filled, thickness - filled);
    if (horizontal)
      draw.CopyRect({0, filled, width, filled + count}, draw, {0, 0, width, count});
    else
      draw.CopyRect({filled, 0, filled + count, height}, draw, {0, 0, count, height});
  }
  canvas.CopyRect({rect.Left, rect.Top, rect.Left + width, rect.Top + height}, draw,
                  {0, 0, width, height});
}

void PaintMaskedBitmap(TCanvas& dest, TBitmap& source, const TRect& destRect,
                       TColor transparentColor, const TRect& sourceRect) {
  TBrush saved;
  saved.Assign(&dest.Brush());
  dest.Brush().SetStyle(bsClear);
  dest.BrushCopy({0, 0, destRect.Width(), destRect.Height()}, source, sourceRect, transparentColor);
  dest.Brush().Assign(&saved);
}

void PaintParentBackground(TControl& control, HDC dc, bool invalidateParent) {
  TWinControl* parent = control.Parent();
  if (parent == nullptr) return;
  {
    SavedDCState state(dc);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x - control.Left(), origin.y - control.Top(), nullptr);
    const TRect client = parent->ClientRect();
    IntersectClipRect(dc, 0, 0, client.Width(), client.Height());
    const auto dcParam = reinterpret_cast<WPARAM>(dc);
    parent->Perform(WM_ERASEBKGND, dcParam, 0);
    parent->Perform(WM_PAINT, dcParam, 0);
  }
  if (invalidateParent && dynamic_cast<TCustomControl*>(parent) == nullptr &&
      dynamic_cast<TCustomForm*>(parent) == nullptr)
    parent->Invalidate();
}
