// Colour routines the controls share.
#pragma once

#include <cstdint>

#include "framework/core/Colors.h"

// Each channel round(A × w/255 + B × (1 − w/255)), halves to even; system colours are resolved
// first. MixColors(A, B, 255) is A, MixColors(A, B, 0) is B.
TColor MixColors(TColor a, TColor b, uint8_t weightOfA);

// True when the screen shows more than 256 colours. Never throws.
bool ScreenHasFullColor();
