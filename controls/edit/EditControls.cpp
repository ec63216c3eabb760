#include "controls/edit/EditControls.h"

// Before windows.h, which renames RegisterClass.
#include "framework/core/TypInfo.h"

#include "controls/edit/DvFrameController.h"
#include "controls/edit/DvRegIniFile.h"
#include "controls/edit/DvSpinEdit.h"

// The class registry's function, not the window system's RegisterClassA.
#undef RegisterClass

void RegisterEditControls() {
  ClassRegistry::Register(TDvSpinEdit::StaticClassInfo());
  ClassRegistry::Register(TDvSpinButtons::StaticClassInfo());
  ClassRegistry::Register(TDvControlButton::StaticClassInfo());
  ClassRegistry::Register(TDvFrameController::StaticClassInfo());
  ClassRegistry::Register(TDvRegIniFile::StaticClassInfo());
}
