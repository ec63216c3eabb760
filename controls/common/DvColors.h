// The colour routines of the controls, with system colours resolved to the values the window
// system shows now (GetSysColor). The arithmetic itself is portable (core/DvColorModel.h).
#pragma once

#include <cstdint>

#include "controls/common/DvScopedOverride.h"
#include "controls/common/core/DvColorModel.h"

THsl240 ColorToHsl240(TColor color);
uint8_t HueOfColor(TColor color);
TColor DarkenColorBy(TColor color, uint8_t amount);
TColor LightenColorBy(TColor color, uint8_t amount);
// 0 returns the colour itself, so a system colour stays a system colour.
TColor ShiftColorLightness(TColor color, int amount);
// MixColors(A, B, 255) is A, MixColors(A, B, 0) is B.
TColor MixColors(TColor a, TColor b, uint8_t weightOfA);
bool HueAndLightnessClose(TColor foreground, TColor background);
TColor OppositeHueColor(TColor color, uint8_t lightness);

// True when the screen shows more than 256 colours (or a ScreenColorsOverride says so). Never
// throws.
bool ScreenHasFullColor();

// Forces the answer of ScreenHasFullColor() (tests: the display has full colour).
using ScreenColorsOverride = ScopedOverride<bool, struct ScreenColorsTag>;
