#include "controls/menu/styler/DvMenuIconBar.h"

const TClassInfo& TIconBar::StaticClassInfo() {
  using I = TIconBar;
  static const TClassInfo info = DefineClassInfo<I, TGradientBar>("TIconBar", [](auto& b) {
    PublishPairColor<I>(b, "Color", &I::Colors, 0, 0xFFF9F9);
    PublishPairColor<I>(b, "ColorTo", &I::Colors, 1, 0xBBA0A1);
    b.template Enum<TGradientDirection>("GradientDirection", &I::GradientDirection,
                                        &I::SetGradientDirection, GradientDirectionNames(),
                                        gdHorizontal);
    PublishMarkLooks<I>(b, 0x6FC0FF, 0x6F4B4B);
    b.Integer("Size", &I::Size, &I::SetSize, 24);
  });
  return info;
}

TIconBar::TIconBar()
    : TGradientBar(0xFFF9F9, 0xBBA0A1, gdHorizontal), TMarkLooks(0x6FC0FF, 0x6F4B4B) {}

void TIconBar::Assign(const TPersistent* source) {
  if (const auto* bar = dynamic_cast<const TIconBar*>(source)) {
    check_ = bar->check_;
    radio_ = bar->radio_;
    size_ = bar->size_;
    return;
  }
  AssignGradient(source);
}
