#include "app/ProgramUnits.h"

#include "app/MainForm.h"
#include "controls/check/CheckControls.h"
#include "controls/common/CommonControls.h"
#include "controls/edit/EditControls.h"
#include "controls/images/ImageControls.h"
#include "controls/menu/MenuAnimation.h"
#include "controls/menu/MenuControls.h"
#include "controls/tray/TrayControls.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/menus/Menus.h"
#include "framework/win/platform/Timers.h"
#include "framework/win/stdctrls/Image.h"
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
