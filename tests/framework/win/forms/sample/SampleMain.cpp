// The sample program: the sample form built from its form definition, run until it is closed.
#include <windows.h>

#include "framework/win/forms/Application.h"
#include "tests/framework/win/forms/sample/SampleForm.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  RegisterSampleClasses();
  Application().Initialize();
  Application().SetTitle("Dorv Framework Sample");
  auto& form = Application().CreateForm<TSampleFrm>();
  form.Component<TLabel>("StateLbl").SetCaption("Right-click for the menu; Tab moves the focus");
  Application().Run();
  // Forms go while every unit they use still exists.
  Application().DestroyForms();
  return 0;
}
