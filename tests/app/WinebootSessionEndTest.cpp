// The session really ends, as Wine ends it: wineboot --end-session asks every window of the
// session and then tells them that the session ends, and stops the processes that are still
// there. The program, with settings changed that nothing had saved yet, must have saved them, taken
// its icon out of the notification area, put the menu animation setting back, and ended.
//
// wineboot ends every program with a window in the session, the desktop's too, so this test runs
// in a Wine session of its own (SessionEndTest.sh), never beside the other tests.
#include <string>
#include <vector>

#include "tests/app/ProgramFixture.h"
#include "tests/app/TrayArea.h"

namespace {

// Runs a program to its end and returns its exit code, or -1.
int RunToEnd(const std::wstring& commandLine) {
  std::wstring command = commandLine;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return -1;
  }
  DWORD code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0)
    GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(code);
}

// The session's setting as a fresh process reads it.
bool MenuAnimationOn() {
  return RunToEnd(L"" DV_MENU_ANIMATION_QUERY) == 1;
}

void SetMenuAnimation(bool on) {
  SystemParametersInfoA(SPI_SETMENUANIMATION, 0, reinterpret_cast<void*>(static_cast<UINT_PTR>(on)),
                        SPIF_SENDCHANGE);
}

// wineboot --end-session's exit code, once it has ended.
int EndTheSession() {
  return RunToEnd(L"wineboot.exe --end-session");
}

class WinebootSessionEndTest : public ProgramTest {
 protected:
  ~WinebootSessionEndTest() override { SetMenuAnimation(false); }

  // A real click on the upper half of the interval's spin buttons: one step up.
  void StepIntervalUp() {
    const std::vector<HWND> buttons = ChildWindows(MainWindow(), "TDvSpinButtons");
    ASSERT_EQ(buttons.size(), 1u);
    RECT bounds{};
    GetWindowRect(buttons[0], &bounds);
    POINT point{(bounds.left + bounds.right) / 2, bounds.top + (bounds.bottom - bounds.top) / 4};
    ScreenToClient(MainWindow(), &point);
    ClickAt(point.x, point.y);
  }
};

TEST_F(WinebootSessionEndTest, ChangedSettingsAreSavedTheIconLeavesAndTheProgramEnds) {
  registry.SetSetting("FirstRun", 0);
  SetMenuAnimation(true);
  const std::vector<HWND> others = TrayIconWindows();
  Start();
  ASSERT_NE(MainWindow(), nullptr);
  ASSERT_TRUE(
      WaitUntil([&] { return AddedTrayIcons(others, TrayIconWindows()).size() == 1; }, 5000))
      << "the program's icon is not in the notification area";
  EXPECT_FALSE(MenuAnimationOn());

  // Auto-dial off and the interval one second longer: neither is saved before a tick or a close.
  ClickAt(25, 151);
  StepIntervalUp();
  ASSERT_TRUE(WaitUntil(
      [&] { return ControlTextW(ChildWindows(window, "TDvSpinEdit").at(0)) == L"181"; }, 3000));
  EXPECT_FALSE(registry.Setting("Enable").exists);

  EXPECT_EQ(EndTheSession(), 0);
  EXPECT_TRUE(program->WaitForExit(10000)) << "the program is still running";
  EXPECT_EQ(registry.Settings(),
            (std::vector<std::string>{"FirstRun = 0", "Enable = 0", "UpdateInterval = 181",
                                      "Left = 478", "Top = 441"}));
  EXPECT_TRUE(AddedTrayIcons(others, TrayIconWindows()).empty());
  EXPECT_TRUE(MenuAnimationOn());
}

}  // namespace
