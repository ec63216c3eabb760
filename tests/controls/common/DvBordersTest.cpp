// Edges and borders drawn into a memory surface, pixel for pixel: every frame style in the
// system's colours (the etched styles' corners included), the styles in colours derived from a
// control's colour, rounded flat edges, layered borders and the edit frame. The background is
// fuchsia ('.').
#include <gtest/gtest.h>

#include "controls/common/DvBorders.h"
#include "controls/common/DvLayeredBorders.h"
#include "tests/controls/common/TestSurface.h"

namespace {

const PixelLegend kSystemColors = {{'.', clFuchsia},    {'s', clBtnShadow}, {'h', clBtnHighlight},
                                   {'d', cl3DDkShadow}, {'l', cl3DLight},   {'t', clBtnText}};

class DvBordersTest : public testing::Test {
 protected:
  DvBordersTest() : surface(12, 12, clFuchsia) {}

  testing::AssertionResult Shows(const std::vector<std::string>& art,
                                 const PixelLegend& legend = kSystemColors) {
    surface.Canvas().Refresh();
    return MatchesArt(surface, {0, 0}, art, legend);
  }
  // Back to plain fuchsia, for the next drawing.
  void Clear() {
    surface.Canvas().Refresh();
    GdiObject<HBRUSH> brush(CreateSolidBrush(static_cast<COLORREF>(clFuchsia)));
    const RECT all{0, 0, surface.Width(), surface.Height()};
    FillRect(surface.Dc(), &all, brush.Get());
  }
  TRect Styled(TFrameStyleEx style, TSides sides = kAllSides) {
    Clear();
    return PaintStyledBorder(surface.Canvas(), {1, 1, 9, 8}, style, sides);
  }

  PixelSurface surface;
};

TEST_F(DvBordersTest, SidesGiveTheSharedCornersToTheLowerRightColour) {
  TCanvas& canvas = surface.Canvas();
  EXPECT_EQ(PaintSides(canvas, {1, 1, 6, 5}, clBtnShadow, kAllSides, clBtnHighlight),
            (TRect{2, 2, 5, 4}));
  // clNone draws nothing but still shrinks the requested sides.
  EXPECT_EQ(PaintSides(canvas, {0, 6, 12, 12}, clNone, SideBit(sdLeft) | SideBit(sdBottom), clNone),
            (TRect{1, 6, 12, 11}));
  // Two rings of one colour, only on the left and the top.
  EXPECT_EQ(
      PaintBevel(canvas, {7, 7, 11, 11}, cl3DDkShadow, SideBit(sdLeft) | SideBit(sdTop), 2, clNone),
      (TRect{9, 9, 11, 11}));
  EXPECT_TRUE(Shows({"............",  //
                     ".ssssh......",  //
                     ".s...h......",  //
                     ".s...h......",  //
                     ".hhhhh......",  //
                     "............",  //
                     "............",  //
                     ".......dddd.",  //
                     ".......dddd.",  //
                     ".......dd...",  //
                     ".......dd...",  //
                     "............"}));
}

TEST_F(DvBordersTest, OneLineStyles) {
  EXPECT_EQ(Styled(fsNone), (TRect{1, 1, 9, 8}));
  EXPECT_EQ(Styled(fsFlatRounded), (TRect{1, 1, 9, 8}));
  EXPECT_EQ(surface.CountOther(clFuchsia), 0);
  EXPECT_EQ(Styled(fsFlat), (TRect{2, 2, 8, 7}));
  EXPECT_TRUE(Shows({"..........", ".dddddddd.", ".d......d.", ".d......d.", ".d......d.",
                     ".d......d.", ".d......d.", ".dddddddd.", ".........."}));
  EXPECT_EQ(Styled(fsStatus), (TRect{2, 2, 8, 7}));
  EXPECT_TRUE(Shows({"..........", ".sssssssh.", ".s......h.", ".s......h.", ".s......h.",
                     ".s......h.", ".s......h.", ".hhhhhhhh.", ".........."}));
  EXPECT_EQ(Styled(fsPopup), (TRect{2, 2, 8, 7}));
  EXPECT_TRUE(Shows({"..........", ".hhhhhhhs.", ".h......s.", ".h......s.", ".h......s.",
                     ".h......s.", ".h......s.", ".ssssssss.", ".........."}));
}

TEST_F(DvBordersTest, TwoLineStyles) {
  EXPECT_EQ(Styled(fsLowered), (TRect{3, 3, 7, 6}));
  EXPECT_TRUE(Shows({"..........", ".sssssssh.", ".sdddddlh.", ".sd....lh.", ".sd....lh.",
                     ".sd....lh.", ".sllllllh.", ".hhhhhhhh.", ".........."}));
  Styled(fsButtonDown);
  EXPECT_TRUE(Shows({"..........", ".tttttttt.", ".tsssssst.", ".ts....st.", ".ts....st.",
                     ".ts....st.", ".tsssssst.", ".tttttttt.", ".........."}));
  Styled(fsRaised);
  EXPECT_TRUE(Shows({"..........", ".llllllld.", ".lhhhhhsd.", ".lh....sd.", ".lh....sd.",
                     ".lh....sd.", ".lssssssd.", ".dddddddd.", ".........."}));
  Styled(fsButtonUp);
  EXPECT_TRUE(Shows({"..........", ".hhhhhhhd.", ".hlllllsd.", ".hl....sd.", ".hl....sd.",
                     ".hl....sd.", ".hssssssd.", ".dddddddd.", ".........."}));
  EXPECT_EQ(Styled(fsFlatBold), (TRect{3, 3, 7, 6}));
  EXPECT_TRUE(Shows({"..........", ".ssssssss.", ".ssssssss.", ".ss....ss.", ".ss....ss.",
                     ".ss....ss.", ".ssssssss.", ".ssssssss.", ".........."}));
}

TEST_F(DvBordersTest, EtchedStylesOnAllSides) {
  EXPECT_EQ(Styled(fsGroove), (TRect{3, 3, 7, 6}));
  EXPECT_TRUE(Shows({"..........", ".sssssssh.", ".shhhhhsh.", ".sh....sh.", ".sh....sh.",
                     ".sh....sh.", ".sssssssh.", ".hhhhhhhh.", ".........."}));
  EXPECT_EQ(Styled(fsBump), (TRect{3, 3, 7, 6}));
  EXPECT_TRUE(Shows({"..........", ".hhhhhhhs.", ".hssssshs.", ".hs....hs.", ".hs....hs.",
                     ".hs....hs.", ".hhhhhhhs.", ".ssssssss.", ".........."}));
}

TEST_F(DvBordersTest, EtchedSidesEndFlushWhereTheirNeighbourIsMissing) {
  EXPECT_EQ(Styled(fsGroove, SideBit(sdLeft) | SideBit(sdTop)), (TRect{3, 3, 9, 8}));
  EXPECT_TRUE(Shows({"..........", ".ssssssss.", ".shhhhhhh.", ".sh.......", ".sh.......",
                     ".sh.......", ".sh.......", ".sh.......", ".........."}));
}

TEST_F(DvBordersTest, EtchedRightAndBottom) {
  EXPECT_EQ(Styled(fsGroove, SideBit(sdRight) | SideBit(sdBottom)), (TRect{1, 1, 7, 6}));
  EXPECT_TRUE(Shows({"..........", ".......sh.", ".......sh.", ".......sh.", ".......sh.",
                     ".......sh.", ".sssssssh.", ".hhhhhhhh.", ".........."}));
}

TEST_F(DvBordersTest, EtchedLeftAndBottom) {
  Styled(fsGroove, SideBit(sdLeft) | SideBit(sdBottom));
  EXPECT_TRUE(Shows({"..........", ".sh.......", ".sh.......", ".sh.......", ".sh.......",
                     ".sh.......", ".ssssssss.", ".hhhhhhhh.", ".........."}));
}

TEST_F(DvBordersTest, EtchedTopAlone) {
  EXPECT_EQ(Styled(fsGroove, SideBit(sdTop)), (TRect{1, 3, 9, 8}));
  EXPECT_TRUE(Shows({"..........", ".ssssssss.", ".hhhhhhhh.", "..........", ".........."}));
}

TEST_F(DvBordersTest, EtchedRightAlone) {
  Styled(fsGroove, SideBit(sdRight));
  EXPECT_TRUE(Shows({"..........", ".......sh.", ".......sh.", ".......sh.", ".......sh.",
                     ".......sh.", ".......sh.", ".......sh.", ".........."}));
}

// Base 0x4080C0 (hue 20, lightness 120): darkened by 50 and 100, lightened by 40, 50 and 100.
const PixelLegend kDerivedColors = {{'.', clFuchsia}, {'1', 0x254B70}, {'2', 0x0B1520},
                                    {'4', 0x7FAAD5},  {'5', 0x8FB5DA}, {'9', 0xDFEAF4}};

TEST_F(DvBordersTest, ColourStyledTwoLineStyles) {
  TCanvas& canvas = surface.Canvas();
  const TRect rect{1, 1, 9, 8};
  EXPECT_EQ(PaintColorStyledBorder(canvas, rect, 0x4080C0, fsLowered), (TRect{3, 3, 7, 6}));
  EXPECT_TRUE(Shows({"..........", ".11111119.", ".12222259.", ".12....59.", ".12....59.",
                     ".12....59.", ".15555559.", ".99999999.", ".........."},
                    kDerivedColors));
  PaintColorStyledBorder(canvas, rect, 0x4080C0, fsButtonUp);
  EXPECT_TRUE(Shows({"..........", ".99999992.", ".94444412.", ".94....12.", ".94....12.",
                     ".94....12.", ".91111112.", ".22222222.", ".........."},
                    kDerivedColors));
  PaintColorStyledBorder(canvas, rect, 0x4080C0, fsRaised);
  EXPECT_TRUE(Shows({"..........", ".55555552.", ".59999912.", ".59....12.", ".59....12.",
                     ".59....12.", ".51111112.", ".22222222.", ".........."},
                    kDerivedColors));
  EXPECT_EQ(PaintColorStyledBorder(canvas, rect, 0x4080C0, fsNone), rect);
}

TEST_F(DvBordersTest, ColourStyledEtchedAndOneLineStyles) {
  TCanvas& canvas = surface.Canvas();
  const TRect rect{1, 1, 9, 8};
  EXPECT_EQ(PaintColorStyledBorder(canvas, rect, 0x4080C0, fsGroove), (TRect{3, 3, 7, 6}));
  EXPECT_TRUE(Shows({"..........", ".11111119.", ".19999919.", ".19....19.", ".19....19.",
                     ".19....19.", ".11111119.", ".99999999.", ".........."},
                    kDerivedColors));
  Clear();
  EXPECT_EQ(
      PaintColorStyledBorder(canvas, rect, 0x4080C0, SideBit(sdLeft) | SideBit(sdBottom), fsStatus),
      (TRect{2, 1, 9, 7}));
  EXPECT_TRUE(Shows({"..........", ".1........", ".1........", ".1........", ".1........",
                     ".1........", ".1........", ".99999999.", ".........."},
                    kDerivedColors));
}

TEST_F(DvBordersTest, RoundedFlatEdgesStopShortOfTheCorners) {
  const PixelLegend legend = {{'.', clFuchsia}, {'f', clTeal}};
  EXPECT_EQ(PaintRoundedFlatEdges(surface.Canvas(), {1, 1, 11, 11}, clTeal, kAllSides),
            (TRect{3, 3, 9, 9}));
  EXPECT_TRUE(Shows({"............", "...ffffff...", "..f......f..", ".f........f.", ".f........f.",
                     ".f........f.", ".f........f.", ".f........f.", ".f........f.", "..f......f..",
                     "...ffffff...", "............"},
                    legend));
}

TEST_F(DvBordersTest, RoundedFlatEdgesRunOnWhereANeighbourIsMissing) {
  const PixelLegend legend = {{'.', clFuchsia}, {'f', clTeal}};
  EXPECT_EQ(PaintRoundedFlatEdges(surface.Canvas(), {1, 1, 11, 11}, clTeal,
                                  SideBit(sdLeft) | SideBit(sdTop)),
            (TRect{3, 3, 11, 11}));
  EXPECT_TRUE(Shows({"............", "...ffffffff.", "..f.........", ".f..........", ".f..........",
                     ".f..........", ".f..........", ".f..........", ".f..........", ".f..........",
                     ".f..........", "............"},
                    legend));
}

// Outer fsFlat in the flat colour 0x808080 lightened by 30 ('f'), the border band in blue, an
// inner fsPopup with a lime highlight and a yellow shadow.
TLayeredBorders FlatBandPopup(int borderWidth) {
  TLayeredBorders borders;
  borders.outer = fsFlat;
  borders.inner = fsPopup;
  borders.borderWidth = borderWidth;
  borders.borderColor = clBlue;
  borders.highlight = clLime;
  borders.shadow = clYellow;
  borders.flatColor = 0x808080;
  borders.flatColorAdjustment = 30;
  return borders;
}

const PixelLegend kLayerColors = {{'.', clFuchsia}, {'f', 0x9F9F9F}, {'b', clBlue}, {'g', clLime},
                                  {'y', clYellow},  {'r', clRed},    {'w', clWhite}};

TEST_F(DvBordersTest, LayeredBordersWithoutBorderWidth) {
  EXPECT_EQ(PaintLayeredBorders(surface.Canvas(), {0, 0, 12, 12}, FlatBandPopup(0)),
            (TRect{2, 2, 10, 10}));
  EXPECT_TRUE(Shows({"ffffffffffff", "fgggggggggyf", "fg........yf", "fg........yf", "fg........yf",
                     "fg........yf", "fg........yf", "fg........yf", "fg........yf", "fg........yf",
                     "fyyyyyyyyyyf", "ffffffffffff"},
                    kLayerColors));
}

TEST_F(DvBordersTest, LayeredBordersWithBorderWidthOne) {
  EXPECT_EQ(PaintLayeredBorders(surface.Canvas(), {0, 0, 12, 12}, FlatBandPopup(1)),
            (TRect{3, 3, 9, 9}));
  EXPECT_TRUE(Shows({"ffffffffffff", "fbbbbbbbbbbf", "fbgggggggybf", "fbg......ybf", "fbg......ybf",
                     "fbg......ybf", "fbg......ybf", "fbg......ybf", "fbg......ybf", "fbyyyyyyyybf",
                     "fbbbbbbbbbbf", "ffffffffffff"},
                    kLayerColors));
}

TEST_F(DvBordersTest, LayeredBordersWithBorderWidthThree) {
  EXPECT_EQ(PaintLayeredBorders(surface.Canvas(), {0, 0, 12, 12}, FlatBandPopup(3)),
            (TRect{5, 5, 7, 7}));
  EXPECT_TRUE(Shows({"ffffffffffff", "fbbbbbbbbbbf", "fbbbbbbbbbbf", "fbbbbbbbbbbf", "fbbbgggybbbf",
                     "fbbbg..ybbbf", "fbbbg..ybbbf", "fbbbyyyybbbf", "fbbbbbbbbbbf", "fbbbbbbbbbbf",
                     "fbbbbbbbbbbf", "ffffffffffff"},
                    kLayerColors));
}

TEST_F(DvBordersTest, LayeredBevelStylesTakeTheBevelWidth) {
  TLayeredBorders borders = FlatBandPopup(0);
  borders.outer = fsPopup;
  borders.inner = fsStatus;
  borders.bevelWidth = 2;
  EXPECT_EQ(PaintLayeredBorders(surface.Canvas(), {0, 0, 12, 12}, borders), (TRect{4, 4, 8, 8}));
  EXPECT_TRUE(Shows({"gggggggggggy", "ggggggggggyy", "ggyyyyyyygyy", "ggyyyyyyggyy", "ggyy....ggyy",
                     "ggyy....ggyy", "ggyy....ggyy", "ggyy....ggyy", "ggygggggggyy", "ggggggggggyy",
                     "gyyyyyyyyyyy", "yyyyyyyyyyyy"},
                    kLayerColors));
}

TEST_F(DvBordersTest, OuterRoundedFlatShowsTheParentOutsideItsCorners) {
  TLayeredBorders borders = FlatBandPopup(0);
  borders.outer = fsFlatRounded;
  borders.inner = fsNone;
  borders.parentColor = clRed;
  borders.controlColor = clWhite;
  EXPECT_EQ(PaintLayeredBorders(surface.Canvas(), {0, 0, 12, 12}, borders), (TRect{2, 2, 10, 10}));
  EXPECT_TRUE(Shows({"rrffffffffrr", "rfwwwwwwwwfr", "fw........wf", "fw........wf", "fw........wf",
                     "fw........wf", "fw........wf", "fw........wf", "fw........wf", "fw........wf",
                     "rfwwwwwwwwfr", "rrffffffffrr"},
                    kLayerColors));
}

TEST_F(DvBordersTest, TransparentOuterRoundedFlatLeavesItsCornersAlone) {
  TLayeredBorders borders = FlatBandPopup(1);
  borders.outer = fsFlatRounded;
  borders.inner = fsNone;
  borders.transparent = true;
  EXPECT_EQ(PaintLayeredBorders(surface.Canvas(), {0, 0, 12, 12}, borders), (TRect{3, 3, 9, 9}));
  EXPECT_TRUE(Shows({"..ffffffff..", ".fbbbbbbbbf.", "fbbbbbbbbbbf", "fbb......bbf", "fbb......bbf",
                     "fbb......bbf", "fbb......bbf", "fbb......bbf", "fbb......bbf", "fbbbbbbbbbbf",
                     ".fbbbbbbbbf.", "..ffffffff.."},
                    kLayerColors));
}

TEST_F(DvBordersTest, InnerRoundedFlatRingsTheControlColour) {
  TLayeredBorders borders = FlatBandPopup(0);
  borders.outer = fsNone;
  borders.inner = fsFlatRounded;
  borders.controlColor = clWhite;
  EXPECT_EQ(PaintLayeredBorders(surface.Canvas(), {0, 0, 12, 12}, borders), (TRect{2, 2, 10, 10}));
  EXPECT_TRUE(Shows({"bbffffffffbb", "bfwwwwwwwwfb", "fw........wf", "fw........wf", "fw........wf",
                     "fw........wf", "fw........wf", "fw........wf", "fw........wf", "fw........wf",
                     "bfwwwwwwwwfb", "bbffffffffbb"},
                    kLayerColors));
}

TEST_F(DvBordersTest, InnerFlatWithoutCornersLeavesThemOut) {
  TLayeredBorders borders = FlatBandPopup(0);
  borders.outer = fsNone;
  borders.inner = fsFlat;
  borders.innerFlatWithoutCorners = true;
  EXPECT_EQ(PaintLayeredBorders(surface.Canvas(), {0, 0, 6, 5}, borders), (TRect{1, 1, 5, 4}));
  EXPECT_TRUE(Shows({".ffff.", "f....f", "f....f", "f....f", ".ffff."}, kLayerColors));
}

TEST_F(DvBordersTest, EditFrameClearsTwoRingsThenDrawsItsStyle) {
  const PixelLegend legend = {{'.', clFuchsia}, {'r', clRed},    {'w', clWindow}, {'y', clYellow},
                              {'1', 0x254B70},  {'9', 0xDFEAF4}, {'c', 0x4080C0}};
  TCanvas& canvas = surface.Canvas();
  PaintEditFrame(canvas, 7, 6, false, kAllSides, clRed, clWindow, fsFlat);
  EXPECT_TRUE(
      Shows({"rrrrrrr.", "rwwwwwr.", "rw...wr.", "rw...wr.", "rwwwwwr.", "rrrrrrr.", "........"},
            legend));
  // Only the requested sides take the frame; the rings are cleared all round.
  PaintEditFrame(canvas, 7, 6, false, SideBit(sdTop), clRed, clYellow, fsFlat);
  EXPECT_TRUE(
      Shows({"rrrrrrr.", "yyyyyyy.", "yy...yy.", "yy...yy.", "yyyyyyy.", "yyyyyyy."}, legend));
  // fsStatus on a control colour other than clWindow takes colours derived from it (the rings
  // are kept this time).
  PaintEditFrame(canvas, 7, 6, true, kAllSides, clRed, 0x4080C0, fsStatus);
  EXPECT_TRUE(
      Shows({"1111119.", "1yyyyy9.", "1y...y9.", "1y...y9.", "1yyyyy9.", "9999999."}, legend));
  // On clWindow the system's colours.
  PaintEditFrame(canvas, 7, 6, false, kAllSides, clRed, clWindow, fsStatus);
  surface.Canvas().Refresh();
  EXPECT_EQ(surface.At(0, 2), Plain(clBtnShadow));
  EXPECT_EQ(surface.At(6, 2), Plain(clBtnHighlight));
  EXPECT_EQ(surface.At(1, 2), Plain(clWindow));
}

TEST_F(DvBordersTest, DottedFocusSetsEverySecondPixelBlack) {
  EXPECT_EQ(PaintDottedFocus(surface.Canvas(), {1, 1, 9, 6}), (TRect{2, 2, 8, 5}));
  EXPECT_TRUE(Shows({"..........", "..k.k.k.k.", ".k......k.", "..........", ".k......k.",
                     "..k.k.k.k.", ".........."},
                    {{'.', clFuchsia}, {'k', clBlack}}));
}

}  // namespace
