#include "tests/framework/win/graphics/GraphicsTestSupport.h"

#include <stdexcept>

namespace {
HBITMAP CreateSection(int width, int height, uint32_t** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down: row y at bits + y * width
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* memory = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
  if (bitmap == nullptr) throw std::runtime_error("CreateDIBSection failed");
  *bits = static_cast<uint32_t*>(memory);
  return bitmap;
}
}  // namespace

DibSurface::DibSurface(int width, int height, TColor fill)
    : width_(width), height_(height), bitmap_(CreateSection(width, height, &bits_)), dc_(nullptr) {
  dc_.SelectBitmap(bitmap_.Get());
  for (int i = 0; i < width * height; ++i)
    bits_[i] = ToBgra(fill);
}

TColor DibSurface::At(int x, int y) const {
  GdiFlush();
  const uint32_t v = bits_[y * width_ + x];
  return RGBColor(static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8),
                  static_cast<uint8_t>(v));
}

void DibSurface::Set(int x, int y, TColor color) {
  GdiFlush();
  bits_[y * width_ + x] = ToBgra(color);
}

int DibSurface::Count(int left, int top, int right, int bottom, TColor color) const {
  int count = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x)
      if (At(x, y) == color) ++count;
  return count;
}
