#include "controls/menu/styler/DvMenuIconBar.h"

const TClassInfo& TIconBar::StaticClassInfo() {
  using I = TIconBar;
  static const TClassInfo info = DefineClassInfo<I, TGradientBar>("TIconBar", [](auto& b) {
    PublishPairColor<I>(b, "Color", &I::Colors, 0, 0xFFF9F9);
    PublishPairColor<I>(b, "ColorTo", &I::Colors, 1, 0xBBA0A1);
    b.template Enum<TGradientDirection>("GradientDirection", &I::GradientDirection,
                                        &I::SetGradientDirection, GradientDirectionNames(),
                                        gdHorizontal);
    PublishPairColor<I>(b, "CheckColor", &I::CheckColors, 0, 0x6FC0FF);
    PublishPairColor<I>(b, "CheckColorTo", &I::CheckColors, 1, clNone);
    PublishColor<I>(b, "CheckBorder", &I::CheckBorder, &I::SetCheckBorder, 0x6F4B4B);
    b.template Enum<TGradientDirection>("CheckGradientDirection", &I::CheckGradientDirection,
                                        &I::SetCheckGradientDirection, GradientDirectionNames(),
                                        gdVertical);
    PublishPairColor<I>(b, "RadioColor", &I::RadioColors, 0, 0x6FC0FF);
    PublishPairColor<I>(b, "RadioColorTo", &I::RadioColors, 1, clNone);
    PublishColor<I>(b, "RadioBorder", &I::RadioBorder, &I::SetRadioBorder, 0x6F4B4B);
    b.template Enum<TGradientDirection>("RadioGradientDirection", &I::RadioGradientDirection,
                                        &I::SetRadioGradientDirection, GradientDirectionNames(),
                                        gdVertical);
    b.Integer("Size", &I::Size, &I::SetSize, 24);
  });
  return info;
}

TIconBar::TIconBar() : TGradientBar(0xFFF9F9, 0xBBA0A1, gdHorizontal) {}

void TIconBar::Assign(const TPersistent* source) {
  if (const auto* bar = dynamic_cast<const TIconBar*>(source)) {
    checkColors_ = bar->checkColors_;
    checkBorder_ = bar->checkBorder_;
    checkDirection_ = bar->checkDirection_;
    radioColors_ = bar->radioColors_;
    radioBorder_ = bar->radioBorder_;
    radioDirection_ = bar->radioDirection_;
    size_ = bar->size_;
    return;
  }
  AssignGradient(source);
}
