// The spin buttons inside the spin edit: their place, a click steps once on release, a held button
// repeats (400 ms, then every 100 ms), a press first moves the focus into the edit, and the
// pair's glyph and orientation rules.
#include "tests/controls/edit/SpinEditFixture.h"

#include "framework/core/SysUtils.h"

namespace {

class DvSpinButtonsTest : public SpinEditFixture {
 protected:
  HWND Pair() { return spin->Buttons().Handle(); }
  TDvControlButton& Up() { return spin->Buttons().UpRightButton(); }
  void Press(int x, int y) { SendMessageA(Pair(), WM_LBUTTONDOWN, MK_LBUTTON, PackPoint(x, y)); }
  void Release(int x, int y) { SendMessageA(Pair(), WM_LBUTTONUP, 0, PackPoint(x, y)); }
};

TEST_F(DvSpinButtonsTest, ButtonsSitInsideTheEditRightOfTheText) {
  const TDvSpinButtons& pair = spin->Buttons();
  EXPECT_EQ(pair.BoundsRect(), Bounds(47 - 17 - 4, 0, 17, 18));
  // Stacked halves of 18 rows: 9 up, 8 down, one row free at the bottom.
  EXPECT_EQ(pair.UpRightButton().BoundsRect(), Bounds(0, 0, 17, 9));
  EXPECT_EQ(pair.DownLeftButton().BoundsRect(), Bounds(0, 9, 17, 8));
  EXPECT_EQ(pair.UpRightButton().Style(), cbsUp);
  EXPECT_EQ(pair.DownLeftButton().Style(), cbsDown);
  EXPECT_TRUE(pair.Flat());
  // A pair of its own has the button face; in the edit it takes the edit's colour.
  EXPECT_EQ(TDvSpinButtons(nullptr).Color(), clBtnFace);
  const LRESULT margins = SendMessageA(Window(), EM_GETMARGINS, 0, 0);
  EXPECT_EQ(LOWORD(margins), 0);
  EXPECT_EQ(HIWORD(margins), 17 + 2);
  EXPECT_NE(GetWindowLongA(Window(), GWL_STYLE) & WS_CLIPCHILDREN, 0);
  EXPECT_NE(GetWindowLongA(Window(), GWL_STYLE) & ES_RIGHT, 0);
}

TEST_F(DvSpinButtonsTest, QuickClickStepsOnceOnReleaseAndFocusesTheEdit) {
  ASSERT_FALSE(spin->Focused());
  Press(8, 4);
  EXPECT_TRUE(spin->Focused());
  EXPECT_TRUE(Up().Pressed());
  EXPECT_EQ(spin->Text(), "180");
  EXPECT_EQ(Up().RepeatInterval(), 400u);
  Release(8, 4);
  EXPECT_EQ(spin->Text(), "181");
  EXPECT_FALSE(Up().Pressed());
  EXPECT_EQ(Up().RepeatInterval(), 0u);
  EXPECT_EQ(Count("Button:UpdateIntervalSpinEdit:up"), 1);
  // The edit's own OnClick is not raised by its buttons.
  EXPECT_EQ(Count("Click:UpdateIntervalSpinEdit"), 0);
  // The down button steps down.
  Press(8, 13);
  Release(8, 13);
  EXPECT_EQ(spin->Text(), "180");
}

TEST_F(DvSpinButtonsTest, ReleasingOutsideOrTheRightButtonStepsNothing) {
  Press(8, 4);
  Release(8, 60);
  EXPECT_EQ(spin->Text(), "180");
  // (Straight to the button: the window's own right release would open the edit's menu.)
  Up().Perform(WM_RBUTTONDOWN, MK_RBUTTON, PackPoint(8, 4));
  EXPECT_FALSE(Up().Pressed());
  EXPECT_FALSE(Up().Tracking());
  Up().Perform(WM_RBUTTONUP, 0, PackPoint(8, 4));
  EXPECT_EQ(spin->Text(), "180");
  EXPECT_EQ(Count("Changing:UpdateIntervalSpinEdit"), 0);
}

TEST_F(DvSpinButtonsTest, HeldButtonRepeatsAfterTheInitialDelayThenEveryDelay) {
  Press(8, 4);
  EXPECT_EQ(Up().RepeatInterval(), 400u);
  Up().RepeatTimerTick();
  EXPECT_EQ(spin->Text(), "181");
  EXPECT_EQ(Up().RepeatInterval(), 100u);
  Up().RepeatTimerTick();
  Up().RepeatTimerTick();
  EXPECT_EQ(spin->Text(), "183");
  // Dragged off, the capture still holds the press and the repeats go on.
  SendMessageA(Pair(), WM_MOUSEMOVE, MK_LBUTTON, PackPoint(8, 50));
  Up().RepeatTimerTick();
  EXPECT_EQ(spin->Text(), "184");
  // A release inside adds the last step.
  Release(8, 4);
  EXPECT_EQ(spin->Text(), "185");
  EXPECT_EQ(Up().RepeatInterval(), 0u);
  // A tick that arrives after the release does nothing.
  Up().RepeatTimerTick();
  EXPECT_EQ(spin->Text(), "185");
}

TEST_F(DvSpinButtonsTest, RepeatTimerRunsThroughTheMessageLoop) {
  Up().SetInitialDelay(20);
  Up().SetDelay(10);
  Press(8, 4);
  PumpFor(150);
  Release(8, 60);
  long double reached = spin->Value();
  EXPECT_GE(reached, 183);
  PumpFor(40);
  EXPECT_EQ(spin->Value(), reached);
}

TEST_F(DvSpinButtonsTest, RefusedFocusCancelsThePress) {
  other->OnExit = [](TObject*) { throw EAbort(); };
  Press(8, 4);
  EXPECT_FALSE(spin->Focused());
  EXPECT_FALSE(Up().Pressed());
  Release(8, 4);
  EXPECT_EQ(spin->Text(), "180");
  EXPECT_EQ(Count("Changing:UpdateIntervalSpinEdit"), 0);
  other->OnExit.Clear();
}

TEST_F(DvSpinButtonsTest, FlatButtonsTakeTheFlatColourWhileTheEditIsHot) {
  EXPECT_EQ(spin->Buttons().Color(), clWindow);
  EXPECT_EQ(Up().Color(), clWindow);
  spin->SetFocus();
  EXPECT_EQ(spin->Buttons().Color(), clBtnFace);
  EXPECT_EQ(Up().Color(), clBtnFace);
  LeaveSpinEdit();
  EXPECT_EQ(spin->Buttons().Color(), clWindow);
  spin->Perform(CM_MOUSEENTER);
  EXPECT_EQ(spin->Buttons().Color(), clBtnFace);
  spin->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(spin->Buttons().Color(), clWindow);
}

TEST(DvSpinButtonsPairTest, GlyphsDirectionAndOrientation) {
  TDvSpinEdit spin(nullptr);
  TDvSpinButtons& pair = spin.Buttons();
  TBitmap glyph(8, 8);
  pair.SetGlyphUpRight(&glyph);
  EXPECT_TRUE(pair.HasCustomGlyphUpRight());
  EXPECT_EQ(pair.UpRightButton().Style(), cbsNone);
  EXPECT_EQ(pair.DownLeftButton().Style(), cbsDown);
  // A new direction drops the custom glyph and turns the arrows.
  spin.SetDirection(sdLeftRight);
  EXPECT_FALSE(pair.HasCustomGlyphUpRight());
  EXPECT_TRUE(pair.GlyphUpRight()->Empty());
  EXPECT_EQ(pair.UpRightButton().Style(), cbsRight);
  EXPECT_EQ(pair.DownLeftButton().Style(), cbsLeft);

  const int width = pair.Width();
  spin.SetOrientation(orHorizontal);
  EXPECT_EQ(pair.Width(), 2 * width);
  // Side by side: the down/left button on the left.
  EXPECT_EQ(pair.DownLeftButton().Left(), 0);
  EXPECT_EQ(pair.UpRightButton().Left(), width);
  spin.SetOrientation(orVertical);
  EXPECT_EQ(pair.Width(), width);
  spin.SetButtonWidth(-5);
  EXPECT_EQ(spin.ButtonWidth(), 0);
}

}  // namespace
