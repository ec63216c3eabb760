// A 32-bit DIB section on a memory DC: exact pixels for canvas tests.
#pragma once

#include <windows.h>

#include <cstdint>

#include "framework/core/Colors.h"
#include "framework/win/graphics/GdiObjects.h"

class DibSurface {
 public:
  DibSurface(int width, int height, TColor fill = clWhite);
  DibSurface(const DibSurface&) = delete;
  DibSurface& operator=(const DibSurface&) = delete;

  HDC DC() const { return dc_.Get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The pixel as 0x00BBGGRR, read from the section's memory.
  TColor At(int x, int y) const;
  void Set(int x, int y, TColor color);
  // How many pixels of the rectangle have that colour.
  int Count(int left, int top, int right, int bottom, TColor color) const;

 private:
  int width_;
  int height_;
  uint32_t* bits_ = nullptr;
  GdiObject<HBITMAP> bitmap_;
  MemoryDC dc_;
};

// 0x00BBGGRR to the section's 0x00RRGGBB and back.
inline uint32_t ToBgra(TColor c) {
  return static_cast<uint32_t>(BlueOf(c) | (GreenOf(c) << 8) | (RedOf(c) << 16));
}
