// "MENUTEXTURE", the background picture of the fsTextured menu look: 96 x 96 pixels, 256 colours,
// a dark burgundy leather grain that white text stays readable on and that tiles without seams.
// Portable: never includes windows.h.
#pragma once

#include "framework/core/BitmapFile.h"

inline constexpr int kMenuTextureSize = 96;

// An 8-bit bitmap with a 256-entry palette: 255 tones from the darkest to the lightest, and one
// for the bottom left pixel alone (the colour the menu draws transparent).
TDibImage MenuTextureImage();
