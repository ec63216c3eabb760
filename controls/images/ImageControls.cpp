#include "controls/images/ImageControls.h"

#include "controls/images/DvImageList.h"
#include "controls/images/DvImageSquare.h"
#include "framework/core/TypInfo.h"

void RegisterImageControls() {
  ClassRegistry::Register(TDvImageList::StaticClassInfo());
  ClassRegistry::Register(TDvImageSquare::StaticClassInfo());
}
