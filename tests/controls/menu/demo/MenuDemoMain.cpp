// dv_menu_demo [preset]: the demo form with its menus in the preset named (default fsSilverFox),
// run until it is closed.
#include <windows.h>

#include <string>

#include "controls/menu/MenuAnimation.h"
#include "framework/win/Application.h"
#include "tests/controls/menu/demo/MenuDemoForm.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  RegisterMenuDemoClasses();
  SwitchOffMenuAnimation();
  Application().Initialize();
  Application().SetTitle("Styled Menu Demo");
  auto& form = Application().CreateForm<TMenuDemoFrm>();
  form.Prepare();
  const std::string preset =
      commandLine != nullptr && *commandLine != 0 ? commandLine : "fsSilverFox";
  if (!form.ShowPreset(preset)) return 2;
  form.SetCaption("Styled Menu Demo: " + preset);
  Application().Run();
  Application().DestroyForms();
  RestoreMenuAnimation();
  return 0;
}
