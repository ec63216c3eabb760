#include "tests/support/win/PixelSurface.h"

#include <stdexcept>

#include "framework/win/controls/WinControl.h"
#include "framework/win/graphics/Font.h"

PixelSurface::PixelSurface(int width, int height, TColor fill)
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
  if (!bitmap_) throw std::runtime_error("no DIB section");
  bits_ = static_cast<const uint32_t*>(bits);
  dc_.SelectBitmap(bitmap_.Get());
  GdiObject<HBRUSH> brush(CreateSolidBrush(static_cast<COLORREF>(Plain(fill))));
  const RECT all{0, 0, width, height};
  FillRect(dc_.Get(), &all, brush.Get());
  canvas_.SetHandle(dc_.Get());
}

PixelSurface::~PixelSurface() {
  canvas_.SetHandle(nullptr);
}

TColor PixelSurface::At(int x, int y) const {
  GdiFlush();
  const uint32_t pixel =
      bits_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
  return RGBColor(static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8),
                  static_cast<uint8_t>(pixel));
}

int PixelSurface::Count(const TRect& area, TColor color) const {
  const TColor wanted = Plain(color);
  int count = 0;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x)
      if (At(x, y) == wanted) ++count;
  return count;
}

int PixelSurface::CountOther(TColor color) const {
  return width_ * height_ - Count(TRect{0, 0, width_, height_}, color);
}

TColor Plain(TColor color) {
  return ColorToRGB(color) & 0xFFFFFF;
}

void RenderInto(TWinControl& control, const PixelSurface& surface) {
  const auto dc = reinterpret_cast<WPARAM>(surface.Dc());
  control.Perform(WM_ERASEBKGND, dc, 0);
  control.Perform(WM_PAINT, dc, 0);
  GdiFlush();
}

std::unique_ptr<PixelSurface> CaptureWindow(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  auto surface = std::make_unique<PixelSurface>(r.right - r.left, r.bottom - r.top);
  const WindowDC screen(nullptr);
  BitBlt(surface->Dc(), 0, 0, surface->Width(), surface->Height(), screen.Get(), r.left, r.top,
         SRCCOPY);
  GdiFlush();
  return surface;
}
