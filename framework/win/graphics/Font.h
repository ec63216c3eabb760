// Fonts, pens and brushes: persistent descriptions of GDI objects whose handles are created on
// demand and recreated after a change.
#pragma once

#include <windows.h>

#include <string>

#include "framework/core/Classes.h"
#include "framework/core/Colors.h"
#include "framework/win/graphics/GdiObjects.h"

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = uint32_t;  // bit (1 << TFontStyle)
enum TFontPitch { fpDefault, fpVariable, fpFixed };
// The rendering asked of the font (LOGFONT lfQuality, same order as its values).
enum TFontQuality {
  fqDefault,
  fqDraft,
  fqProof,
  fqNonAntialiased,
  fqAntialiased,
  fqClearType,
  fqClearTypeNatural
};

// Form data names: "fsBold", ...; "fpDefault", ...; charsets "DEFAULT_CHARSET", ...
const std::vector<std::string>& FontStyleNames();
const std::vector<std::string>& FontPitchNames();
const TIdentMap& CharsetIdents();
// "psSolid", ...; "pmCopy", ...; "bsSolid", ...
const std::vector<std::string>& PenStyleNames();
const std::vector<std::string>& PenModeNames();
const std::vector<std::string>& BrushStyleNames();

class TFont : public TPersistent {
  DV_CLASS(TFont)
 public:
  TFont();

  // The font handle for the current attributes (created on first use, kept until a change).
  HFONT Handle() const;
  std::string Name() const { return name_; }
  void SetName(const std::string& name);
  // Negative: character height in pixels; positive: cell height.
  int Height() const { return height_; }
  void SetHeight(int height);
  // Points at 96 pixels per inch: Size = -Height * 72 / 96.
  int Size() const;
  void SetSize(int points);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  uint8_t Charset() const { return charset_; }
  void SetCharset(uint8_t charset);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch pitch);
  // Escapement in tenths of a degree.
  int Orientation() const { return orientation_; }
  void SetOrientation(int orientation);
  // Not stored with a form: a drawing routine's choice.
  TFontQuality Quality() const { return quality_; }
  void SetQuality(TFontQuality quality);

  // The logical font description that Handle() is created from.
  LOGFONTA LogFont() const;
  // The font's metrics on a screen device context (tmHeight, tmPitchAndFamily & TMPF_TRUETYPE,
  // ...). Never throws; all zero when no screen DC can be had.
  TEXTMETRICA Metrics() const;

  void Assign(const TPersistent* source) override;
  bool SameAs(const TFont& other) const;

  // Raised after every real change; the old handle is deleted only after the handlers ran, so a
  // canvas can put its DC's original font back first.
  TNotifyEvent OnChange;

 private:
  void Changed();

  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  TFontStyles style_ = 0;
  TColor color_ = clWindowText;
  uint8_t charset_ = DEFAULT_CHARSET;
  TFontPitch pitch_ = fpDefault;
  int orientation_ = 0;
  TFontQuality quality_ = fqDefault;
  mutable GdiObject<HFONT> handle_;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode { pmCopy, pmNot, pmXor, pmMask, pmMerge };

// A pen in clNone draws nothing (a null pen), as does psClear.
class TPen : public TPersistent {
  DV_CLASS(TPen)
 public:
  TPen() = default;
  HPEN Handle() const;
  // The raster operation of Mode (R2_COPYPEN, ...), applied by the canvas with the pen.
  int RasterOp() const;
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Width() const { return width_; }
  void SetWidth(int width);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle style);
  TPenMode Mode() const { return mode_; }
  void SetMode(TPenMode mode);
  void Assign(const TPersistent* source) override;

  TNotifyEvent OnChange;

 private:
  void Changed();

  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  TPenMode mode_ = pmCopy;
  mutable GdiObject<HPEN> handle_;
};

enum TBrushStyle {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross
};

// A brush in clNone fills nothing (the null brush), as does bsClear.
class TBrush : public TPersistent {
  DV_CLASS(TBrush)
 public:
  TBrush() = default;
  HBRUSH Handle() const;
  TColor Color() const { return color_; }
  // Setting a colour makes a clear brush solid again; hatched brushes keep their hatch.
  void SetColor(TColor color);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style);
  void Assign(const TPersistent* source) override;

  TNotifyEvent OnChange;

 private:
  void Changed();

  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
  mutable GdiObject<HBRUSH> handle_;
};

// The plain RGB value of a colour: system colours through GetSysColor; clNone stays clNone.
TColor ColorToRGB(TColor color);
