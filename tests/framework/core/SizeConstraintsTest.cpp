// Size limits: clamping, the rules that keep a minimum and a maximum in order, change
// announcements and form data.
#include <gtest/gtest.h>

#include "framework/core/SizeConstraints.h"
#include "framework/core/SysUtils.h"
#include "framework/core/TypInfo.h"

namespace {

TEST(SizeConstraintsTest, ClampsEachSideToItsLimitsAndZeroMeansNoLimit) {
  TSizeConstraints limits;
  int width = 5000, height = -3;
  limits.Constrain(width, height);
  EXPECT_EQ(width, 5000);
  EXPECT_EQ(height, -3);

  limits.SetMinWidth(40);
  limits.SetMaxWidth(300);
  limits.SetMinHeight(20);
  width = 500;
  height = 10;
  limits.Constrain(width, height);
  EXPECT_EQ(width, 300);
  EXPECT_EQ(height, 20);
  width = 12;
  height = 900;
  limits.Constrain(width, height);
  EXPECT_EQ(width, 40);
  EXPECT_EQ(height, 900);
}

TEST(SizeConstraintsTest, AMinimumAboveTheMaximumPullsTheMaximumAlongAndTheOtherWayRound) {
  TSizeConstraints limits;
  limits.SetMaxWidth(100);
  limits.SetMinWidth(150);
  EXPECT_EQ(limits.MaxWidth(), 150);
  limits.SetMinHeight(80);
  limits.SetMaxHeight(50);
  EXPECT_EQ(limits.MinHeight(), 50);
  // No maximum (0) is never pulled up.
  limits.SetMaxWidth(0);
  limits.SetMinWidth(500);
  EXPECT_EQ(limits.MaxWidth(), 0);
  // Negative values mean no limit.
  limits.SetMinWidth(-7);
  EXPECT_EQ(limits.MinWidth(), 0);
}

TEST(SizeConstraintsTest, AnnouncesRealChangesOnlyAndAssignsFromItsOwnKind) {
  TSizeConstraints limits;
  int changes = 0;
  limits.OnChange = [&](TObject*) { ++changes; };
  limits.SetMaxHeight(30);
  limits.SetMaxHeight(30);
  limits.SetMinHeight(-1);
  EXPECT_EQ(changes, 1);

  TSizeConstraints other;
  other.SetMinWidth(7);
  other.SetMaxHeight(9);
  limits.Assign(&other);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(limits.MinWidth(), 7);
  EXPECT_EQ(limits.MaxHeight(), 9);
  EXPECT_EQ(limits.MaxWidth(), 0);
  TPersistent plain;
  EXPECT_THROW(limits.Assign(&plain), Exception);
}

TEST(SizeConstraintsTest, PublishesTheFourLimitsWithDefaultZero) {
  TSizeConstraints limits;
  limits.SetMinWidth(10);
  std::vector<std::string> stored;
  for (const TPropInfo* property : TSizeConstraints::StaticClassInfo().Properties())
    if (property->IsStored(limits))
      stored.push_back(property->Name() + "=" + property->GetAsText(limits));
  EXPECT_EQ(stored, (std::vector<std::string>{"MinWidth=10"}));
  TSizeConstraints::StaticClassInfo().FindProperty("MaxHeight")->SetAsText(limits, "44");
  EXPECT_EQ(limits.MaxHeight(), 44);
}

}  // namespace
