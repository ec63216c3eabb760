// The notification window: session messages, mouse actions on the icon, the popup menu, and
// minimising to the tray and restoring.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/win/forms/Application.h"
#include "framework/win/menus/MenuItem.h"
#include "framework/win/platform/SystemTimer.h"
#include "tests/controls/tray/TrayTestFixture.h"
#include "tests/framework/win/platform/MessagePump.h"

namespace {

constexpr UINT kCallback = 9250;

LRESULT Callback(TDvTrayIcon& icon, LPARAM event) {
  return SendMessageA(icon.NotifyWindow(), kCallback, 0, event);
}

// Runs step once the popup menu's window is on screen, then ends the menu unless step leaves
// that to the keys it sent; a menu still open after two seconds is ended.
void WhileMenuIsOpen(const std::function<void()>& popup, const std::function<void(HWND)>& step,
                     bool endAfterStep = true) {
  bool done = false;
  int ticks = 0;
  TSystemTimer timer([&] {
    ++ticks;
    HWND window = FindWindowA("#32768", nullptr);
    if (!done && window != nullptr && IsWindowVisible(window)) {
      done = true;
      step(window);
    }
    if ((done && endAfterStep) || ticks > 130) EndMenu();
  });
  timer.Start(15);
  popup();
  timer.Stop();
}

void PostKey(HWND window, WPARAM key) {
  PostMessageA(window, WM_KEYDOWN, key, 0);
  PostMessageA(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000000));
}

TEST_F(TrayIconTest, EndingTheSessionRemovesTheIcon) {
  Load();
  int ended = 0;
  std::vector<bool> endingSeen;
  Icon().OnEndSession = [&](TObject* sender) {
    EXPECT_EQ(sender, &Icon());
    endingSeen.push_back(Icon().SessionEnding());
    ++ended;
  };
  EXPECT_FALSE(Icon().SessionEnding());
  shell->calls.clear();
  // A session that does not really end leaves the icon.
  EXPECT_EQ(SendMessageA(Icon().NotifyWindow(), WM_ENDSESSION, 0, 0), 0);
  EXPECT_EQ(ended, 1);
  EXPECT_TRUE(shell->calls.empty());
  EXPECT_EQ(SendMessageA(Icon().NotifyWindow(), WM_ENDSESSION, 1, 0), 0);
  EXPECT_EQ(ended, 2);
  // The handlers can tell the real end from the cancelled one.
  EXPECT_EQ(endingSeen, (std::vector<bool>{false, true}));
  ASSERT_EQ(shell->Messages(), (std::vector<DWORD>{NIM_DELETE}));
  EXPECT_EQ(shell->Last().id, Icon().NotifyData().uID);
}

TEST_F(TrayIconTest, AQueryEndSessionHandlerThatRefusesMakesTheAnswerZero) {
  Load();
  EXPECT_EQ(SendMessageA(Icon().NotifyWindow(), WM_QUERYENDSESSION, 0, 0), 1);
  bool asked = false;
  Icon().OnQueryEndSession = [&](TObject*, bool& allow) {
    asked = true;
    EXPECT_TRUE(allow);
    allow = false;
  };
  EXPECT_EQ(SendMessageA(Icon().NotifyWindow(), WM_QUERYENDSESSION, 0, 0), 0);
  EXPECT_TRUE(asked);
}

TEST_F(TrayIconTest, MouseEventsAndBalloonNotificationsRaiseTheirEvents) {
  Load(6, "    RestoreOn = ticNone\n    PopupMenuOn = ticNone\n");
  std::vector<std::string> log;
  const auto record = [&](const char* name) {
    return [&log, name](TObject*) { log.push_back(name); };
  };
  TDvTrayIcon& icon = Icon();
  icon.OnLButtonDown = record("LDown");
  icon.OnLButtonUp = record("LUp");
  icon.OnLButtonDblClick = record("LDbl");
  icon.OnRButtonDown = record("RDown");
  icon.OnRButtonUp = record("RUp");
  icon.OnRButtonDblClick = record("RDbl");
  icon.OnBalloonHintHide = record("BalloonHide");
  icon.OnBalloonHintClose = record("BalloonClose");
  icon.OnBalloonHintClick = record("BalloonClick");
  for (LPARAM event : {513, 514, 515, 516, 517, 518, 1027, 1028, 1029, 512, 1030, 0})
    EXPECT_EQ(Callback(icon, event), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"LDown", "LUp", "LDbl", "RDown", "RUp", "RDbl",
                                           "BalloonHide", "BalloonClose", "BalloonClick"}));
}

TEST_F(TrayIconTest, AnActionRestoresThenShowsTheMenuThenRaisesItsEvent) {
  Load(6, "    RestoreOn = ticRightClickUp\n");
  std::vector<std::string> log;
  Icon().MinimizeApplication();
  Icon().OnRestoreApp = [&](TObject*) { log.push_back("restore"); };
  Menu().OnPopup = [&](TObject*) { log.push_back("popup"); };
  Icon().OnRButtonUp = [&](TObject*) { log.push_back("event"); };
  WhileMenuIsOpen([&] { Callback(Icon(), WM_RBUTTONUP); }, [](HWND) {});
  EXPECT_EQ(log, (std::vector<std::string>{"restore", "popup", "event"}));
}

TEST_F(TrayIconTest, ADoubleClickRestoresTheMinimisedApplication) {
  Load();
  int restored = 0;
  Icon().OnRestoreApp = [&](TObject*) { ++restored; };
  Icon().MinimizeApplication();
  ASSERT_TRUE(Application().IsMinimized());
  EXPECT_FALSE(IsWindowVisible(Application().Handle()));
  Callback(Icon(), WM_LBUTTONDBLCLK);
  EXPECT_FALSE(Application().IsMinimized());
  EXPECT_TRUE(IsWindowVisible(Application().Handle()));
  EXPECT_FALSE(IsIconic(Application().Handle()));
  EXPECT_EQ(restored, 1);
  // The down and up of the double-click's first click restore nothing.
  Icon().MinimizeApplication();
  Callback(Icon(), WM_LBUTTONDOWN);
  Callback(Icon(), WM_LBUTTONUP);
  EXPECT_TRUE(Application().IsMinimized());
}

TEST_F(TrayIconTest, MinimisingHidesTheTaskbarButton) {
  Load();
  int minimized = 0;
  Icon().OnMinimizeApp = [&](TObject*) { ++minimized; };
  // Through the application's own minimise, as the main window's minimise box does.
  Application().Minimize();
  EXPECT_TRUE(Application().IsMinimized());
  EXPECT_FALSE(IsWindowVisible(Application().Handle()));
  EXPECT_EQ(minimized, 1);
  // Restoring through the application runs the icon's restore once.
  int restored = 0;
  Icon().OnRestoreApp = [&](TObject*) { ++restored; };
  Application().Restore();
  EXPECT_EQ(restored, 1);
  EXPECT_TRUE(IsWindowVisible(Application().Handle()));
}

TEST_F(TrayIconTest, WithHideOnMinimizeFalseTheTaskbarButtonStays) {
  Load(6, "    HideOnMinimize = False\n");
  EXPECT_FALSE(Icon().HideOnMinimize());
  Icon().MinimizeApplication();
  EXPECT_TRUE(Application().IsMinimized());
  EXPECT_TRUE(IsWindowVisible(Application().Handle()));
  EXPECT_TRUE(IsIconic(Application().Handle()));
}

TEST_F(TrayIconTest, ADisabledIconKeepsTheTaskbarButton) {
  Load();
  Icon().SetEnabled(false);
  Icon().MinimizeApplication();
  EXPECT_TRUE(IsWindowVisible(Application().Handle()));
}

TEST_F(TrayIconTest, ReleasingTheRightButtonShowsTheMenuAtTheCursor) {
  Load();
  SetCursorPos(300, 200);
  bool showing = false;
  std::vector<std::string> log;
  Menu().OnPopup = [&](TObject*) { log.push_back("popup"); };
  WhileMenuIsOpen([&] { Callback(Icon(), WM_RBUTTONUP); },
                  [&](HWND) { showing = Icon().MenuShowing(); });
  EXPECT_EQ(log, (std::vector<std::string>{"popup"}));
  EXPECT_TRUE(showing);
  EXPECT_FALSE(Icon().MenuShowing());
  POINT cursor{};
  GetCursorPos(&cursor);
  EXPECT_EQ(Menu().PopupPoint(), (TPoint{cursor.x, cursor.y}));
  // The WM_NULL posted after tracking is waiting in the queue.
  MSG message{};
  EXPECT_TRUE(PeekMessageA(&message, nullptr, WM_NULL, WM_NULL, PM_REMOVE));
}

TEST_F(TrayIconTest, ADoubleClickWhileTheMenuIsOpenDoesNotRestore) {
  Load();
  int restored = 0;
  Icon().OnRestoreApp = [&](TObject*) { ++restored; };
  Icon().MinimizeApplication();
  bool sent = false;
  WhileMenuIsOpen([&] { Callback(Icon(), WM_RBUTTONUP); },
                  [&](HWND) {
                    sent = true;
                    Callback(Icon(), WM_LBUTTONDBLCLK);
                  });
  EXPECT_TRUE(sent);
  EXPECT_EQ(restored, 0);
  EXPECT_TRUE(Application().IsMinimized());
}

TEST_F(TrayIconTest, ChoosingShowFromTheIconsMenuRestores) {
  Load();
  int restored = 0;
  Icon().OnRestoreApp = [&](TObject*) { ++restored; };
  Menu().Items().Items(0)->OnClick = [&](TObject*) { Icon().RestoreApplication(); };
  Icon().MinimizeApplication();
  WhileMenuIsOpen([&] { Callback(Icon(), WM_RBUTTONUP); },
                  [](HWND window) {
                    PostKey(window, VK_DOWN);
                    PostKey(window, VK_RETURN);
                  },
                  false);
  EXPECT_TRUE(PumpUntil([&] { return restored == 1; }, 2000));
  EXPECT_FALSE(Application().IsMinimized());
}

}  // namespace
