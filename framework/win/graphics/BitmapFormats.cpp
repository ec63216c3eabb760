#include "framework/win/graphics/BitmapFormats.h"

#include <algorithm>
#include <cstring>

#include "framework/win/graphics/GdiObjects.h"

namespace {

std::vector<TDibColor> Colors(std::initializer_list<uint32_t> rgbs) {
  std::vector<TDibColor> colors;
  for (uint32_t rgb : rgbs)
    colors.push_back(TDibColor{static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
                               static_cast<uint8_t>(rgb), 0});
  return colors;
}

// The 16 colours, a 6 × 6 × 6 colour cube and 24 greys.
const std::vector<TDibColor>& TwoFiftySixColors() {
  static const std::vector<TDibColor> colors = [] {
    std::vector<TDibColor> result = StandardSixteenColors();
    for (int r = 0; r < 6; ++r)
      for (int g = 0; g < 6; ++g)
        for (int b = 0; b < 6; ++b)
          result.push_back(TDibColor{static_cast<uint8_t>(b * 51), static_cast<uint8_t>(g * 51),
                                     static_cast<uint8_t>(r * 51), 0});
    for (int i = 0; i < 24; ++i) {
      const auto level = static_cast<uint8_t>(8 + i * 10);
      result.push_back(TDibColor{level, level, level, 0});
    }
    return result;
  }();
  return colors;
}

}  // namespace

int ScreenBitsPerPixel() {
  WindowDC screen(nullptr);
  if (screen.Get() == nullptr) return 32;
  return GetDeviceCaps(screen.Get(), BITSPIXEL) * GetDeviceCaps(screen.Get(), PLANES);
}

TDibImage LayoutForDepth(int bitsPerPixel) {
  TDibImage layout;
  switch (bitsPerPixel) {
    case 1:
      layout.bitCount = 1;
      layout.palette = Colors({0x000000, 0xFFFFFF});
      break;
    case 4:
      layout.bitCount = 4;
      layout.palette = StandardSixteenColors();
      break;
    case 8:
      layout.bitCount = 8;
      layout.palette = TwoFiftySixColors();
      break;
    case 15:
      layout.bitCount = 16;
      break;
    case 16:
      layout.bitCount = 16;
      layout.compression = kDibBitfields;
      layout.redMask = 0xF800;
      layout.greenMask = 0x07E0;
      layout.blueMask = 0x001F;
      break;
    case 24:
      layout.bitCount = 24;
      break;
    default:
      layout.bitCount = 32;
      break;
  }
  return layout;
}

TDibImage LayoutForFormat(TPixelFormat format) {
  switch (format) {
    case pf1bit:
      return LayoutForDepth(1);
    case pf4bit:
      return LayoutForDepth(4);
    case pf8bit:
      return LayoutForDepth(8);
    case pf15bit:
      return LayoutForDepth(15);
    case pf16bit:
      return LayoutForDepth(16);
    case pf24bit:
      return LayoutForDepth(24);
    case pf32bit:
      return LayoutForDepth(32);
    default:
      return LayoutForDepth(ScreenBitsPerPixel());
  }
}

std::vector<uint8_t> MakeBitmapInfo(const TDibImage& layout, int width, int height) {
  std::vector<uint8_t> info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
  auto* header = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
  header->biSize = sizeof(BITMAPINFOHEADER);
  header->biWidth = width;
  header->biHeight = height;
  header->biPlanes = 1;
  header->biBitCount = layout.bitCount;
  header->biCompression = layout.compression == kDibBitfields ? BI_BITFIELDS : BI_RGB;
  uint8_t* table = info.data() + sizeof(BITMAPINFOHEADER);
  if (layout.compression == kDibBitfields) {
    const DWORD masks[3] = {layout.redMask, layout.greenMask, layout.blueMask};
    std::memcpy(table, masks, sizeof masks);
  } else if (layout.bitCount <= 8) {
    const size_t count = std::min(layout.palette.size(), size_t{1} << layout.bitCount);
    std::memcpy(table, layout.palette.data(), count * sizeof(TDibColor));
    header->biClrUsed = 0;
  }
  return info;
}

HPALETTE CreatePaletteFor(const std::vector<TDibColor>& colors) {
  if (colors.empty() || colors.size() > 256) return nullptr;
  std::vector<uint8_t> buffer(sizeof(LOGPALETTE) + colors.size() * sizeof(PALETTEENTRY));
  auto* palette = reinterpret_cast<LOGPALETTE*>(buffer.data());
  palette->palVersion = 0x300;
  palette->palNumEntries = static_cast<WORD>(colors.size());
  for (size_t i = 0; i < colors.size(); ++i)
    palette->palPalEntry[i] = PALETTEENTRY{colors[i].red, colors[i].green, colors[i].blue, 0};
  return CreatePalette(palette);
}

std::vector<TDibColor> PaletteColors(HPALETTE palette, size_t maxEntries) {
  std::vector<TDibColor> colors;
  if (palette == nullptr) return colors;
  const UINT count = GetPaletteEntries(palette, 0, 0, nullptr);
  std::vector<PALETTEENTRY> entries(count);
  if (count > 0) GetPaletteEntries(palette, 0, count, entries.data());
  for (size_t i = 0; i < entries.size() && i < maxEntries; ++i)
    colors.push_back(TDibColor{entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0});
  return colors;
}

HPALETTE CopyPalette(HPALETTE palette) {
  if (palette == nullptr) return nullptr;
  return CreatePaletteFor(PaletteColors(palette, 256));
}
