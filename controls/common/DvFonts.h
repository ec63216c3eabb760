// Font helpers the controls share: rotated copies of a font and font measurements.
#pragma once

#include <string>

#include "controls/common/DvScopedOverride.h"
#include "framework/win/graphics/Font.h"
#include "framework/win/graphics/GdiObjects.h"

// A copy of font (face, height, weight, italic, underline, strike-out and pitch) whose text runs
// at degrees counter-clockwise from the horizontal, in the default character set so that any
// TrueType face can turn. Empty when the window system refuses the font.
GdiObject<HFONT> CreateAngledFont(const TFont& font, int degrees);
// The same with the escapement in tenths of a degree (text laid along an arc turns by less
// than a degree from one character to the next).
GdiObject<HFONT> CreateFontWithEscapement(const TFont& font, int tenthsOfDegree);

// The font's tmHeight on a screen device context + 2: the least height of a one-line edit box.
int EditHeightForFont(const TFont& font);
// Whether the font is a TrueType font (rotatable), or what a RasterFaceOverride says.
bool FontIsTrueType(const TFont& font);

// Makes FontIsTrueType() call the fonts of one face raster fonts and every other font TrueType
// (tests: every face of the test prefix resolves to a TrueType font).
using RasterFaceOverride = ScopedOverride<std::string, struct RasterFaceTag>;
