#include <gtest/gtest.h>

#include "framework/core/SysUtils.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Canvas.h"
#include "tests/framework/win/graphics/GraphicsTestSupport.h"

namespace {

class CanvasTest : public testing::Test {
 protected:
  void SetUp() override { canvas.SetHandle(surface.DC()); }
  void TearDown() override { canvas.SetHandle(nullptr); }

  DibSurface surface{40, 30};
  TCanvas canvas;
};

TEST_F(CanvasTest, FillRectLeavesOutRightAndBottomEdges) {
  canvas.Brush().SetColor(clRed);
  canvas.FillRect(TRect{2, 3, 6, 7});
  EXPECT_EQ(surface.Count(0, 0, 40, 30, clRed), 4 * 4);
  EXPECT_EQ(surface.At(2, 3), clRed);
  EXPECT_EQ(surface.At(5, 6), clRed);
  EXPECT_EQ(surface.At(6, 6), clWhite);
  EXPECT_EQ(surface.At(5, 7), clWhite);
  EXPECT_EQ(surface.At(1, 3), clWhite);
}

TEST_F(CanvasTest, LineToLeavesOutItsEndPointAndMovesThePen) {
  canvas.Pen().SetColor(clBlue);
  canvas.MoveTo(3, 4);
  canvas.LineTo(9, 4);
  EXPECT_EQ(surface.Count(0, 0, 40, 30, clBlue), 6);
  EXPECT_EQ(surface.At(3, 4), clBlue);
  EXPECT_EQ(surface.At(8, 4), clBlue);
  EXPECT_EQ(surface.At(9, 4), clWhite);
  EXPECT_EQ(canvas.PenPos(), (TPoint{9, 4}));
}

TEST_F(CanvasTest, PolygonIsOutlinedWithThePenAndFilledWithTheBrush) {
  canvas.Pen().SetColor(clBlack);
  canvas.Brush().SetColor(clLime);
  canvas.Polygon({{2, 2}, {12, 2}, {12, 12}, {2, 12}});
  EXPECT_EQ(surface.At(7, 7), clLime);
  EXPECT_EQ(surface.At(2, 7), clBlack);
  EXPECT_EQ(surface.At(12, 7), clBlack);
  EXPECT_EQ(surface.At(7, 12), clBlack);
  EXPECT_EQ(surface.Count(3, 3, 12, 12, clLime), 9 * 9);
  EXPECT_EQ(surface.At(13, 7), clWhite);
}

TEST_F(CanvasTest, NoneColouredPenAndClearBrushDrawNothing) {
  canvas.Pen().SetColor(clNone);
  canvas.Brush().SetStyle(bsClear);
  canvas.Rectangle(TRect{1, 1, 10, 10});
  canvas.FillRect(TRect{1, 1, 10, 10});
  EXPECT_EQ(surface.Count(0, 0, 40, 30, clWhite), 40 * 30);
}

TEST_F(CanvasTest, TextLiesInsideItsExtentInTheFontColour) {
  canvas.Font().SetColor(clBlack);
  canvas.Brush().SetStyle(bsClear);
  canvas.TextOut(5, 4, "WM");
  const TSize extent = canvas.TextExtent("WM");
  ASSERT_GT(extent.cx, 0);
  ASSERT_GT(extent.cy, 0);
  const int inside = surface.Count(5, 4, 5 + extent.cx, 4 + extent.cy, clBlack);
  EXPECT_GT(inside, 4);
  int outside = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x)
      if (surface.At(x, y) != clWhite &&
          !TRect{5, 4, 5 + extent.cx, 4 + extent.cy}.Contains({x, y}))
        ++outside;
  EXPECT_EQ(outside, 0);
  EXPECT_EQ(canvas.PenPos(), (TPoint{5 + extent.cx, 4}));
}

TEST_F(CanvasTest, OpaqueTextRectFillsTheRectangleWithTheBrush) {
  canvas.Brush().SetColor(clYellow);
  canvas.Font().SetColor(clBlack);
  canvas.TextRect(TRect{0, 0, 30, 20}, 2, 2, "x");
  EXPECT_EQ(surface.At(29, 19), clYellow);
  EXPECT_EQ(surface.At(30, 19), clWhite);
  EXPECT_GT(surface.Count(0, 0, 30, 20, clBlack), 0);
}

TEST_F(CanvasTest, AChangedFontIsDeselectedBeforeItsHandleGoes) {
  HGDIOBJ original = GetCurrentObject(surface.DC(), OBJ_FONT);
  canvas.TextOut(0, 0, "a");
  HFONT first = canvas.Font().Handle();
  EXPECT_EQ(GetCurrentObject(surface.DC(), OBJ_FONT), first);
  canvas.Font().SetHeight(-20);
  EXPECT_EQ(GetCurrentObject(surface.DC(), OBJ_FONT), original);
  canvas.TextOut(0, 0, "a");
  LOGFONTA selected{};
  GetObjectA(GetCurrentObject(surface.DC(), OBJ_FONT), sizeof selected, &selected);
  EXPECT_EQ(selected.lfHeight, -20);
}

TEST_F(CanvasTest, RefreshAndDetachPutTheOriginalObjectsBack) {
  HGDIOBJ pen = GetCurrentObject(surface.DC(), OBJ_PEN);
  HGDIOBJ brush = GetCurrentObject(surface.DC(), OBJ_BRUSH);
  canvas.Rectangle(TRect{0, 0, 5, 5});
  EXPECT_NE(GetCurrentObject(surface.DC(), OBJ_BRUSH), brush);
  canvas.Refresh();
  EXPECT_EQ(GetCurrentObject(surface.DC(), OBJ_PEN), pen);
  EXPECT_EQ(GetCurrentObject(surface.DC(), OBJ_BRUSH), brush);
  canvas.Rectangle(TRect{0, 0, 5, 5});
  canvas.SetHandle(nullptr);
  EXPECT_EQ(GetCurrentObject(surface.DC(), OBJ_BRUSH), brush);
}

TEST_F(CanvasTest, PixelsReadAndWriteResolvedColours) {
  canvas.SetPixel(3, 3, clBtnFace);
  EXPECT_EQ(surface.At(3, 3), ColorToRGB(clBtnFace));
  surface.Set(4, 4, RGBColor(1, 2, 3));
  EXPECT_EQ(canvas.Pixel(4, 4), RGBColor(1, 2, 3));
}

TEST_F(CanvasTest, DrawingRaisesChangingThenChanged) {
  std::string order;
  canvas.OnChanging = [&](TObject*) { order += "<"; };
  canvas.OnChange = [&](TObject*) { order += ">"; };
  canvas.FillRect(TRect{0, 0, 2, 2});
  canvas.MoveTo(1, 1);
  EXPECT_EQ(order, "<>");
}

TEST(CanvasWithoutHandle, RefusesToDraw) {
  TCanvas canvas;
  try {
    canvas.FillRect(TRect{0, 0, 1, 1});
    FAIL();
  } catch (const EInvalidOperation& e) {
    EXPECT_EQ(e.Message(), "Canvas does not allow drawing");
  }
}

TEST_F(CanvasTest, BrushCopyReplacesExactlyTheKeyColourWithTheBrush) {
  TBitmap source(6, 4, pf32bit);
  source.Canvas().Brush().SetColor(clBlue);
  source.Canvas().FillRect(TRect{0, 0, 6, 4});
  source.Canvas().SetPixel(1, 1, clFuchsia);
  source.Canvas().SetPixel(2, 1, RGBColor(255, 0, 254));  // one step off the key
  source.Canvas().SetPixel(5, 3, clFuchsia);
  canvas.Brush().SetColor(clLime);
  canvas.BrushCopy(TRect{10, 10, 16, 14}, source, TRect{0, 0, 6, 4}, clFuchsia);
  EXPECT_EQ(surface.At(11, 11), clLime);
  EXPECT_EQ(surface.At(15, 13), clLime);
  EXPECT_EQ(surface.At(12, 11), RGBColor(255, 0, 254));
  EXPECT_EQ(surface.Count(10, 10, 16, 14, clBlue), 6 * 4 - 3);
  EXPECT_EQ(surface.Count(0, 0, 40, 30, clWhite), 40 * 30 - 6 * 4);
}

TEST_F(CanvasTest, BrushCopyWithAClearBrushLeavesTheCanvasUnderTheKey) {
  TBitmap source(2, 1, pf24bit);
  source.Canvas().SetPixel(0, 0, clRed);
  source.Canvas().SetPixel(1, 0, clOlive);
  surface.Set(1, 0, clAqua);
  canvas.Brush().SetStyle(bsClear);
  canvas.BrushCopy(TRect{0, 0, 2, 1}, source, TRect{0, 0, 2, 1}, clOlive);
  EXPECT_EQ(surface.At(0, 0), clRed);
  EXPECT_EQ(surface.At(1, 0), clAqua);
}

TEST(ColorToRGB, ResolvesSystemColoursThroughThePlatform) {
  EXPECT_EQ(ColorToRGB(clBtnFace), static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(ColorToRGB(clWindowText), static_cast<TColor>(GetSysColor(COLOR_WINDOWTEXT)));
  EXPECT_EQ(ColorToRGB(RGBColor(1, 2, 3)), RGBColor(1, 2, 3));
  EXPECT_EQ(ColorToRGB(clNone), clNone);
}

}  // namespace
