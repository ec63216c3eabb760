#include "framework/win/imagelists/ImageListBitmaps.h"

#include "framework/core/SysUtils.h"

namespace {

constexpr DWORD kDestAndNotSource = 0x00220326;  // DSna

void Require(bool made) {
  if (!made) throw EOutOfResources("Out of system resources");
}

}  // namespace

TImageAndMask SplitByColor(HBITMAP source, COLORREF maskColor) {
  BITMAP info{};
  Require(GetObjectA(source, sizeof(info), &info) != 0);
  const int width = info.bmWidth;
  const int height = info.bmHeight;
  TImageAndMask result;
  {
    WindowDC screen(nullptr);
    result.image.Reset(CreateCompatibleBitmap(screen.Get(), width, height));
    result.mask.Reset(CreateBitmap(width, height, 1, 1, nullptr));
    Require(result.image && result.mask);
    MemoryDC sourceDC(screen.Get());
    MemoryDC imageDC(screen.Get());
    MemoryDC maskDC(screen.Get());
    sourceDC.SelectBitmap(source);
    imageDC.SelectBitmap(result.image.Get());
    maskDC.SelectBitmap(result.mask.Get());
    BitBlt(imageDC.Get(), 0, 0, width, height, sourceDC.Get(), 0, 0, SRCCOPY);
    // Colour to monochrome: pixels of the background colour become white (transparent).
    SetBkColor(imageDC.Get(), maskColor);
    BitBlt(maskDC.Get(), 0, 0, width, height, imageDC.Get(), 0, 0, SRCCOPY);
    // Transparent pixels of the image become black, as the platform list expects.
    SetTextColor(imageDC.Get(), RGB(0, 0, 0));
    SetBkColor(imageDC.Get(), RGB(255, 255, 255));
    BitBlt(imageDC.Get(), 0, 0, width, height, maskDC.Get(), 0, 0, kDestAndNotSource);
  }
  return result;
}

TImageAndMask ExtractImage(HIMAGELIST list, int index, int width, int height, bool withMask) {
  TImageAndMask result;
  WindowDC screen(nullptr);
  result.image.Reset(CreateCompatibleBitmap(screen.Get(), width, height));
  Require(static_cast<bool>(result.image));
  {
    MemoryDC imageDC(screen.Get());
    imageDC.SelectBitmap(result.image.Get());
    // On a black background the masked parts add nothing: the stored pixels come out as they are.
    ImageList_DrawEx(list, index, imageDC.Get(), 0, 0, width, height, RGB(0, 0, 0), CLR_NONE,
                     ILD_NORMAL);
  }
  if (withMask) {
    result.mask.Reset(CreateBitmap(width, height, 1, 1, nullptr));
    Require(static_cast<bool>(result.mask));
    MemoryDC maskDC(screen.Get());
    maskDC.SelectBitmap(result.mask.Get());
    // The mask is combined into white, so what remains is exactly the stored mask.
    PatBlt(maskDC.Get(), 0, 0, width, height, WHITENESS);
    ImageList_DrawEx(list, index, maskDC.Get(), 0, 0, width, height, CLR_NONE, CLR_NONE, ILD_MASK);
  }
  return result;
}

std::vector<uint32_t> ReadPixels32(HBITMAP bitmap, int width, int height) {
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  WindowDC screen(nullptr);
  GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(height), pixels.data(), &info,
            DIB_RGB_COLORS);
  for (uint32_t& pixel : pixels)
    pixel &= 0x00FFFFFF;
  return pixels;
}

GdiObject<HBITMAP> MonochromeFromFlags(const std::vector<bool>& black, int width, int height) {
  // Device bitmap rows are padded to 16 bits; a set bit is white.
  const size_t stride = static_cast<size_t>((width + 15) / 16) * 2;
  std::vector<uint8_t> bits(stride * static_cast<size_t>(height), 0xFF);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (black[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)])
        bits[static_cast<size_t>(y) * stride + static_cast<size_t>(x / 8)] &=
            static_cast<uint8_t>(~(0x80 >> (x % 8)));
  GdiObject<HBITMAP> bitmap(CreateBitmap(width, height, 1, 1, bits.data()));
  Require(static_cast<bool>(bitmap));
  return bitmap;
}
