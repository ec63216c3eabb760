// The interval spin edit's handlers and the hint text in minutes.
#include <gtest/gtest.h>

#include "app/IntervalHint.h"
#include "controls/edit/DecimalSeparator.h"
#include "tests/app/ControllerFixture.h"

namespace {

TEST(IntervalHintTest, MinutesWithUpToTwoDecimalsAndNoTrailingZeros) {
  const DecimalSeparatorOverride separator('.');
  EXPECT_EQ("3 Minutes", IntervalHintText(180));
  EXPECT_EQ("1.5 Minutes", IntervalHintText(90));
  EXPECT_EQ("1.67 Minutes", IntervalHintText(100));
  EXPECT_EQ("0.02 Minutes", IntervalHintText(1));
  EXPECT_EQ("0.05 Minutes", IntervalHintText(3));
  EXPECT_EQ("1 Minutes", IntervalHintText(60));
  EXPECT_EQ("166.65 Minutes", IntervalHintText(9999));
  EXPECT_EQ("0 Minutes", IntervalHintText(0));
  EXPECT_EQ("-1.5 Minutes", IntervalHintText(-90));
}

TEST(IntervalHintTest, UsesTheUsersDecimalSeparator) {
  const DecimalSeparatorOverride separator(',');
  EXPECT_EQ("1,5 Minutes", IntervalHintText(90));
  EXPECT_EQ("3 Minutes", IntervalHintText(180));
}

class IntervalTest : public ControllerTest {
 protected:
  DecimalSeparatorOverride separator{'.'};
};

TEST_F(IntervalTest, ChangeSetsThePeriodOnly) {
  view.intervalSeconds = 100;
  controller.UpdateIntervalSpinEditChange();
  EXPECT_EQ((Lines{"period 100000"}), view.Journal());
}

TEST_F(IntervalTest, ClickSetsThePeriodThenTheHint) {
  view.intervalSeconds = 90;
  controller.UpdateIntervalSpinEditClick();
  EXPECT_EQ((Lines{"period 90000", "hint 1.5 Minutes"}), view.Journal());
}

TEST_F(IntervalTest, KeyUpSetsTheHintOnly) {
  view.intervalSeconds = 1;
  controller.UpdateIntervalSpinEditKeyUp();
  EXPECT_EQ((Lines{"hint 0.02 Minutes"}), view.Journal());
}

TEST_F(IntervalTest, PeriodStaysWithinWhatATimerCounts) {
  view.intervalSeconds = 2147483647;
  controller.UpdateIntervalSpinEditChange();
  EXPECT_EQ(4294967295u, view.timerInterval);
  view.intervalSeconds = -5;
  controller.UpdateIntervalSpinEditChange();
  EXPECT_EQ(0u, view.timerInterval);
}

}  // namespace
