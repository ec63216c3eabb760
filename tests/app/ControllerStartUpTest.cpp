// The controller's start-up: caption, settings, first-run work, timer, autorun box, first check.
#include <gtest/gtest.h>

#include "framework/core/SysUtils.h"
#include "tests/app/ControllerFixture.h"

namespace {

using StartUpTest = ControllerTest;

TEST_F(StartUpTest, FreshMachineWritesAutodialShowsNoticeArmsTimerAndChecks) {
  controller.FormShow();
  EXPECT_EQ(
      Join({{"caption Dorv Internet Auto-Dialer v0.1", "tray hint Dorv Internet Auto-Dialer v0.1"},
            AutodialWrites(),
            SettingsChangedCalls(),
            {"notice", "timer on", "autorun off", "interval 180", "hint 3 Minutes"},
            // CheckAndDial asks, then showing the state asks again.
            {kOnline, kOnline},
            State(2, "Connected.")}),
      view.Journal());
  EXPECT_EQ(1, view.noticeCount);
  EXPECT_TRUE(view.timerEnabled);
  EXPECT_EQ(180000u, view.timerInterval);
  // The settings key is made at start-up but nothing is stored in it before the first save.
  EXPECT_TRUE(scratch.KeyExists("Settings"));
  EXPECT_FALSE(scratch.GetRaw("FirstRun", "Settings").exists);
}

TEST_F(StartUpTest, NoticeComesAtEveryStartUntilAFirstSave) {
  controller.FormShow();
  controller.FormShow();
  EXPECT_EQ(2, view.noticeCount);
  controller.FormClose();
  controller.FormShow();
  EXPECT_EQ(2, view.noticeCount);
}

TEST_F(StartUpTest, StoredFirstRunOneStillShowsTheNotice) {
  StoreSetting("FirstRun", 1);
  controller.FormShow();
  EXPECT_EQ(1, view.noticeCount);
}

TEST_F(StartUpTest, StoredValuesAreAppliedInTableOrderThroughTheControls) {
  StoreNotFirstRun();
  StoreSetting("Enable", 0);
  StoreSetting("UpdateInterval", 60);
  StoreSetting("Left", static_cast<uint32_t>(-5));
  StoreSetting("Top", 30);
  internet.SetScript("online=0\n");
  controller.FormShow();
  // Unchecking runs the box's handler (timer off), the new interval runs the change handler.
  EXPECT_EQ(
      Join({{"caption Dorv Internet Auto-Dialer v0.1", "tray hint Dorv Internet Auto-Dialer v0.1",
             "auto-dial off", "timer off", "interval 60", "period 60000", "left -5", "top 30",
             "timer off", "autorun off", "interval 60", "hint 1 Minutes", kOffline},
            State(0, "Not Connected.")}),
      view.Journal());
  EXPECT_EQ(0, view.noticeCount);
  EXPECT_FALSE(view.timerEnabled);
}

TEST_F(StartUpTest, StoredIntervalSetsTimerPeriodAndHint) {
  StoreNotFirstRun();
  StoreSetting("UpdateInterval", 60);
  controller.FormShow();
  EXPECT_EQ(60, view.intervalSeconds);
  EXPECT_EQ(60000u, view.timerInterval);
  EXPECT_EQ("1 Minutes", view.intervalHint);
  EXPECT_TRUE(view.timerEnabled);
}

TEST_F(StartUpTest, OfflineWithAutoDialDialsAtOnce) {
  StoreNotFirstRun();
  internet.SetScript("online=0\nonline_after_dial=1\n");
  controller.FormShow();
  const Lines expected = Join({{"hint 3 Minutes", kOffline},
                               AutodialWrites(),
                               SettingsChangedCalls(),
                               State(1, "Connecting.."),
                               {"InternetAutodial(flags=3, parent=0) = 1", kOnline},
                               State(2, "Connected.")});
  EXPECT_EQ(expected, Tail(view.Journal(), expected.size()));
}

// Refused for another reason than the account's rights (those make the user's key the store).
TEST_F(StartUpTest, SettingsKeyThatCannotBeOpenedKeepsDefaultsSilently) {
  registry.Fail(TRegistryOp::CreateKey, "Software\\Dorv Internet Auto-Dialer", ERROR_BADDB);
  StoreNotFirstRun();
  StoreSetting("Enable", 0);
  controller.FormShow();
  EXPECT_TRUE(view.autoDial);
  EXPECT_EQ(1, view.noticeCount);
  EXPECT_TRUE(view.timerEnabled);
  controller.FormClose();
  for (const std::string& write : registry.Writes())
    EXPECT_EQ(std::string::npos, write.find(kSettings)) << write;
}

TEST_F(StartUpTest, WrongTypeOfStoredValueEndsStartUpWithTheAccessorsMessage) {
  scratch.SetRaw("Enable", REG_SZ, Bytes(std::string("1", 2)), "Settings");
  try {
    controller.FormShow();
    FAIL() << "no error";
  } catch (const ERegistryException& error) {
    EXPECT_EQ("Invalid data type for 'Enable'", error.Message());
  }
  // No first-run work, no timer, no autorun check, no connection check.
  EXPECT_EQ(
      (Lines{"caption Dorv Internet Auto-Dialer v0.1", "tray hint Dorv Internet Auto-Dialer v0.1"}),
      view.Journal());
  EXPECT_EQ(0, view.noticeCount);
  EXPECT_FALSE(view.timerEnabled);
}

TEST_F(StartUpTest, OversizedIntegerIsReportedAsUnreadable) {
  StoreNotFirstRun();
  scratch.SetRaw("UpdateInterval", REG_BINARY, {1, 2, 3, 4, 5, 6, 7, 8}, "Settings");
  try {
    controller.FormShow();
    FAIL() << "no error";
  } catch (const ERegistryException& error) {
    EXPECT_EQ("Failed to get data for 'UpdateInterval'", error.Message());
  }
}

}  // namespace
