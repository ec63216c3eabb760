#include "controls/menu/paint/MenuFontSmoothing.h"

#include "framework/win/graphics/Font.h"
#include "framework/win/graphics/GdiObjects.h"

namespace {

constexpr char kSample[] = "Ag";

}  // namespace

bool DrawsSmoothed(const LOGFONTA& font) {
  GdiObject<HFONT> handle(CreateFontIndirectA(&font));
  SIZE extent{};
  {
    MemoryDC measure;
    if (!handle || measure.Get() == nullptr) return false;
    SelectGuard selectFont(measure.Get(), handle.Get());
    GetTextExtentPoint32A(measure.Get(), kSample, sizeof(kSample) - 1, &extent);
  }
  if (extent.cx <= 0 || extent.cy <= 0) return false;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = extent.cx;
  info.bmiHeader.biHeight = -extent.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  GdiObject<HBITMAP> surface(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!surface || bits == nullptr) return false;
  // The DC goes (putting its own bitmap back) before the surface and the font are deleted.
  MemoryDC dc;
  if (dc.Get() == nullptr) return false;
  dc.SelectBitmap(surface.Get());
  SelectGuard selectFont(dc.Get(), handle.Get());
  const RECT all{0, 0, extent.cx, extent.cy};
  FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetBkMode(dc.Get(), TRANSPARENT);
  SetTextColor(dc.Get(), RGB(0, 0, 0));
  TextOutA(dc.Get(), 0, 0, kSample, sizeof(kSample) - 1);
  GdiFlush();
  const auto* pixels = static_cast<const DWORD*>(bits);
  for (int i = 0; i < extent.cx * extent.cy; ++i) {
    const DWORD rgb = pixels[i] & 0xFFFFFF;
    if (rgb != 0 && rgb != 0xFFFFFF) return true;
  }
  return false;
}

void MatchRegularSmoothing(TFont& font) {
  if ((font.Style() & (1u << fsBold)) == 0 || font.Quality() != fqDefault) return;
  const LOGFONTA bold = font.LogFont();
  LOGFONTA regular = bold;
  regular.lfWeight = FW_NORMAL;
  if (!DrawsSmoothed(regular) && DrawsSmoothed(bold)) font.SetQuality(fqNonAntialiased);
}
