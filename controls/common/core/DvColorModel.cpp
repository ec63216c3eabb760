#include "controls/common/core/DvColorModel.h"

#include <algorithm>
#include <cstdlib>

#include "controls/common/core/DvGeometry.h"

namespace {

constexpr int kScale = 240;

uint8_t ToChannel(double unit) {
  // Saturations above 240 can push a channel below 0; neither end may wrap around.
  const double clamped = std::clamp(unit, 0.0, 1.0);
  return static_cast<uint8_t>(RoundHalfEven(clamped * 255));
}

TColor Rebuild(const THsl240& hsl, int lightness) {
  return Hsl240ToColor(hsl.hue, hsl.saturation, static_cast<uint8_t>(lightness));
}

}  // namespace

THsl240 ColorToHsl240(TColor color, TColorResolver resolve) {
  const TColor plain = resolve(color);
  const double r = RedOf(plain) / 255.0;
  const double g = GreenOf(plain) / 255.0;
  const double b = BlueOf(plain) / 255.0;
  const double max = std::max({r, g, b});
  const double min = std::min({r, g, b});
  const double lightness = (max + min) / 2;
  double hue = 0;
  double saturation = 0;
  if (max != min) {
    const double d = max - min;
    saturation = lightness < 0.5 ? d / (max + min) : d / (2 - max - min);
    if (r == max)
      hue = (g - b) / d;
    else if (g != max)
      hue = 4 + (r - g) / d;
    else
      hue = 2 + (b - r) / d;
    hue /= 6;
    if (hue < 0) hue += 1;
  }
  const auto scaled = [](double unit) {
    return static_cast<uint8_t>(RoundHalfEven(unit * kScale));
  };
  return {scaled(hue), scaled(saturation), scaled(lightness)};
}

TColor Hsl240ToColor(uint8_t hue, uint8_t saturation, uint8_t lightness) {
  const double h6 = hue / 239.0 * 6;
  const double s = saturation / static_cast<double>(kScale);
  const double l = lightness / static_cast<double>(kScale);
  const double m2 = l >= 0.5 ? l + s - l * s : l * (1 + s);
  if (m2 <= 0) return clBlack;
  const double m1 = 2 * l - m2;
  const int sextant = static_cast<int>(h6);
  const double f = h6 - sextant;
  const double rising = m1 + (m2 - m1) * f;
  const double falling = m2 - (m2 - m1) * f;
  double red = m2, green = rising, blue = m1;  // sextant 0, and 6 from hues 239 and above
  switch (sextant) {
    case 1:
      red = falling, green = m2, blue = m1;
      break;
    case 2:
      red = m1, green = m2, blue = rising;
      break;
    case 3:
      red = m1, green = falling, blue = m2;
      break;
    case 4:
      red = rising, green = m1, blue = m2;
      break;
    case 5:
      red = m2, green = m1, blue = falling;
      break;
    default:
      break;
  }
  return RGBColor(ToChannel(red), ToChannel(green), ToChannel(blue));
}

uint8_t HueOfColor(TColor color, TColorResolver resolve) {
  return ColorToHsl240(color, resolve).hue;
}

TColor DarkenColorBy(TColor color, uint8_t amount, TColorResolver resolve) {
  const THsl240 hsl = ColorToHsl240(color, resolve);
  return Rebuild(hsl, std::max(hsl.lightness - amount, 0));
}

TColor LightenColorBy(TColor color, uint8_t amount, TColorResolver resolve) {
  const THsl240 hsl = ColorToHsl240(color, resolve);
  return Rebuild(hsl, std::min(hsl.lightness + amount, 255));
}

TColor ShiftColorLightness(TColor color, int amount, TColorResolver resolve) {
  if (amount == 0) return color;
  const auto by = static_cast<uint8_t>(std::min(amount < 0 ? -amount : amount, 255));
  return amount < 0 ? DarkenColorBy(color, by, resolve) : LightenColorBy(color, by, resolve);
}

TColor MixColors(TColor a, TColor b, uint8_t weightOfA, TColorResolver resolve) {
  const TColor plainA = resolve(a);
  const TColor plainB = resolve(b);
  const float x = static_cast<float>(weightOfA) / 255.0f;
  const auto mix = [x](uint8_t channelA, uint8_t channelB) {
    const float value = static_cast<float>(channelA) * x + static_cast<float>(channelB) * (1 - x);
    return static_cast<uint8_t>(RoundHalfEven(value));
  };
  return RGBColor(mix(RedOf(plainA), RedOf(plainB)), mix(GreenOf(plainA), GreenOf(plainB)),
                  mix(BlueOf(plainA), BlueOf(plainB)));
}

bool HueAndLightnessClose(TColor foreground, TColor background, TColorResolver resolve) {
  const THsl240 f = ColorToHsl240(foreground, resolve);
  const THsl240 b = ColorToHsl240(background, resolve);
  return std::abs(f.hue - b.hue) < 20 && std::abs(f.lightness - b.lightness) < 60;
}

TColor OppositeHueColor(TColor color, uint8_t lightness, TColorResolver resolve) {
  const int hue = HueOfColor(color, resolve);
  const int opposite = hue < 120 ? hue + 120 : hue - 120;
  return Hsl240ToColor(static_cast<uint8_t>(opposite), kScale, lightness);
}
