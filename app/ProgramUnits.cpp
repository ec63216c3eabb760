#include "app/ProgramUnits.h"

#include "app/MainForm.h"
#include "controls/check/CheckControls.h"
#include "controls/common/CommonControls.h"
#include "controls/edit/EditControls.h"
#include "controls/images/ImageControls.h"
#include "controls/menu/MenuAnimation.h"
#include "controls/menu/MenuControls.h"
#include "controls/tray/TrayControls.h"
#include "framework/win/Forms.h"
#include "framework/win/Image.h"
#include "framework/win/Menus.h"
#include "framework/win/Timers.h"
#include "imaging/gif/GIFRegistration.h"

TProgramUnits::TProgramUnits() {
  RegisterFormClasses();
  RegisterTimerClasses();
  RegisterMenuClasses();
  RegisterImageClasses();
  RegisterGIFGraphic();
  RegisterCommonControls();
  RegisterCheckControls();
  RegisterEditControls();
  RegisterImageControls();
  RegisterTrayControls();
  RegisterMenuControls();
  SwitchOffMenuAnimation();
  RegisterMainFormClass();
}

TProgramUnits::~TProgramUnits() {
  RestoreMenuAnimation();
  UnregisterGIFGraphic();
}
