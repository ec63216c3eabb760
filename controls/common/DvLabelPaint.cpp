// The label's drawing: borders, flat text in its style layers, text turned by an angle, text laid
// along an arc, and the size an auto-sized label takes.
#include <cmath>
#include <numbers>

#include "controls/common/DvFonts.h"
#include "controls/common/DvLabel.h"
#include "controls/common/core/DvGeometry.h"
#include "framework/win/controls/WinControl.h"
#include "framework/win/graphics/GdiObjects.h"

namespace {

// Pixels a border of that style takes from the text on each side it is drawn on.
int BorderInset(TFrameStyleEx style, int bevelWidth) {
  switch (style) {
    case fsFlat:
      return 1;
    case fsGroove:
    case fsBump:
    case fsLowered:
    case fsButtonDown:
    case fsRaised:
    case fsButtonUp:
    case fsFlatBold:
    case fsFlatRounded:
      return 2;
    case fsStatus:
    case fsPopup:
      return bevelWidth;
    case fsNone:
      break;
  }
  return 0;
}

double Radians(double degrees) {
  return degrees * std::numbers::pi / 180;
}

// Draws text in its style layers at (x, y) with a font of its own (a turned copy of the
// label's), clipped to clip when given; the DC's font, colour, alignment and background mode
// come back afterwards, so the canvas finds its own tools still selected.
void DrawLayersInFont(TCanvas& canvas, HFONT font, UINT alignment, const TRect* clip, int x, int y,
                      const std::string& text, const TTextLayerLook& look, bool enabled,
                      TColor textColor) {
  const HDC dc = canvas.Handle();
  SavedDCState saved(dc);
  SelectObject(dc, font);
  SetTextAlign(dc, alignment);
  SetBkMode(dc, TRANSPARENT);
  const RECT clipRect = clip != nullptr ? ToRECT(*clip) : RECT{};
  DrawTextLayers(look, enabled, textColor, [&](int dx, int dy, TColor color) {
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(color) & 0xFFFFFF));
    ExtTextOutA(dc, x + dx, y + dy, clip != nullptr ? ETO_CLIPPED : 0,
                clip != nullptr ? &clipRect : nullptr, text.data(), static_cast<UINT>(text.size()),
                nullptr);
  });
}

}  // namespace

TColor TDvLabel::CurrentTextColor() const {
  if (blinking_) return blinkPhase_ ? blinkColor_ : GetFont().Color();
  return flyByActive_ ? flyByColor_ : GetFont().Color();
}

TTextLayerLook TDvLabel::TextLook() const {
  return {textStyle_, lightTextStyle_, highlightColor_, shadowColor_, shadowDepth_};
}

TLayeredBorders TDvLabel::Borders() const {
  TLayeredBorders borders;
  borders.outer = borderOuter_;
  borders.inner = borderInner_;
  borders.sides = borderSides_;
  borders.borderWidth = borderWidth_;
  borders.bevelWidth = bevelWidth_;
  borders.borderColor = borderColor_;
  borders.highlight = borderHighlight_;
  borders.shadow = borderShadow_;
  borders.flatColor = flatColor_;
  borders.flatColorAdjustment = flatColorAdjustment_;
  borders.controlColor = Color();
  borders.parentColor = Parent() != nullptr ? Parent()->Color() : Color();
  borders.transparent = Transparent();
  return borders;
}

TRect TDvLabel::TextInsets() const {
  const int inset = BorderInset(borderOuter_, bevelWidth_) + BorderInset(borderInner_, bevelWidth_);
  const auto side = [this, inset](TSide s) {
    return borderWidth_ + ((borderSides_ & SideBit(s)) != 0 ? inset : 0);
  };
  return {side(sdLeft), side(sdTop), side(sdRight), side(sdBottom)};
}

TRect TDvLabel::TextRect() const {
  const TRect client = ClientRect();
  const TRect insets = TextInsets();
  return {client.Left + insets.Left, client.Top + insets.Top, client.Right - insets.Right,
          client.Bottom - insets.Bottom};
}

UINT TDvLabel::DrawFlags() const {
  UINT flags = TextFlags();
  if (!ShowAccelChar()) flags |= DT_NOPREFIX;
  if (condenseCaption_ == ccAtEnd) flags |= DT_END_ELLIPSIS;
  if (condenseCaption_ == ccWithinPath) flags |= DT_PATH_ELLIPSIS;
  return flags;
}

void TDvLabel::DoDrawText(TRect& rect, UINT flags) {
  if ((flags & DT_CALCRECT) != 0) {
    TLabel::DoDrawText(rect, flags);
    return;
  }
  TCanvas& canvas = Canvas();
  canvas.Font().Assign(Font());
  const std::string text = GetLabelText();
  DrawTextLayers(TextLook(), Enabled(), CurrentTextColor(), [&](int dx, int dy, TColor color) {
    TRect layer = rect.Offset(dx, dy);
    canvas.Font().SetColor(color);
    canvas.DrawText(text, layer, flags);
  });
}

void TDvLabel::DrawFlatText() {
  const UINT flags = DrawFlags();
  TRect rect = PlaceTextVertically(TextRect(), flags, Height() - borderWidth_);
  if (textStyle_ == tsShadow) {
    // The shadow stays inside the label.
    if (BiDiAlignment(Alignment()) == taRightJustify) rect = rect.Offset(-shadowDepth_, 0);
    if (Layout() == tlBottom) rect = rect.Offset(0, -shadowDepth_);
  }
  DoDrawText(rect, flags);
}

void TDvLabel::DrawRotatedText(TCanvas& canvas) {
  canvas.Font().Assign(Font());
  const std::string text = GetLabelText();
  const int lineHeight = canvas.TextHeight("Pp");
  const int e = textStyle_ == tsShadow ? shadowDepth_ / 2 : 0;
  const int w = canvas.TextWidth(text);
  const int h = lineHeight + e;
  const int g = w + e;
  const double q = lineHeight / 4.0;
  const double phi = Radians(angle_ + 90);
  const TRect t = TextRect();
  const TAlignment alignment = BiDiAlignment(Alignment());
  int x = Width() / 2;
  int y = Height() / 2;
  UINT textAlign = TA_BASELINE;
  switch (angle_) {
    case 0:
      textAlign = TA_TOP;
      if (alignment == taCenter) textAlign |= TA_CENTER;
      if (alignment == taRightJustify) x = t.Right - w - 2 * e;
      if (alignment == taLeftJustify) x = t.Left + e;
      y -= h / 2;
      break;
    case 90:
      x -= RoundHalfEven(std::cos(phi) * q);
      if (alignment == taCenter) y = t.Bottom - (t.Bottom - g) / 2;
      if (alignment == taRightJustify) y = t.Top + g + e;
      if (alignment == taLeftJustify) y = t.Bottom - e;
      break;
    case 180:
      if (alignment == taCenter) x = t.Right - (t.Right - g) / 2;
      if (alignment == taRightJustify) x = t.Left + g;
      if (alignment == taLeftJustify) x = t.Right - e;
      y -= h / 4;
      break;
    case 270:
      x -= RoundHalfEven(std::cos(phi) * q);
      if (alignment == taCenter) y = (t.Bottom - g) / 2;
      if (alignment == taRightJustify) y = t.Bottom - g - e;
      if (alignment == taLeftJustify) y = t.Top + e;
      break;
    default:
      x -= RoundHalfEven(std::cos(phi) * q);
      y += RoundHalfEven(std::sin(phi) * q);
      textAlign |= TA_CENTER;
      break;
  }
  TTextLayerLook look = TextLook();
  if (Enabled() && textStyle_ == tsShadow) {
    // The shadow half a depth below the place and the text half a depth above it.
    look.shadowDepth = 2 * e;
    x -= e;
    y -= e;
  }
  const GdiObject<HFONT> font = CreateAngledFont(GetFont(), angle_);
  DrawLayersInFont(canvas, font.Get(), textAlign, &t, x, y, text, look, Enabled(),
                   CurrentTextColor());
}

void TDvLabel::DrawArcText(TCanvas& canvas) {
  const int w = Width(), h = Height(), b = borderWidth_;
  TPoint centre{w / 2, h / 2};
  int rx = w / 2 - 2 * b, ry = h / 2 - 2 * b;
  switch (centerPoint_) {
    case cpUpperLeft:
      centre = {b, b};
      rx = w - 2 * b, ry = h - 2 * b;
      break;
    case cpUpperCenter:
      centre = {w / 2, b};
      ry = h - 2 * b;
      break;
    case cpUpperRight:
      centre = {w, b};
      rx = w - 2 * b, ry = h - 2 * b;
      break;
    case cpLeftCenter:
      centre = {b, h / 2};
      rx = w - 2 * b;
      break;
    case cpCenter:
      break;
    case cpRightCenter:
      centre = {w - b, h / 2};
      rx = w - 2 * b;
      break;
    case cpLowerLeft:
      centre = {b, h - b};
      rx = w - 2 * b, ry = h - 2 * b;
      break;
    case cpLowerCenter:
      centre = {w / 2, h - b};
      ry = h - 2 * b;
      break;
    case cpLowerRight:
      centre = {w - b, h - b};
      rx = w - 2 * b, ry = h - 2 * b;
      break;
  }
  // A label too small for an arc has nowhere to put one (and the step would divide by zero).
  if (rx <= 0) return;
  canvas.Font().Assign(Font());
  const int k = canvas.TextHeight("Yy");
  const double step = (canvas.TextWidth("w") + 2) / static_cast<double>(rx);
  double theta = Radians(angle_);
  for (const char c : GetLabelText()) {
    const int x = centre.X - RoundHalfEven(std::sin(theta) * (rx - k));
    const int y = centre.Y - RoundHalfEven(std::cos(theta) * (ry - k));
    const GdiObject<HFONT> font =
        CreateFontWithEscapement(GetFont(), RoundHalfEven(theta * 1800 / std::numbers::pi));
    DrawLayersInFont(canvas, font.Get(), TA_BASELINE | TA_CENTER, nullptr, x, y, std::string(1, c),
                     TextLook(), Enabled(), CurrentTextColor());
    theta -= step;
  }
}

void TDvLabel::Paint() {
  TCanvas& canvas = Canvas();
  const TRect interior = PaintLayeredBorders(canvas, ClientRect(), Borders());
  if (!Transparent()) {
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(bsSolid);
    canvas.FillRect(interior);
  }
  canvas.Brush().SetStyle(bsClear);
  if (GetLabelText().empty()) return;
  switch (rotation_) {
    case roCurve:
      DrawArcText(canvas);
      break;
    case roFlat:
      DrawRotatedText(canvas);
      break;
    case roNone:
      DrawFlatText();
      break;
  }
}

void TDvLabel::AdjustBounds() {
  if (!AutoSize() || IsLoading()) return;
  const TRect insets = TextInsets();
  const TRect textRect = TextRect();
  TRect measured{0, 0, textRect.Width(), textRect.Height()};
  UINT flags = DT_CALCRECT | DT_EXPANDTABS;
  if (WordWrap()) flags |= DT_WORDBREAK;
  flags |= DrawFlags() & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS);
  {
    WindowDC screen(nullptr);
    TCanvasDCScope scope(Canvas(), screen.Get());
    DoDrawText(measured, flags);
  }
  double width = measured.Right + insets.Left + insets.Right;
  double height = measured.Bottom + insets.Top + insets.Bottom;
  if (textStyle_ == tsShadow && rotation_ == roNone) {
    width += shadowDepth_;
    height += shadowDepth_;
  }
  if (rotation_ == roFlat && angle_ != 0 && angle_ != 180) {
    if (textStyle_ == tsShadow) {
      width += shadowDepth_ / 2;
      height += shadowDepth_ / 2;
    }
    // The box around the turned text, in every quadrant.
    const double c = std::abs(std::cos(Radians(angle_)));
    const double s = std::abs(std::sin(Radians(angle_)));
    const double turnedWidth = c * width + s * height;
    height = s * width + c * height;
    width = turnedWidth;
  }
  const int newWidth = RoundHalfEven(width);
  const int newHeight = RoundHalfEven(height);
  // A label that reads to the right (after right-to-left flipping) keeps its right edge.
  int left = Left();
  if (BiDiAlignment(Alignment()) == taRightJustify) left += Width() - newWidth;
  SetBounds(left, Top(), newWidth, newHeight);
}
