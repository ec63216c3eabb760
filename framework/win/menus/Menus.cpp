#include "framework/core/TypInfo.h"
#include "framework/win/menus/Menus.h"

void RegisterMenuClasses() {
  ClassRegistry::Register(TMenuItem::StaticClassInfo());
  ClassRegistry::Register(TPopupMenu::StaticClassInfo());
  ClassRegistry::Register(TMainMenu::StaticClassInfo());
}
