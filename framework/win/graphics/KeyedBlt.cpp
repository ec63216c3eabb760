#include "framework/win/graphics/KeyedBlt.h"

#include "framework/win/graphics/GdiObjects.h"

namespace {
// D = D & ~S: with a monochrome source, key pixels (1) become black.
constexpr DWORD kRopAndNotSource = 0x00220326;

// Monochrome-to-colour blits take 0 bits as the text colour and 1 bits as the background colour.
void PrepareForMask(HDC dc) {
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
}
}  // namespace

void KeyedStretchBlt(HDC dest, const TRect& destRect, HDC source, const TRect& sourceRect,
                     COLORREF key, HBRUSH fill, HPALETTE palette) {
  const int width = destRect.Width();
  const int height = destRect.Height();
  const int sourceWidth = sourceRect.Width();
  const int sourceHeight = sourceRect.Height();
  if (width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0) return;

  // Bitmaps first: each DC puts its original bitmap back before the bitmaps go.
  GdiObject<HBITMAP> mask(CreateBitmap(sourceWidth, sourceHeight, 1, 1, nullptr));
  GdiObject<HBITMAP> result(CreateCompatibleBitmap(dest, width, height));
  GdiObject<HBITMAP> colour(CreateCompatibleBitmap(dest, width, height));
  if (!mask || !result || !colour) return;
  MemoryDC maskDC(dest);
  MemoryDC resultDC(dest);
  MemoryDC colourDC(dest);
  if (!maskDC.Get() || !resultDC.Get() || !colourDC.Get()) return;

  // The mask is taken from the source at its own size, so the key compares exact source pixels:
  // key pixels become 1, all others 0.
  maskDC.SelectBitmap(mask.Get());
  {
    const COLORREF oldBack = SetBkColor(source, key);
    BitBlt(maskDC.Get(), 0, 0, sourceWidth, sourceHeight, source, sourceRect.Left, sourceRect.Top,
           SRCCOPY);
    SetBkColor(source, oldBack);
  }
  SetStretchBltMode(maskDC.Get(), COLORONCOLOR);

  resultDC.SelectBitmap(result.Get());
  colourDC.SelectBitmap(colour.Get());
  HPALETTE oldResultPalette = nullptr;
  HPALETTE oldColourPalette = nullptr;
  if (palette != nullptr) {
    oldResultPalette = SelectPalette(resultDC.Get(), palette, TRUE);
    oldColourPalette = SelectPalette(colourDC.Get(), palette, TRUE);
    RealizePalette(resultDC.Get());
    RealizePalette(colourDC.Get());
  }
  PrepareForMask(resultDC.Get());
  PrepareForMask(colourDC.Get());
  SetStretchBltMode(resultDC.Get(), COLORONCOLOR);
  SetStretchBltMode(colourDC.Get(), COLORONCOLOR);

  // What shows through: the fill or the destination's own pixels.
  if (fill != nullptr) {
    RECT all{0, 0, width, height};
    FillRect(resultDC.Get(), &all, fill);
  } else {
    BitBlt(resultDC.Get(), 0, 0, width, height, dest, destRect.Left, destRect.Top, SRCCOPY);
  }
  // Keep it only under key pixels; clear the key pixels of the colour copy; combine.
  StretchBlt(resultDC.Get(), 0, 0, width, height, maskDC.Get(), 0, 0, sourceWidth, sourceHeight,
             SRCAND);
  StretchBlt(colourDC.Get(), 0, 0, width, height, source, sourceRect.Left, sourceRect.Top,
             sourceWidth, sourceHeight, SRCCOPY);
  StretchBlt(colourDC.Get(), 0, 0, width, height, maskDC.Get(), 0, 0, sourceWidth, sourceHeight,
             kRopAndNotSource);
  BitBlt(resultDC.Get(), 0, 0, width, height, colourDC.Get(), 0, 0, SRCPAINT);
  BitBlt(dest, destRect.Left, destRect.Top, width, height, resultDC.Get(), 0, 0, SRCCOPY);

  if (palette != nullptr) {
    SelectPalette(resultDC.Get(), oldResultPalette, TRUE);
    SelectPalette(colourDC.Get(), oldColourPalette, TRUE);
  }
}
