#include "imaging/gif/GIFKeyedStretch.h"

#include <windows.h>

#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/GdiObjects.h"

namespace {
// Selects and realises a palette in a DC for a scope; the previous palette goes back.
class PaletteSelection {
 public:
  PaletteSelection(HDC dc, HPALETTE palette) : dc_(dc) {
    if (palette == nullptr) return;
    previous_ = SelectPalette(dc, palette, TRUE);
    RealizePalette(dc);
  }
  ~PaletteSelection() {
    if (previous_ != nullptr) SelectPalette(dc_, previous_, TRUE);
  }
  PaletteSelection(const PaletteSelection&) = delete;
  PaletteSelection& operator=(const PaletteSelection&) = delete;

 private:
  HDC dc_;
  HPALETTE previous_ = nullptr;
};

class StretchModeScope {
 public:
  StretchModeScope(HDC dc, int mode) : dc_(dc), previous_(SetStretchBltMode(dc, mode)) {}
  ~StretchModeScope() {
    if (previous_ != 0) SetStretchBltMode(dc_, previous_);
  }
  StretchModeScope(const StretchModeScope&) = delete;
  StretchModeScope& operator=(const StretchModeScope&) = delete;

 private:
  HDC dc_;
  int previous_;
};

// Monochrome bitmaps meet colour ones through these: 0 bits are black, 1 bits white.
void UseBlackAndWhite(HDC dc) {
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
}
}  // namespace

void StretchDrawKeyed(TCanvas& canvas, const TRect& rect, TBitmap& bitmap, TColor key) {
  const int width = bitmap.Width();
  const int height = bitmap.Height();
  const int destWidth = rect.Width();
  const int destHeight = rect.Height();
  if (width <= 0 || height <= 0 || destWidth <= 0 || destHeight <= 0) return;
  const HDC dest = canvas.Handle();
  const bool monochrome = bitmap.Monochrome();
  const COLORREF keyRgb =
      monochrome ? RGB(255, 255, 255) : static_cast<COLORREF>(ColorToRGB(key) & 0xFFFFFF);
  const auto palette = static_cast<HPALETTE>(bitmap.Palette());
  const HDC source = bitmap.Canvas().Handle();

  // Bitmaps before DCs: each DC puts its original bitmap back before the bitmaps are deleted.
  GdiObject<HBITMAP> colourBits(CreateCompatibleBitmap(dest, width, height));
  GdiObject<HBITMAP> maskBits(CreateBitmap(width, height, 1, 1, nullptr));
  GdiObject<HBITMAP> inverseBits(CreateBitmap(width, height, 1, 1, nullptr));
  GdiObject<HBITMAP> resultBits(CreateCompatibleBitmap(dest, destWidth, destHeight));
  if (!colourBits || !maskBits || !inverseBits || !resultBits) return;
  MemoryDC colour(dest);
  MemoryDC mask(dest);
  MemoryDC inverse(dest);
  MemoryDC result(dest);
  if (!colour.Get() || !mask.Get() || !inverse.Get() || !result.Get()) return;
  colour.SelectBitmap(colourBits.Get());
  mask.SelectBitmap(maskBits.Get());
  inverse.SelectBitmap(inverseBits.Get());
  result.SelectBitmap(resultBits.Get());

  const PaletteSelection destPalette(dest, palette);
  const PaletteSelection colourPalette(colour.Get(), palette);
  const PaletteSelection resultPalette(result.Get(), palette);
  const StretchModeScope destMode(dest, monochrome ? GetStretchBltMode(dest) : COLORONCOLOR);
  if (!monochrome) SetStretchBltMode(result.Get(), COLORONCOLOR);
  UseBlackAndWhite(colour.Get());
  UseBlackAndWhite(result.Get());

  BitBlt(colour.Get(), 0, 0, width, height, source, 0, 0, SRCCOPY);
  // Key pixels become 1 in the mask, every other pixel 0.
  SetBkColor(colour.Get(), PALETTERGB(GetRValue(keyRgb), GetGValue(keyRgb), GetBValue(keyRgb)));
  BitBlt(mask.Get(), 0, 0, width, height, colour.Get(), 0, 0, SRCCOPY);
  UseBlackAndWhite(colour.Get());
  BitBlt(inverse.Get(), 0, 0, width, height, mask.Get(), 0, 0, NOTSRCCOPY);

  // The canvas survives under key pixels only; the frame's key pixels turn black; OR them.
  BitBlt(result.Get(), 0, 0, destWidth, destHeight, dest, rect.Left, rect.Top, SRCCOPY);
  StretchBlt(result.Get(), 0, 0, destWidth, destHeight, mask.Get(), 0, 0, width, height, SRCAND);
  BitBlt(colour.Get(), 0, 0, width, height, inverse.Get(), 0, 0, SRCAND);
  StretchBlt(result.Get(), 0, 0, destWidth, destHeight, colour.Get(), 0, 0, width, height,
             SRCPAINT);
  BitBlt(dest, rect.Left, rect.Top, destWidth, destHeight, result.Get(), 0, 0, SRCCOPY);
}
