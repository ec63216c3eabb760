// The real program's prompt checks beside its poll timer, against the wininet.dll and rasapi32.dll
// doubles: one check a few seconds after a resume from sleep, one when a dial-up link drops.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/app/ProgramFixture.h"

namespace {

using Lines = std::vector<std::string>;

const char kOnline[] = "InternetGetConnectedState(flags=ptr, reserved=0) = 1";
const char kOffline[] = "InternetGetConnectedState(flags=ptr, reserved=0) = 0";
// A check that finds the machine offline and dials it online.
const Lines kRedial = {
    kOffline,
    "InternetOpenA(agent=\"Dorv Internet Auto-Dialer\", access=1, proxy=null, bypass=null, "
    "flags=0x01000000) = 0xD0001",
    "InternetSetOptionA(handle=0xD0001, option=39, buffer=null, length=0) = 1",
    "InternetCloseHandle(handle=0xD0001) = 1",
    "InternetAutodial(flags=3, parent=0) = 1",
    kOnline};
// The program waits this long after a resume before it checks.
constexpr int kResumeDelayMs = 5000;

class ProgramRedialTest : public ProgramTest {
 protected:
  void SetUp() override { registry.SetSetting("FirstRun", 0); }

  // Starts online, so that the start-up check dials nothing, then takes the link away.
  void StartOnlineThenDropTheLink(DWORD rasAnswer = 0) {
    StartWithDouble("online=1\n", rasAnswer);
    ASSERT_NE(nullptr, MainWindow());
    ASSERT_TRUE(WaitUntil([&] { return WininetLog().size() == 2; }));
    Script("online=0\nonline_after_dial=1\n");
  }
  // The calls after the start-up's two, once there are count of them (or the time is up).
  Lines CallsAfterStartUp(size_t count, int timeoutMs = 3000) const {
    WaitUntil([&] { return WininetLog().size() >= 2 + count; }, timeoutMs);
    const Lines log = WininetLog();
    return Lines(log.begin() + std::min<size_t>(2, log.size()), log.end());
  }
  void PostResume(HWND target) const {
    PostMessageW(target, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    PostMessageW(target, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);
  }
};

TEST_F(ProgramRedialTest, ResumeWithAutoDialOnDialsOnceAfterTheDelay) {
  StartOnlineThenDropTheLink();
  PostResume(MainWindow());
  Sleep(kResumeDelayMs - 1500);
  EXPECT_EQ(Lines{}, CallsAfterStartUp(0, 0)) << "checked before the network could be back";
  EXPECT_EQ(kRedial, CallsAfterStartUp(kRedial.size(), 5000));
  EXPECT_TRUE(ShowsStateImage(2));
  // Both resume messages led to the one check.
  Sleep(1500);
  EXPECT_EQ(kRedial, CallsAfterStartUp(0, 0));
}

TEST_F(ProgramRedialTest, ResumeWithAutoDialOffChecksNothing) {
  registry.SetSetting("Enable", 0);
  StartWithDouble("online=0\n");
  ASSERT_NE(nullptr, MainWindow());
  ASSERT_TRUE(WaitUntil([&] { return WininetLog().size() == 1; }));
  PostResume(MainWindow());
  Sleep(kResumeDelayMs + 1500);
  EXPECT_EQ(Lines{kOffline}, WininetLog());
}

TEST_F(ProgramRedialTest, ResumeBroadcastReachesTheProgramInTheTray) {
  StartOnlineThenDropTheLink();
  SendMessageW(MainWindow(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(MainWindow()); }));
  PostResume(HWND_BROADCAST);
  EXPECT_EQ(kRedial, CallsAfterStartUp(kRedial.size(), kResumeDelayMs + 5000));
  Sleep(1000);
  EXPECT_EQ(kRedial, CallsAfterStartUp(0, 0));
}

TEST_F(ProgramRedialTest, DroppedLinkIsRedialledAtOnce) {
  StartOnlineThenDropTheLink();
  EXPECT_EQ((Lines{"RasConnectionNotificationW(connection=any, event=ptr, flags=2) = 0"}),
            RasLog());
  SignalLinkDrop();
  EXPECT_EQ(kRedial, CallsAfterStartUp(kRedial.size(), 2000));
  EXPECT_TRUE(ShowsStateImage(2));
  Sleep(500);
  EXPECT_EQ(kRedial, CallsAfterStartUp(0, 0));

  // The next drop is answered as well (a script of another text starts the answers again).
  Script("# the second drop\nonline=0\nonline_after_dial=1\n");
  SignalLinkDrop();
  EXPECT_EQ(2 * kRedial.size(), CallsAfterStartUp(2 * kRedial.size(), 2000).size());
}

TEST_F(ProgramRedialTest, RefusedRegistrationLeavesTheProgramRunningWithoutAWord) {
  // 632: ERROR_INVALID_SIZE, one of the remote access service's refusals.
  StartOnlineThenDropTheLink(632);
  EXPECT_EQ((Lines{"RasConnectionNotificationW(connection=any, event=ptr, flags=2) = 632"}),
            RasLog());
  SignalLinkDrop();
  Sleep(500);
  EXPECT_EQ(Lines{}, CallsAfterStartUp(0, 0));
  EXPECT_FALSE(ShowsDialog());
  EXPECT_TRUE(program->Running());
  // The poll timer and the menu still work.
  ChooseTrayItem(2);
  EXPECT_EQ(5u, CallsAfterStartUp(5).size());
  Close();
}

}  // namespace
