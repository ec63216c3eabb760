// Copies with a colour key: the pixels of one colour in the source are left out, so the
// destination (or a brush) shows there. Used by transparent bitmap drawing and BrushCopy.
#pragma once

#include <windows.h>

#include "framework/core/Types.h"

// Stretches source's sourceRect onto dest's destRect. Source pixels equal to key show the
// destination (fill == nullptr) or the fill brush. key is a COLORREF (PALETTERGB form allowed for
// palette sources). Empty rectangles draw nothing. Never throws; every temporary is released.
void KeyedStretchBlt(HDC dest, const TRect& destRect, HDC source, const TRect& sourceRect,
                     COLORREF key, HBRUSH fill = nullptr, HPALETTE palette = nullptr);
