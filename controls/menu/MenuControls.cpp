#include "controls/menu/MenuControls.h"

#include "framework/core/TypInfo.h"
#include "controls/menu/styler/DvMenuStyler.h"
#include "controls/menu/styler/DvMenuStylers.h"
#include "controls/menu/DvMenus.h"
#include "framework/win/menus/Menus.h"

void RegisterMenuControls() {
  RegisterMenuClasses();
  ClassRegistry::Register(TDvPopupMenu::StaticClassInfo());
  ClassRegistry::Register(TDvMainMenu::StaticClassInfo());
  ClassRegistry::Register(TDvMenuStyler::StaticClassInfo());
  ClassRegistry::Register(TDvMenuFantasyStyler::StaticClassInfo());
}
