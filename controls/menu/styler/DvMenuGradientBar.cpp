#include "controls/menu/styler/DvMenuGradientBar.h"

const TClassInfo& TGradientBar::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TGradientBar, TPersistent>("TGradientBar");
  return info;
}

void TGradientBar::Assign(const TPersistent* source) {
  if (const auto* bar = dynamic_cast<const TGradientBar*>(source)) {
    colors_ = bar->colors_;
    direction_ = bar->direction_;
    return;
  }
  TPersistent::Assign(source);
}

const TClassInfo& TSeparator::StaticClassInfo() {
  using S = TSeparator;
  static const TClassInfo info = DefineClassInfo<S, TGradientBar>("TSeparator", [](auto& b) {
    PublishPairColor<S>(b, "Color", &S::Colors, 0, 0x8F6D6E);
    PublishPairColor<S>(b, "ColorTo", &S::Colors, 1, clNone);
    b.Integer("Width", &S::Width, &S::SetWidth, 1);
    b.template EnumNoDefault<TGradientType>("GradientType", &S::GradientType, &S::SetGradientType,
                                            GradientTypeNames());
    b.Integer("GradientWidth", &S::GradientWidth, &S::SetGradientWidth, 0);
    b.Integer("Margin", &S::Margin, &S::SetMargin, 2);
  });
  return info;
}

TSeparator::TSeparator() : TGradientBar(0x8F6D6E, clNone, gdHorizontal) {}

void TSeparator::Assign(const TPersistent* source) {
  if (const auto* separator = dynamic_cast<const TSeparator*>(source)) {
    width_ = separator->width_;
    gradientType_ = separator->gradientType_;
    gradientWidth_ = separator->gradientWidth_;
    margin_ = separator->margin_;
  }
  AssignGradient(source);
}
