// The real program against the wininet.dll double: offline start-ups that dial, the forced
// commands, and the calls the Internet layer receives.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/app/ProgramFixture.h"

namespace {

using Lines = std::vector<std::string>;

const char kOnline[] = "InternetGetConnectedState(flags=ptr, reserved=0) = 1";
const char kOffline[] = "InternetGetConnectedState(flags=ptr, reserved=0) = 0";
const Lines kSettingsChanged = {
    "InternetOpenA(agent=\"Dorv Internet Auto-Dialer\", access=1, proxy=null, bypass=null, "
    "flags=0x01000000) = 0xD0001",
    "InternetSetOptionA(handle=0xD0001, option=39, buffer=null, length=0) = 1",
    "InternetCloseHandle(handle=0xD0001) = 1"};

Lines Join(std::initializer_list<Lines> groups) {
  Lines all;
  for (const Lines& group : groups)
    all.insert(all.end(), group.begin(), group.end());
  return all;
}

class ProgramOfflineTest : public ProgramTest {
 protected:
  void SetUp() override { registry.SetSetting("FirstRun", 0); }

  void StartOffline(const std::string& script) {
    StartWithDouble(script);
    ASSERT_NE(nullptr, MainWindow());
  }
  // Waits until the double has answered count calls.
  Lines LogOf(size_t count) const {
    WaitUntil([&] { return WininetLog().size() >= count; }, 5000);
    return WininetLog();
  }
};

TEST_F(ProgramOfflineTest, OfflineStartDialsUnattendedAndConnects) {
  StartOffline("online=0\nonline_after_dial=1\n");
  EXPECT_EQ(
      Join({{kOffline}, kSettingsChanged, {"InternetAutodial(flags=3, parent=0) = 1", kOnline}}),
      LogOf(6));
  EXPECT_TRUE(ShowsStateImage(2));
  // The per-user settings were written for the dial (no first run here).
  EXPECT_EQ(DwordBytes(1), registry.InternetSetting("EnableAutodial").data);
  EXPECT_EQ(DwordBytes(0), registry.InternetSetting("NoNetAutodial").data);
}

TEST_F(ProgramOfflineTest, DialAcceptedButStillOfflineShowsNotConnected) {
  StartOffline("online=0\ndial=1\nonline_after_dial=0\n");
  EXPECT_EQ(
      Join({{kOffline}, kSettingsChanged, {"InternetAutodial(flags=3, parent=0) = 1", kOffline}}),
      LogOf(6));
  EXPECT_TRUE(ShowsStateImage(0));
}

TEST_F(ProgramOfflineTest, RefusedDialShowsTheErrorWithoutAskingAgain) {
  StartOffline("online=0\ndial=0\n");
  EXPECT_EQ(Join({{kOffline}, kSettingsChanged, {"InternetAutodial(flags=3, parent=0) = 0"}}),
            LogOf(5));
  EXPECT_TRUE(ShowsStateImage(3));
  Sleep(200);
  EXPECT_EQ(5u, WininetLog().size());
}

TEST_F(ProgramOfflineTest, SessionIsClosedAlsoWhenTheSettingsOptionFails) {
  StartOffline("online=0\nsetoption=0\nonline_after_dial=1\n");
  const Lines log = LogOf(6);
  ASSERT_EQ(6u, log.size());
  EXPECT_EQ("InternetSetOptionA(handle=0xD0001, option=39, buffer=null, length=0) = 0", log[2]);
  EXPECT_EQ("InternetCloseHandle(handle=0xD0001) = 1", log[3]);
  EXPECT_EQ("InternetAutodial(flags=3, parent=0) = 1", log[4]);
}

TEST_F(ProgramOfflineTest, AutoDialOffOnlyShowsTheStateAtStart) {
  registry.SetSetting("Enable", 0);
  StartOffline("online=0\n");
  EXPECT_EQ((Lines{kOffline}), LogOf(1));
  EXPECT_TRUE(ShowsStateImage(0));
  Sleep(300);
  EXPECT_EQ((Lines{kOffline}), WininetLog());
}

TEST_F(ProgramOfflineTest, ForceConnectWhileConnectedDialsAnyway) {
  StartOffline("online=1\n");
  ASSERT_EQ((Lines{kOnline, kOnline}), LogOf(2));
  registry.DeleteInternetSettings();
  ChooseTrayItem(2);
  EXPECT_EQ(Join({{kOnline, kOnline},
                  kSettingsChanged,
                  {"InternetAutodial(flags=3, parent=0) = 1", kOnline}}),
            LogOf(7));
  EXPECT_TRUE(ShowsStateImage(2));
  // Written again before this dial.
  EXPECT_EQ(DwordBytes(1), registry.InternetSetting("EnableAutodial").data);
}

TEST_F(ProgramOfflineTest, HangUpThatGoesOfflineShowsDisconnected) {
  StartOffline("online=1\nonline_after_hangup=0\n");
  ASSERT_EQ(2u, LogOf(2).size());
  ChooseTrayItem(3);
  EXPECT_EQ((Lines{kOnline, kOnline, "InternetAutodialHangup(reserved=0) = 1", kOffline}),
            LogOf(4));
  EXPECT_TRUE(ShowsStateImage(0));
}

TEST_F(ProgramOfflineTest, RefusedHangUpShowsTheErrorWithoutAskingTheState) {
  StartOffline("online=1\nhangup=0\n");
  ASSERT_EQ(2u, LogOf(2).size());
  ChooseTrayItem(3);
  EXPECT_EQ((Lines{kOnline, kOnline, "InternetAutodialHangup(reserved=0) = 0"}), LogOf(3));
  EXPECT_TRUE(ShowsStateImage(3));
  Sleep(200);
  EXPECT_EQ(3u, WininetLog().size());
}

}  // namespace
