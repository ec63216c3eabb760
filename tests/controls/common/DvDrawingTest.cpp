// The shared drawing routines the controls paint with: edges, styled borders, the edit frame,
// the dotted focus outline, the spin arrow and colour mixing.
#include <gtest/gtest.h>

#include "controls/common/DvArrows.h"
#include "controls/common/DvBorders.h"
#include "controls/common/DvColors.h"
#include "tests/controls/common/TestSurface.h"

namespace {

class DvDrawingTest : public testing::Test {
 protected:
  DvDrawingTest() : surface(20, 20, clFuchsia) { canvas.SetHandle(surface.Dc()); }
  ~DvDrawingTest() override { canvas.SetHandle(nullptr); }

  TColor At(int x, int y) {
    canvas.Refresh();
    return surface.At(x, y);
  }
  int CountOf(TColor color) {
    canvas.Refresh();
    int count = 0;
    for (int y = 0; y < surface.Height(); ++y)
      for (int x = 0; x < surface.Width(); ++x)
        if (surface.At(x, y) == Plain(color)) ++count;
    return count;
  }

  PixelSurface surface;
  TCanvas canvas;
};

TEST_F(DvDrawingTest, SidesTakeTheirColoursAndTheLowerRightOwnsTheSharedCorners) {
  const TRect interior = PaintSides(canvas, {2, 2, 10, 8}, clRed, kAllSides, clBlue);
  EXPECT_EQ(interior, (TRect{3, 3, 9, 7}));
  EXPECT_EQ(At(2, 2), clRed);
  EXPECT_EQ(At(2, 6), clRed);
  EXPECT_EQ(At(9, 2), clBlue);  // top-right corner
  EXPECT_EQ(At(2, 7), clBlue);  // bottom-left corner
  EXPECT_EQ(At(9, 7), clBlue);
  EXPECT_EQ(At(10, 2), clFuchsia);
  EXPECT_EQ(At(3, 3), clFuchsia);

  // clNone draws nothing but the interior still shrinks on the requested sides.
  const TRect none =
      PaintSides(canvas, {0, 10, 20, 20}, clNone, SideBit(sdLeft) | SideBit(sdBottom), clNone);
  EXPECT_EQ(none, (TRect{1, 10, 20, 19}));
  EXPECT_EQ(CountOf(clFuchsia), 20 * 20 - 24);
}

TEST_F(DvDrawingTest, StyledBordersTakeTheirWidth) {
  const TRect whole{0, 0, 20, 20};
  EXPECT_EQ(PaintStyledBorder(canvas, whole, fsNone), whole);
  EXPECT_EQ(CountOf(clFuchsia), 400);
  EXPECT_EQ(PaintStyledBorder(canvas, whole, fsGroove), (TRect{2, 2, 18, 18}));
  EXPECT_EQ(PaintStyledBorder(canvas, whole, fsStatus, SideBit(sdTop)), (TRect{0, 1, 20, 20}));
  EXPECT_EQ(PaintStyledBorder(canvas, whole, fsFlatBold), (TRect{2, 2, 18, 18}));
  EXPECT_EQ(At(1, 5), Plain(clBtnShadow));
  EXPECT_EQ(PaintStyledBorder(canvas, whole, fsPopup), (TRect{1, 1, 19, 19}));
  EXPECT_EQ(At(0, 5), Plain(clBtnHighlight));
  EXPECT_EQ(At(19, 5), Plain(clBtnShadow));
}

TEST_F(DvDrawingTest, EditFrameClearsTwoRingsThenDrawsTheFlatStyles) {
  PaintEditFrame(canvas, 20, 20, false, kAllSides, clRed, clWindow, fsFlat);
  EXPECT_EQ(At(0, 10), clRed);
  EXPECT_EQ(At(19, 0), clRed);
  EXPECT_EQ(At(1, 10), Plain(clWindow));
  EXPECT_EQ(At(10, 18), Plain(clWindow));
  EXPECT_EQ(At(2, 10), clFuchsia);

  PaintEditFrame(canvas, 20, 20, true, kAllSides, clBlue, clWindow, fsFlatBold);
  EXPECT_EQ(At(0, 10), clBlue);
  EXPECT_EQ(At(1, 10), clBlue);
  EXPECT_EQ(At(18, 18), clBlue);
  EXPECT_EQ(At(2, 10), clFuchsia);

  // Only the requested sides are framed.
  PaintEditFrame(canvas, 20, 20, false, SideBit(sdTop), clRed, clYellow, fsFlat);
  EXPECT_EQ(At(10, 0), clRed);
  EXPECT_EQ(At(0, 10), clYellow);
}

TEST_F(DvDrawingTest, DottedFocusSetsEverySecondPixel) {
  EXPECT_EQ(PaintDottedFocus(canvas, {0, 0, 10, 6}), (TRect{1, 1, 9, 5}));
  EXPECT_EQ(At(1, 0), clBlack);
  EXPECT_EQ(At(2, 0), clFuchsia);
  EXPECT_EQ(At(3, 5), clBlack);
  EXPECT_EQ(At(0, 1), clBlack);
  EXPECT_EQ(At(0, 2), clFuchsia);
  EXPECT_EQ(At(9, 3), clBlack);
  EXPECT_EQ(CountOf(clBlack), 15);
}

TEST_F(DvDrawingTest, SpinArrowPointsItsWayAndAnUnknownDirectionDrawsNothing) {
  PaintSpinArrow(canvas, {0, 0, 20, 20}, false, true, false, 4);
  EXPECT_EQ(CountOf(clBlack), 0);
  PaintSpinArrow(canvas, {0, 0, 17, 9}, false, true, false, adUp);
  const int up = CountOf(clBlack);
  EXPECT_GT(up, 4);
  // The tip is on top: the row of the tip holds fewer arrow pixels than the base row.
  int tipRow = -1, baseRow = -1;
  for (int y = 0; y < 9; ++y) {
    int row = 0;
    for (int x = 0; x < 17; ++x)
      if (At(x, y) == clBlack) ++row;
    if (row > 0 && tipRow < 0) tipRow = y;
    if (row > 0) baseRow = y;
  }
  ASSERT_GE(tipRow, 0);
  int tipCount = 0, baseCount = 0;
  for (int x = 0; x < 17; ++x) {
    if (At(x, tipRow) == clBlack) ++tipCount;
    if (At(x, baseRow) == clBlack) ++baseCount;
  }
  EXPECT_LT(tipCount, baseCount);
  // Disabled arrows are grey; the canvas's brush comes back.
  canvas.Brush().SetColor(clYellow);
  PaintSpinArrow(canvas, {0, 10, 17, 19}, false, false, false, adDown);
  EXPECT_GT(CountOf(clBtnShadow), 4);
  EXPECT_EQ(canvas.Brush().Color(), clYellow);
}

TEST(DvColorsTest, MixingWeighsTheFirstColour) {
  EXPECT_EQ(MixColors(clRed, clBlue, 255), clRed);
  EXPECT_EQ(MixColors(clRed, clBlue, 0), clBlue);
  EXPECT_EQ(MixColors(RGBColor(0, 0, 0), RGBColor(255, 255, 255), 128), RGBColor(127, 127, 127));
  EXPECT_EQ(MixColors(clBtnShadow, clBtnShadow, 77), Plain(clBtnShadow));
}

}  // namespace
