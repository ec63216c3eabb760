// The menu gradients' arithmetic and their direct fill of 32-bit pixel rows: solid and empty
// cases, both directions, and slices of one gradient that meet without a step.
#include "controls/menu/core/MenuGradients.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr uint32_t kUntouched = 0x00ABCDEF;

// A 32-bit pixel surface with a stride wider than its width, to catch row arithmetic.
struct Surface {
  Surface(int width, int height)
      : pixels(static_cast<size_t>((width + 3) * height), kUntouched),
        rows{pixels.data(), width, height, width + 3} {}
  uint32_t At(int x, int y) const { return rows.Row(y)[x]; }
  std::vector<uint32_t> pixels;
  TPixelRows rows;
};

TEST(GradientColorTest, EachChannelMovesByOffsetTimesDifferenceDividedByLength) {
  const TColor black = RGBColor(0, 0, 0);
  const TColor to = RGBColor(255, 100, 10);
  EXPECT_EQ(GradientColor(black, to, 0, 5), black);
  EXPECT_EQ(GradientColor(black, to, 2, 5), RGBColor(102, 40, 4));
  EXPECT_EQ(GradientColor(black, to, 4, 5), RGBColor(204, 80, 8));
  // A falling channel truncates toward zero: 200 - 100 / 3 is 167, not 166.
  EXPECT_EQ(GradientColor(RGBColor(200, 0, 0), RGBColor(100, 0, 0), 1, 3), RGBColor(167, 0, 0));
  EXPECT_EQ(GradientColor(to, black, 3, 0), to) << "no length: the start colour";
}

TEST(GradientFillTest, ANoneStartDrawsNothingAndANoneOrEqualEndIsSolid) {
  EXPECT_EQ(KindOfGradient(clNone, 0x123456), TGradientKind::None);
  EXPECT_EQ(KindOfGradient(0x123456, clNone), TGradientKind::Solid);
  EXPECT_EQ(KindOfGradient(0x123456, 0x123456), TGradientKind::Solid);
  EXPECT_EQ(KindOfGradient(0x123456, 0x123457), TGradientKind::Shaded);

  Surface none(4, 3);
  FillGradientPixels(none.rows, TRect{0, 0, 4, 3}, gdVertical, clNone, 0xFFFFFF, TRect{0, 0, 4, 3});
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(none.At(x, y), kUntouched);

  for (TColor end : {clNone, RGBColor(10, 20, 30)}) {
    Surface solid(4, 3);
    FillGradientPixels(solid.rows, TRect{1, 1, 3, 3}, gdHorizontal, RGBColor(10, 20, 30), end,
                       TRect{0, 0, 4, 3});
    EXPECT_EQ(solid.At(1, 1), 0x000A141Eu);
    EXPECT_EQ(solid.At(2, 2), 0x000A141Eu);
    EXPECT_EQ(solid.At(0, 1), kUntouched);
    EXPECT_EQ(solid.At(3, 2), kUntouched);
    EXPECT_EQ(solid.At(1, 0), kUntouched);
  }
}

TEST(GradientFillTest, VerticalShadesRowsAndHorizontalShadesColumns) {
  const TColor from = RGBColor(0, 0, 0);
  const TColor to = RGBColor(0, 0, 200);
  Surface vertical(3, 4);
  FillGradientPixels(vertical.rows, TRect{0, 0, 3, 4}, gdVertical, from, to, TRect{0, 0, 3, 4});
  const uint32_t rows[4] = {0, 50, 100, 150};
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 3; ++x)
      EXPECT_EQ(vertical.At(x, y), rows[y]) << x << "," << y;

  Surface horizontal(4, 3);
  FillGradientPixels(horizontal.rows, TRect{0, 0, 4, 3}, gdHorizontal, to, from, TRect{0, 0, 4, 3});
  const uint32_t columns[4] = {200, 150, 100, 50};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(horizontal.At(x, y), columns[x]) << x << "," << y;
}

TEST(GradientFillTest, SlicesOfOneGradientMeetWithoutAStep) {
  // A menu-wide gradient over 10 rows painted by two items of 5 rows each.
  const TRect full{0, 0, 2, 10};
  const TColor from = RGBColor(0, 100, 0);
  const TColor to = RGBColor(0, 200, 0);
  Surface surface(2, 10);
  FillGradientPixels(surface.rows, full, gdVertical, from, to, TRect{0, 0, 2, 5});
  FillGradientPixels(surface.rows, full, gdVertical, from, to, TRect{0, 5, 2, 10});
  for (int y = 0; y < 10; ++y)
    EXPECT_EQ(surface.At(1, y), 0x6400u + 0x0A00u * y) << y;

  Surface untouched(2, 10);
  FillGradientPixels(untouched.rows, full, gdVertical, from, to, TRect{5, 0, 9, 10});
  EXPECT_EQ(untouched.At(0, 0), kUntouched) << "an empty intersection paints nothing";
}

TEST(GradientFillTest, AGradientLargerThanTheRowsWritesOnlyInsideThem) {
  Surface surface(3, 2);
  FillGradientPixels(surface.rows, TRect{-5, -5, 50, 50}, gdHorizontal, RGBColor(0, 0, 0),
                     RGBColor(0, 0, 255), TRect{-100, -100, 100, 100});
  EXPECT_EQ(surface.At(0, 0), 23u);  // column 5 of 55: 255 * 5 / 55
  EXPECT_EQ(surface.At(2, 1), 32u);  // column 7 of 55
  EXPECT_EQ(surface.pixels[3], kUntouched) << "the stride's spare pixels stay";
}

}  // namespace
