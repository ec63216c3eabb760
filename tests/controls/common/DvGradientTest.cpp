// The banded gradient fill in a memory surface, with the colours of its fixed-point steps written
// out: 16.16 accumulators, steps truncated toward zero, the far end one step short.
#include <gtest/gtest.h>

#include "controls/common/DvGrafx.h"
#include "tests/controls/common/TestSurface.h"

namespace {

constexpr TColor kFace = 0xF0F0F0;

TEST(FillGradientTest, HorizontalFromCentreOfTheMainWindowsWidth) {
  PixelSurface surface(279, 2, clFuchsia);
  FillGradient(surface.Canvas(), {0, 0, 279, 2}, TGradientShape::HorizontalFromCentre, kFace,
               clGreen, 1);
  // The first run: 140 lines from green (column 139) towards the face colour (column 0); the
  // second: 139 lines from the face colour (column 278) towards green (column 140).
  EXPECT_EQ(surface.At(139, 0), clGreen);
  EXPECT_EQ(surface.At(278, 0), kFace);
  EXPECT_EQ(surface.At(0, 0), RGBColor(238, 239, 238));
  EXPECT_EQ(surface.At(140, 0), RGBColor(1, 128, 1));
  EXPECT_EQ(surface.At(138, 0), RGBColor(1, 128, 1));  // one step of 1.71 red from green
  for (int x = 0; x < 279; ++x)
    ASSERT_EQ(surface.At(x, 1), surface.At(x, 0)) << x;
}

TEST(FillGradientTest, VerticalFromCentreIsTheSameTurned) {
  PixelSurface surface(2, 279, clFuchsia);
  FillGradient(surface.Canvas(), {0, 0, 2, 279}, TGradientShape::VerticalFromCentre, kFace, clGreen,
               1);
  EXPECT_EQ(surface.At(0, 139), clGreen);
  EXPECT_EQ(surface.At(1, 278), kFace);
  EXPECT_EQ(surface.At(0, 0), RGBColor(238, 239, 238));
  EXPECT_EQ(surface.At(1, 140), RGBColor(1, 128, 1));
}

TEST(FillGradientTest, ToEdgeShapesEndInColourBAtTheRightOrTheBottom) {
  PixelSurface wide(100, 20, clFuchsia);
  FillGradient(wide.Canvas(), {0, 0, 100, 20}, TGradientShape::HorizontalToEdge, clYellow, clBlue,
               1);
  EXPECT_EQ(wide.At(99, 0), clBlue);
  EXPECT_EQ(wide.At(0, 0), RGBColor(252, 252, 2));
  // Twenty rows from an eight-row strip, every one the same.
  for (int y = 1; y < 20; ++y)
    for (int x = 0; x < 100; x += 9)
      ASSERT_EQ(wide.At(x, y), wide.At(x, 0)) << x << "," << y;

  PixelSurface tall(3, 100, clFuchsia);
  FillGradient(tall.Canvas(), {0, 0, 3, 100}, TGradientShape::VerticalToEdge, clYellow, clBlue, 1);
  EXPECT_EQ(tall.At(2, 99), clBlue);
  EXPECT_EQ(tall.At(0, 0), RGBColor(252, 252, 2));
}

TEST(FillGradientTest, DrawsAtTheRectanglesCornerOnly) {
  PixelSurface surface(30, 10, clFuchsia);
  FillGradient(surface.Canvas(), {5, 2, 25, 6}, TGradientShape::HorizontalToEdge, clBlack, clWhite,
               1);
  EXPECT_EQ(surface.At(24, 2), clWhite);
  EXPECT_EQ(surface.At(4, 2), clFuchsia);
  EXPECT_EQ(surface.At(25, 2), clFuchsia);
  EXPECT_EQ(surface.At(10, 1), clFuchsia);
  EXPECT_EQ(surface.At(10, 6), clFuchsia);
  EXPECT_EQ(surface.Count({0, 0, 30, 10}, clFuchsia), 300 - 80);
}

// The lengths of the runs of equal colour along row 0.
std::vector<int> RunLengths(const PixelSurface& surface, int width) {
  std::vector<int> runs{1};
  for (int x = 1; x < width; ++x) {
    if (surface.At(x, 0) == surface.At(x - 1, 0))
      ++runs.back();
    else
      runs.push_back(1);
  }
  return runs;
}

TEST(FillGradientTest, BandParameterSetsTheLeastBandLength) {
  // Above 8 the parameter counts bands: 255 div 64 + 1 = 4 lines at least.
  PixelSurface surface(40, 1, clFuchsia);
  FillGradient(surface.Canvas(), {0, 0, 40, 1}, TGradientShape::HorizontalToEdge, clBlack, clWhite,
               64);
  const std::vector<int> banded = RunLengths(surface, 40);
  EXPECT_EQ(banded, std::vector<int>(10, 4));
  // Up to 8 it is the length itself.
  FillGradient(surface.Canvas(), {0, 0, 40, 1}, TGradientShape::HorizontalToEdge, clBlack, clWhite,
               5);
  EXPECT_EQ(RunLengths(surface, 40), std::vector<int>(8, 5));
  // Equal colours make one band.
  FillGradient(surface.Canvas(), {0, 0, 40, 1}, TGradientShape::HorizontalFromCentre, clRed, clRed,
               1);
  EXPECT_EQ(RunLengths(surface, 40), (std::vector<int>{40}));
}

}  // namespace
