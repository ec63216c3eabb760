// A shell that restarts loses every icon and then announces itself with "TaskbarCreated". Wine
// cannot restart its shell (ending the desktop's explorer ends the programs of a virtual desktop
// with it, and on the default desktop no new explorer takes over while the desktop lives), so the
// test does what a restart amounts to: the icon is taken out of the notification area behind the
// program's back, then "TaskbarCreated" is broadcast to every top-level window. The icon must come
// back, once, in the current state's picture and with the caption as its tip; ten times in a row,
// with the handle counts flat.
#include <string>
#include <vector>

#include "controls/tray/DvTrayIcon.h"
#include "framework/win/platform/Timers.h"
#include "tests/app/HandleCensus.h"
#include "tests/app/MainFormFixture.h"
#include "tests/app/ScreenPixels.h"
#include "tests/app/TrayArea.h"
#include "tests/app/WindowQueries.h"

namespace {

// The 16 x 16 picture in the middle of an icon window, on the screen.
std::vector<COLORREF> ShownPicture(HWND iconWindow) {
  RECT bounds{};
  GetWindowRect(iconWindow, &bounds);
  const int left = (bounds.left + bounds.right - 16) / 2;
  const int top = (bounds.top + bounds.bottom - 16) / 2;
  return ScreenBlock(RECT{left, top, left + 16, top + 16});
}

// The colour around the picture, which its transparent pixels show.
COLORREF Background(HWND iconWindow) {
  RECT bounds{};
  GetWindowRect(iconWindow, &bounds);
  return ScreenBlock(RECT{bounds.left, bounds.top, bounds.left + 1, bounds.top + 1}).at(0);
}

// Moves the mouse as a user does (real input, so that the shell's tip control sees it).
void MoveMouseTo(int x, int y) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}

// The text of the tip the shell shows while the mouse rests on the icon; empty when none came.
std::wstring TipShownFor(HWND iconWindow) {
  RECT bounds{};
  GetWindowRect(iconWindow, &bounds);
  MoveMouseTo((bounds.left + bounds.right) / 2 - 1, (bounds.top + bounds.bottom) / 2);
  PumpFor(50);
  MoveMouseTo((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
  std::wstring shown;
  PumpUntil(
      [&] {
        HWND tip = nullptr;
        while ((tip = FindWindowExA(nullptr, tip, "tooltips_class32", nullptr)) != nullptr) {
          // The tip control answers WM_GETTEXT with the tip on show.
          if (IsWindowVisible(tip) && !ControlTextW(tip).empty()) shown = ControlTextW(tip);
        }
        return !shown.empty();
      },
      5000);
  MoveMouseTo(600, 300);
  return shown;
}

class ShellRestartTest : public MainFormTest {
 protected:
  TDvTrayIcon& TrayIcon() const { return Get<TDvTrayIcon>("TrayIcon"); }

  // One poll that ends in state 2 (connected) or 3 (a refused dial).
  void ShowState(int state) {
    internet.SetScript(state == 2 ? "online=1\n" : "online=0\ndial=0\n");
    TTimer& timer = Get<TTimer>("UpdateTimer");
    timer.OnTimer()(&timer);
    ASSERT_EQ(TrayIcon().IconIndex(), state);
  }

  // The shell forgets the icon, as a shell that ends does; the program is not told.
  void ShellLosesTheIcon() const {
    NOTIFYICONDATAA record = TrayIcon().NotifyData();
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &record));
  }

  static void BroadcastTaskbarCreated() {
    ASSERT_TRUE(PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0));
  }
};

TEST_F(ShellRestartTest, TheIconComesBackInTheCurrentPictureWithItsTipTenTimesOver) {
  const std::vector<HWND> others = TrayIconWindows();
  StoreNotFirstRun();
  CreateAndShow();
  ASSERT_TRUE(PumpUntil([&] { return AddedTrayIcons(others, TrayIconWindows()).size() == 1; }))
      << "the program's icon is not in the notification area";

  THandleCensus settled;
  for (int round = 1; round <= 10; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    // The picture alternates: image 3 (a refused dial) in odd rounds, image 2 (connected) in even.
    const int state = round % 2 == 0 ? 2 : 3;
    ShowState(state);
    ShellLosesTheIcon();
    ASSERT_TRUE(PumpUntil([&] { return AddedTrayIcons(others, TrayIconWindows()).empty(); }));

    BroadcastTaskbarCreated();
    std::vector<HWND> ours;
    ASSERT_TRUE(PumpUntil([&] {
      ours = AddedTrayIcons(others, TrayIconWindows());
      return !ours.empty();
    })) << "the icon did not come back";
    PumpFor(100);
    ASSERT_EQ(AddedTrayIcons(others, TrayIconWindows()).size(), 1u);
    EXPECT_TRUE(TrayIcon().Enabled());
    const std::vector<COLORREF> expected =
        StateImageOn(DV_STATEIMAGES_FILE, state, Background(ours[0]));
    ASSERT_EQ(expected.size(), 256u);
    EXPECT_TRUE(PumpUntil([&] { return ShownPicture(ours[0]) == expected; }, 2000))
        << "the icon does not show state image " << state;
    if (round == 1 || round == 10) {
      EXPECT_EQ(TipShownFor(ours[0]), L"Dorv Internet Auto-Dialer v0.1");
    }

    if (round == 1) settled = THandleCensus::Take();
    EXPECT_EQ(THandleCensus::Take(), settled) << THandleCensus::Take().ToString();
  }
}

}  // namespace
