// TGradientBar, the base of the styler parts that fill an area with a two-colour gradient, and
// TSeparator, the look of separator lines.
#pragma once

#include "controls/menu/core/MenuStylerTypes.h"
#include "framework/core/Classes.h"

class TMenu;

class TGradientBar : public TPersistent {
  DV_CLASS(TGradientBar)
 public:
  TGradientBar() : TGradientBar(0xD8BDAF, clNone, gdVertical) {}

  // Color is index 0, ColorTo index 1 (other indexes fail with EInvalidPropertyIndex).
  TColorPair& Colors() { return colors_; }
  const TColorPair& Colors() const { return colors_; }
  TColor Color() const { return colors_.Get(0); }
  void SetColor(TColor color) { colors_.Set(0, color); }
  TColor ColorTo() const { return colors_.Get(1); }
  void SetColorTo(TColor color) { colors_.Set(1, color); }
  TGradientDirection GradientDirection() const { return direction_; }
  void SetGradientDirection(TGradientDirection direction) { direction_ = direction; }

  // The menu that the owning styler serves (kept for reference only; nullptr when none).
  TMenu* Menu() const { return menu_; }
  void SetMenu(TMenu* menu) { menu_ = menu; }

  // From any gradient bar: Color, ColorTo, GradientDirection; other sources fail with
  // "Cannot assign a %s to a %s".
  void Assign(const TPersistent* source) override;

 protected:
  TGradientBar(TColor color, TColor colorTo, TGradientDirection direction)
      : colors_(color, colorTo), direction_(direction) {}
  void AssignGradient(const TPersistent* source) { TGradientBar::Assign(source); }

 private:
  TColorPair colors_;
  TGradientDirection direction_;
  TMenu* menu_ = nullptr;
};

class TSeparator : public TGradientBar {
  DV_CLASS(TSeparator)
 public:
  TSeparator();

  // Line thickness in pixels.
  int Width() const { return width_; }
  void SetWidth(int width) { width_ = width; }
  TGradientType GradientType() const { return gradientType_; }
  void SetGradientType(TGradientType type) { gradientType_ = type; }
  int GradientWidth() const { return gradientWidth_; }
  void SetGradientWidth(int width) { gradientWidth_ = width; }
  // Inset at both ends.
  int Margin() const { return margin_; }
  void SetMargin(int margin) { margin_ = margin; }

  // From a separator: Width, GradientType, GradientWidth, Margin, then the gradient part; from
  // another gradient bar only its gradient part.
  void Assign(const TPersistent* source) override;

 private:
  int width_ = 1;
  TGradientType gradientType_ = gtBoth;
  int gradientWidth_ = 0;
  int margin_ = 2;
};
