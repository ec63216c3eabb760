// The controller's connection work: the timer tick, the dial and hang-up sequences and the two
// forced menu commands, against scripted Internet answers.
#include <stdexcept>

#include <gtest/gtest.h>

#include "framework/core/SysUtils.h"
#include "tests/app/ControllerFixture.h"

namespace {

class ConnectionTest : public ControllerTest {
 protected:
  Lines Run(void (TDialerController::*handler)()) {
    view.ClearJournal();
    (controller.*handler)();
    return view.Journal();
  }
};

TEST_F(ConnectionTest, TickWhileOnlineShowsConnectedThenSavesInTableOrder) {
  EXPECT_EQ(Join({{kOnline, kOnline}, State(2, "Connected."), SavedSettings(1, 180)}),
            Run(&TDialerController::UpdateTimerTimer));
}

TEST_F(ConnectionTest, TickOfflineDialThatConnects) {
  internet.SetScript("online=0\nonline_after_dial=1\n");
  EXPECT_EQ(
      Join({{kOffline}, DialStart("1"), {kOnline}, State(2, "Connected."), SavedSettings(1, 180)}),
      Run(&TDialerController::UpdateTimerTimer));
}

TEST_F(ConnectionTest, TickOfflineDialAcceptedButStillOffline) {
  internet.SetScript("online=0\ndial=1\nonline_after_dial=0\n");
  EXPECT_EQ(Join({{kOffline},
                  DialStart("1"),
                  {kOffline},
                  State(0, "Not Connected."),
                  SavedSettings(1, 180)}),
            Run(&TDialerController::UpdateTimerTimer));
}

TEST_F(ConnectionTest, TickOfflineDialRefusedShowsErrorWithoutAskingAgain) {
  internet.SetScript("online=0\ndial=0\n");
  EXPECT_EQ(
      Join({{kOffline}, DialStart("0"), State(3, "Error Connecting !"), SavedSettings(1, 180)}),
      Run(&TDialerController::UpdateTimerTimer));
}

TEST_F(ConnectionTest, TickWithAutoDialOffOnlyShowsTheStateAndSaves) {
  view.autoDial = false;
  view.intervalSeconds = 2;
  view.left = -20;
  view.top = 7;
  internet.SetScript("online=0\n");
  EXPECT_EQ(Join({{kOffline}, State(0, "Not Connected."), SavedSettings(0, 2, -20, 7)}),
            Run(&TDialerController::UpdateTimerTimer));
}

TEST_F(ConnectionTest, SettingsChangedSessionIsClosedWhenTheOptionFails) {
  internet.SetScript("setoption=0\n");
  const Lines journal = Run(&TDialerController::ForceConnect1Click);
  ASSERT_GE(journal.size(), 5u);
  EXPECT_EQ("InternetSetOptionA(handle=0xD0001, option=39, buffer=null, length=0) = 0", journal[3]);
  EXPECT_EQ("InternetCloseHandle(handle=0xD0001) = 1", journal[4]);
  EXPECT_EQ("Connected.", view.stateCaption);
}

TEST_F(ConnectionTest, NoSessionMeansNoOptionAndNoClose) {
  internet.SetScript("open=0\n");
  const Lines journal = Run(&TDialerController::ForceConnect1Click);
  ASSERT_GE(journal.size(), 4u);
  EXPECT_EQ(
      "InternetOpenA(agent=\"Dorv Internet Auto-Dialer\", access=1, proxy=null, bypass=null, "
      "flags=0x01000000) = null",
      journal[2]);
  EXPECT_EQ("tray 1", journal[3]);
}

TEST_F(ConnectionTest, ForceConnectDialsEvenWhenConnectedAndAutoDialIsOff) {
  view.autoDial = false;
  EXPECT_EQ(Join({DialStart("1"), {kOnline}, State(2, "Connected.")}),
            Run(&TDialerController::ForceConnect1Click));
  EXPECT_FALSE(view.timerEnabled);
}

TEST_F(ConnectionTest, ForceDisconnectThatGoesOffline) {
  internet.SetScript("hangup=1\nonline_after_hangup=0\n");
  EXPECT_EQ(Join({{"timer off"},
                  State(1, "Disconnecting.."),
                  {"InternetAutodialHangup(reserved=0) = 1", kOffline},
                  State(0, "Disconnected."),
                  {"timer on"}}),
            Run(&TDialerController::ForceDisconnect1Click));
}

TEST_F(ConnectionTest, ForceDisconnectBehindRouterShowsError) {
  EXPECT_EQ(Join({{"timer off"},
                  State(1, "Disconnecting.."),
                  {"InternetAutodialHangup(reserved=0) = 1", kOnline},
                  State(3, "Error Disconnecting (Behind Router?) !"),
                  {"timer on"}}),
            Run(&TDialerController::ForceDisconnect1Click));
}

TEST_F(ConnectionTest, RefusedHangUpShowsErrorWithoutQueryingTheState) {
  internet.SetScript("hangup=0\n");
  EXPECT_EQ(Join({{"timer off"},
                  State(1, "Disconnecting.."),
                  {"InternetAutodialHangup(reserved=0) = 0"},
                  State(3, "Error Disconnecting (Behind Router?) !"),
                  {"timer on"}}),
            Run(&TDialerController::ForceDisconnect1Click));
}

TEST_F(ConnectionTest, ForceDisconnectSwitchesTheTimerOnEvenWhenAutoDialIsOff) {
  view.autoDial = false;
  controller.ForceDisconnect1Click();
  EXPECT_TRUE(view.timerEnabled);
}

TEST_F(ConnectionTest, ForceDisconnectSwitchesTheTimerOnAgainWhenTheHangUpFails) {
  view.failOnCaption = "Disconnecting..";
  EXPECT_THROW(controller.ForceDisconnect1Click(), std::runtime_error);
  EXPECT_EQ(Join({{"timer off"}, State(1, "Disconnecting.."), {"timer on"}}), view.Journal());
  EXPECT_TRUE(view.timerEnabled);
}

TEST_F(ConnectionTest, EnableBoxOnlySwitchesTheTimer) {
  view.autoDial = false;
  EXPECT_EQ((Lines{"timer off"}), Run(&TDialerController::EnableCheckBoxClick));
  view.autoDial = true;
  EXPECT_EQ((Lines{"timer on"}), Run(&TDialerController::EnableCheckBoxClick));
}

TEST_F(ConnectionTest, ShowMenuItemRestoresTheApplication) {
  EXPECT_EQ((Lines{"restore"}), Run(&TDialerController::Show1Click));
}

TEST_F(ConnectionTest, CloseSavesTheCurrentValues) {
  view.intervalSeconds = 90;
  view.left = 100;
  view.top = 200;
  EXPECT_EQ(SavedSettings(1, 90, 100, 200), Run(&TDialerController::FormClose));
}

TEST_F(ConnectionTest, AFailedWriteIsReportedWithItsName) {
  registry.Fail(TRegistryOp::SetValue, "UpdateInterval");
  try {
    controller.FormClose();
    FAIL() << "no error";
  } catch (const ERegistryException& error) {
    EXPECT_EQ("Failed to set data for 'UpdateInterval'", error.Message());
  }
  EXPECT_EQ(0, registry.OpenKeyCount());
}

}  // namespace
