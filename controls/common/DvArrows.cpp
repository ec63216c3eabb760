#include "controls/common/DvArrows.h"

#include <vector>

#include "controls/common/DvCanvasTools.h"
#include "controls/common/DvColors.h"
#include "framework/core/SysUtils.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/platform/Themes.h"

namespace {

// The theme's spin up button (part SPNP_UP, state UPS_NORMAL) in its usual size.
constexpr int kSpinUpPart = 1;
constexpr int kNormalState = 1;
constexpr int kSampleWidth = 17;
constexpr int kSampleHeight = 21;

std::vector<TPoint> ClassicArrow(int x, int y, int direction) {
  const int b = y + 2;
  switch (direction) {
    case adUp:
      return {{x, b - 5}, {x + 4, b}, {x - 4, b}};
    case adDown:
      return {{x, b + 1}, {x - 3, b - 3}, {x + 4, b - 3}};
    case adLeft:
      x -= 2;
      return {{x, y}, {x + 4, y - 4}, {x + 4, y + 4}};
    default:
      x -= 2;
      return {{x + 4, y}, {x, y + 4}, {x, y - 4}};
  }
}

std::vector<TPoint> ThemedArrow(int x, int y, int direction) {
  switch (direction) {
    case adUp: {
      const int b = y + 4;
      return {{x, b - 5}, {x + 4, b}, {x + 1, b}, {x, b - 2}, {x - 1, b}, {x - 4, b}};
    }
    case adDown: {
      const int b = y + 2;
      return {{x, b}, {x - 3, b - 4}, {x, b - 4}, {x, b - 3}, {x + 1, b - 4}, {x + 4, b - 4}};
    }
    case adLeft:
      x -= 1;
      return {{x, y}, {x + 4, y - 4}, {x + 4, y - 1}, {x + 3, y}, {x + 4, y + 1}, {x + 4, y + 4}};
    default:
      x -= 3;
      return {{x + 4, y}, {x, y + 4}, {x, y + 1}, {x + 1, y}, {x, y - 1}, {x, y - 4}};
  }
}

TColor ThemedArrowColor() {
  TColor color = ThemedSpinArrowSample();
  // An arrow that would vanish on a window-coloured button falls back to the dark 3D colour.
  if (color == clNone || HueAndLightnessClose(color, clWindow)) color = cl3DDkShadow;
  return color;
}

}  // namespace

TColor ThemedSpinArrowSample() {
  if (const TColor* forced = SpinArrowSampleOverride::Current()) return *forced;
  try {
    const ThemeData theme(nullptr, L"SPIN");
    if (!theme) return clNone;
    TBitmap sample(kSampleWidth, kSampleHeight);
    const RECT rect{0, 0, kSampleWidth, kSampleHeight};
    if (!theme.DrawBackground(sample.Canvas().Handle(), kSpinUpPart, kNormalState, rect))
      return clNone;
    return sample.Canvas().Pixel(kSampleWidth / 2, kSampleHeight / 2);
  } catch (const Exception&) {
    // No bitmap or DC for the sample: the arrow takes the fallback colour.
    return clNone;
  }
}

void PaintSpinArrow(TCanvas& canvas, const TRect& rect, bool themed, bool enabled, bool pressed,
                    int direction) {
  if (direction < adUp || direction > adRight) return;
  int x = rect.Left + rect.Width() / 2;
  int y = rect.Top + rect.Height() / 2;
  if (rect.Height() % 2 == 0) --y;
  if (pressed && enabled) {
    ++x;
    ++y;
  }
  TColor color = clBlack;
  if (!enabled)
    color = clBtnShadow;
  else if (themed)
    color = ThemedArrowColor();
  KeptCanvasTools kept(canvas);
  canvas.Brush().SetColor(color);
  canvas.Pen().SetStyle(psClear);
  canvas.Polygon(themed ? ThemedArrow(x, y, direction) : ClassicArrow(x, y, direction));
}
