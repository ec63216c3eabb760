#include "controls/common/DvColors.h"

#include <windows.h>

#include "framework/win/graphics/Font.h"

THsl240 ColorToHsl240(TColor color) {
  return ColorToHsl240(color, ColorToRGB);
}

uint8_t HueOfColor(TColor color) {
  return HueOfColor(color, ColorToRGB);
}

TColor DarkenColorBy(TColor color, uint8_t amount) {
  return DarkenColorBy(color, amount, ColorToRGB);
}

TColor LightenColorBy(TColor color, uint8_t amount) {
  return LightenColorBy(color, amount, ColorToRGB);
}

TColor ShiftColorLightness(TColor color, int amount) {
  return ShiftColorLightness(color, amount, ColorToRGB);
}

TColor MixColors(TColor a, TColor b, uint8_t weightOfA) {
  return MixColors(a, b, weightOfA, ColorToRGB);
}

bool HueAndLightnessClose(TColor foreground, TColor background) {
  return HueAndLightnessClose(foreground, background, ColorToRGB);
}

TColor OppositeHueColor(TColor color, uint8_t lightness) {
  return OppositeHueColor(color, lightness, ColorToRGB);
}

bool ScreenHasFullColor() {
  if (const bool* forced = ScreenColorsOverride::Current()) return *forced;
  const HDC screen = GetDC(nullptr);
  if (screen == nullptr) return true;
  const int colors = GetDeviceCaps(screen, NUMCOLORS);
  ReleaseDC(nullptr, screen);
  return colors == -1;
}
