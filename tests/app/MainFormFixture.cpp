#include "tests/app/MainFormFixture.h"

#include "app/ProgramUnits.h"
#include "framework/win/Application.h"

MainFormTest::MainFormTest() {
  // Once per process, as the program does; undone when the process ends.
  static const TProgramUnits units;
  Application().Initialize();
  Application().SetTitle("Dorv Internet Auto-Dialer");
  const std::string scratchPath = scratch.Path();
  registry.Redirect(HKEY_LOCAL_MACHINE, "Software\\Dorv Internet Auto-Dialer", HKEY_CURRENT_USER,
                    scratchPath + "\\Settings");
  registry.Redirect(HKEY_CURRENT_USER,
                    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
                    HKEY_CURRENT_USER, scratchPath + "\\Internet Settings");
  registry.Redirect(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                    HKEY_CURRENT_USER, scratchPath + "\\Run");
}

MainFormTest::~MainFormTest() {
  Application().DestroyForms();
  // A close of the main form leaves a quit message behind; it must not end the next test's loop.
  MSG quit{};
  while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

TMainFrm& MainFormTest::Create() {
  form = &Application().CreateForm<TMainFrm>();
  return *form;
}

TMainFrm& MainFormTest::CreateAndShow() {
  if (form == nullptr) Create();
  form->Show();
  PumpFor(50);
  return *form;
}
