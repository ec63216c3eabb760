#include "controls/common/CommonControls.h"

#include "framework/core/TypInfo.h"

#include "controls/common/DvBckgnd.h"
#include "controls/common/DvLabel.h"

void RegisterCommonControls() {
  ClassRegistry::Register(TDvLabel::StaticClassInfo());
  ClassRegistry::Register(TDvSeparator::StaticClassInfo());
}
