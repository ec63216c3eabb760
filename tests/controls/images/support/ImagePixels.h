// Exact pixels for the image tests: a 32-bit surface, images of a list drawn over a background,
// and controls painted into a surface.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "framework/core/Colors.h"
#include "framework/core/Types.h"
#include "framework/win/GdiObjects.h"
#include "tests/controls/images/support/StoredImages.h"

class TCustomImageList;
class TWinControl;

// A 32-bit top-down DIB section on its own memory DC.
class PixelSurface {
 public:
  PixelSurface(int width, int height, TColor fill);
  HDC Dc() const { return dc_.Get(); }
  // The pixel as a plain colour 0x00BBGGRR.
  TColor At(int x, int y) const;
  // How many pixels of area have that colour (resolved).
  int Count(const TRect& area, TColor color) const;

 private:
  int width_;
  GdiObject<HBITMAP> bitmap_;
  MemoryDC dc_;
  const uint32_t* bits_ = nullptr;
};

// The plain value of a colour under the current system scheme.
TColor Plain(TColor color);

// Image index of the list drawn at (0, 0) over background: plain colours, rows top-down.
std::vector<TColor> DrawnImage(TCustomImageList& list, int index, TColor background);
// Whether every image of the list shows the expected colours where opaque and the background
// where transparent (tried over two backgrounds); the first difference is reported.
::testing::AssertionResult ListShows(TCustomImageList& list, const TStoredImagesView& expected);
// Paints a windowed control and its windowless children into the surface (client coordinates).
void RenderInto(TWinControl& control, const PixelSurface& surface);
