#include "controls/common/CommonControls.h"

// Before windows.h, which renames RegisterClass.
#include "framework/core/TypInfo.h"

#include "controls/common/DvBckgnd.h"
#include "controls/common/DvLabel.h"

// The class registry's function, not the window system's RegisterClassA.
#undef RegisterClass

void RegisterCommonControls() {
  ClassRegistry::Register(TDvLabel::StaticClassInfo());
  ClassRegistry::Register(TDvSeparator::StaticClassInfo());
}
