// The looks of highlighted items: TSelectedItem for the items of drop-downs and popup menus,
// TRootItem for the items on a menu bar (its text colours also apply to a popup menu's own items).
#pragma once

#include "controls/menu/styler/DvMenuGradientBar.h"
#include "controls/menu/styler/DvMenuMarkLooks.h"
#include "framework/win/graphics/Font.h"

class TSelectedItem : public TGradientBar, public TMarkLooks {
  DV_CLASS(TSelectedItem)
 public:
  TSelectedItem();

  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor color) { borderColor_ = color; }
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  // Copies the font.
  void SetFont(const TFont& font) { font_.Assign(&font); }
  bool UseSystemFont() const { return useSystemFont_; }
  void SetUseSystemFont(bool use) { useSystemFont_ = use; }

  // From a selected item: BorderColor, Font, UseSystemFont, the check colours and direction and
  // the radio settings (not the fill colours, not CheckBorder); from another gradient bar its
  // gradient part.
  void Assign(const TPersistent* source) override;

 private:
  TColor borderColor_ = 0x6F4B4B;
  TFont font_;
  bool useSystemFont_ = true;
};

class TRootItem : public TGradientBar {
  DV_CLASS(TRootItem)
 public:
  TRootItem();

  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font) { font_.Assign(&font); }
  bool UseSystemFont() const { return useSystemFont_; }
  void SetUseSystemFont(bool use) { useSystemFont_ = use; }
  // SelectedColor is index 0, SelectedColorTo index 1; likewise the hover pair.
  TColorPair& SelectedColors() { return selectedColors_; }
  const TColorPair& SelectedColors() const { return selectedColors_; }
  TGradientDirection SelectedGradientDirection() const { return selectedDirection_; }
  void SetSelectedGradientDirection(TGradientDirection d) { selectedDirection_ = d; }
  TColor SelectedBorderColor() const { return selectedBorderColor_; }
  void SetSelectedBorderColor(TColor color) { selectedBorderColor_ = color; }
  TColor SelectedTextColor() const { return selectedTextColor_; }
  void SetSelectedTextColor(TColor color) { selectedTextColor_ = color; }
  TColorPair& HoverColors() { return hoverColors_; }
  const TColorPair& HoverColors() const { return hoverColors_; }
  TGradientDirection HoverGradientDirection() const { return hoverDirection_; }
  void SetHoverGradientDirection(TGradientDirection d) { hoverDirection_ = d; }
  TColor HoverBorderColor() const { return hoverBorderColor_; }
  void SetHoverBorderColor(TColor color) { hoverBorderColor_ = color; }
  TColor HoverTextColor() const { return hoverTextColor_; }
  void SetHoverTextColor(TColor color) { hoverTextColor_ = color; }

  // From a root item: Font, UseSystemFont and the selected and hover settings (not the bar
  // colours); from another gradient bar its gradient part.
  void Assign(const TPersistent* source) override;

 private:
  TFont font_;
  bool useSystemFont_ = true;
  TColorPair selectedColors_{0xF2E8E8, 0xCDB8B9};
  TGradientDirection selectedDirection_ = gdVertical;
  TColor selectedBorderColor_ = 0x947C7C;
  TColor selectedTextColor_ = clWindowText;
  TColorPair hoverColors_{0xCFF6FF, 0x9DD8FF};
  TGradientDirection hoverDirection_ = gdVertical;
  TColor hoverBorderColor_ = 0x6F4B4B;
  TColor hoverTextColor_ = clWindowText;
};
