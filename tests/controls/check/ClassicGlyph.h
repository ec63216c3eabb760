// The classic check box as the platform draws it, to compare a drawn glyph with.
#pragma once

#include <gtest/gtest.h>

#include "tests/support/win/PixelSurface.h"

// The pixel of the classic box (DrawFrameControl with DFCS_BUTTONCHECK | extraFlags) at (x, y),
// with background where the platform leaves the box's square undrawn.
inline TColor ClassicPixel(UINT extraFlags, int x, int y, TColor background) {
  PixelSurface glyph(13, 13, clOlive);
  RECT rect{0, 0, 13, 13};
  DrawFrameControl(glyph.Dc(), &rect, DFC_BUTTON, DFCS_BUTTONCHECK | extraFlags);
  const TColor pixel = glyph.At(x, y);
  return pixel == clOlive ? Plain(background) : pixel;
}

// Every pixel of the 13 × 13 glyph at (left, top) is the classic box's over the button face.
inline void ExpectClassicGlyphAt(const PixelSurface& surface, int left, int top, UINT flags) {
  for (int y = 0; y < 13; ++y)
    for (int x = 0; x < 13; ++x)
      ASSERT_EQ(surface.At(left + x, top + y), ClassicPixel(flags, x, y, clBtnFace))
          << "flags " << flags << " at " << x << "," << y;
}
