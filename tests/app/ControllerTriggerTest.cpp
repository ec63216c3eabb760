// The two prompt checks beside the poll timer: after a resume from sleep and when a dial-up link
// drops. Each does a tick's work, never while a dial is in progress.
#include <gtest/gtest.h>

#include "tests/app/ControllerFixture.h"

namespace {

class TriggerTest : public ControllerTest {
 protected:
  Lines Run(void (TDialerController::*handler)()) {
    view.ClearJournal();
    (controller.*handler)();
    return view.Journal();
  }
  // A first check that finds the link up.
  void ShowConnected() {
    internet.SetScript("online=1\n");
    controller.UpdateTimerTimer();
  }
};

TEST_F(TriggerTest, ResumeDoesTheTicksWork) {
  internet.SetScript("online=0\nonline_after_dial=1\n");
  EXPECT_EQ(
      Join({{kOffline}, DialStart("1"), {kOnline}, State(2, "Connected."), SavedSettings(1, 180)}),
      Run(&TDialerController::ResumeCheck));
}

TEST_F(TriggerTest, ResumeWithAutoDialOffDoesNothing) {
  view.autoDial = false;
  internet.SetScript("online=0\n");
  EXPECT_EQ(Lines{}, Run(&TDialerController::ResumeCheck));
}

TEST_F(TriggerTest, DroppedLinkThatWasUpIsRedialledAtOnce) {
  ShowConnected();
  internet.SetScript("online=0\nonline_after_dial=1\n");
  EXPECT_EQ(
      Join({{kOffline}, DialStart("1"), {kOnline}, State(2, "Connected."), SavedSettings(1, 180)}),
      Run(&TDialerController::LinkDropped));
}

TEST_F(TriggerTest, DroppedLinkWithAutoDialOffDoesNothing) {
  ShowConnected();
  view.autoDial = false;
  EXPECT_EQ(Lines{}, Run(&TDialerController::LinkDropped));
}

TEST_F(TriggerTest, LinksEndedOtherwiseWaitForThePollTimer) {
  // Before the first check.
  EXPECT_EQ(Lines{}, Run(&TDialerController::LinkDropped));

  // Our own hang-up: the forced disconnect stays in force.
  ShowConnected();
  internet.SetScript("online=1\nonline_after_hangup=0\n");
  controller.ForceDisconnect1Click();
  ASSERT_EQ("Disconnected.", view.stateCaption);
  EXPECT_EQ(Lines{}, Run(&TDialerController::LinkDropped));

  // A dial that failed: a busy line is not redialled over and over.
  internet.SetScript("online=0\ndial=0\n");
  controller.UpdateTimerTimer();
  ASSERT_EQ("Error Connecting !", view.stateCaption);
  EXPECT_EQ(Lines{}, Run(&TDialerController::LinkDropped));

  // A dial accepted that did not connect.
  internet.SetScript("online=0\ndial=1\nonline_after_dial=0\n");
  controller.UpdateTimerTimer();
  ASSERT_EQ("Not Connected.", view.stateCaption);
  EXPECT_EQ(Lines{}, Run(&TDialerController::LinkDropped));
}

TEST_F(TriggerTest, NoCheckStartsWhileADialIsInProgress) {
  internet.SetScript("online=0\nonline_after_dial=1\n");
  int nested = 0;
  view.duringDial = [&] {
    ++nested;
    view.ClearJournal();
    controller.UpdateTimerTimer();
    controller.ResumeCheck();
    controller.LinkDropped();
    EXPECT_EQ(Lines{}, view.Journal());
  };
  controller.ForceConnect1Click();
  EXPECT_EQ(1, nested);
  EXPECT_EQ("Connected.", view.stateCaption);

  // Afterwards they work again.
  view.duringDial = nullptr;
  EXPECT_EQ(Join({{kOnline, kOnline}, State(2, "Connected."), SavedSettings(1, 180)}),
            Run(&TDialerController::ResumeCheck));
}

}  // namespace
