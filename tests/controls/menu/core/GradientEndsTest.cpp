// Bars whose ends fade: the separator line and the side bar splitter, as the fills they are made
// of.
#include "controls/menu/core/GradientEnds.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor kColor = 0x112233;
constexpr TColor kColorTo = 0xAABBCC;

TEST(GradientEndsTest, GradientWidthZeroWithMarginTwoIsASolidLineTwoPixelsShorterAtEachEnd) {
  const auto fills =
      PlanGradientEndsBar(TRect{10, 5, 60, 6}, 2, 0, gtBoth, gdHorizontal, kColor, kColorTo);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(fills[0], (TBarFill{TRect{12, 5, 58, 6}, kColor, kColor, gdHorizontal}));
}

TEST(GradientEndsTest, BothEndsFadeOverHalfTheWidthAcrossAndTheWholeWidthDown) {
  const auto across =
      PlanGradientEndsBar(TRect{0, 0, 20, 1}, 0, 4, gtBoth, gdHorizontal, kColor, kColorTo);
  ASSERT_EQ(across.size(), 3u);
  EXPECT_EQ(across[0], (TBarFill{TRect{2, 0, 18, 1}, kColor, kColor, gdHorizontal}));
  EXPECT_EQ(across[1], (TBarFill{TRect{0, 0, 2, 1}, kColorTo, kColor, gdHorizontal}));
  EXPECT_EQ(across[2], (TBarFill{TRect{18, 0, 20, 1}, kColor, kColorTo, gdHorizontal}));

  const auto down =
      PlanGradientEndsBar(TRect{0, 0, 1, 20}, 0, 4, gtBoth, gdVertical, kColor, kColorTo);
  ASSERT_EQ(down.size(), 3u);
  EXPECT_EQ(down[0], (TBarFill{TRect{0, 4, 1, 16}, kColor, kColor, gdVertical}));
  EXPECT_EQ(down[1], (TBarFill{TRect{0, 0, 1, 4}, kColorTo, kColor, gdVertical}));
  EXPECT_EQ(down[2], (TBarFill{TRect{0, 16, 1, 20}, kColor, kColorTo, gdVertical}));
}

TEST(GradientEndsTest, OneShadedEndStartsInColorAtTheOuterEdgeWithTheRestInColorTo) {
  const TRect across{0, 0, 20, 2};
  EXPECT_EQ(PlanGradientEndsBar(across, 0, 5, gtLeft, gdHorizontal, kColor, kColorTo),
            (std::vector<TBarFill>{{TRect{5, 0, 20, 2}, kColorTo, kColorTo, gdHorizontal},
                                   {TRect{0, 0, 5, 2}, kColor, kColorTo, gdHorizontal}}));
  EXPECT_EQ(PlanGradientEndsBar(across, 0, 5, gtRight, gdHorizontal, kColor, kColorTo),
            (std::vector<TBarFill>{{TRect{0, 0, 15, 2}, kColorTo, kColorTo, gdHorizontal},
                                   {TRect{15, 0, 20, 2}, kColorTo, kColor, gdHorizontal}}));
  // Down the bar gtLeft shades the bottom rows and gtRight the top ones.
  const TRect down{0, 0, 2, 20};
  EXPECT_EQ(PlanGradientEndsBar(down, 1, 5, gtLeft, gdVertical, kColor, kColorTo),
            (std::vector<TBarFill>{{TRect{0, 1, 2, 14}, kColorTo, kColorTo, gdVertical},
                                   {TRect{0, 14, 2, 19}, kColorTo, kColor, gdVertical}}));
  EXPECT_EQ(PlanGradientEndsBar(down, 1, 5, gtRight, gdVertical, kColor, kColorTo),
            (std::vector<TBarFill>{{TRect{0, 6, 2, 19}, kColorTo, kColorTo, gdVertical},
                                   {TRect{0, 1, 2, 6}, kColor, kColorTo, gdVertical}}));
}

TEST(GradientEndsTest, AGradientWiderThanTheBarShadesItAllAndNoneMeansTheBarColour) {
  EXPECT_EQ(PlanGradientEndsBar(TRect{0, 0, 10, 1}, 0, 30, gtBoth, gdHorizontal, kColor, clNone),
            (std::vector<TBarFill>{{TRect{0, 0, 5, 1}, kColor, kColor, gdHorizontal},
                                   {TRect{5, 0, 10, 1}, kColor, kColor, gdHorizontal}}));
  EXPECT_TRUE(
      PlanGradientEndsBar(TRect{0, 0, 3, 1}, 2, 0, gtBoth, gdHorizontal, kColor, kColorTo).empty())
      << "margins wider than the bar leave nothing";
}

}  // namespace
