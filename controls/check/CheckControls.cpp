#include "controls/check/CheckControls.h"

// Before windows.h, which renames RegisterClass.
#include "framework/core/TypInfo.h"

#include "controls/check/DvCheckBox.h"

// The class registry's function, not the window system's RegisterClassA.
#undef RegisterClass

void RegisterCheckControls() {
  ClassRegistry::Register(TDvCheckBox::StaticClassInfo());
}
