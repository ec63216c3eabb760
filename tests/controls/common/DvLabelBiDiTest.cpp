// The label read right to left: its text is read in right-to-left order (a trailing colon goes to
// the left end), a flipped alignment sets it, its shadow included, against the right edge, and an
// auto-sized label whose text stands right keeps its right edge.
#include <gtest/gtest.h>

#include <string>

#include "controls/common/DvLabel.h"
#include "tests/controls/common/SpineTestForm.h"
#include "tests/controls/common/TestSurface.h"

namespace {

// A 120 × 20 transparent, shadowed label at (10, top).
std::string Shadowed(const std::string& name, int top, const std::string& settings) {
  return "  object " + name + ": TDvLabel\n    Left = 10\n    Top = " + std::to_string(top) +
         "\n    Width = 120\n    Height = 20\n    AutoSize = False\n    Transparent = True\n" +
         "    TextStyle = tsShadow\n    ShadowColor = clRed\n    ShadowDepth = 3\n" + settings +
         "  end\n";
}

// Every pixel of the 120 × 20 label at (10, top) equals the one of the label at (10, otherTop).
testing::AssertionResult SamePicture(const PixelSurface& surface, int top, int otherTop) {
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 120; ++x)
      if (surface.At(10 + x, top + y) != surface.At(10 + x, otherTop + y))
        return testing::AssertionFailure() << "differs at " << x << "," << y;
  return testing::AssertionSuccess();
}

TEST(DvLabelBiDiTest, RightToLeftTextIsReadRightToLeftAndAFlippedAlignmentSetsItRight) {
  auto form = LoadTestForm(
      Shadowed("Flipped", 10, "    BiDiMode = bdRightToLeft\n    Caption = 'Seconds:'\n") +
      Shadowed("Right", 40, "    Alignment = taRightJustify\n    Caption = ':Seconds'\n") +
      Shadowed("Kept", 70, "    BiDiMode = bdRightToLeftNoAlign\n    Caption = 'Seconds:'\n") +
      Shadowed("Left", 100, "    Caption = ':Seconds'\n") +
      Shadowed("Plain", 130, "    Caption = 'Seconds:'\n"));
  PixelSurface surface(286, 177, clFuchsia);
  RenderInto(*form, surface);
  // taLeftJustify read right to left with the alignment flipped: the text stands right, its
  // shadow inside the label, and reads ":Seconds".
  EXPECT_TRUE(SamePicture(surface, 10, 40));
  const PixelBox shadow = FindPixels(surface, {10, 10, 130, 30}, clRed);
  ASSERT_FALSE(shadow.Empty());
  EXPECT_LE(shadow.right, 130);
  EXPECT_GE(shadow.right, 130 - 2);
  // Alignment kept: still at the left, still read right to left.
  EXPECT_TRUE(SamePicture(surface, 70, 100));
  EXPECT_FALSE(SamePicture(surface, 70, 130)) << "left to right reads \"Seconds:\"";
}

TEST(DvLabelBiDiTest, AnAutoSizedLabelWhoseTextStandsRightKeepsItsRightEdge) {
  auto form = LoadTestForm(
      "  object Flipped: TDvLabel\n    Left = 150\n    Top = 10\n    BiDiMode = bdRightToLeft\n"
      "    Caption = 'Short'\n  end\n"
      "  object Kept: TDvLabel\n    Left = 150\n    Top = 40\n"
      "    BiDiMode = bdRightToLeftNoAlign\n    Caption = 'Short'\n  end\n");
  auto& flipped = form->Component<TDvLabel>("Flipped");
  auto& kept = form->Component<TDvLabel>("Kept");
  const int rightEdge = flipped.Left() + flipped.Width();
  flipped.SetCaption("A much longer caption");
  EXPECT_EQ(flipped.Left() + flipped.Width(), rightEdge);
  EXPECT_LT(flipped.Left(), 150);
  // Alignment kept: the left edge stays.
  kept.SetCaption("A much longer caption");
  EXPECT_EQ(kept.Left(), 150);
  EXPECT_EQ(kept.Width(), flipped.Width());
  // Flipped back (taRightJustify read right to left stands left), it grows to the right.
  flipped.SetAlignment(taRightJustify);
  const int left = flipped.Left();
  flipped.SetCaption("Short");
  EXPECT_EQ(flipped.Left(), left);
}

}  // namespace
