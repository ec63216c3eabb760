// A drawing surface over a device context, with its own font, pen and brush selected on demand.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/core/Types.h"
#include "framework/win/graphics/Font.h"

class TGraphic;
class TBitmap;

inline RECT ToRECT(const TRect& r) {
  return RECT{r.Left, r.Top, r.Right, r.Bottom};
}
inline TRect FromRECT(const RECT& r) {
  return TRect{r.left, r.top, r.right, r.bottom};
}

class TCanvas : public TPersistent {
  DV_CLASS(TCanvas)
 public:
  TCanvas();
  ~TCanvas() override;

  // The DC, asking CreateHandle for one when none is attached; fails with EInvalidOperation
  // "Canvas does not allow drawing" when none can be had.
  HDC Handle();
  bool HandleAllocated() const { return dc_ != nullptr; }
  // Attaches a DC owned elsewhere (nullptr detaches, putting back the original objects first).
  // Detach before the DC is released: the canvas's font, pen and brush must not stay selected.
  void SetHandle(HDC dc);

  TFont& Font() { return font_; }
  TPen& Pen() { return pen_; }
  TBrush& Brush() { return brush_; }

  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  TPoint PenPos();
  void Rectangle(const TRect& rect);
  void RoundRect(const TRect& rect, int cornerWidth, int cornerHeight);
  void FillRect(const TRect& rect);
  void FrameRect(const TRect& rect);
  void Ellipse(const TRect& rect);
  void Polygon(const std::vector<TPoint>& points);
  void Polyline(const std::vector<TPoint>& points);
  void TextOut(int x, int y, const std::string& text);
  // Text clipped to rect, drawn at (x, y).
  void TextRect(const TRect& rect, int x, int y, const std::string& text);
  TSize TextExtent(const std::string& text);
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) { return TextExtent(text).cy; }
  // DrawTextA with the canvas's font; returns the height of the text; DT_CALCRECT updates rect.
  int DrawText(const std::string& text, TRect& rect, UINT format);

  void Draw(int x, int y, TGraphic& graphic);
  void StretchDraw(const TRect& rect, TGraphic& graphic);
  // BitBlt / StretchBlt with CopyMode().
  void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);
  DWORD CopyMode() const { return copyMode_; }
  void SetCopyMode(DWORD mode) { copyMode_ = mode; }
  // Copies source onto this canvas, pixels of colour showing this canvas's brush instead (or the
  // canvas's own pixels with a clear brush).
  void BrushCopy(const TRect& dest, TBitmap& source, const TRect& sourceRect, TColor color);

  // The clip box of the DC in logical coordinates.
  TRect ClipRect();

  // clNone outside the DC's surface.
  TColor Pixel(int x, int y);
  void SetPixel(int x, int y, TColor color);

  // Deselects the font, pen and brush (put back the DC's originals); they are selected again on
  // use.
  void Refresh();

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  // Supplies a DC when drawing needs one and none is attached (control and bitmap canvases).
  virtual void CreateHandle() {}
  void Changing();
  void Changed();

 private:
  enum SelectedParts : unsigned { kFont = 1, kPen = 2, kBrush = 4 };
  void RequireParts(unsigned parts);
  void Deselect(unsigned parts);
  void DeselectAll();

  HDC dc_ = nullptr;
  unsigned selected_ = 0;
  HGDIOBJ originalFont_ = nullptr;
  HGDIOBJ originalPen_ = nullptr;
  HGDIOBJ originalBrush_ = nullptr;
  DWORD copyMode_ = SRCCOPY;
  TFont font_;
  TPen pen_;
  TBrush brush_;
};
