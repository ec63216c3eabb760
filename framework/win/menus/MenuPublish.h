// The reading-order properties that popup menus and menu bars publish, declared once.
#pragma once

#include "framework/core/BiDiMode.h"
#include "framework/core/TypInfo.h"
#include "framework/win/menus/Menu.h"

// BiDiMode is stored only when it is the menu's own (ParentBiDiMode off).
template <class M>
void PublishMenuBiDiMode(TPropertyBuilder<M>& b) {
  b.Enum("BiDiMode", &TMenu::BiDiMode, &TMenu::SetBiDiMode, BiDiModeNames(), bdLeftToRight,
         [](const M& menu) { return !menu.ParentBiDiMode(); });
}

template <class M>
void PublishMenuParentBiDiMode(TPropertyBuilder<M>& b) {
  b.Bool("ParentBiDiMode", &TMenu::ParentBiDiMode, &TMenu::SetParentBiDiMode, true);
}
