#include "tests/controls/common/TestSurface.h"

#include "framework/win/Font.h"
#include "framework/win/WinControl.h"

#include <algorithm>

TestSurface::TestSurface(int width, int height, TColor fill)
    : width_(width), height_(height), dc_(nullptr) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  bits_ = static_cast<const uint32_t*>(bits);
  dc_.SelectBitmap(bitmap_.Get());
  GdiObject<HBRUSH> brush(CreateSolidBrush(static_cast<COLORREF>(Rgb(fill))));
  const RECT all{0, 0, width, height};
  FillRect(dc_.Get(), &all, brush.Get());
}

TColor TestSurface::Pixel(int x, int y) const {
  GdiFlush();
  const uint32_t bgr =
      bits_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
  return RGBColor(static_cast<uint8_t>(bgr >> 16), static_cast<uint8_t>(bgr >> 8),
                  static_cast<uint8_t>(bgr));
}

TColor Rgb(TColor color) {
  return ColorToRGB(color) & 0xFFFFFF;
}

void RenderInto(TWinControl& control, const TestSurface& surface) {
  const auto dc = reinterpret_cast<WPARAM>(surface.Dc());
  control.Perform(WM_ERASEBKGND, dc, 0);
  control.Perform(WM_PAINT, dc, 0);
  GdiFlush();
}

PixelBox FindPixels(const TestSurface& surface, const TRect& area, TColor color, bool other) {
  PixelBox box;
  const TColor wanted = Rgb(color);
  for (int y = area.Top; y < area.Bottom; ++y) {
    for (int x = area.Left; x < area.Right; ++x) {
      if ((surface.Pixel(x, y) == wanted) == other) continue;
      if (box.count == 0) {
        box = {x, y, x + 1, y + 1, 0};
      } else {
        box.left = std::min(box.left, x);
        box.top = std::min(box.top, y);
        box.right = std::max(box.right, x + 1);
        box.bottom = std::max(box.bottom, y + 1);
      }
      ++box.count;
    }
  }
  return box;
}
