// The ink of drawn text: the pixels that text changed on a plain background (smoothed edges too),
// cut to the smallest rectangle that holds them. A letter that a font cannot draw comes out as the
// font's missing-glyph box; equal ink, drawn on the same background, is how such a box is told
// from a real letter.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/core/Colors.h"
#include "framework/core/Types.h"

class PixelSurface;

struct TInk {
  int width = 0;
  int height = 0;
  std::vector<bool> covered;  // row by row, width * height

  bool Empty() const { return covered.empty(); }
  bool operator==(const TInk&) const = default;
};

// The pixels of a surface's area that are not the background colour, cut to their bounds (empty
// when there are none).
TInk InkOf(const PixelSurface& surface, const TRect& area, TColor background);

// The separate pieces of ink in a surface's area (pixels touching at a side or a corner belong
// together), each cut to its bounds; on a line of text mostly one piece a letter.
std::vector<TInk> InkPieces(const PixelSurface& surface, const TRect& area, TColor background);

// Text drawn in black with ExtTextOutW in the font, as windows draw captions and texts:
// right-to-left letters take the same road through GDI as in a message box.
TInk TextInk(HFONT font, const std::wstring& text, TColor background = clWhite);

// What the font draws for a character it has no glyph for: its glyph 0, and its default character.
TInk MissingGlyphInk(HFONT font, TColor background = clWhite);
TInk DefaultCharacterInk(HFONT font, TColor background = clWhite);
