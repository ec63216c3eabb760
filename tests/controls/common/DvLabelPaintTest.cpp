// The label's drawing in a memory surface: text-style layers, borders through the layered border
// routine with the text kept inside them, text turned by an angle (its ink turns with it), text
// laid along an arc, and captions shortened with an ellipsis.
#include <gtest/gtest.h>

#include <string>

#include "controls/common/DvLabel.h"
#include "tests/controls/common/SpineTestForm.h"
#include "tests/controls/common/TestSurface.h"

namespace {

// One label at (10, 10) with the settings given, drawn over the form's button-face background.
struct DrawnLabel {
  explicit DrawnLabel(const std::string& settings, int width = 150, int height = 150)
      : form(LoadTestForm("  object L: TDvLabel\n    Left = 10\n    Top = 10\n    Width = " +
                          std::to_string(width) + "\n    Height = " + std::to_string(height) +
                          "\n    AutoSize = False\n" + settings + "  end\n")),
        surface(286, 177, clFuchsia),
        bounds{10, 10, 10 + width, 10 + height} {
    RenderInto(*form, surface);
  }
  // Every pixel of the label that is not the background.
  PixelBox Ink() const { return FindPixels(surface, bounds, clBtnFace, true); }

  TestFormPtr form;
  PixelSurface surface;
  TRect bounds;
};

const char kArialCaption[] = "    Font.Name = 'Arial'\n    Font.Height = -16\n";

TEST(DvLabelPaintTest, RecessedTextPutsTheHighlightBelowAndTheShadowAbove) {
  DrawnLabel label(std::string("    Caption = 'Recessed'\n    Transparent = True\n") +
                       "    TextStyle = tsRecessed\n    HighlightColor = clBlue\n" +
                       "    ShadowColor = clRed\n" + kArialCaption,
                   120, 30);
  const PixelBox text = FindPixels(label.surface, label.bounds, clWindowText);
  const PixelBox high = FindPixels(label.surface, label.bounds, clBlue);
  const PixelBox low = FindPixels(label.surface, label.bounds, clRed);
  ASSERT_FALSE(text.Empty());
  ASSERT_FALSE(high.Empty());
  ASSERT_FALSE(low.Empty());
  EXPECT_EQ(high.right, text.right + 1);
  EXPECT_EQ(high.bottom, text.bottom + 1);
  EXPECT_EQ(low.left, text.left - 1);
  EXPECT_EQ(low.top, text.top - 1);
}

TEST(DvLabelPaintTest, ShadowedTextOnTheBottomLeavesRoomBelow) {
  DrawnLabel label(std::string("    Caption = 'Shadow'\n    Transparent = True\n") +
                       "    TextStyle = tsShadow\n    ShadowColor = clRed\n    ShadowDepth = 3\n" +
                       "    Layout = tlBottom\n" + kArialCaption,
                   120, 40);
  const PixelBox shadow = FindPixels(label.surface, label.bounds, clRed);
  const PixelBox text = FindPixels(label.surface, label.bounds, clWindowText);
  ASSERT_FALSE(shadow.Empty());
  EXPECT_EQ(shadow.bottom, text.bottom + 3);
  EXPECT_LE(shadow.bottom, 50);
}

// Letters for the label's border columns.
const PixelLegend kBorderColors = {{'l', cl3DLight},   {'h', clBtnHighlight}, {'b', clBlue},
                                   {'s', clBtnShadow}, {'d', cl3DDkShadow},   {'y', clYellow},
                                   {'f', 0x9F9F9F},    {'.', clBtnFace}};

TEST(DvLabelPaintTest, BordersLieOutsideTheTextAndTheInteriorTakesTheColour) {
  DrawnLabel label(std::string("    Caption = 'Framed'\n    Color = clYellow\n") +
                       "    BorderOuter = fsRaised\n    BorderInner = fsLowered\n" +
                       "    BorderWidth = 2\n    BorderColor = clBlue\n" + kArialCaption,
                   100, 40);
  // Outer raised (light, highlight), the blue band, inner lowered (shadow, dark shadow), then
  // the label's colour; the same mirrored on the right.
  EXPECT_TRUE(MatchesArt(label.surface, {10, 30}, {"lhbbsdyyy"}, kBorderColors));
  EXPECT_TRUE(MatchesArt(label.surface, {101, 30}, {"yyylhbbsd"}, kBorderColors));
  EXPECT_TRUE(MatchesArt(label.surface, {30, 10}, {"l", "h", "b", "b", "s", "d"}, kBorderColors));
  // The text starts inside all three: 2 + 2 + 2 pixels in.
  const PixelBox text = FindPixels(label.surface, label.bounds, clWindowText);
  ASSERT_FALSE(text.Empty());
  EXPECT_GE(text.left, 10 + 6);
  EXPECT_LE(text.left, 10 + 8);
  EXPECT_GE(text.top, 10 + 6);
}

TEST(DvLabelPaintTest, FlatBordersTakeTheAdjustedFlatColour) {
  // FlatColor 0x808080 lightened by the default adjustment of 30: 0x9F9F9F.
  DrawnLabel label(std::string("    Caption = ''\n    Transparent = True\n") +
                       "    BorderOuter = fsFlatBold\n    BorderSides = [sdLeft, sdBottom]\n" +
                       "    FlatColor = 8421504\n",
                   40, 20);
  EXPECT_TRUE(MatchesArt(label.surface, {10, 10}, {"ff..", "ff..", "ff.."}, kBorderColors));
  EXPECT_TRUE(MatchesArt(label.surface, {10, 28}, {"ffff", "ffff"}, kBorderColors));
  // No border on the top and the right.
  EXPECT_TRUE(MatchesArt(label.surface, {46, 10}, {"....", "...."}, kBorderColors));
}

TEST(DvLabelPaintTest, StatusBordersUseTheBevelWidthAndTheBorderColours) {
  DrawnLabel label(std::string("    Caption = ''\n    Transparent = True\n") +
                       "    BorderOuter = fsStatus\n    BevelWidth = 3\n" +
                       "    BorderHighlight = clYellow\n    BorderShadow = clBlue\n",
                   40, 20);
  EXPECT_TRUE(MatchesArt(label.surface, {10, 20}, {"bbb.."}, kBorderColors));
  EXPECT_TRUE(MatchesArt(label.surface, {45, 20}, {"..yyy"}, kBorderColors));
}

// The ink of "AAAAAAg" at an angle in a 150 × 150 label, with the pixels of its outermost rows
// and columns: where the descender of the "g" sticks out.
struct TurnedInk {
  PixelBox ink, top, bottom, left, right;
  int angle = 0;
};

TurnedInk Turned(int angle) {
  const DrawnLabel label(std::string("    Caption = 'AAAAAAg'\n    Transparent = True\n") +
                         "    Alignment = taCenter\n    Rotation = roFlat\n    Angle = " + std::to_string(angle) + "\n" +
                         kArialCaption);
  TurnedInk turned;
  turned.angle = label.form->Component<TDvLabel>("L").Angle();
  const PixelBox ink = label.Ink();
  const auto edge = [&](int left, int top, int right, int bottom) {
    return FindPixels(label.surface, {left, top, right, bottom}, clBtnFace, true);
  };
  turned.ink = ink;
  turned.top = edge(ink.left, ink.top, ink.right, ink.top + 1);
  turned.bottom = edge(ink.left, ink.bottom - 1, ink.right, ink.bottom);
  turned.left = edge(ink.left, ink.top, ink.left + 1, ink.bottom);
  turned.right = edge(ink.right - 1, ink.top, ink.right, ink.bottom);
  return turned;
}

int MiddleX(const PixelBox& box) {
  return (box.left + box.right) / 2;
}
int MiddleY(const PixelBox& box) {
  return (box.top + box.bottom) / 2;
}

TEST(DvLabelPaintTest, TurnedTextTurnsItsInkAroundTheCentre) {
  const TurnedInk flat = Turned(0);
  ASSERT_FALSE(flat.ink.Empty());
  EXPECT_GT(flat.ink.Width(), 3 * flat.ink.Height());
  // The descender of the last letter is at the bottom right.
  EXPECT_GT(flat.bottom.left, MiddleX(flat.ink));

  const TurnedInk up = Turned(90);
  EXPECT_GT(up.ink.Height(), 3 * up.ink.Width());
  EXPECT_NEAR(up.ink.Height(), flat.ink.Width(), 3);
  // Read from the bottom up: the last letter's descender points right, at the top.
  EXPECT_LT(up.right.bottom, MiddleY(up.ink));

  const TurnedInk upsideDown = Turned(180);
  EXPECT_GT(upsideDown.ink.Width(), 3 * upsideDown.ink.Height());
  EXPECT_LT(upsideDown.top.right, MiddleX(upsideDown.ink));

  const TurnedInk down = Turned(-90);
  EXPECT_EQ(down.angle, 270);
  EXPECT_GT(down.ink.Height(), 3 * down.ink.Width());
  EXPECT_GT(down.left.top, MiddleY(down.ink));

  // Every turn keeps the ink around the label's centre (85, 85).
  for (const TurnedInk& turned : {flat, up, upsideDown, down}) {
    EXPECT_NEAR(MiddleX(turned.ink), 85, 6) << turned.angle;
    EXPECT_NEAR(MiddleY(turned.ink), 85, 6) << turned.angle;
  }
}

TEST(DvLabelPaintTest, TextAtFortyFiveDegreesRisesToTheRight) {
  const DrawnLabel diagonal(std::string("    Caption = 'AAAAAAg'\n    Transparent = True\n") +
                            "    Alignment = taCenter\n    Angle = 45\n" + kArialCaption);
  const PixelBox ink = diagonal.Ink();
  ASSERT_FALSE(ink.Empty());
  EXPECT_NEAR(ink.Width(), ink.Height(), ink.Width() / 4);
  const int midX = (ink.left + ink.right) / 2, midY = (ink.top + ink.bottom) / 2;
  const auto count = [&](int left, int top, int right, int bottom) {
    return FindPixels(diagonal.surface, {left, top, right, bottom}, clBtnFace, true).count;
  };
  const int rising =
      count(midX, ink.top, ink.right, midY) + count(ink.left, midY, midX, ink.bottom);
  const int falling =
      count(ink.left, ink.top, midX, midY) + count(midX, midY, ink.right, ink.bottom);
  EXPECT_GT(rising, 4 * falling);
  EXPECT_NEAR(midX, 85, 6);
  EXPECT_NEAR(midY, 85, 6);
}

TEST(DvLabelPaintTest, TurnedTextIsClippedToTheTextRectangle) {
  const DrawnLabel clipped(std::string("    Caption = 'A long caption turned a little'\n") +
                               "    Transparent = True\n    Alignment = taCenter\n" +
                               "    Angle = 10\n    BorderWidth = 10\n" + kArialCaption,
                           100, 60);
  const PixelBox ink = clipped.Ink();
  ASSERT_FALSE(ink.Empty());
  EXPECT_GE(ink.left, 20);
  EXPECT_LE(ink.right, 100);
}

TEST(DvLabelPaintTest, ArcTextFollowsTheArcNotALine) {
  // Twelve letters from 60 degrees left of the top over to the right, round the centre.
  const DrawnLabel arc(std::string("    Caption = 'OOOOOOOOOOOO'\n    Transparent = True\n") +
                       "    Rotation = roCurve\n    Angle = 60\n" + kArialCaption);
  const PixelBox ink = arc.Ink();
  ASSERT_FALSE(ink.Empty());
  const int slice = ink.Width() / 8;
  const auto topOf = [&](int left) {
    return FindPixels(arc.surface, {left, ink.top, left + slice, ink.bottom}, clBtnFace, true).top;
  };
  const int leftTop = topOf(ink.left);
  const int middleTop = topOf(MiddleX(ink) - slice / 2);
  const int rightTop = topOf(ink.right - slice);
  // The ends hang well below the middle (a radius of about 57 pixels, 60 degrees each way), on
  // both sides alike.
  EXPECT_GT(leftTop - middleTop, 15);
  EXPECT_GT(rightTop - middleTop, 15);
  EXPECT_NEAR(leftTop, rightTop, 6);
  // The arc is centred across the label and lies in its upper half.
  EXPECT_NEAR((ink.left + ink.right) / 2, 85, 12);
  EXPECT_LT(ink.bottom, 85);
}

TEST(DvLabelPaintTest, DisabledArcTextIsEngraved) {
  const DrawnLabel arc(std::string("    Caption = 'OOOO'\n    Transparent = True\n") +
                       "    Rotation = roCurve\n    Enabled = False\n" + kArialCaption);
  EXPECT_TRUE(FindPixels(arc.surface, arc.bounds, clWindowText).Empty());
  EXPECT_FALSE(FindPixels(arc.surface, arc.bounds, clBtnShadow).Empty());
}

TEST(DvLabelPaintTest, CondensedCaptionEndsInAnEllipsis) {
  const std::string caption = "    Caption = 'HHHHHHHHHHHHHHHHHHHHHHHHHHHHHH'\n";
  const PixelBox letters =
      DrawnLabel(caption + "    Transparent = True\n" + kArialCaption, 100, 20).Ink();
  const DrawnLabel condensed(
      caption + "    Transparent = True\n    CondenseCaption = ccAtEnd\n" + kArialCaption, 100, 20);
  const PixelBox ink = condensed.Ink();
  ASSERT_FALSE(ink.Empty());
  EXPECT_LE(ink.right, 110);
  // The last few columns hold only dots on the baseline, far lower than the capitals.
  const PixelBox tail =
      FindPixels(condensed.surface, {ink.right - 6, 10, ink.right, 30}, clBtnFace, true);
  EXPECT_LE(tail.Height(), 3);
  EXPECT_GE(letters.Height(), 9);
  EXPECT_EQ(tail.bottom, letters.bottom);
  EXPECT_FALSE(condensed.form->Component<TDvLabel>("L").AutoSize());
}

TEST(DvLabelPaintTest, PathEllipsisKeepsTheEndOfThePath) {
  const DrawnLabel condensed(
      std::string("    Caption = 'C:\\HHHHHHHHHH\\HHHHHHHHHH\\HHHHHHHHHH\\name'\n") +
          "    Transparent = True\n    CondenseCaption = ccWithinPath\n" + kArialCaption,
      120, 20);
  const PixelBox ink = condensed.Ink();
  ASSERT_FALSE(ink.Empty());
  EXPECT_LE(ink.right, 130);
  // The dots stand somewhere inside, not at the end: a run of low columns before the last word.
  int lowRun = 0, longestLowRun = 0, lastLow = -1;
  for (int x = ink.left; x < ink.right; ++x) {
    const PixelBox column = FindPixels(condensed.surface, {x, 10, x + 1, 30}, clBtnFace, true);
    const bool low = column.Empty() || column.top > ink.top + 6;
    lowRun = low ? lowRun + 1 : 0;
    if (low && !column.Empty()) lastLow = x;
    longestLowRun = std::max(longestLowRun, lowRun);
  }
  EXPECT_GE(longestLowRun, 8);
  EXPECT_LT(lastLow, ink.right - 20);
}

}  // namespace
