// Drawing of TCustomImageList images, in colour or as the embossed grey shape of a disabled one.
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/Font.h"
#include "framework/win/imagelists/ImageList.h"
#include "framework/win/imagelists/ImageListBitmaps.h"

namespace {

constexpr DWORD kPaintWhereSourceBlack = 0x00B8074A;  // PSDPxax

// Dark enough to belong to the shape; light pixels stay out of it, as on a button face.
bool IsInk(uint32_t rgb) {
  const uint32_t red = (rgb >> 16) & 0xFF;
  const uint32_t green = (rgb >> 8) & 0xFF;
  const uint32_t blue = rgb & 0xFF;
  return (red * 77 + green * 150 + blue * 29) / 256 < 0xC0;
}

COLORREF ListColor(TColor color) {
  if (color == clNone) return CLR_NONE;
  if (color == clDefault) return CLR_DEFAULT;
  return ColorToRGB(color);
}

void PaintShape(HDC dc, int x, int y, int width, int height, HDC shapeDC, TColor color) {
  GdiObject<HBRUSH> brush(CreateSolidBrush(ColorToRGB(color)));
  SelectGuard selected(dc, brush.Get());
  BitBlt(dc, x, y, width, height, shapeDC, 0, 0, kPaintWhereSourceBlack);
}

}  // namespace

UINT TCustomImageList::DrawFlags() const {
  UINT flags = ILD_NORMAL;
  switch (drawingStyle_) {
    case dsFocus:
      flags = ILD_FOCUS;
      break;
    case dsSelected:
      flags = ILD_SELECTED;
      break;
    case dsTransparent:
      flags = ILD_TRANSPARENT;
      break;
    case dsNormal:
      break;
  }
  if (imageType_ == itMask) flags |= ILD_MASK;
  return flags;
}

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) {
  if (!HandleAllocated() || index < 0 || index >= Count()) return;
  HDC dc = canvas.Handle();
  if (enabled)
    ImageList_DrawEx(handle_.Get(), index, dc, x, y, 0, 0, ListColor(bkColor_),
                     ListColor(blendColor_), DrawFlags());
  else
    DrawDisabled(dc, x, y, index);
}

void TCustomImageList::DrawDisabled(HDC dc, int x, int y, int index) {
  TImageAndMask copy = ExtractImage(handle_.Get(), index, width_, height_, masked_);
  const std::vector<uint32_t> colors = ReadPixels32(copy.image.Get(), width_, height_);
  std::vector<uint32_t> mask;
  if (masked_) mask = ReadPixels32(copy.mask.Get(), width_, height_);
  std::vector<bool> ink(colors.size());
  for (size_t i = 0; i < colors.size(); ++i)
    ink[i] = (mask.empty() || mask[i] == 0) && IsInk(colors[i]);
  GdiObject<HBITMAP> shape = MonochromeFromFlags(ink, width_, height_);

  SavedDCState saved(dc);
  MemoryDC shapeDC(dc);
  shapeDC.SelectBitmap(shape.Get());
  // Monochrome to colour: black (the shape) takes the text colour, white the background colour.
  ::SetTextColor(dc, RGB(0, 0, 0));
  ::SetBkColor(dc, RGB(255, 255, 255));
  PaintShape(dc, x + 1, y + 1, width_, height_, shapeDC.Get(), clBtnHighlight);
  PaintShape(dc, x, y, width_, height_, shapeDC.Get(), clBtnShadow);
}
