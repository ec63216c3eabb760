// The pictures of a styled menu's glyphs, drawn in code: one-bit bitmaps whose colour 0 is black
// and colour 1 white (white is the transparent colour). The build writes them as the bitmap
// resources "DVCHECKITEM", "DVRADIOITEM" and "DVSUBMENUITEM"; the program falls back on them when
// a resource cannot be loaded. Portable.
#pragma once

#include "framework/core/BitmapFile.h"

// 16 x 16: a tick.
TDibImage CheckGlyphImage();
// 16 x 16: a round dot.
TDibImage RadioGlyphImage();
// 4 x 7: a solid triangle pointing right.
TDibImage SubMenuGlyphImage();
