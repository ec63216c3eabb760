// The spin edit read right to left: its buttons move to the left edge and the text margin with
// them, in every right-to-left mode, and back again; the pixels on screen follow.
#include "tests/controls/edit/SpinEditFixture.h"

#include "tests/controls/common/TestSurface.h"

namespace {

class DvSpinEditBiDiTest : public SpinEditFixture {
 protected:
  // The spin edit's window as it is on screen (frame, text and buttons).
  std::unique_ptr<PixelSurface> OnScreen() {
    PumpFor(60);
    RECT r{};
    GetWindowRect(Window(), &r);
    auto surface = std::make_unique<PixelSurface>(r.right - r.left, r.bottom - r.top);
    HDC screen = GetDC(nullptr);
    BitBlt(surface->Dc(), 0, 0, surface->Width(), surface->Height(), screen, r.left, r.top,
           SRCCOPY);
    ReleaseDC(nullptr, screen);
    return surface;
  }
  std::pair<int, int> Margins() {
    const LRESULT margins = SendMessageA(Window(), EM_GETMARGINS, 0, 0);
    return {LOWORD(margins), HIWORD(margins)};
  }
};

TEST_F(DvSpinEditBiDiTest, EveryRightToLeftModePutsTheButtonsAndTheMarginOnTheLeft) {
  for (TBiDiMode mode : {bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly}) {
    spin->SetBiDiMode(mode);
    EXPECT_EQ(spin->Buttons().BoundsRect(), Bounds(0, 0, 17, 21 - 3)) << mode;
    EXPECT_EQ(Margins(), (std::pair<int, int>{17 + 2, 0})) << mode;
  }
  spin->SetBiDiMode(bdLeftToRight);
  EXPECT_EQ(spin->Buttons().BoundsRect(), Bounds(47 - 17 - 4, 0, 17, 18));
  EXPECT_EQ(Margins(), (std::pair<int, int>{0, 17 + 2}));
  // The margin follows a new button width too.
  spin->SetBiDiMode(bdRightToLeft);
  spin->SetButtonWidth(13);
  EXPECT_EQ(spin->Buttons().BoundsRect(), Bounds(0, 0, 13, 18));
  EXPECT_EQ(Margins(), (std::pair<int, int>{13 + 2, 0}));
}

TEST_F(DvSpinEditBiDiTest, OnScreenTheArrowsAreLeftAndTheDigitsKeepClearOfThem) {
  // Red digits, black arrows; the window's two-pixel border around the client area.
  spin->Font()->SetColor(clRed);
  const int border = 2;
  const TRect whole{0, 0, 47, 21};
  auto ltr = OnScreen();
  const PixelBox ltrArrows = FindPixels(*ltr, whole, clBlack);
  ASSERT_FALSE(ltrArrows.Empty());
  EXPECT_GE(ltrArrows.left, border + 26);
  const PixelBox ltrDigits = FindPixels(*ltr, whole, clRed);
  ASSERT_FALSE(ltrDigits.Empty());
  EXPECT_LT(ltrDigits.right, border + 26);

  // Layout mirrored, alignment kept: the digits stay right, clear of nothing.
  spin->SetBiDiMode(bdRightToLeftNoAlign);
  auto noAlign = OnScreen();
  const PixelBox arrows = FindPixels(*noAlign, whole, clBlack);
  EXPECT_EQ(arrows.left, ltrArrows.left - 26) << "the same arrows, 26 pixels further left";
  EXPECT_EQ(arrows.right, ltrArrows.right - 26);
  const PixelBox digits = FindPixels(*noAlign, whole, clRed);
  EXPECT_GT(digits.right, ltrDigits.right);
  EXPECT_GE(digits.left, border + 17 + 2);

  // Alignment flipped too: the digits start right after the buttons' margin.
  spin->SetBiDiMode(bdRightToLeft);
  auto flipped = OnScreen();
  EXPECT_EQ(FindPixels(*flipped, whole, clBlack).left, arrows.left);
  const PixelBox flippedDigits = FindPixels(*flipped, whole, clRed);
  EXPECT_GE(flippedDigits.left, border + 17 + 2);
  EXPECT_LT(flippedDigits.right, digits.right);
  EXPECT_EQ(spin->Text(), "180");
}

}  // namespace
