#include "tests/app/MainFormFixture.h"

#include "app/ProgramUnits.h"
#include "framework/win/forms/Application.h"
#include "tests/app/ScratchProgramKeys.h"

MainFormTest::MainFormTest() {
  // Once per process, as the program does; undone when the process ends.
  static const TProgramUnits units;
  Application().Initialize();
  Application().SetTitle("Dorv Internet Auto-Dialer");
  ScratchProgramKeys(registry, scratch);
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
