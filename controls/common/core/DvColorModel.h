// Colour arithmetic in the hue-saturation-lightness model on the 0..240 scale: lightening,
// darkening, mixing and the closeness and opposite-hue rules the controls derive their colours
// with. Portable: never includes windows.h. A system colour cannot be resolved here, so every
// routine that reads a colour takes the resolver of the platform (the Windows side hands in
// ColorToRGB, tests a table of their own); a plain colour passes through it unchanged.
#pragma once

#include <cstdint>

#include "framework/core/Colors.h"

// Turns a system colour into its current plain value; leaves plain colours as they are.
using TColorResolver = TColor (*)(TColor);

struct THsl240 {
  uint8_t hue = 0;         // 0..240
  uint8_t saturation = 0;  // 0..240
  uint8_t lightness = 0;   // 0..240
  friend bool operator==(const THsl240&, const THsl240&) = default;
};

// Each component rounded to the nearest integer, halves to even.
THsl240 ColorToHsl240(TColor color, TColorResolver resolve);
// The hue is divided by 239, not 240, so hue 80 comes out a little off pure green. Lightness 0
// is black and 240 or more white whatever the hue.
TColor Hsl240ToColor(uint8_t hue, uint8_t saturation, uint8_t lightness);
uint8_t HueOfColor(TColor color, TColorResolver resolve);

// Same hue and saturation, lightness lowered by amount (not below 0) or raised by it (240 and
// more is white). The result is a plain colour.
TColor DarkenColorBy(TColor color, uint8_t amount, TColorResolver resolve);
TColor LightenColorBy(TColor color, uint8_t amount, TColorResolver resolve);
// Darkens for a negative amount, lightens for a positive one (amounts beyond 255 count as 255);
// 0 returns the colour itself, so a system colour stays a system colour.
TColor ShiftColorLightness(TColor color, int amount, TColorResolver resolve);

// Each channel round(A × w/255 + B × (1 − w/255)) in single precision, halves to even:
// MixColors(A, B, 255) is A, MixColors(A, B, 0) is B.
TColor MixColors(TColor a, TColor b, uint8_t weightOfA, TColorResolver resolve);

// True when the hues differ by less than 20 and the lightnesses by less than 60; saturation is
// not compared.
bool HueAndLightnessClose(TColor foreground, TColor background, TColorResolver resolve);
// The fully saturated colour of the hue 120 steps away, at the given lightness.
TColor OppositeHueColor(TColor color, uint8_t lightness, TColorResolver resolve);
