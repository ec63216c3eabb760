// The settings of an account that may not write under HKEY_LOCAL_MACHINE: kept for the user
// across start-ups, seeded from the values for all users, and never an error.
#include <algorithm>
#include <cstring>
#include <functional>

#include <gtest/gtest.h>

#include "tests/app/ControllerFixture.h"

namespace {

class StandardUserTest : public ControllerTest {
 protected:
  StandardUserTest() { registry.DenyWriteAccess(HKEY_LOCAL_MACHINE); }

  // "key: name = value" for each setting stored in a scratch key, in table order.
  Lines Stored(const std::string& key) const {
    Lines lines;
    for (const char* name : {"FirstRun", "Enable", "UpdateInterval", "Left", "Top"}) {
      const auto value = scratch.GetRaw(name, key);
      int32_t number = 0;
      if (value.exists && value.data.size() == 4) std::memcpy(&number, value.data.data(), 4);
      lines.push_back(std::string(name) + (value.exists ? " = " + std::to_string(number) : " -"));
    }
    return lines;
  }
  // The start-up, a tick and the close of one run of the program, with a controller of its own.
  void Run(const std::function<void()>& whileRunning = [] {}) {
    TDialerController run(view);
    view.controller = &run;
    EXPECT_NO_THROW(run.FormShow());
    whileRunning();
    EXPECT_NO_THROW(run.UpdateTimerTimer());
    EXPECT_NO_THROW(run.FormClose());
    view.controller = &controller;
  }
};

TEST_F(StandardUserTest, SettingsAreKeptForTheUserAcrossTwoStartUps) {
  Run([&] {
    view.SetIntervalSeconds(60);
    view.SetAutoDialChecked(false);
  });
  EXPECT_EQ(1, view.noticeCount);
  EXPECT_EQ((Lines{"FirstRun = 0", "Enable = 0", "UpdateInterval = 60", "Left = 478", "Top = 441"}),
            Stored("UserSettings"));
  EXPECT_FALSE(scratch.KeyExists("Settings"));

  view.intervalSeconds = 180;
  view.autoDial = true;
  Run();
  EXPECT_EQ(1, view.noticeCount);
  EXPECT_EQ(60, view.intervalSeconds);
  EXPECT_FALSE(view.autoDial);
  EXPECT_FALSE(scratch.KeyExists("Settings"));
}

TEST_F(StandardUserTest, TickAndCloseWriteTheUsersKeyOnly) {
  StoreSetting("FirstRun", 0);
  Run();
  const Lines writes = registry.Writes();
  EXPECT_EQ(0, std::count_if(writes.begin(), writes.end(),
                             [](const std::string& write) { return write.find(kSettings) == 0; }));
  // One save per tick and one on closing, each of the five values.
  EXPECT_EQ(10, std::count_if(writes.begin(), writes.end(), [](const std::string& write) {
              return write.find(kUserSettings) == 0;
            }));
}

TEST_F(StandardUserTest, FirstStartBeginsWithTheValuesForAllUsersAndIsTheUsersFirstRun) {
  StoreNotFirstRun();
  StoreSetting("Enable", 0);
  StoreSetting("UpdateInterval", 60);
  Run();
  EXPECT_EQ(60, view.intervalSeconds);
  EXPECT_FALSE(view.autoDial);
  // The notice and the per-user autodial settings belong to each user's first run.
  EXPECT_EQ(1, view.noticeCount);
  EXPECT_EQ((Lines{"FirstRun = 0", "Enable = 0", "UpdateInterval = 60", "Left = 478", "Top = 441"}),
            Stored("UserSettings"));
  EXPECT_EQ((Lines{"FirstRun = 0", "Enable = 0", "UpdateInterval = 60", "Left -", "Top -"}),
            Stored("Settings"));

  Run();
  EXPECT_EQ(1, view.noticeCount);
}

TEST_F(StandardUserTest, TheUsersOwnValuesWinOverTheValuesForAllUsers) {
  StoreSetting("UpdateInterval", 60);
  scratch.SetDword("FirstRun", 0, "UserSettings");
  scratch.SetDword("UpdateInterval", 90, "UserSettings");
  Run();
  EXPECT_EQ(90, view.intervalSeconds);
  EXPECT_EQ(0, view.noticeCount);
}

TEST_F(StandardUserTest, ChecksAndDialsAsUsual) {
  StoreNotFirstRun();
  internet.SetScript("online=0\nonline_after_dial=1\n");
  Run();
  EXPECT_EQ(2, view.trayIndex);
  EXPECT_EQ("Connected.", view.stateCaption);
}

using AdministratorTest = ControllerTest;

TEST_F(AdministratorTest, SettingsStayForAllUsersAndTheUsersKeyIsNeverTouched) {
  scratch.SetDword("UpdateInterval", 90, "UserSettings");
  StoreNotFirstRun();
  StoreSetting("UpdateInterval", 60);
  controller.FormShow();
  controller.UpdateTimerTimer();
  controller.FormClose();
  EXPECT_EQ(60, view.intervalSeconds);
  const Lines writes = registry.Writes();
  EXPECT_EQ(10, std::count_if(writes.begin(), writes.end(),
                              [](const std::string& write) { return write.find(kSettings) == 0; }));
  for (const TRegistryCall& call : registry.Calls())
    EXPECT_NE(0u, (call.key + '\\' + call.name + '\\').find(kUserSettings)) << call.name;
}

}  // namespace
