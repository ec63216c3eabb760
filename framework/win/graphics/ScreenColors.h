// What the screen can show.
#pragma once

#include "framework/core/Colors.h"

// The colour the screen shows for color (GetNearestColor on a screen DC; system colours are
// resolved first). The resolved colour itself when no screen DC can be had; clNone stays clNone.
TColor DeviceNearestColor(TColor color);
