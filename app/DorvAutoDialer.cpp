// The program entry: registrations of every unit, the application object, the main window built
// from its form definition, the message loop, and the removals at program end.
#include <exception>

#include <windows.h>

#include "app/MainForm.h"
#include "app/ProgramUnits.h"
#include "framework/win/forms/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const TProgramUnits units;
  try {
    Application().Initialize();
    Application().SetTitle("Dorv Internet Auto-Dialer");
    Application().CreateForm<TMainFrm>();
    Application().Run();
  } catch (const std::exception& error) {
    // Only a window that cannot be built gets here; the loop handles every later error itself.
    Application().ShowException(error);
    Application().DestroyForms();
    return 1;
  }
  // Forms go while every unit they use is still registered.
  Application().DestroyForms();
  return 0;
}
