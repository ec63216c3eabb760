// A 32-bit device-independent bitmap with its own memory DC, for exact pixel checks of painting.
#pragma once

#include <windows.h>

#include <cstdint>

#include "framework/core/Colors.h"
#include "framework/core/Types.h"
#include "framework/win/GdiObjects.h"

class TestSurface {
 public:
  // Filled with fill (resolved).
  TestSurface(int width, int height, TColor fill = clWhite);
  HDC Dc() const { return dc_.Get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The pixel as a plain colour 0x00BBGGRR.
  TColor Pixel(int x, int y) const;

 private:
  int width_;
  int height_;
  MemoryDC dc_;
  GdiObject<HBITMAP> bitmap_;
  const uint32_t* bits_ = nullptr;
};

// The plain value of a colour under the current system scheme.
TColor Rgb(TColor color);

class TWinControl;
// Paints a windowed control's background and its windowless children into the surface, as
// its own paint message would (client coordinates).
void RenderInto(TWinControl& control, const TestSurface& surface);

// The smallest rectangle holding every pixel of colour inside area (empty when there is none);
// with other, every pixel of any other colour.
struct PixelBox {
  int left = 0, top = 0, right = 0, bottom = 0, count = 0;
  bool Empty() const { return count == 0; }
};
PixelBox FindPixels(const TestSurface& surface, const TRect& area, TColor color,
                    bool other = false);
