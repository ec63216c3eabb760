// The main window's behaviour in this process: its handlers driven through the real components,
// the state read from the label, the image square, the tray icon and the timer.
#include <algorithm>
#include <string>
#include <vector>

#include "controls/check/DvCheckBox.h"
#include "controls/common/DvLabel.h"
#include "controls/edit/DecimalSeparator.h"
#include "controls/edit/DvSpinEdit.h"
#include "controls/images/DvImageSquare.h"
#include "controls/tray/DvTrayIcon.h"
#include "framework/win/forms/Application.h"
#include "framework/win/menus/Menus.h"
#include "framework/win/platform/Timers.h"
#include "tests/app/DialogWatcher.h"
#include "tests/app/HebrewNotice.h"
#include "tests/app/MainFormFixture.h"

namespace {

class BehaviourTest : public MainFormTest {
 protected:
  TDvLabel& StateLbl() const { return Get<TDvLabel>("StateLbl"); }
  TDvImageSquare& StateImage() const { return Get<TDvImageSquare>("StateImage"); }
  TDvTrayIcon& TrayIcon() const { return Get<TDvTrayIcon>("TrayIcon"); }
  TTimer& UpdateTimer() const { return Get<TTimer>("UpdateTimer"); }
  TDvSpinEdit& Interval() const { return Get<TDvSpinEdit>("UpdateIntervalSpinEdit"); }
  TDvCheckBox& AutoDial() const { return Get<TDvCheckBox>("EnableAutoDialerCheckBox"); }

 public:
  // The state as the three displays show it: "tray/image caption".
  std::string Shown() const {
    return std::to_string(TrayIcon().IconIndex()) + "/" +
           std::to_string(StateImage().ImageIndex()) + " " + StateLbl().Caption();
  }

 protected:
  void ClickMenu(const char* name) { Get<TMenuItem>(name).Click(); }
};

TEST_F(BehaviourTest, BeforeTheFirstCheckNothingIsShown) {
  Create();
  EXPECT_EQ("0/-1 None", Shown());
  EXPECT_EQ("", TrayIcon().Hint());
}

TEST_F(BehaviourTest, FreshStartShowsTheHebrewNoticeOwnedByTheWindowThenChecks) {
  const TDialogWatcher watcher;
  CreateAndShow();
  ASSERT_EQ(1u, watcher.Seen().size());
  const TSeenDialog& notice = watcher.Seen()[0];
  EXPECT_EQ(kNoticeCaption, notice.caption);
  ASSERT_EQ(1u, notice.texts.size());
  EXPECT_EQ(kNoticeText, notice.texts[0]);
  EXPECT_EQ(form->Handle(), notice.owner);

  EXPECT_EQ("Dorv Internet Auto-Dialer v0.1", form->Caption());
  EXPECT_EQ(form->Caption(), TrayIcon().Hint());
  EXPECT_EQ("2/2 Connected.", Shown());
  EXPECT_TRUE(UpdateTimer().Running());
  EXPECT_EQ(180000u, UpdateTimer().Interval());
  EXPECT_EQ("3 Minutes", Interval().Hint());
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_EQ(&Interval(), form->ActiveControl());
}

TEST_F(BehaviourTest, StoredAutoDialOffKeepsTheTimerOffAndOnlyShowsTheState) {
  StoreNotFirstRun();
  StoreSetting("Enable", 0);
  internet.SetScript("online=0\n");
  CreateAndShow();
  EXPECT_FALSE(AutoDial().Checked());
  EXPECT_FALSE(UpdateTimer().Enabled());
  EXPECT_FALSE(UpdateTimer().Running());
  EXPECT_EQ("0/0 Not Connected.", Shown());
  EXPECT_EQ((std::vector<std::string>{"InternetGetConnectedState(flags=ptr, reserved=0) = 0"}),
            internet.Log());
}

TEST_F(BehaviourTest, StoredIntervalOfSixtySeconds) {
  const DecimalSeparatorOverride separator('.');
  StoreNotFirstRun();
  StoreSetting("UpdateInterval", 60);
  CreateAndShow();
  EXPECT_EQ(60, Interval().IntegerValue());
  EXPECT_EQ("60", Interval().Text());
  EXPECT_EQ(60000u, UpdateTimer().Interval());
  EXPECT_TRUE(UpdateTimer().Running());
  EXPECT_EQ("1 Minutes", Interval().Hint());
}

TEST_F(BehaviourTest, StoredPositionMovesTheWindow) {
  StoreNotFirstRun();
  StoreSetting("Left", 30);
  StoreSetting("Top", 40);
  CreateAndShow();
  RECT window{};
  GetWindowRect(form->Handle(), &window);
  EXPECT_EQ(30, window.left);
  EXPECT_EQ(40, window.top);
}

// What the displays show while the dial blocks, read from inside the scripted dial.
std::string shownDuringDial;
const TInternetApi* scriptedApi = nullptr;
const BehaviourTest* runningTest = nullptr;

BOOL WINAPI SpyingAutodial(DWORD flags, HWND parent) {
  shownDuringDial = runningTest->Shown();
  return scriptedApi->Autodial(flags, parent);
}

TEST_F(BehaviourTest, ConnectingShowsWhileTheDialBlocks) {
  StoreNotFirstRun();
  internet.SetScript("online=0\nonline_after_dial=1\n");
  TInternetApi api = InternetApi();
  scriptedApi = &api;
  runningTest = this;
  TInternetApi spying = api;
  spying.Autodial = &SpyingAutodial;
  const TInternetApiScope scope(spying);
  CreateAndShow();
  EXPECT_EQ("1/1 Connecting..", shownDuringDial);
  EXPECT_EQ("2/2 Connected.", Shown());
}

TEST_F(BehaviourTest, TimerTickChecksAndSavesTheSettings) {
  StoreNotFirstRun();
  StoreSetting("UpdateInterval", 1);
  CreateAndShow();
  internet.SetScript("online=0\ndial=0\n");
  registry.ClearCalls();
  const std::string key = "HKEY_LOCAL_MACHINE\\Software\\Dorv Internet Auto-Dialer\\";
  const auto settingsWrites = [&] {
    std::vector<std::string> writes;
    for (const std::string& write : registry.Writes())
      if (write.rfind(key, 0) == 0) writes.push_back(write);
    return writes;
  };
  ASSERT_TRUE(PumpUntil([&] { return settingsWrites().size() == 5; }, 3000));
  EXPECT_EQ("3/3 Error Connecting !", Shown());
  EXPECT_EQ((std::vector<std::string>{key + "FirstRun = REG_DWORD 0", key + "Enable = REG_DWORD 1",
                                      key + "UpdateInterval = REG_DWORD 1",
                                      key + "Left = REG_DWORD 478", key + "Top = REG_DWORD 441"}),
            settingsWrites());
  EXPECT_TRUE(UpdateTimer().Running());
}

TEST_F(BehaviourTest, ForceDisconnectBehindARouterThenTheTimerRunsWithAutoDialOff) {
  StoreNotFirstRun();
  StoreSetting("Enable", 0);
  CreateAndShow();
  ASSERT_FALSE(UpdateTimer().Enabled());
  ClickMenu("ForceDisconnect1");
  EXPECT_EQ("3/3 Error Disconnecting (Behind Router?) !", Shown());
  EXPECT_TRUE(UpdateTimer().Running());
}

TEST_F(BehaviourTest, ForceDisconnectThatGoesOffline) {
  StoreNotFirstRun();
  CreateAndShow();
  internet.SetScript("online_after_hangup=0\n");
  ClickMenu("ForceDisconnect1");
  EXPECT_EQ("0/0 Disconnected.", Shown());
}

TEST_F(BehaviourTest, ForceConnectWhileConnectedDialsAnyway) {
  StoreNotFirstRun();
  CreateAndShow();
  internet.ClearLog();
  ClickMenu("ForceConnect1");
  EXPECT_EQ("2/2 Connected.", Shown());
  const std::vector<std::string>& log = internet.Log();
  EXPECT_NE(log.end(),
            std::find(log.begin(), log.end(), "InternetAutodial(flags=3, parent=0) = 1"));
}

TEST_F(BehaviourTest, UncheckingAutoDialStopsTheTimer) {
  StoreNotFirstRun();
  CreateAndShow();
  ASSERT_TRUE(UpdateTimer().Running());
  AutoDial().SetChecked(false);
  EXPECT_FALSE(UpdateTimer().Enabled());
  AutoDial().SetChecked(true);
  EXPECT_TRUE(UpdateTimer().Running());
}

TEST_F(BehaviourTest, SteppingTheIntervalSetsThePeriodAndTheHint) {
  const DecimalSeparatorOverride separator('.');
  StoreNotFirstRun();
  StoreSetting("UpdateInterval", 89);
  CreateAndShow();
  Interval().StepUp(1);
  EXPECT_EQ(90000u, UpdateTimer().Interval());
  Interval().OnClick(&Interval());
  EXPECT_EQ("1.5 Minutes", Interval().Hint());
}

TEST_F(BehaviourTest, WrongTypeOfStoredValueIsShownAndTheWindowStillComes) {
  scratch.SetRaw("Enable", REG_SZ, Bytes(std::string("1", 2)), "Settings");
  const TDialogWatcher watcher;
  CreateAndShow();
  ASSERT_EQ(1u, watcher.Seen().size());
  EXPECT_EQ(L"Dorv Internet Auto-Dialer", watcher.Seen()[0].caption);
  ASSERT_EQ(1u, watcher.Seen()[0].texts.size());
  EXPECT_EQ(L"Invalid data type for 'Enable'", watcher.Seen()[0].texts[0]);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_FALSE(UpdateTimer().Enabled());
  EXPECT_EQ("0/-1 None", Shown());
  EXPECT_TRUE(internet.Log().empty());
}

TEST_F(BehaviourTest, ClosingSavesTheSettings) {
  StoreNotFirstRun();
  CreateAndShow();
  registry.ClearCalls();
  form->Close();
  EXPECT_EQ(5u, registry.Writes().size());
  EXPECT_EQ(0u, scratch.GetRaw("FirstRun", "Settings").data.at(0));
}

TEST_F(BehaviourTest, TabGoesSpinEditThenAutoDialThenAutoRun) {
  StoreNotFirstRun();
  CreateAndShow();
  auto& autoRun = Get<TDvCheckBox>("AutoStartupCheckBox");
  ASSERT_TRUE(PumpUntil([&] { return Interval().Focused(); }, 2000));
  const auto pressTab = [] {
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0x000F0001);
    PostMessageA(GetFocus(), WM_KEYUP, VK_TAB, 0xC00F0001);
    PumpFor(50);
  };
  pressTab();
  EXPECT_TRUE(AutoDial().Focused());
  pressTab();
  EXPECT_TRUE(autoRun.Focused());
  pressTab();
  EXPECT_TRUE(Interval().Focused());
}

}  // namespace
