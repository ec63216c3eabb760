// The DIB formats that bitmaps are created in: default colour tables, the layout of each pixel
// format, the screen's format, and BITMAPINFO building.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/core/BitmapFile.h"

enum TPixelFormat {
  pfDevice,
  pf1bit,
  pf4bit,
  pf8bit,
  pf15bit,
  pf16bit,
  pf24bit,
  pf32bit,
  pfCustom
};

// The screen's bits per pixel (planes × bits), 32 when no screen DC can be had.
int ScreenBitsPerPixel();
// The DIB layout (bits empty) of a pixel format; pfDevice gives the screen's format.
TDibImage LayoutForFormat(TPixelFormat format);
// The layout of a pixel depth: 1, 4, 8, 15, 16, 24 or 32 (others give 32).
TDibImage LayoutForDepth(int bitsPerPixel);
// A BITMAPINFO for a layout: the information header, then the masks or the full colour table
// (palette images get 2^bits entries, missing ones black).
std::vector<uint8_t> MakeBitmapInfo(const TDibImage& layout, int width, int height);
// A logical palette holding the colour table of a palette image; nullptr for other images.
HPALETTE CreatePaletteFor(const std::vector<TDibColor>& colors);
// The entries of a logical palette as colour-table entries (at most maxEntries).
std::vector<TDibColor> PaletteColors(HPALETTE palette, size_t maxEntries);
// A copy of a logical palette (nullptr for nullptr).
HPALETTE CopyPalette(HPALETTE palette);
