// The system-wide menu animation setting: switched off at start-up, the saved value written back
// at exit.
#include <gtest/gtest.h>

#include <windows.h>

#include "controls/menu/MenuAnimation.h"

namespace {

bool MenuAnimationOn() {
  BOOL on = FALSE;
  EXPECT_TRUE(SystemParametersInfoA(SPI_GETMENUANIMATION, 0, &on, 0));
  return on != FALSE;
}

void SetMenuAnimation(bool on) {
  ASSERT_TRUE(SystemParametersInfoA(SPI_SETMENUANIMATION, 0,
                                    reinterpret_cast<void*>(static_cast<UINT_PTR>(on)), 0));
}

class MenuAnimationTest : public testing::Test {
 protected:
  void SetUp() override { original = MenuAnimationOn(); }
  void TearDown() override {
    RestoreMenuAnimation();
    SetMenuAnimation(original);
  }

  bool original = false;
};

TEST_F(MenuAnimationTest, SwitchedOffAtStartUpAndRestoredAtExit) {
  SetMenuAnimation(true);
  SwitchOffMenuAnimation();
  EXPECT_FALSE(MenuAnimationOn());
  EXPECT_TRUE(SavedMenuAnimation());
  // A second start-up call must not save the switched-off value.
  SwitchOffMenuAnimation();
  EXPECT_TRUE(SavedMenuAnimation());
  RestoreMenuAnimation();
  EXPECT_TRUE(MenuAnimationOn());
  // Restoring twice writes nothing more.
  SetMenuAnimation(false);
  RestoreMenuAnimation();
  EXPECT_FALSE(MenuAnimationOn());
}

TEST_F(MenuAnimationTest, ASettingThatWasOffStaysOff) {
  SetMenuAnimation(false);
  SwitchOffMenuAnimation();
  EXPECT_FALSE(MenuAnimationOn());
  EXPECT_FALSE(SavedMenuAnimation());
  RestoreMenuAnimation();
  EXPECT_FALSE(MenuAnimationOn());
}

}  // namespace
