#include "controls/menu/styler/DvMenuStylers.h"

#include "controls/menu/DvMenus.h"
#include "controls/menu/styler/FantasyPresets.h"

const TClassInfo& TDvMenuFantasyStyler::StaticClassInfo() {
  using F = TDvMenuFantasyStyler;
  static const TClassInfo info =
      DefineClassInfo<F, TCustomDvMenuStyler>("TDvMenuFantasyStyler", [](auto& b) {
        b.template EnumNoDefault<TFantasyStyle>("Style", &F::Style, &F::SetStyle,
                                                FantasyStyleNames());
      });
  return info;
}

TDvMenuFantasyStyler::TDvMenuFantasyStyler(TComponent* owner) : TCustomDvMenuStyler(owner) {
  ApplyFantasyPreset(*this, fsChocolate);
}

void TDvMenuFantasyStyler::SetStyle(TFantasyStyle style) {
  style_ = style;
  ApplyFantasyPreset(*this, style);
  if (auto* bar = dynamic_cast<TDvMainMenu*>(Menu())) bar->RepaintMenuBar();
}
