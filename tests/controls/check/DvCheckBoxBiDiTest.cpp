// The check box read right to left, as the screen shows it: with its alignment flipped the glyph
// goes to the right edge, the caption to the left of it, right-aligned, and the focus rectangle is
// anchored right; the modes that keep the alignment keep the picture.
#include <gtest/gtest.h>

#include "controls/check/DvCheckBox.h"
#include "tests/controls/check/ClassicGlyph.h"
#include "tests/controls/common/SpineTestForm.h"
#include "tests/controls/common/TestSurface.h"

namespace {

const char kBox[] =
    "  object Box: TDvCheckBox\n"
    "    Left = 10\n    Top = 10\n    Width = 128\n    Height = 17\n"
    "    Caption = 'Auto Run On Startup'\n    State = cbUnchecked\n"
    "    Transparent = True\n  end\n";

// What the focused box shows: its focus rectangle's first and last column (the only ink in the
// rectangle's side columns), and the caption's ink between them.
struct FocusedPicture {
  std::unique_ptr<PixelSurface> surface;
  int focusLeft = -1;
  int focusRight = -1;
  PixelBox caption;
};

class DvCheckBoxBiDiTest : public testing::Test {
 protected:
  void SetUp() override {
    form = ShowTestForm(kBox);
    box = &form->Component<TDvCheckBox>("Box");
    box->SetFocus();
    ASSERT_TRUE(box->Focused());
  }

  FocusedPicture Shot() {
    PumpFor(60);
    FocusedPicture picture;
    picture.surface = CaptureWindow(box->Handle());
    const PixelSurface& s = *picture.surface;
    // A dotted side is black on the odd rows between the top and bottom lines and not on the
    // even ones; no column of text is.
    const auto dottedSide = [&s](int x) {
      for (int y = 1; y < 16; ++y)
        if ((s.At(x, y) == Plain(clBlack)) != (y % 2 == 1)) return false;
      return true;
    };
    for (int x = 0; x < s.Width(); ++x)
      if (dottedSide(x)) {
        if (picture.focusLeft < 0) picture.focusLeft = x;
        picture.focusRight = x;
      }
    if (picture.focusLeft >= 0)
      picture.caption =
          FindPixels(s, {picture.focusLeft + 1, 1, picture.focusRight, 16}, clBtnFace, true);
    return picture;
  }

  TestFormPtr form;
  TDvCheckBox* box = nullptr;
};

TEST_F(DvCheckBoxBiDiTest, AFlippedBoxMirrorsGlyphCaptionAndFocusRectangle) {
  const FocusedPicture ltr = Shot();
  ExpectClassicGlyphAt(*ltr.surface, 0, 2, 0);
  // The caption rectangle (18, 1, 127, 16) grown by one, as wide as the text and 3 more.
  ASSERT_EQ(ltr.focusLeft, 17);
  const int focusWidth = ltr.focusRight - ltr.focusLeft + 1;
  ASSERT_LT(focusWidth, 111) << "as wide as the text, not as the rectangle";
  ASSERT_FALSE(ltr.caption.Empty());

  box->SetBiDiMode(bdRightToLeft);
  const FocusedPicture rtl = Shot();
  ExpectClassicGlyphAt(*rtl.surface, 128 - 13, 2, 0);
  // The caption rectangle is now (1, 1, 110, 16): the focus rectangle keeps its width against
  // its right edge grown by one.
  EXPECT_EQ(rtl.focusRight, 110);
  EXPECT_EQ(rtl.focusLeft, 111 - focusWidth);
  // The text ends where the rectangle does: it moved by the room the caption leaves free, and
  // every one of its pixels moved with it.
  const int textWidth = focusWidth - 3;
  const int shift = (110 - textWidth) - 18;
  EXPECT_EQ(rtl.caption.left, ltr.caption.left + shift);
  EXPECT_EQ(rtl.caption.right, ltr.caption.right + shift);
  for (int y = ltr.caption.top; y < ltr.caption.bottom; ++y)
    for (int x = ltr.caption.left; x < ltr.caption.right; ++x)
      ASSERT_EQ(rtl.surface->At(x + shift, y), ltr.surface->At(x, y)) << x << "," << y;
  // Nothing of the text is left on the glyph's old side.
  EXPECT_TRUE(FindPixels(*rtl.surface, {0, 0, rtl.focusLeft, 17}, clBtnFace, true).Empty());

  // Back to left to right, the first picture again.
  box->SetBiDiMode(bdLeftToRight);
  const FocusedPicture again = Shot();
  EXPECT_EQ(again.focusLeft, ltr.focusLeft);
  EXPECT_EQ(again.focusRight, ltr.focusRight);
  EXPECT_EQ(again.caption, ltr.caption);
}

TEST_F(DvCheckBoxBiDiTest, ACaptionOnTheLeftGoesRightWhenFlipped) {
  box->SetAlignment(taLeftJustify);
  const FocusedPicture ltr = Shot();
  ExpectClassicGlyphAt(*ltr.surface, 128 - 13, 2, 0);
  EXPECT_EQ(ltr.focusLeft, 0);
  box->SetBiDiMode(bdRightToLeft);
  const FocusedPicture rtl = Shot();
  ExpectClassicGlyphAt(*rtl.surface, 0, 2, 0);
  EXPECT_EQ(rtl.focusRight, 127);
}

TEST_F(DvCheckBoxBiDiTest, ModesThatKeepTheAlignmentKeepThePicture) {
  const FocusedPicture ltr = Shot();
  for (TBiDiMode mode : {bdRightToLeftNoAlign, bdRightToLeftReadingOnly}) {
    box->SetBiDiMode(mode);
    const FocusedPicture kept = Shot();
    ExpectClassicGlyphAt(*kept.surface, 0, 2, 0);
    EXPECT_EQ(kept.focusLeft, ltr.focusLeft) << mode;
    EXPECT_EQ(kept.focusRight, ltr.focusRight) << mode;
    EXPECT_EQ(kept.caption, ltr.caption) << mode;
  }
}

}  // namespace
