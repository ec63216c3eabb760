// Exact pixels for painting tests: a 32-bit top-down DIB section on its own memory DC, with a
// canvas on it, and the plain values of colours to compare its pixels with.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "framework/core/Colors.h"
#include "framework/core/Types.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/GdiObjects.h"

class TWinControl;

class PixelSurface {
 public:
  // Filled with fill (resolved).
  PixelSurface(int width, int height, TColor fill = clWhite);
  ~PixelSurface();
  PixelSurface(const PixelSurface&) = delete;
  PixelSurface& operator=(const PixelSurface&) = delete;

  HDC Dc() const { return dc_.Get(); }
  TCanvas& Canvas() { return canvas_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The pixel as a plain colour 0x00BBGGRR.
  TColor At(int x, int y) const;
  // How many pixels of area have that colour (resolved).
  int Count(const TRect& area, TColor color) const;
  // How many pixels of the whole surface are not that colour (resolved).
  int CountOther(TColor color) const;

 private:
  int width_;
  int height_;
  GdiObject<HBITMAP> bitmap_;
  MemoryDC dc_;
  const uint32_t* bits_ = nullptr;
  TCanvas canvas_;
};

// The plain value of a colour under the current system scheme.
TColor Plain(TColor color);

// Paints a windowed control's background and its windowless children into the surface, as its
// own paint message would (client coordinates).
void RenderInto(TWinControl& control, const PixelSurface& surface);

// The window's whole rectangle as the screen shows it now.
std::unique_ptr<PixelSurface> CaptureWindow(HWND window);
