#include "controls/tray/TrayControls.h"

#include "framework/core/TypInfo.h"
#include "controls/tray/DvTrayIcon.h"
#include "controls/tray/TaskbarCreated.h"

void RegisterTrayControls() {
  ClassRegistry::Register(TDvTrayIcon::StaticClassInfo());
  RegisterTaskbarCreatedMessage();
}
