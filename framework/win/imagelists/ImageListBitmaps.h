// Pixel plumbing of the image list: splitting a picture into image and mask by a colour, copying
// one image and its mask out of a platform list, and reading them as plain pixels.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <vector>

#include "framework/win/graphics/GdiObjects.h"

// A screen-compatible image and its monochrome mask (white = transparent); mask may be empty.
struct TImageAndMask {
  GdiObject<HBITMAP> image;
  GdiObject<HBITMAP> mask;
};

// A copy of source whose pixels of maskColor are black, and the mask of those pixels; the source
// is left alone (it must not be selected into a device context). Fails with EOutOfResources
// "Out of system resources" when the bitmaps cannot be made.
TImageAndMask SplitByColor(HBITMAP source, COLORREF maskColor);

// Image index of list as stored: its pixels and, when withMask, its mask.
TImageAndMask ExtractImage(HIMAGELIST list, int index, int width, int height, bool withMask);

// Rows top-down, 0x00RRGGBB per pixel (the mask: 0 opaque, 0x00FFFFFF transparent).
std::vector<uint32_t> ReadPixels32(HBITMAP bitmap, int width, int height);

// A monochrome device bitmap from one flag per pixel (rows top-down): set pixels are black.
GdiObject<HBITMAP> MonochromeFromFlags(const std::vector<bool>& black, int width, int height);
