// Font measurements the controls share.
#pragma once

#include "framework/win/Font.h"

// The font's tmHeight on a screen device context + 2: the least height of a one-line edit box.
int EditHeightForFont(const TFont& font);
// Whether the font is a TrueType font (rotatable).
bool FontIsTrueType(const TFont& font);
