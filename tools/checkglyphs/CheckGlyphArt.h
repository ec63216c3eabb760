// The check box's three built-in glyphs: 13 × 13 pictures at 4 bits per pixel in the standard 16
// colours, drawn in placeholder colours that the check box replaces when it draws them (frame
// gray, light band fuchsia, dark band red, interior white, mark blue).
// Portable: never includes windows.h.
#pragma once

#include "framework/core/BitmapFile.h"

enum class TCheckGlyph { Unchecked, Checked, Grayed };

constexpr int kCheckGlyphSize = 13;

// The glyph as a DIB; as a packed DIB (information header, 16-entry colour table, pixels) it is
// 208 bytes.
TDibImage CheckGlyphImage(TCheckGlyph glyph);
