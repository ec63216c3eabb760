// The separator: the main window's green gradient bars, the plain bar, turning at run time.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>

#include "controls/common/DvBckgnd.h"
#include "controls/common/DvColors.h"
#include "tests/controls/common/SpineTestForm.h"
#include "tests/controls/common/TestSurface.h"

namespace {

const char kMainWindowSeparator[] =
    "  object DvSeparator1: TDvSeparator\n"
    "    Left = 0\n    Top = 52\n    Width = 279\n    Height = 2\n"
    "    HighlightColor = clGreen\n    ParentColor = False\n    ShowGradient = True\n  end\n";

// Whether every channel of a lies within two of b's: one gradient step of a separator this wide.
bool WithinOneStep(TColor a, TColor b) {
  return std::abs(RedOf(a) - RedOf(b)) <= 2 && std::abs(GreenOf(a) - GreenOf(b)) <= 2 &&
         std::abs(BlueOf(a) - BlueOf(b)) <= 2;
}

TEST(DvSeparatorTest, MainWindowSeparatorIsGreenInTheMiddleAndButtonFaceAtTheEnds) {
  auto form = LoadTestForm(kMainWindowSeparator);
  PixelSurface surface(286, 177, clFuchsia);
  RenderInto(*form, surface);
  const TColor face = Plain(clBtnFace);
  EXPECT_EQ(surface.At(139, 52), clGreen);
  EXPECT_EQ(surface.At(278, 52), face);
  // Column 0 is one step short of the face colour, column 140 one step short of green.
  EXPECT_NE(surface.At(0, 52), face);
  EXPECT_TRUE(WithinOneStep(surface.At(0, 52), face));
  EXPECT_NE(surface.At(140, 52), clGreen);
  EXPECT_TRUE(WithinOneStep(surface.At(140, 52), clGreen));
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
  // hlUpperLeft: the highlight at the left end (one 16.16 step of 2.55 short of blue), the
  // colour at the right end.
  EXPECT_EQ(surface.At(0, 20), RGBColor(2, 2, 252));
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
  EXPECT_TRUE(WithinOneStep(surface.At(10, 10), clYellow));
  EXPECT_NE(surface.At(10, 10), clYellow);
}

// A 100 × 2 bar (or 2 × 100) in yellow with a blue highlight, drawn alone.
void RenderBar(PixelSurface& surface, const std::string& settings) {
  auto form = LoadTestForm("  object Bar: TDvSeparator\n    Left = 0\n    Top = 0\n" + settings +
                           "    Color = clYellow\n    HighlightColor = clBlue\n  end\n");
  RenderInto(*form, surface);
}

TEST(DvSeparatorTest, HighlightLocationsInBothOrientations) {
  PixelSurface right(110, 10, clFuchsia);
  RenderBar(right, "    Width = 100\n    Height = 2\n    HighlightLocation = hlLowerRight\n");
  EXPECT_EQ(right.At(99, 0), clBlue);
  EXPECT_EQ(right.At(0, 1), RGBColor(252, 252, 2));
  EXPECT_EQ(right.At(100, 0), Plain(clBtnFace));

  PixelSurface top(10, 110, clFuchsia);
  RenderBar(top,
            "    Width = 2\n    Height = 100\n    HighlightLocation = hlUpperLeft\n"
            "    Orientation = orVertical\n");
  EXPECT_EQ(top.At(0, 99), clYellow);
  EXPECT_EQ(top.At(1, 0), RGBColor(2, 2, 252));
  EXPECT_EQ(top.At(2, 0), Plain(clBtnFace));

  PixelSurface bottom(10, 110, clFuchsia);
  RenderBar(bottom,
            "    Width = 2\n    Height = 100\n    HighlightLocation = hlLowerRight\n"
            "    Orientation = orVertical\n");
  EXPECT_EQ(bottom.At(1, 99), clBlue);
  EXPECT_EQ(bottom.At(0, 0), RGBColor(252, 252, 2));

  PixelSurface middle(10, 110, clFuchsia);
  RenderBar(middle, "    Width = 2\n    Height = 100\n    Orientation = orVertical\n");
  EXPECT_EQ(middle.At(0, 50), clBlue);
  EXPECT_EQ(middle.At(1, 99), clYellow);
  EXPECT_EQ(middle.At(0, 0), RGBColor(250, 250, 5));  // 51 lines of 5 steps each
}

TEST(DvSeparatorTest, FewScreenColoursGiveASolidBarInColourB) {
  ScreenColorsOverride fewColours(false);
  // hlUpperLeft: colour B is the bar's colour; hlCenter and hlLowerRight: the highlight.
  const std::pair<const char*, TColor> cases[] = {
      {"hlUpperLeft", clYellow}, {"hlCenter", clBlue}, {"hlLowerRight", clBlue}};
  for (const auto& [location, color] : cases) {
    for (const char* orientation : {"orHorizontal", "orVertical"}) {
      PixelSurface surface(110, 110, clFuchsia);
      const bool vertical = std::string(orientation) == "orVertical";
      RenderBar(surface, std::string(vertical ? "    Width = 2\n    Height = 100\n"
                                              : "    Width = 100\n    Height = 2\n") +
                             "    HighlightLocation = " + location +
                             "\n    Orientation = " + orientation + "\n");
      EXPECT_EQ(surface.Count(vertical ? TRect{0, 0, 2, 100} : TRect{0, 0, 100, 2}, color), 200)
          << location << " " << orientation;
    }
  }
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
