#include "controls/edit/EditControls.h"

#include "framework/core/TypInfo.h"

#include "controls/edit/DvFrameController.h"
#include "controls/edit/DvRegIniFile.h"
#include "controls/edit/DvSpinEdit.h"

void RegisterEditControls() {
  ClassRegistry::Register(TDvSpinEdit::StaticClassInfo());
  ClassRegistry::Register(TDvSpinButtons::StaticClassInfo());
  ClassRegistry::Register(TDvControlButton::StaticClassInfo());
  ClassRegistry::Register(TDvFrameController::StaticClassInfo());
  ClassRegistry::Register(TDvRegIniFile::StaticClassInfo());
}
