#include "controls/common/DvColors.h"

#include <windows.h>

#include <cmath>

#include "framework/win/Font.h"

TColor MixColors(TColor a, TColor b, uint8_t weightOfA) {
  const TColor ra = ColorToRGB(a);
  const TColor rb = ColorToRGB(b);
  const float x = static_cast<float>(weightOfA) / 255.0f;
  const auto mix = [x](uint8_t ca, uint8_t cb) {
    // The default rounding mode rounds halves to even.
    const float value =
        std::nearbyint(static_cast<float>(ca) * x + static_cast<float>(cb) * (1 - x));
    return static_cast<uint8_t>(value);
  };
  return RGBColor(mix(RedOf(ra), RedOf(rb)), mix(GreenOf(ra), GreenOf(rb)),
                  mix(BlueOf(ra), BlueOf(rb)));
}

bool ScreenHasFullColor() {
  const HDC screen = GetDC(nullptr);
  if (screen == nullptr) return true;
  const int colors = GetDeviceCaps(screen, NUMCOLORS);
  ReleaseDC(nullptr, screen);
  return colors == -1;
}
