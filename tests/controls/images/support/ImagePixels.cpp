#include "tests/controls/images/support/ImagePixels.h"

#include <string>

#include "framework/win/Font.h"
#include "framework/win/ImageList.h"
#include "framework/win/WinControl.h"

PixelSurface::PixelSurface(int width, int height, TColor fill) : width_(width), dc_(nullptr) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  bits_ = static_cast<const uint32_t*>(bits);
  dc_.SelectBitmap(bitmap_.Get());
  GdiObject<HBRUSH> brush(CreateSolidBrush(static_cast<COLORREF>(Plain(fill))));
  const RECT all{0, 0, width, height};
  FillRect(dc_.Get(), &all, brush.Get());
}

TColor PixelSurface::At(int x, int y) const {
  GdiFlush();
  const uint32_t pixel = bits_[static_cast<size_t>(y) * static_cast<size_t>(width_) + x];
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

TColor Plain(TColor color) {
  return ColorToRGB(color) & 0xFFFFFF;
}

std::vector<TColor> DrawnImage(TCustomImageList& list, int index, TColor background) {
  PixelSurface surface(list.Width(), list.Height(), background);
  ImageList_Draw(list.Handle(), index, surface.Dc(), 0, 0, ILD_NORMAL);
  std::vector<TColor> pixels;
  for (int y = 0; y < list.Height(); ++y)
    for (int x = 0; x < list.Width(); ++x)
      pixels.push_back(surface.At(x, y));
  return pixels;
}

::testing::AssertionResult ListShows(TCustomImageList& list, const TStoredImagesView& expected) {
  if (list.Count() != static_cast<int>(expected.images.size()))
    return ::testing::AssertionFailure()
           << "count " << list.Count() << " instead of " << expected.images.size();
  if (list.Width() != expected.width || list.Height() != expected.height)
    return ::testing::AssertionFailure() << "size " << list.Width() << " x " << list.Height();
  for (TColor background : {RGBColor(0x12, 0x34, 0x56), RGBColor(0xFE, 0xDC, 0xBA)}) {
    for (size_t i = 0; i < expected.images.size(); ++i) {
      const std::vector<TColor> drawn = DrawnImage(list, static_cast<int>(i), background);
      const TExpectedImage& image = expected.images[i];
      for (size_t p = 0; p < drawn.size(); ++p) {
        const TColor wanted = image.transparent[p] ? background : image.colors[p];
        if (drawn[p] != wanted)
          return ::testing::AssertionFailure()
                 << "image " << i << " pixel (" << p % list.Width() << ", " << p / list.Width()
                 << "): " << std::hex << drawn[p] << " instead of " << wanted;
      }
    }
  }
  return ::testing::AssertionSuccess();
}

void RenderInto(TWinControl& control, const PixelSurface& surface) {
  const auto dc = reinterpret_cast<WPARAM>(surface.Dc());
  control.Perform(WM_ERASEBKGND, dc, 0);
  control.Perform(WM_PAINT, dc, 0);
  GdiFlush();
}
