// Painting a TBackground through its cache (gradient, picture by position, tiles, margins, the
// transparent corner colour, what shows where nothing paints) and the side bar's caption, border
// and splitter, on memory bitmaps.
#include <gtest/gtest.h>

#include <algorithm>

#include "controls/menu/paint/MenuBackgroundPainter.h"
#include "controls/menu/paint/MenuSideBarPainter.h"
#include "controls/menu/styler/DvMenuBackground.h"
#include "controls/menu/styler/DvMenuSideBar.h"
#include "framework/core/Picture.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Canvas.h"
#include "tests/controls/menu/MenuTestFixture.h"
#include "tests/framework/win/graphics/GraphicsTestSupport.h"

namespace {

constexpr TColor kUntouched = 0x030201;
constexpr TColor kRed = RGBColor(220, 0, 0);
constexpr TColor kCorner = RGBColor(1, 2, 250);

// A picture of width x height in kRed whose bottom left pixel (the transparent colour) is kCorner.
void SetRedPicture(TBackground& background, int width, int height) {
  TBitmap picture(width, height);
  picture.Canvas().Brush().SetColor(kRed);
  picture.Canvas().FillRect(TRect{0, 0, width, height});
  picture.Canvas().SetPixel(0, height - 1, kCorner);
  background.Image()->SetGraphic(&picture);
}

void Paint(DibSurface& surface, const TRect& rect, TBackground& background) {
  TCanvas canvas;
  canvas.SetHandle(surface.DC());
  PaintBackground(canvas, rect, background);
  canvas.SetHandle(nullptr);
}

TEST(MenuBackgroundPaintTest, ATiledBackgroundWithAnEmptyPictureDrawsOnlyItsGradient) {
  for (const TSize size : {TSize{0, 5}, TSize{5, 0}}) {
    TBackground background;
    background.SetColor(0x123456);
    background.SetColorTo(clNone);
    background.SetPosition(bpTiled);
    TBitmap empty(size.cx, size.cy);
    background.Image()->SetGraphic(&empty);
    DibSurface surface(12, 8, kUntouched);
    Paint(surface, TRect{0, 0, 12, 8}, background);
    EXPECT_EQ(surface.Count(0, 0, 12, 8, 0x123456), 96);
  }
}

TEST(MenuBackgroundPaintTest, APictureGoesWhereItsPositionPutsItWithItsCornerColourTransparent) {
  TBackground background;
  background.SetColor(0x00FF00);
  background.SetColorTo(clNone);
  background.SetPosition(bpBottomRight);
  background.SetOffsetX(-1);
  background.SetOffsetY(-2);
  SetRedPicture(background, 4, 3);
  DibSurface surface(20, 10, kUntouched);
  Paint(surface, TRect{0, 0, 20, 10}, background);
  // Bottom right, moved 1 left and 2 up: columns 15..18, rows 5..7.
  EXPECT_EQ(surface.Count(15, 5, 19, 8, kRed), 11);
  EXPECT_EQ(surface.At(15, 7), 0x00FF00) << "the corner colour lets the gradient through";
  EXPECT_EQ(surface.Count(0, 0, 20, 10, kRed), 11);
  EXPECT_EQ(surface.Count(0, 0, 20, 10, 0x00FF00), 200 - 11);

  background.SetPosition(bpCenter);
  background.SetOffsetX(0);
  background.SetOffsetY(0);
  DibSurface centred(20, 10, kUntouched);
  Paint(centred, TRect{0, 0, 20, 10}, background);
  EXPECT_EQ(centred.Count(8, 3, 12, 6, kRed), 11);
}

TEST(MenuBackgroundPaintTest, TilesStartAtTheTopLeftOfTheInsetRectangle) {
  TBackground background;
  background.SetColor(0x00FF00);
  background.SetPosition(bpTiled);
  background.SetMarginX(2);
  background.SetMarginY(1);
  SetRedPicture(background, 3, 2);
  DibSurface surface(14, 8, kUntouched);
  Paint(surface, TRect{0, 0, 14, 8}, background);
  // The inset is columns 2..11, rows 1..6; tiles of 3 x 2 from (2, 1).
  EXPECT_EQ(surface.Count(0, 0, 14, 1, kUntouched), 14);
  EXPECT_EQ(surface.Count(0, 0, 2, 8, kUntouched), 16);
  EXPECT_EQ(surface.Count(12, 0, 14, 8, kUntouched), 16);
  EXPECT_EQ(surface.At(2, 1), kRed);
  EXPECT_EQ(surface.At(2, 2), 0x00FF00) << "each tile's corner lets the gradient through";
  EXPECT_EQ(surface.At(5, 2), 0x00FF00);
  EXPECT_EQ(surface.At(4, 2), kRed);
  EXPECT_EQ(surface.At(11, 5), kRed) << "the last tile is cut at the inset's edge";
  EXPECT_EQ(surface.At(11, 6), 0x00FF00);
  EXPECT_EQ(surface.At(10, 6), kRed);
}

TEST(MenuBackgroundPaintTest, WithoutAColourTheTargetShowsWhereThePictureIsNot) {
  TBackground background;
  background.SetColor(clNone);
  background.SetPosition(bpTopLeft);
  SetRedPicture(background, 2, 2);
  DibSurface surface(6, 4, kUntouched);
  Paint(surface, TRect{0, 0, 6, 4}, background);
  EXPECT_EQ(surface.Count(0, 0, 6, 4, kRed), 3);
  EXPECT_EQ(surface.Count(0, 0, 6, 4, kUntouched), 21);
}

TEST(MenuBackgroundPaintTest, TheCacheIsKeptBetweenPaintsAndOnlyResized) {
  TBackground background;
  background.SetColor(0x445566);
  TBitmap& cache = background.Cache();
  DibSurface surface(30, 20, kUntouched);
  Paint(surface, TRect{0, 0, 30, 20}, background);
  EXPECT_EQ(&background.Cache(), &cache);
  EXPECT_EQ(cache.Width(), 30);
  Paint(surface, TRect{5, 5, 15, 12}, background);
  EXPECT_EQ(&background.Cache(), &cache);
  EXPECT_EQ(cache.Width(), 10);
  EXPECT_EQ(cache.Height(), 7);
  EXPECT_EQ(cache.PixelFormat(), pf32bit);
}

TEST(SideBarBackgroundTest, ABitmapPictureMakesTheCacheTransparentWhenTheBackgroundIsSet) {
  TSideBar plain;
  plain.SetBackground(TBackground());
  EXPECT_FALSE(plain.Background().Cache().Transparent());
  TBackground pictured;
  SetRedPicture(pictured, 4, 4);
  TSideBar bar;
  bar.SetBackground(pictured);
  EXPECT_TRUE(bar.Background().Cache().Transparent());
  EXPECT_FALSE(bar.Image().Cache().Transparent()) << "the picture layer is not touched";
}

// ---- the side bar ----

class SideBarPaintTest : public testing::Test {
 protected:
  SideBarPaintTest() {
    bar.SetCaption("Vexo Menu");
    bar.Font().SetColor(kRed);
    bar.Font().SetStyle(1u << fsBold);
  }
  // The caption in a bar 24 wide and 160 high, inside a surface with room around it.
  Ink Caption() {
    DibSurface surface(40, 200, kUntouched);
    PaintSideBarCaption(surface.DC(), TRect{8, 20, 32, 180}, bar);
    const Ink ink = InkIn(surface, TRect{0, 0, surface.Width(), surface.Height()}, kRed);
    EXPECT_GT(ink.count, 50);
    EXPECT_GE(ink.left, 8);
    EXPECT_LE(ink.right, 31);
    EXPECT_GE(ink.top, 20);
    EXPECT_LE(ink.bottom, 180) << "clipped to the bar and one pixel below it";
    return ink;
  }
  TSideBar bar;
};

TEST_F(SideBarPaintTest, ACentredCaptionIsCentredAlongTheBar) {
  bar.SetAlignment(taCenter);
  for (const TDirection direction : {dDownToUp, dUpToDown}) {
    bar.SetDirection(direction);
    const Ink ink = Caption();
    const int above = ink.top - 20;
    const int below = 180 - 1 - ink.bottom;
    // Centred by the text's advance: the glyphs' side bearings may shift the ink up to 2 pixels.
    EXPECT_LE(std::abs(above - below), 4)
        << direction << ": " << above << " above, " << below << " below";
    EXPECT_GT(ink.bottom - ink.top, 40) << "the text runs along the bar";
  }
}

TEST_F(SideBarPaintTest, ALeftJustifiedCaptionStartsSixPixelsFromItsEnd) {
  bar.SetAlignment(taLeftJustify);
  bar.SetDirection(dDownToUp);
  const Ink upwards = Caption();
  EXPECT_NEAR(180 - 1 - upwards.bottom, 6, 3) << "reading upwards it starts at the bottom";
  bar.SetDirection(dUpToDown);
  const Ink downwards = Caption();
  EXPECT_NEAR(downwards.top - 20, 6, 3) << "reading downwards it starts at the top";
  bar.SetAlignment(taRightJustify);
  bar.SetDirection(dDownToUp);
  EXPECT_NEAR(Caption().top - 20, 6, 3);
}

TEST_F(SideBarPaintTest, TheShadowLiesDepthPixelsRightAndUp) {
  bar.SetAlignment(taCenter);
  bar.SetShadowColor(0x00FF00);
  bar.SetDepth(2);
  DibSurface surface(40, 200, kUntouched);
  PaintSideBarCaption(surface.DC(), TRect{8, 20, 32, 180}, bar);
  const Ink text = InkIn(surface, TRect{0, 0, surface.Width(), surface.Height()}, kRed);
  const Ink shadow = InkIn(surface, TRect{0, 0, surface.Width(), surface.Height()}, 0x00FF00);
  ASSERT_GT(shadow.count, 10);
  EXPECT_EQ(shadow.right, text.right + 2);
  EXPECT_EQ(shadow.top, text.top - 2);
}

TEST_F(SideBarPaintTest, TheBorderFramesTheBarLessTheSplitterWhichIsTheRightmostColumns) {
  bar.SetBorderColor(0x0000C0);
  bar.SetSplitterColor(0xC00000);
  bar.SetSplitterWidth(2);
  DibSurface surface(30, 40, kUntouched);
  PaintSideBarFrame(surface.DC(), TRect{0, 0, 26, 40}, bar);
  EXPECT_EQ(surface.Count(0, 0, 24, 1, 0x0000C0), 24);
  EXPECT_EQ(surface.Count(0, 39, 24, 40, 0x0000C0), 24);
  EXPECT_EQ(surface.Count(0, 0, 1, 40, 0x0000C0), 40);
  EXPECT_EQ(surface.Count(23, 0, 24, 40, 0x0000C0), 40);
  EXPECT_EQ(surface.Count(24, 0, 26, 40, 0xC00000), 80);
  EXPECT_EQ(surface.Count(1, 1, 23, 39, kUntouched), 22 * 38);
  bar.SetBorderColor(clNone);
  bar.SetSplitterColor(clNone);
  DibSurface none(30, 40, kUntouched);
  PaintSideBarFrame(none.DC(), TRect{0, 0, 26, 40}, bar);
  EXPECT_EQ(none.Count(0, 0, 30, 40, kUntouched), 1200);
}

}  // namespace
