#include "controls/check/CheckControls.h"

#include "framework/core/TypInfo.h"

#include "controls/check/DvCheckBox.h"

void RegisterCheckControls() {
  ClassRegistry::Register(TDvCheckBox::StaticClassInfo());
}
