// Before any windows.h: winuser.h would rename the class registry's RegisterClass.
#include "framework/core/TypInfo.h"
#include "framework/win/Menus.h"

// The class registry's function, not winuser.h's RegisterClassA.
#undef RegisterClass

void RegisterMenuClasses() {
  ClassRegistry::Register(TMenuItem::StaticClassInfo());
  ClassRegistry::Register(TPopupMenu::StaticClassInfo());
  ClassRegistry::Register(TMainMenu::StaticClassInfo());
}
