#include "controls/menu/styler/DvMenuItemLooks.h"

#include "framework/win/menus/SystemMenuFont.h"

namespace {
const std::vector<std::string>& Directions() {
  return GradientDirectionNames();
}
}  // namespace

const TClassInfo& TSelectedItem::StaticClassInfo() {
  using S = TSelectedItem;
  static const TClassInfo info = DefineClassInfo<S, TGradientBar>("TSelectedItem", [](auto& b) {
    PublishPairColor<S>(b, "Color", &S::Colors, 0, 0xC2EEFF);
    PublishPairColor<S>(b, "ColorTo", &S::Colors, 1, clNone);
    b.template Enum<TGradientDirection>("GradientDirection", &S::GradientDirection,
                                        &S::SetGradientDirection, Directions(), gdVertical);
    PublishColor<S>(b, "BorderColor", &S::BorderColor, &S::SetBorderColor, 0x6F4B4B);
    b.Object("Font", [](S& s) { return &s.Font(); });
    b.Bool("UseSystemFont", &S::UseSystemFont, &S::SetUseSystemFont, true);
    PublishMarkLooks<S>(b, 0x3E80FE, 0x6F4B4B);
  });
  return info;
}

TSelectedItem::TSelectedItem()
    : TGradientBar(0xC2EEFF, clNone, gdVertical), TMarkLooks(0x3E80FE, 0x6F4B4B) {
  AssignSystemMenuFont(font_);
  font_.SetColor(clWindowText);
}

void TSelectedItem::Assign(const TPersistent* source) {
  if (const auto* item = dynamic_cast<const TSelectedItem*>(source)) {
    borderColor_ = item->borderColor_;
    font_.Assign(&item->font_);
    useSystemFont_ = item->useSystemFont_;
    // Everything of the check box but its frame.
    check_.colors = item->check_.colors;
    check_.direction = item->check_.direction;
    radio_ = item->radio_;
    return;
  }
  AssignGradient(source);
}

const TClassInfo& TRootItem::StaticClassInfo() {
  using R = TRootItem;
  static const TClassInfo info = DefineClassInfo<R, TGradientBar>("TRootItem", [](auto& b) {
    PublishPairColor<R>(b, "Color", &R::Colors, 0, 0xE5D7D7);
    PublishPairColor<R>(b, "ColorTo", &R::Colors, 1, 0xF7F2F2);
    b.template Enum<TGradientDirection>("GradientDirection", &R::GradientDirection,
                                        &R::SetGradientDirection, Directions(), gdHorizontal);
    b.Object("Font", [](R& r) { return &r.Font(); });
    b.Bool("UseSystemFont", &R::UseSystemFont, &R::SetUseSystemFont, true);
    PublishPairColor<R>(b, "SelectedColor", &R::SelectedColors, 0, 0xF2E8E8);
    PublishPairColor<R>(b, "SelectedColorTo", &R::SelectedColors, 1, 0xCDB8B9);
    b.template Enum<TGradientDirection>("SelectedGradientDirection", &R::SelectedGradientDirection,
                                        &R::SetSelectedGradientDirection, Directions(), gdVertical);
    PublishColor<R>(b, "SelectedBorderColor", &R::SelectedBorderColor, &R::SetSelectedBorderColor,
                    0x947C7C);
    PublishColor<R>(b, "SelectedTextColor", &R::SelectedTextColor, &R::SetSelectedTextColor,
                    clWindowText);
    PublishPairColor<R>(b, "HoverColor", &R::HoverColors, 0, 0xCFF6FF);
    PublishPairColor<R>(b, "HoverColorTo", &R::HoverColors, 1, 0x9DD8FF);
    b.template Enum<TGradientDirection>("HoverGradientDirection", &R::HoverGradientDirection,
                                        &R::SetHoverGradientDirection, Directions(), gdVertical);
    PublishColor<R>(b, "HoverBorderColor", &R::HoverBorderColor, &R::SetHoverBorderColor, 0x6F4B4B);
    PublishColor<R>(b, "HoverTextColor", &R::HoverTextColor, &R::SetHoverTextColor, clWindowText);
  });
  return info;
}

TRootItem::TRootItem() : TGradientBar(0xE5D7D7, 0xF7F2F2, gdHorizontal) {
  AssignSystemMenuFont(font_);
}

void TRootItem::Assign(const TPersistent* source) {
  if (const auto* item = dynamic_cast<const TRootItem*>(source)) {
    font_.Assign(&item->font_);
    useSystemFont_ = item->useSystemFont_;
    selectedColors_ = item->selectedColors_;
    selectedDirection_ = item->selectedDirection_;
    selectedBorderColor_ = item->selectedBorderColor_;
    selectedTextColor_ = item->selectedTextColor_;
    hoverColors_ = item->hoverColors_;
    hoverDirection_ = item->hoverDirection_;
    hoverBorderColor_ = item->hoverBorderColor_;
    hoverTextColor_ = item->hoverTextColor_;
    return;
  }
  AssignGradient(source);
}
