#include "framework/win/graphics/Font.h"

#include <cstring>

#include "framework/core/TypInfo.h"

const std::vector<std::string>& FontStyleNames() {
  static const std::vector<std::string> names = {"fsBold", "fsItalic", "fsUnderline",
                                                 "fsStrikeOut"};
  return names;
}

const std::vector<std::string>& FontPitchNames() {
  static const std::vector<std::string> names = {"fpDefault", "fpVariable", "fpFixed"};
  return names;
}

const TIdentMap& CharsetIdents() {
  static const TIdentMap idents = {
      {ANSI_CHARSET, "ANSI_CHARSET"},
      {DEFAULT_CHARSET, "DEFAULT_CHARSET"},
      {SYMBOL_CHARSET, "SYMBOL_CHARSET"},
      {MAC_CHARSET, "MAC_CHARSET"},
      {SHIFTJIS_CHARSET, "SHIFTJIS_CHARSET"},
      {HANGEUL_CHARSET, "HANGEUL_CHARSET"},
      {JOHAB_CHARSET, "JOHAB_CHARSET"},
      {GB2312_CHARSET, "GB2312_CHARSET"},
      {CHINESEBIG5_CHARSET, "CHINESEBIG5_CHARSET"},
      {GREEK_CHARSET, "GREEK_CHARSET"},
      {TURKISH_CHARSET, "TURKISH_CHARSET"},
      {VIETNAMESE_CHARSET, "VIETNAMESE_CHARSET"},
      {HEBREW_CHARSET, "HEBREW_CHARSET"},
      {ARABIC_CHARSET, "ARABIC_CHARSET"},
      {BALTIC_CHARSET, "BALTIC_CHARSET"},
      {RUSSIAN_CHARSET, "RUSSIAN_CHARSET"},
      {THAI_CHARSET, "THAI_CHARSET"},
      {EASTEUROPE_CHARSET, "EASTEUROPE_CHARSET"},
      {OEM_CHARSET, "OEM_CHARSET"},
  };
  return idents;
}

TColor ColorToRGB(TColor color) {
  if (IsSystemColor(color)) return static_cast<TColor>(GetSysColor(color & 0xFF));
  return color;
}

// ---- TFont ----

const TClassInfo& TFont::StaticClassInfo() {
  static const TClassInfo info =
      DefineClassInfo<TFont, TPersistent>("TFont", [](TPropertyBuilder<TFont>& b) {
        b.Integer("Charset", &TFont::Charset, &TFont::SetCharset, DEFAULT_CHARSET, {},
                  &CharsetIdents());
        b.Integer("Color", &TFont::Color, &TFont::SetColor, clWindowText, {}, &ColorIdents());
        b.Integer("Height", &TFont::Height, &TFont::SetHeight, -11);
        b.String("Name", &TFont::Name, &TFont::SetName, "MS Sans Serif");
        b.Enum("Pitch", &TFont::Pitch, &TFont::SetPitch, FontPitchNames(), fpDefault);
        // Height carries the size in form data.
        b.Integer("Size", &TFont::Size, &TFont::SetSize, std::nullopt,
                  [](const TFont&) { return false; });
        b.Set("Style", &TFont::Style, &TFont::SetStyle, FontStyleNames(), 0u);
      });
  return info;
}

TFont::TFont() = default;

LOGFONTA TFont::LogFont() const {
  LOGFONTA font{};
  font.lfHeight = height_;
  font.lfEscapement = orientation_;
  font.lfOrientation = orientation_;
  font.lfWeight = (style_ & (1u << fsBold)) != 0 ? FW_BOLD : FW_NORMAL;
  font.lfItalic = (style_ & (1u << fsItalic)) != 0 ? 1 : 0;
  font.lfUnderline = (style_ & (1u << fsUnderline)) != 0 ? 1 : 0;
  font.lfStrikeOut = (style_ & (1u << fsStrikeOut)) != 0 ? 1 : 0;
  font.lfCharSet = charset_;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = static_cast<BYTE>(quality_);
  switch (pitch_) {
    case fpVariable:
      font.lfPitchAndFamily = VARIABLE_PITCH;
      break;
    case fpFixed:
      font.lfPitchAndFamily = FIXED_PITCH;
      break;
    default:
      font.lfPitchAndFamily = DEFAULT_PITCH;
      break;
  }
  std::strncpy(font.lfFaceName, name_.c_str(), LF_FACESIZE - 1);
  return font;
}

HFONT TFont::Handle() const {
  if (!handle_) {
    const LOGFONTA font = LogFont();
    handle_.Reset(CreateFontIndirectA(&font));
  }
  return handle_.Get();
}

TEXTMETRICA TFont::Metrics() const {
  TEXTMETRICA metrics{};
  WindowDC screen(nullptr);
  if (screen.Get() == nullptr) return metrics;
  SelectGuard select(screen.Get(), Handle());
  if (!GetTextMetricsA(screen.Get(), &metrics)) metrics = TEXTMETRICA{};
  return metrics;
}

int TFont::Size() const {
  return -MulDiv(height_, 72, 96);
}

void TFont::SetSize(int points) {
  SetHeight(-MulDiv(points, 96, 72));
}

void TFont::SetName(const std::string& name) {
  if (name.empty() || name == name_) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

void TFont::SetStyle(TFontStyles style) {
  style &= 0xF;
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TFont::SetCharset(uint8_t charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
  if (pitch == pitch_) return;
  pitch_ = pitch;
  Changed();
}

void TFont::SetOrientation(int orientation) {
  if (orientation == orientation_) return;
  orientation_ = orientation;
  Changed();
}

void TFont::SetQuality(TFontQuality quality) {
  if (quality == quality_) return;
  quality_ = quality;
  Changed();
}

bool TFont::SameAs(const TFont& other) const {
  return name_ == other.name_ && height_ == other.height_ && style_ == other.style_ &&
         color_ == other.color_ && charset_ == other.charset_ && pitch_ == other.pitch_ &&
         orientation_ == other.orientation_ && quality_ == other.quality_;
}

void TFont::Assign(const TPersistent* source) {
  if (const auto* font = dynamic_cast<const TFont*>(source)) {
    if (font == this || SameAs(*font)) return;
    name_ = font->name_;
    height_ = font->height_;
    style_ = font->style_;
    color_ = font->color_;
    charset_ = font->charset_;
    pitch_ = font->pitch_;
    orientation_ = font->orientation_;
    quality_ = font->quality_;
    Changed();
    return;
  }
  TPersistent::Assign(source);
}

void TFont::Changed() {
  // Listeners (a canvas) deselect the old handle before it is deleted at the end of this scope.
  GdiObject<HFONT> old = std::move(handle_);
  OnChange(this);
}

// ---- TPen ----

const std::vector<std::string>& PenStyleNames() {
  static const std::vector<std::string> names = {
      "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"};
  return names;
}

const std::vector<std::string>& PenModeNames() {
  static const std::vector<std::string> names = {"pmCopy", "pmNot", "pmXor", "pmMask", "pmMerge"};
  return names;
}

const TClassInfo& TPen::StaticClassInfo() {
  static const TClassInfo info =
      DefineClassInfo<TPen, TPersistent>("TPen", [](TPropertyBuilder<TPen>& b) {
        b.Integer("Color", &TPen::Color, &TPen::SetColor, clBlack, {}, &ColorIdents());
        b.Enum("Mode", &TPen::Mode, &TPen::SetMode, PenModeNames(), pmCopy);
        b.Enum("Style", &TPen::Style, &TPen::SetStyle, PenStyleNames(), psSolid);
        b.Integer("Width", &TPen::Width, &TPen::SetWidth, 1);
      });
  return info;
}

HPEN TPen::Handle() const {
  if (style_ == psClear || color_ == clNone) return static_cast<HPEN>(GetStockObject(NULL_PEN));
  if (!handle_) {
    static constexpr int kStyles[] = {PS_SOLID,      PS_DASH, PS_DOT,        PS_DASHDOT,
                                      PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    handle_.Reset(CreatePen(kStyles[style_], width_, static_cast<COLORREF>(ColorToRGB(color_))));
  }
  return handle_.Get();
}

int TPen::RasterOp() const {
  static constexpr int kModes[] = {R2_COPYPEN, R2_NOT, R2_XORPEN, R2_MASKPEN, R2_MERGEPEN};
  return kModes[mode_];
}

void TPen::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TPen::SetWidth(int width) {
  if (width < 0) width = 0;
  if (width == width_) return;
  width_ = width;
  Changed();
}

void TPen::SetStyle(TPenStyle style) {
  if (style < psSolid || style > psInsideFrame || style == style_) return;
  style_ = style;
  Changed();
}

void TPen::SetMode(TPenMode mode) {
  if (mode < pmCopy || mode > pmMerge || mode == mode_) return;
  mode_ = mode;
  Changed();
}

void TPen::Assign(const TPersistent* source) {
  if (const auto* pen = dynamic_cast<const TPen*>(source)) {
    if (pen == this) return;
    if (pen->color_ == color_ && pen->width_ == width_ && pen->style_ == style_ &&
        pen->mode_ == mode_)
      return;
    color_ = pen->color_;
    width_ = pen->width_;
    style_ = pen->style_;
    mode_ = pen->mode_;
    Changed();
    return;
  }
  TPersistent::Assign(source);
}

void TPen::Changed() {
  GdiObject<HPEN> old = std::move(handle_);
  OnChange(this);
}

// ---- TBrush ----

const std::vector<std::string>& BrushStyleNames() {
  static const std::vector<std::string> names = {"bsSolid",    "bsClear",     "bsHorizontal",
                                                 "bsVertical", "bsFDiagonal", "bsBDiagonal",
                                                 "bsCross",    "bsDiagCross"};
  return names;
}

const TClassInfo& TBrush::StaticClassInfo() {
  static const TClassInfo info =
      DefineClassInfo<TBrush, TPersistent>("TBrush", [](TPropertyBuilder<TBrush>& b) {
        b.Integer("Color", &TBrush::Color, &TBrush::SetColor, clWhite, {}, &ColorIdents());
        b.Enum("Style", &TBrush::Style, &TBrush::SetStyle, BrushStyleNames(), bsSolid);
      });
  return info;
}

HBRUSH TBrush::Handle() const {
  if (style_ == bsClear || color_ == clNone) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  if (!handle_) {
    const auto rgb = static_cast<COLORREF>(ColorToRGB(color_));
    if (style_ == bsSolid) {
      handle_.Reset(CreateSolidBrush(rgb));
    } else {
      static constexpr int kHatches[] = {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL,
                                         HS_BDIAGONAL,  HS_CROSS,    HS_DIAGCROSS};
      handle_.Reset(CreateHatchBrush(kHatches[style_ - bsHorizontal], rgb));
    }
  }
  return handle_.Get();
}

void TBrush::SetColor(TColor color) {
  if (color == color_ && style_ != bsClear) return;
  color_ = color;
  if (style_ == bsClear) style_ = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style < bsSolid || style > bsDiagCross || style == style_) return;
  style_ = style;
  Changed();
}

void TBrush::Assign(const TPersistent* source) {
  if (const auto* brush = dynamic_cast<const TBrush*>(source)) {
    if (brush == this || (brush->color_ == color_ && brush->style_ == style_)) return;
    color_ = brush->color_;
    style_ = brush->style_;
    Changed();
    return;
  }
  TPersistent::Assign(source);
}

void TBrush::Changed() {
  GdiObject<HBRUSH> old = std::move(handle_);
  OnChange(this);
}
