// The main window's prompt checks in this process: the resume delay on its own, a dropped link
// announced through the remote access service's event (a fake registration here), and a
// standard account's start-up, tick, autorun click and close without an error box.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/ResumeCheck.h"
#include "controls/check/DvCheckBox.h"
#include "controls/common/DvLabel.h"
#include "dialer/DorvRTL.h"
#include "dialer/RasApi.h"
#include "framework/win/forms/Application.h"
#include "tests/app/DialogWatcher.h"
#include "tests/app/MainFormFixture.h"

namespace {

// Turns the application's own loop, which also waits on registered handles, until pred holds.
// A thread timer ends each wait in time to look at the clock.
bool LoopUntil(const std::function<bool()>& pred, int timeoutMs = 3000) {
  const UINT_PTR wakeUp = SetTimer(nullptr, 0, 50, nullptr);
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
  while (!pred() && GetTickCount64() < deadline)
    Application().HandleMessage();
  KillTimer(nullptr, wakeUp);
  return pred();
}

TEST(ResumeCheckTest, OneCheckPerResumeAfterTheDelay) {
  int due = 0;
  TResumeCheck check([&] { ++due; }, nullptr, 200);
  check.PowerBroadcast(PBT_APMSUSPEND);
  check.PowerBroadcast(PBT_APMPOWERSTATUSCHANGE);
  EXPECT_FALSE(check.Pending());

  const ULONGLONG start = GetTickCount64();
  check.PowerBroadcast(PBT_APMRESUMEAUTOMATIC);
  EXPECT_TRUE(check.Pending());
  // The resume by a user follows; it finds the delay running.
  check.PowerBroadcast(PBT_APMRESUMESUSPEND);
  ASSERT_TRUE(LoopUntil([&] { return due > 0; }));
  EXPECT_GE(GetTickCount64() - start, 190u);
  LoopUntil([] { return false; }, 500);
  EXPECT_EQ(1, due);
  EXPECT_FALSE(check.Pending());

  // The next resume gets its own check.
  check.PowerBroadcast(PBT_APMRESUMESUSPEND);
  EXPECT_TRUE(LoopUntil([&] { return due == 2; }));
}

TEST(ResumeCheckTest, ItsOwnWindowHearsTheBroadcast) {
  int due = 0;
  TResumeCheck check([&] { ++due; }, nullptr, 50);
  // A hidden top-level window: broadcasts reach it while the main window sits in the tray.
  EXPECT_FALSE(IsWindowVisible(check.WindowHandle()));
  EXPECT_EQ(nullptr, GetParent(check.WindowHandle()));
  SendMessageW(check.WindowHandle(), WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
  EXPECT_TRUE(LoopUntil([&] { return due == 1; }));
}

// The remote access service as this process sees it: the registration is answered from here and
// its event is kept, so that the test can signal it as the service would.
class TRasFake {
 public:
  explicit TRasFake(DWORD answer) : answer_(answer), previous_(Active()) { Active() = this; }
  ~TRasFake() { Active() = previous_; }
  TRasFake(const TRasFake&) = delete;
  TRasFake& operator=(const TRasFake&) = delete;

  HANDLE event = nullptr;
  std::vector<std::string> calls;

 private:
  static TRasFake*& Active() {
    static TRasFake* active = nullptr;
    return active;
  }
  static DWORD WINAPI ConnectionNotification(HRASCONN connection, HANDLE registered, DWORD flags) {
    TRasFake& fake = *Active();
    fake.calls.push_back(std::string(connection == INVALID_HANDLE_VALUE ? "any" : "one") +
                         " connection, flags " + std::to_string(flags));
    if (fake.answer_ == ERROR_SUCCESS) fake.event = registered;
    return fake.answer_;
  }

  DWORD answer_;
  TRasFake* previous_;
  TRasApiScope scope_{TRasApi{&ConnectionNotification}};
};

class TriggerTest : public MainFormTest {
 protected:
  std::string StateText() const { return Get<TDvLabel>("StateLbl").Caption(); }
  size_t Dials() const {
    size_t dials = 0;
    for (const std::string& call : internet.Log())
      if (call.rfind("InternetAutodial(", 0) == 0) ++dials;
    return dials;
  }
};

TEST_F(TriggerTest, DroppedLinkIsCheckedAtOnceThroughTheLoopsWait) {
  TRasFake ras(ERROR_SUCCESS);
  StoreNotFirstRun();
  CreateAndShow();
  ASSERT_EQ(std::vector<std::string>{"any connection, flags 2"}, ras.calls);
  ASSERT_NE(nullptr, ras.event);
  ASSERT_EQ("Connected.", StateText());

  internet.SetScript("online=0\nonline_after_dial=1\n");
  SetEvent(ras.event);
  EXPECT_TRUE(LoopUntil([&] { return Dials() == 1; }));
  EXPECT_TRUE(LoopUntil([&] { return StateText() == "Connected."; }));
  LoopUntil([] { return false; }, 300);
  EXPECT_EQ(1u, Dials());
}

TEST_F(TriggerTest, RefusedRegistrationLeavesTheWindowWorkingWithoutAWord) {
  TRasFake ras(ERROR_CALL_NOT_IMPLEMENTED);
  StoreNotFirstRun();
  const TDialogWatcher watcher;
  CreateAndShow();
  EXPECT_EQ(1u, ras.calls.size());
  EXPECT_TRUE(watcher.Seen().empty());
  EXPECT_EQ("Connected.", StateText());
  form->Close();
  EXPECT_TRUE(watcher.Seen().empty());
}

TEST_F(TriggerTest, ResumeBroadcastToTheWindowArmsTheCheck) {
  StoreNotFirstRun();
  CreateAndShow();
  internet.SetScript("online=0\nonline_after_dial=1\n");
  SendMessageW(form->Handle(), WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);
  // Not at once: the modem and the network need their seconds.
  LoopUntil([] { return false; }, 1000);
  EXPECT_EQ(0u, Dials());
  EXPECT_TRUE(LoopUntil([&] { return Dials() == 1; }, TResumeCheck::kDelayMs + 2000));
}

// A standard account: Wine grants every right, so the registry calls refuse them here.
TEST_F(TriggerTest, StandardAccountRunsWithoutAnErrorBox) {
  registry.DenyWriteAccess(HKEY_LOCAL_MACHINE);
  const TDialogWatcher watcher;
  CreateAndShow();
  form->UpdateTimerTimer(form);
  Get<TDvCheckBox>("AutoStartupCheckBox").SetChecked(true);
  form->Close();
  PumpFor(50);
  // The first-run notice only.
  ASSERT_EQ(1u, watcher.Seen().size());
  EXPECT_EQ(static_cast<DWORD>(REG_DWORD), scratch.GetRaw("FirstRun", "UserSettings").type);
  EXPECT_TRUE(scratch.GetRawWide("Dorv Internet Auto-Dialer", "UserRun").exists);
  EXPECT_FALSE(scratch.KeyExists("Settings"));
  EXPECT_FALSE(scratch.GetRaw("Dorv Internet Auto-Dialer", "Run").exists);
}

TEST_F(TriggerTest, StandardAccountIsToldWhenTheEntryForAllUsersStays) {
  registry.DenyWriteAccess(HKEY_LOCAL_MACHINE);
  scratch.SetDword("FirstRun", 0, "UserSettings");
  scratch.SetText("Dorv Internet Auto-Dialer", DorvRTL::ProgramFileName(), "Run");
  const TDialogWatcher watcher;
  CreateAndShow();
  TDvCheckBox& box = Get<TDvCheckBox>("AutoStartupCheckBox");
  ASSERT_TRUE(box.Checked());
  box.SetChecked(false);
  PumpFor(50);
  EXPECT_TRUE(box.Checked());
  ASSERT_EQ(1u, watcher.Seen().size());
  const TSeenDialog& warning = watcher.Seen()[0];
  EXPECT_EQ(L"Dorv Internet Auto-Dialer", warning.caption);
  EXPECT_EQ(
      std::vector<std::wstring>{
          L"The autorun entry for all users can only be removed by an administrator."},
      warning.texts);
  EXPECT_EQ(form->Handle(), warning.owner);
  EXPECT_TRUE(scratch.GetRawWide("Dorv Internet Auto-Dialer", "Run").exists);
}

}  // namespace
