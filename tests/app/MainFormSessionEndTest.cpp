// The session's end reaches the main window or the tray icon's window first: either way the
// program ends as closing its window would, before the message returns (the system may stop the
// process right after it): the settings are saved, the icon leaves, the menu animation setting is
// written back, and the loop is told to end.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "controls/check/DvCheckBox.h"
#include "controls/edit/DvSpinEdit.h"
#include "controls/menu/MenuAnimation.h"
#include "controls/tray/DvTrayIcon.h"
#include "framework/win/forms/Application.h"
#include "tests/app/MainFormFixture.h"

namespace {

bool MenuAnimationOn() {
  BOOL on = FALSE;
  SystemParametersInfoA(SPI_GETMENUANIMATION, 0, &on, 0);
  return on != FALSE;
}

void SetMenuAnimation(bool on) {
  SystemParametersInfoA(SPI_SETMENUANIMATION, 0, reinterpret_cast<void*>(static_cast<UINT_PTR>(on)),
                        SPIF_SENDCHANGE);
}

// The loop is told to end: a quit message waits, or (when an earlier test of this process left
// the application object ended) the application is in its ended state.
bool LoopToldToEnd() {
  MSG quit{};
  return PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE ||
         Application().Terminated();
}

class SessionEndTest : public MainFormTest {
 protected:
  SessionEndTest() {
    // The user had menu animation on when the program started; it is off while the program runs.
    RestoreMenuAnimation();
    SetMenuAnimation(true);
    SwitchOffMenuAnimation();
  }
  ~SessionEndTest() override {
    // Back to the prefix's own setting, switched off again as the test process's units left it.
    RestoreMenuAnimation();
    SetMenuAnimation(false);
    SwitchOffMenuAnimation();
  }

  TDvTrayIcon& TrayIcon() const { return Get<TDvTrayIcon>("TrayIcon"); }

  // Auto-dial switched off and the interval changed: nothing saves either until a tick or a close.
  void ChangeSettings() {
    StoreNotFirstRun();
    CreateAndShow();
    ASSERT_TRUE(TrayIcon().Enabled());
    ASSERT_FALSE(MenuAnimationOn());
    Get<TDvCheckBox>("EnableAutoDialerCheckBox").SetChecked(false);
    Get<TDvSpinEdit>("UpdateIntervalSpinEdit").SetIntegerValue(77);
    ASSERT_FALSE(Stored("Enable").has_value());
  }

  std::optional<uint32_t> Stored(const std::string& name) const {
    const TRegistryScratch::TRawValue value = scratch.GetRaw(name, "Settings");
    if (!value.exists || value.type != REG_DWORD || value.data.size() != 4) return std::nullopt;
    return value.data[0] | value.data[1] << 8 | value.data[2] << 16 |
           static_cast<uint32_t>(value.data[3]) << 24;
  }

  // The system asks every top-level window first, then tells each that the session ends.
  void EndSession(const std::vector<HWND>& windows, WPARAM ends) const {
    for (HWND window : windows)
      EXPECT_EQ(SendMessageA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), 1);
    for (HWND window : windows)
      SendMessageA(window, WM_ENDSESSION, ends, ENDSESSION_LOGOFF);
  }

  void ExpectEndedAsByClosing() const {
    EXPECT_EQ(Stored("FirstRun"), 0u);
    EXPECT_EQ(Stored("Enable"), 0u);
    EXPECT_EQ(Stored("UpdateInterval"), 77u);
    EXPECT_EQ(Stored("Left"), 478u);
    EXPECT_EQ(Stored("Top"), 441u);
    EXPECT_FALSE(TrayIcon().Enabled());
    EXPECT_TRUE(MenuAnimationOn());
    EXPECT_TRUE(LoopToldToEnd());
  }
};

TEST_F(SessionEndTest, AtTheMainWindowFirstTheProgramEndsAsClosingWould) {
  ChangeSettings();
  EndSession({form->Handle(), TrayIcon().NotifyWindow()}, TRUE);
  ExpectEndedAsByClosing();
}

TEST_F(SessionEndTest, AtTheTrayIconsWindowFirstTheProgramEndsAsClosingWould) {
  ChangeSettings();
  EndSession({TrayIcon().NotifyWindow(), form->Handle()}, TRUE);
  ExpectEndedAsByClosing();
}

TEST_F(SessionEndTest, TheSecondWindowToHearOfItChangesNothing) {
  ChangeSettings();
  SendMessageA(TrayIcon().NotifyWindow(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  ASSERT_EQ(Stored("UpdateInterval"), 77u);
  scratch.SetDword("UpdateInterval", 5, "Settings");
  SendMessageA(form->Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  EXPECT_EQ(Stored("UpdateInterval"), 5u);
}

TEST_F(SessionEndTest, ASessionThatGoesOnChangesNothing) {
  ChangeSettings();
  EndSession({form->Handle(), TrayIcon().NotifyWindow()}, FALSE);
  EXPECT_FALSE(Stored("Enable").has_value());
  EXPECT_TRUE(TrayIcon().Enabled());
  EXPECT_FALSE(MenuAnimationOn());
  MSG quit{};
  EXPECT_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

}  // namespace
