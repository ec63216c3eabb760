// The separator: the main window's green gradient bars, the plain bar, turning at run time.
#include <gtest/gtest.h>

#include "controls/common/DvBckgnd.h"
#include "tests/controls/common/SpineTestForm.h"
#include "tests/controls/common/TestSurface.h"

namespace {

const char kMainWindowSeparator[] =
    "  object DvSeparator1: TDvSeparator\n"
    "    Left = 0\n    Top = 52\n    Width = 279\n    Height = 2\n"
    "    HighlightColor = clGreen\n    ParentColor = False\n    ShowGradient = True\n  end\n";

// One channel after `steps` steps of a run of `lines` lines from `from` towards `to`, in the
// 16.16 fixed point the gradient counts in.
int ChannelAfter(int from, int to, int lines, int steps) {
  const int step = (to * 65536 - from * 65536) / lines;
  return (from * 65536 + steps * step) / 65536;
}

TColor ColorAfter(TColor from, TColor to, int lines, int steps) {
  return RGBColor(static_cast<uint8_t>(ChannelAfter(RedOf(from), RedOf(to), lines, steps)),
                  static_cast<uint8_t>(ChannelAfter(GreenOf(from), GreenOf(to), lines, steps)),
                  static_cast<uint8_t>(ChannelAfter(BlueOf(from), BlueOf(to), lines, steps)));
}

TEST(DvSeparatorTest, MainWindowSeparatorIsGreenInTheMiddleAndButtonFaceAtTheEnds) {
  auto form = LoadTestForm(kMainWindowSeparator);
  PixelSurface surface(286, 177, clFuchsia);
  RenderInto(*form, surface);
  const TColor face = Plain(clBtnFace);
  EXPECT_EQ(surface.At(139, 52), clGreen);
  EXPECT_EQ(surface.At(278, 52), face);
  // Column 0 is one step short of the face colour, column 140 one step short of green.
  EXPECT_EQ(surface.At(0, 52), ColorAfter(clGreen, face, 140, 139));
  EXPECT_NE(surface.At(0, 52), face);
  EXPECT_EQ(surface.At(140, 52), ColorAfter(face, clGreen, 139, 138));
  EXPECT_NE(surface.At(140, 52), clGreen);
  // Both rows are the same, and the bar ends where the control does.
  for (int x = 0; x < 279; ++x)
    ASSERT_EQ(surface.At(x, 53), surface.At(x, 52)) << x;
  EXPECT_EQ(surface.At(279, 52), face);
  EXPECT_EQ(surface.At(100, 51), face);
  EXPECT_EQ(surface.At(100, 54), face);
  // The colours move monotonically from the ends to the middle.
  for (int x = 1; x <= 139; ++x)
    ASSERT_LE(RedOf(surface.At(x, 52)), RedOf(surface.At(x - 1, 52))) << x;
}

TEST(DvSeparatorTest, PlainBarAndHighlightAtOneEnd) {
  auto form = LoadTestForm(
      "  object Plain: TDvSeparator\n    Left = 0\n    Top = 10\n    Width = 100\n"
      "    Color = clYellow\n    HighlightColor = clGreen\n    ShowGradient = False\n  end\n"
      "  object AtLeft: TDvSeparator\n    Left = 0\n    Top = 20\n    Width = 100\n"
      "    Color = clYellow\n    HighlightColor = clBlue\n    HighlightLocation = hlUpperLeft\n"
      "    ShowGradient = True\n  end\n"
      "  object Same: TDvSeparator\n    Left = 0\n    Top = 30\n    Width = 100\n"
      "    Color = clRed\n    HighlightColor = clRed\n    ShowGradient = True\n  end\n");
  PixelSurface surface(286, 177, clFuchsia);
  RenderInto(*form, surface);
  for (int x = 0; x < 100; ++x) {
    ASSERT_EQ(surface.At(x, 10), clYellow) << x;
    ASSERT_EQ(surface.At(x, 30), clRed) << x;
  }
  // hlUpperLeft: the highlight at the left end, the colour at the right end.
  EXPECT_EQ(surface.At(0, 20), ColorAfter(clYellow, clBlue, 100, 99));
  EXPECT_EQ(surface.At(99, 20), clYellow);
}

TEST(DvSeparatorTest, TurningAtRunTimeExchangesWidthAndHeight) {
  auto form = LoadTestForm(
      "  object Bar: TDvSeparator\n    Left = 10\n    Top = 10\n    Color = clYellow\n"
      "    HighlightColor = clGreen\n  end\n");
  auto& bar = form->Component<TDvSeparator>("Bar");
  EXPECT_EQ(bar.Width(), 200);
  EXPECT_EQ(bar.Height(), 2);
  EXPECT_EQ(bar.GradientShape(), TGradientShape::HorizontalFromCentre);
  bar.SetOrientation(orVertical);
  EXPECT_EQ(bar.Width(), 2);
  EXPECT_EQ(bar.Height(), 200);
  EXPECT_EQ(bar.GradientShape(), TGradientShape::VerticalFromCentre);
  bar.SetHighlightLocation(hlLowerRight);
  EXPECT_EQ(bar.GradientShape(), TGradientShape::VerticalToEdge);
  EXPECT_EQ(bar.GradientColorA(), clYellow);
  EXPECT_EQ(bar.GradientColorB(), clGreen);
  PixelSurface surface(286, 240, clFuchsia);
  RenderInto(*form, surface);
  EXPECT_EQ(surface.At(10, 209), clGreen);
  EXPECT_EQ(surface.At(11, 209), clGreen);
  EXPECT_EQ(surface.At(10, 10), ColorAfter(clGreen, clYellow, 200, 199));
}

TEST(DvSeparatorTest, ZeroSizedSeparatorGrowsWhenItPaints) {
  auto form = LoadTestForm(
      "  object Tiny: TDvSeparator\n    Left = 5\n    Top = 5\n    Width = 0\n    Height = 0\n"
      "  end\n");
  PixelSurface surface(286, 177, clFuchsia);
  auto& tiny = form->Component<TDvSeparator>("Tiny");
  ASSERT_EQ(tiny.Width(), 0);
  tiny.Perform(WM_PAINT, reinterpret_cast<WPARAM>(surface.Dc()), 0);
  EXPECT_EQ(tiny.Width(), 1);
  EXPECT_EQ(tiny.Height(), 1);
}

TEST(DvSeparatorTest, LoadsTheMainWindowsPropertiesAndWritesThemBack) {
  auto form = LoadTestForm(kMainWindowSeparator);
  EXPECT_EQ(WrittenObject(*form, "DvSeparator1"),
            "  object DvSeparator1: TDvSeparator\n"
            "    Left = 0\n    Top = 52\n    Width = 279\n"
            "    HighlightColor = clGreen\n    ShowGradient = True\n    ParentColor = False\n"
            "  end\n");
}

}  // namespace
