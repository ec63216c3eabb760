// The menu's fills on a device context and on bitmaps: gradients and their slices, system colours,
// direct pixel writes into 32-bit bitmaps, and bars with gradient ends in both orientations.
#include "controls/menu/paint/MenuFills.h"

#include <gtest/gtest.h>

#include "framework/win/graphics/Bitmap.h"
#include "tests/framework/win/graphics/GraphicsTestSupport.h"

namespace {

constexpr TColor kUntouched = 0x030201;

TColor SystemColor(int index) {
  const COLORREF rgb = GetSysColor(index);
  return RGBColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TEST(MenuGradientFillTest, ANoneStartDrawsNothingAndANoneOrEqualEndIsSolid) {
  DibSurface surface(10, 6, kUntouched);
  GradientFill(surface.DC(), TRect{0, 0, 10, 6}, gdVertical, clNone, 0x00FF00);
  EXPECT_EQ(surface.Count(0, 0, 10, 6, kUntouched), 60);
  GradientFill(surface.DC(), TRect{1, 1, 9, 3}, gdHorizontal, 0x336699, clNone);
  EXPECT_EQ(surface.Count(0, 0, 10, 6, 0x336699), 16);
  GradientFill(surface.DC(), TRect{1, 3, 9, 5}, gdVertical, 0x112233, 0x112233);
  EXPECT_EQ(surface.Count(1, 3, 9, 5, 0x112233), 16);
  EXPECT_EQ(surface.Count(0, 0, 10, 6, kUntouched), 28) << "nothing outside the rectangles";
}

TEST(MenuGradientFillTest, SystemColoursAreResolvedBeforeShading) {
  DibSurface surface(4, 1, kUntouched);
  GradientFill(surface.DC(), TRect{0, 0, 4, 1}, gdHorizontal, clBtnFace, clBtnFace);
  EXPECT_EQ(surface.At(3, 0), SystemColor(COLOR_BTNFACE));
  DibSurface shaded(2, 1, kUntouched);
  GradientFill(shaded.DC(), TRect{0, 0, 2, 1}, gdHorizontal, clHighlight, 0x000000);
  EXPECT_EQ(shaded.At(0, 0), SystemColor(COLOR_HIGHLIGHT));
}

TEST(MenuGradientFillTest, RowsShadeDownAndColumnsShadeAcrossEveryRow) {
  DibSurface down(3, 4, kUntouched);
  GradientFill(down.DC(), TRect{0, 0, 3, 4}, gdVertical, RGBColor(0, 0, 0), RGBColor(200, 0, 0));
  for (int y = 0; y < 4; ++y)
    EXPECT_EQ(down.Count(0, y, 3, y + 1, RGBColor(50 * y, 0, 0)), 3);

  DibSurface across(5, 7, kUntouched);
  GradientFill(across.DC(), TRect{0, 1, 5, 6}, gdHorizontal, RGBColor(0, 100, 0),
               RGBColor(0, 0, 0));
  for (int x = 0; x < 5; ++x)
    EXPECT_EQ(across.Count(x, 1, x + 1, 6, RGBColor(0, 100 - 20 * x, 0)), 5) << x;
  EXPECT_EQ(across.Count(0, 0, 5, 1, kUntouched), 5);
  EXPECT_EQ(across.Count(0, 6, 5, 7, kUntouched), 5);
}

TEST(MenuGradientFillTest, AdjacentSlicesOfOneGradientMeetWithoutAStep) {
  // Three items of a menu 12 rows high share one gradient, each painting its own rows.
  const TRect menu{0, 0, 2, 12};
  DibSurface surface(2, 12, kUntouched);
  for (const TRect item : {TRect{0, 0, 2, 3}, TRect{0, 3, 2, 8}, TRect{0, 8, 2, 12}})
    GradientSlice(surface.DC(), menu, gdVertical, RGBColor(0, 0, 0), RGBColor(0, 0, 240), item);
  for (int y = 0; y < 12; ++y)
    EXPECT_EQ(surface.At(1, y), RGBColor(0, 0, 20 * y)) << y;
  GradientSlice(surface.DC(), menu, gdVertical, RGBColor(9, 9, 9), RGBColor(9, 9, 9),
                TRect{5, 0, 9, 9});
  EXPECT_EQ(surface.Count(0, 0, 2, 12, RGBColor(9, 9, 9)), 0) << "an empty intersection";
}

TEST(MenuGradientFillTest, A32BitBitmapTakesItsPixelsDirectlyAndOthersThroughTheirCanvas) {
  for (const TPixelFormat format : {pf32bit, pf24bit}) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(format);
    bitmap.SetSize(6, 3);
    bitmap.Canvas().Brush().SetColor(kUntouched);
    bitmap.Canvas().FillRect(TRect{0, 0, 6, 3});
    GradientFill(bitmap, TRect{1, 0, 6, 2}, gdHorizontal, RGBColor(0, 0, 0), RGBColor(250, 0, 0));
    for (int x = 1; x < 6; ++x) {
      EXPECT_EQ(bitmap.Canvas().Pixel(x, 0), RGBColor(50 * (x - 1), 0, 0)) << format << "," << x;
      EXPECT_EQ(bitmap.Canvas().Pixel(x, 1), RGBColor(50 * (x - 1), 0, 0)) << format << "," << x;
    }
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), kUntouched);
    EXPECT_EQ(bitmap.Canvas().Pixel(3, 2), kUntouched);
  }
}

TEST(MenuGradientEndsTest, WidthZeroAndMarginTwoIsASolidLineTwoPixelsShorterAtEachEnd) {
  DibSurface surface(30, 3, kUntouched);
  DrawGradientEndsBar(surface.DC(), TRect{0, 1, 30, 2}, 2, 0, gtBoth, gdHorizontal, 0x2040C0,
                      0xFFFFFF);
  EXPECT_EQ(surface.Count(2, 1, 28, 2, 0x2040C0), 26);
  EXPECT_EQ(surface.At(1, 1), kUntouched);
  EXPECT_EQ(surface.At(28, 1), kUntouched);
  EXPECT_EQ(surface.Count(0, 0, 30, 1, kUntouched) + surface.Count(0, 2, 30, 3, kUntouched), 60);
}

TEST(MenuGradientEndsTest, WidthFourFadesOverFourRowsDownAndTwoColumnsAcross) {
  const TColor color = RGBColor(0, 0, 0);
  const TColor colorTo = RGBColor(240, 240, 240);
  DibSurface down(1, 20, kUntouched);
  DrawGradientEndsBar(down.DC(), TRect{0, 0, 1, 20}, 0, 4, gtBoth, gdVertical, color, colorTo);
  EXPECT_EQ(down.Count(0, 4, 1, 16, color), 12);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(down.At(0, i), RGBColor(240 - 60 * i, 240 - 60 * i, 240 - 60 * i)) << i;
    EXPECT_EQ(down.At(0, 16 + i), RGBColor(60 * i, 60 * i, 60 * i)) << i;
  }
  DibSurface across(20, 1, kUntouched);
  DrawGradientEndsBar(across.DC(), TRect{0, 0, 20, 1}, 0, 4, gtBoth, gdHorizontal, color, colorTo);
  EXPECT_EQ(across.Count(2, 0, 18, 1, color), 16);
  EXPECT_EQ(across.At(0, 0), colorTo);
  EXPECT_EQ(across.At(1, 0), RGBColor(120, 120, 120));
  EXPECT_EQ(across.At(18, 0), color);
  EXPECT_EQ(across.At(19, 0), RGBColor(120, 120, 120));
}

TEST(MenuGradientEndsTest, ABarWithoutAColourDrawsNothing) {
  DibSurface surface(10, 1, kUntouched);
  DrawGradientEndsBar(surface.DC(), TRect{0, 0, 10, 1}, 0, 4, gtBoth, gdHorizontal, clNone,
                      0xFFFFFF);
  EXPECT_EQ(surface.Count(0, 0, 10, 1, kUntouched), 10);
}

}  // namespace
