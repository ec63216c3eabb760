// TIconBar: the icon column at the left of every drop-down item, with the look of the check and
// radio boxes drawn in it.
#pragma once

#include "controls/menu/styler/DvMenuGradientBar.h"

class TIconBar : public TGradientBar {
  DV_CLASS(TIconBar)
 public:
  TIconBar();

  // CheckColor is index 0, CheckColorTo index 1; likewise the radio pair.
  TColorPair& CheckColors() { return checkColors_; }
  const TColorPair& CheckColors() const { return checkColors_; }
  TColor CheckBorder() const { return checkBorder_; }
  void SetCheckBorder(TColor color) { checkBorder_ = color; }
  TGradientDirection CheckGradientDirection() const { return checkDirection_; }
  void SetCheckGradientDirection(TGradientDirection direction) { checkDirection_ = direction; }
  TColorPair& RadioColors() { return radioColors_; }
  const TColorPair& RadioColors() const { return radioColors_; }
  TColor RadioBorder() const { return radioBorder_; }
  void SetRadioBorder(TColor color) { radioBorder_ = color; }
  TGradientDirection RadioGradientDirection() const { return radioDirection_; }
  void SetRadioGradientDirection(TGradientDirection direction) { radioDirection_ = direction; }
  // Width of the column; a value below 16 is stored as 16.
  int Size() const { return size_; }
  void SetSize(int size) { size_ = size < 16 ? 16 : size; }

  // From an icon bar: the check and radio settings and Size (not the column colours); from
  // another gradient bar its gradient part.
  void Assign(const TPersistent* source) override;

 private:
  TColorPair checkColors_{0x6FC0FF, clNone};
  TColor checkBorder_ = 0x6F4B4B;
  TGradientDirection checkDirection_ = gdVertical;
  TColorPair radioColors_{0x6FC0FF, clNone};
  TColor radioBorder_ = 0x6F4B4B;
  TGradientDirection radioDirection_ = gdVertical;
  int size_ = 24;
};
