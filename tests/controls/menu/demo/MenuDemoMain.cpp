// dv_menu_demo [preset [plain]]: the demo form with its menus in the preset named (default
// fsSilverFox), run until it is closed; "plain" leaves the popup menu's windows as the window
// system makes them (no frame, region or sub-menu shift). An unknown preset ends it with code 2.
#include <windows.h>

#include <sstream>
#include <string>

#include "controls/menu/DvMenus.h"
#include "controls/menu/MenuAnimation.h"
#include "framework/win/forms/Application.h"
#include "tests/controls/menu/demo/MenuDemoForm.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  RegisterMenuDemoClasses();
  SwitchOffMenuAnimation();
  Application().Initialize();
  Application().SetTitle("Styled Menu Demo");
  auto& form = Application().CreateForm<TMenuDemoFrm>();
  form.Prepare();
  std::istringstream arguments(commandLine != nullptr ? commandLine : "");
  std::string preset = "fsSilverFox";
  std::string mode;
  arguments >> preset >> mode;
  int exitCode = 0;
  if (form.ShowPreset(preset)) {
    if (mode == "plain") form.Component<TDvPopupMenu>("DemoPopupMenu").SetDrawMenuFrame(false);
    form.SetCaption("Styled Menu Demo: " + preset);
    Application().Run();
  } else {
    exitCode = 2;
  }
  // Forms go while every unit they use is still there.
  Application().DestroyForms();
  RestoreMenuAnimation();
  return exitCode;
}
