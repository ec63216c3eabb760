#include "framework/win/graphics/ScreenColors.h"

#include "framework/win/graphics/Font.h"
#include "framework/win/graphics/GdiObjects.h"

TColor DeviceNearestColor(TColor color) {
  if (color == clNone) return clNone;
  const TColor rgb = ColorToRGB(color) & 0xFFFFFF;
  WindowDC screen(nullptr);
  if (screen.Get() == nullptr) return rgb;
  const COLORREF nearest = GetNearestColor(screen.Get(), static_cast<COLORREF>(rgb));
  return nearest == CLR_INVALID ? rgb : static_cast<TColor>(nearest);
}
