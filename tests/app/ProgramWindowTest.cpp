// The real program's window from outside: its frame, keyboard order, the menu on a right click,
// the tray icon's menu commands with wininet of the system, minimising to the tray and back.
#include <string>
#include <vector>

#include "tests/app/ProgramFixture.h"
#include "tests/app/ScreenPixels.h"

namespace {

class ProgramWindowTest : public ProgramTest {
 protected:
  void SetUp() override { registry.SetSetting("FirstRun", 0); }

  void StartAndWait() {
    Start();
    ASSERT_NE(nullptr, MainWindow());
  }
  HWND Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
  }
  // The check box whose left edge is at x in the client area.
  HWND CheckBoxAt(int x) const {
    for (HWND box : ChildWindows(window, "TDvCheckBox")) {
      RECT bounds{};
      GetWindowRect(box, &bounds);
      MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&bounds), 2);
      if (bounds.left == x) return box;
    }
    return nullptr;
  }
  void PressTab() const {
    const HWND focus = Focus();
    PostMessageA(focus, WM_KEYDOWN, VK_TAB, 0x000F0001);
    PostMessageA(focus, WM_KEYUP, VK_TAB, 0xC00F0001);
    WaitUntil([&] { return Focus() != focus; }, 2000);
  }
};

TEST_F(ProgramWindowTest, FixedSingleBorderWithoutMaximiseBox) {
  StartAndWait();
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  EXPECT_EQ(0, style & WS_THICKFRAME);
  EXPECT_EQ(0, style & WS_MAXIMIZEBOX);
  EXPECT_NE(0, style & WS_MINIMIZEBOX);
  EXPECT_NE(0, style & WS_SYSMENU);
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(286, client.right);
  EXPECT_EQ(177, client.bottom);
}

TEST_F(ProgramWindowTest, TabGoesFromTheIntervalToAutoDialToAutoRunAndBack) {
  StartAndWait();
  const std::vector<HWND> spinEdits = ChildWindows(window, "TDvSpinEdit");
  ASSERT_EQ(1u, spinEdits.size());
  const HWND autoDial = CheckBoxAt(17);
  const HWND autoRun = CheckBoxAt(142);
  ASSERT_NE(nullptr, autoDial);
  ASSERT_NE(nullptr, autoRun);
  ASSERT_TRUE(WaitUntil([&] { return Focus() == spinEdits[0]; }, 3000));
  PressTab();
  EXPECT_EQ(autoDial, Focus());
  PressTab();
  EXPECT_EQ(autoRun, Focus());
  PressTab();
  EXPECT_EQ(spinEdits[0], Focus());
}

TEST_F(ProgramWindowTest, RightClickOnTheWindowOpensTheTrayMenu) {
  StartAndWait();
  POINT point{140, 30};
  ClientToScreen(window, &point);
  SetForegroundWindow(window);
  SetCursorPos(point.x, point.y);
  // Wine keeps menu handles to their process, so the menu is known by its place and size, which
  // its owner-drawn items decide: those of the tray icon's menu opened at the same point. (Its
  // pixels are no proof here: without a window manager the clicked window may cover the menu.)
  const HWND trayMenu = OpenTrayMenu();
  ASSERT_NE(nullptr, trayMenu);
  RECT trayMenuRect{};
  GetWindowRect(trayMenu, &trayMenuRect);
  PostMessageA(trayMenu, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(trayMenu); }, 3000));

  INPUT inputs[2]{};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
  inputs[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
  SendInput(2, inputs, sizeof(INPUT));
  const HWND menuWindow = program->WaitForWindow("#32768", nullptr, 5000);
  ASSERT_NE(nullptr, menuWindow);
  RECT menuRect{};
  GetWindowRect(menuWindow, &menuRect);
  EXPECT_TRUE(EqualRect(&trayMenuRect, &menuRect));
  EXPECT_EQ(point.x, menuRect.left);
  EXPECT_EQ(point.y, menuRect.top);
  PostMessageA(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(menuWindow); }, 3000));
}

TEST_F(ProgramWindowTest, MinimisingLeavesOnlyTheTrayIconAndADoubleClickBringsItBack) {
  StartAndWait();
  const std::vector<HWND> applications = program->Windows("TApplication");
  ASSERT_EQ(1u, applications.size());
  EXPECT_TRUE(IsWindowVisible(applications[0]));
  PostMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }, 3000));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(applications[0]); }, 3000));
  TrayCallback(WM_LBUTTONDOWN);
  TrayCallback(WM_LBUTTONUP);
  TrayCallback(WM_LBUTTONDBLCLK);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window); }, 3000));
  EXPECT_TRUE(IsWindowVisible(applications[0]));
}

TEST_F(ProgramWindowTest, ShowMenuItemBringsTheWindowBack) {
  StartAndWait();
  PostMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }, 3000));
  ChooseTrayItem(1);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window); }, 3000));
}

TEST_F(ProgramWindowTest, SystemWininetShowsConnectedAndAForcedDisconnectStaysOnline) {
  registry.SetSetting("Enable", 0);
  registry.SetSetting("UpdateInterval", 2);
  StartAndWait();
  EXPECT_TRUE(ShowsStateImage(2));
  // Force Disconnect: the hang-up is accepted but the machine stays online.
  ChooseTrayItem(3);
  EXPECT_TRUE(ShowsStateImage(3));
  // The timer runs afterwards although auto-dial is off: a tick shows the state and saves.
  EXPECT_TRUE(WaitUntil([&] { return registry.Setting("Top").exists; }, 5000));
  EXPECT_TRUE(ShowsStateImage(2));
}

}  // namespace
