#include "framework/win/graphics/Canvas.h"

#include "framework/core/Graphic.h"
#include "framework/core/SysUtils.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/KeyedBlt.h"

const TClassInfo& TCanvas::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TCanvas, TPersistent>("TCanvas");
  return info;
}

TCanvas::TCanvas() {
  // A changed font, pen or brush is put back to the DC's original before its old handle goes;
  // the new one is selected on the next use.
  font_.OnChange = [this](TObject*) { Deselect(kFont); };
  pen_.OnChange = [this](TObject*) { Deselect(kPen); };
  brush_.OnChange = [this](TObject*) { Deselect(kBrush); };
}

TCanvas::~TCanvas() {
  DeselectAll();
}

HDC TCanvas::Handle() {
  if (dc_ == nullptr) CreateHandle();
  if (dc_ == nullptr) throw EInvalidOperation("Canvas does not allow drawing");
  return dc_;
}

void TCanvas::SetHandle(HDC dc) {
  if (dc == dc_) return;
  DeselectAll();
  dc_ = dc;
}

void TCanvas::Deselect(unsigned parts) {
  if (dc_ == nullptr) {
    selected_ &= ~parts;
    return;
  }
  if ((parts & selected_ & kFont) != 0) SelectObject(dc_, originalFont_);
  if ((parts & selected_ & kPen) != 0) SelectObject(dc_, originalPen_);
  if ((parts & selected_ & kBrush) != 0) SelectObject(dc_, originalBrush_);
  selected_ &= ~parts;
}

void TCanvas::DeselectAll() {
  Deselect(kFont | kPen | kBrush);
}

void TCanvas::Refresh() {
  DeselectAll();
}

void TCanvas::RequireParts(unsigned parts) {
  HDC dc = Handle();
  const unsigned missing = parts & ~selected_;
  if ((missing & kFont) != 0) {
    originalFont_ = SelectObject(dc, font_.Handle());
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(font_.Color())));
    selected_ |= kFont;
  }
  if ((missing & kPen) != 0) {
    originalPen_ = SelectObject(dc, pen_.Handle());
    SetROP2(dc, pen_.RasterOp());
    selected_ |= kPen;
  }
  if ((missing & kBrush) != 0) {
    HBRUSH brush = brush_.Handle();
    UnrealizeObject(brush);
    originalBrush_ = SelectObject(dc, brush);
    // Text and hatches are drawn on the brush colour only with a solid brush.
    SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(brush_.Color()) & 0xFFFFFF));
    SetBkMode(dc, brush_.Style() == bsSolid ? OPAQUE : TRANSPARENT);
    selected_ |= kBrush;
  }
}

void TCanvas::Changing() {
  OnChanging(this);
}

void TCanvas::Changed() {
  OnChange(this);
}

void TCanvas::MoveTo(int x, int y) {
  MoveToEx(Handle(), x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  Changing();
  RequireParts(kPen | kBrush);
  ::LineTo(dc_, x, y);
  Changed();
}

TPoint TCanvas::PenPos() {
  POINT point{};
  GetCurrentPositionEx(Handle(), &point);
  return TPoint{point.x, point.y};
}

void TCanvas::Rectangle(const TRect& rect) {
  Changing();
  RequireParts(kPen | kBrush);
  ::Rectangle(dc_, rect.Left, rect.Top, rect.Right, rect.Bottom);
  Changed();
}

void TCanvas::RoundRect(const TRect& rect, int cornerWidth, int cornerHeight) {
  Changing();
  RequireParts(kPen | kBrush);
  ::RoundRect(dc_, rect.Left, rect.Top, rect.Right, rect.Bottom, cornerWidth, cornerHeight);
  Changed();
}

void TCanvas::FillRect(const TRect& rect) {
  Changing();
  RequireParts(kBrush);
  const RECT r = ToRECT(rect);
  ::FillRect(dc_, &r, brush_.Handle());
  Changed();
}

void TCanvas::FrameRect(const TRect& rect) {
  Changing();
  RequireParts(kBrush);
  const RECT r = ToRECT(rect);
  ::FrameRect(dc_, &r, brush_.Handle());
  Changed();
}

void TCanvas::Ellipse(const TRect& rect) {
  Changing();
  RequireParts(kPen | kBrush);
  ::Ellipse(dc_, rect.Left, rect.Top, rect.Right, rect.Bottom);
  Changed();
}

namespace {
std::vector<POINT> ToPoints(const std::vector<TPoint>& points) {
  std::vector<POINT> result;
  result.reserve(points.size());
  for (const TPoint& p : points)
    result.push_back(POINT{p.X, p.Y});
  return result;
}
}  // namespace

void TCanvas::Polygon(const std::vector<TPoint>& points) {
  if (points.empty()) return;
  Changing();
  RequireParts(kPen | kBrush);
  const std::vector<POINT> native = ToPoints(points);
  ::Polygon(dc_, native.data(), static_cast<int>(native.size()));
  Changed();
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
  if (points.empty()) return;
  Changing();
  RequireParts(kPen | kBrush);
  const std::vector<POINT> native = ToPoints(points);
  ::Polyline(dc_, native.data(), static_cast<int>(native.size()));
  Changed();
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  Changing();
  RequireParts(kFont | kBrush);
  ::TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size()));
  // The pen position follows the text, as drawing more text after it expects.
  MoveToEx(dc_, x + TextWidth(text), y, nullptr);
  Changed();
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text) {
  Changing();
  RequireParts(kFont | kBrush);
  UINT options = ETO_CLIPPED;
  if (brush_.Style() == bsSolid && brush_.Color() != clNone) options |= ETO_OPAQUE;
  const RECT r = ToRECT(rect);
  ExtTextOutA(dc_, x, y, options, &r, text.data(), static_cast<UINT>(text.size()), nullptr);
  Changed();
}

TSize TCanvas::TextExtent(const std::string& text) {
  RequireParts(kFont);
  SIZE size{};
  GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
  return TSize{size.cx, size.cy};
}

int TCanvas::DrawText(const std::string& text, TRect& rect, UINT format) {
  Changing();
  RequireParts(kFont | kBrush);
  RECT r = ToRECT(rect);
  const int height = ::DrawTextA(dc_, text.data(), static_cast<int>(text.size()), &r, format);
  rect = FromRECT(r);
  Changed();
  return height;
}

void TCanvas::Draw(int x, int y, TGraphic& graphic) {
  if (graphic.Empty()) return;
  StretchDraw(Bounds(x, y, graphic.Width(), graphic.Height()), graphic);
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic& graphic) {
  if (graphic.Empty()) return;
  Changing();
  Handle();
  graphic.Draw(*this, rect);
  Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect) {
  Changing();
  RequireParts(kBrush);
  HDC sourceDC = source.Handle();
  StretchBlt(dc_, dest.Left, dest.Top, dest.Width(), dest.Height(), sourceDC, sourceRect.Left,
             sourceRect.Top, sourceRect.Width(), sourceRect.Height(), copyMode_);
  Changed();
}

void TCanvas::BrushCopy(const TRect& dest, TBitmap& source, const TRect& sourceRect, TColor color) {
  if (source.Empty()) return;
  Changing();
  RequireParts(kBrush);
  HPALETTE palette = static_cast<HPALETTE>(source.Palette());
  COLORREF key = static_cast<COLORREF>(ColorToRGB(color) & 0xFFFFFF);
  if (palette != nullptr) key |= 0x02000000;  // matched against the source's own palette
  HDC sourceDC = source.Canvas().Handle();
  const bool clear = brush_.Style() == bsClear || brush_.Color() == clNone;
  KeyedStretchBlt(dc_, dest, sourceDC, sourceRect, key, clear ? nullptr : brush_.Handle(), palette);
  Changed();
}

TRect TCanvas::ClipRect() {
  RECT r{};
  GetClipBox(Handle(), &r);
  return FromRECT(r);
}

TColor TCanvas::Pixel(int x, int y) {
  const COLORREF value = GetPixel(Handle(), x, y);
  return value == CLR_INVALID ? clNone : static_cast<TColor>(value);
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  Changing();
  ::SetPixel(Handle(), x, y, static_cast<COLORREF>(ColorToRGB(color) & 0xFFFFFF));
  Changed();
}
