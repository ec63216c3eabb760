// The small drawing routines: spin arrows classic and themed (with the theme's sample and its
// closeness fallback), angled fonts, colour routines on system colours, and the rule that every
// routine leaves the canvas's pen, brush and font as it found them.
#include <gtest/gtest.h>

#include "controls/common/DvArrows.h"
#include "controls/common/DvBorders.h"
#include "controls/common/DvColors.h"
#include "controls/common/DvFonts.h"
#include "controls/common/DvGrafx.h"
#include "controls/common/DvLayeredBorders.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/GdiObjects.h"
#include "tests/controls/common/TestSurface.h"

namespace {

const PixelLegend kArrowColors = {
    {'.', clFuchsia}, {'#', clBlack}, {'g', clBtnShadow}, {'d', cl3DDkShadow}, {'r', clRed}};

class DvArrowTest : public testing::Test {
 protected:
  testing::AssertionResult Arrow(bool themed, bool enabled, bool pressed, int direction,
                                 const std::vector<std::string>& art) {
    PixelSurface fresh(13, 13, clFuchsia);
    PaintSpinArrow(fresh.Canvas(), {1, 1, 12, 12}, themed, enabled, pressed, direction);
    fresh.Canvas().Refresh();
    return MatchesArt(fresh, {0, 0}, art, kArrowColors);
  }
};

// Arrows in (1, 1, 12, 12): reference point (6, 6).
const std::vector<std::string> kClassicUp = {
    ".............", ".............", ".............", ".............", "......#......",
    ".....###.....", "....#####....", "...#######...", ".............", ".............",
    ".............", ".............", ".............",
};
const std::vector<std::string> kClassicDown = {
    ".............", ".............", ".............", ".............", ".............",
    "...#######...", "....#####....", ".....###.....", "......#......", ".............",
    ".............", ".............", ".............",
};
const std::vector<std::string> kClassicLeft = {
    ".............", ".............", ".............", ".......#.....", "......##.....",
    ".....###.....", "....####.....", ".....###.....", "......##.....", ".......#.....",
    ".............", ".............", ".............",
};
const std::vector<std::string> kClassicRight = {
    ".............", ".............", ".............", "....#........", "....##.......",
    "....###......", "....####.....", "....###......", "....##.......", "....#........",
    ".............", ".............", ".............",
};
const std::vector<std::string> kThemedUp = {
    ".............", ".............", ".............", ".............", ".............",
    ".............", "......r......", ".....rrr.....", "....rrrrr....", "...rrr.rrr...",
    ".............", ".............", ".............",
};
const std::vector<std::string> kThemedDown = {
    ".............", ".............", ".............", ".............", "...rrr.rrr...",
    "....rrrrr....", ".....rrr.....", "......r......", ".............", ".............",
    ".............", ".............", ".............",
};
const std::vector<std::string> kThemedLeft = {
    ".............", ".............", ".............", "........r....", ".......rr....",
    "......rrr....", ".....rrr.....", "......rrr....", ".......rr....", "........r....",
    ".............", ".............", ".............",
};
const std::vector<std::string> kThemedRight = {
    ".............", ".............", ".............", "...r.........", "...rr........",
    "...rrr.......", "....rrr......", "...rrr.......", "...rr........", "...r.........",
    ".............", ".............", ".............",
};

// The same art in another letter, or moved one pixel right and down.
std::vector<std::string> Recolored(std::vector<std::string> art, char from, char to) {
  for (std::string& row : art)
    for (char& c : row)
      if (c == from) c = to;
  return art;
}
std::vector<std::string> Pressed(const std::vector<std::string>& art) {
  std::vector<std::string> moved(art.size(), std::string(art[0].size(), '.'));
  for (size_t y = 0; y + 1 < art.size(); ++y)
    for (size_t x = 0; x + 1 < art[y].size(); ++x)
      moved[y + 1][x + 1] = art[y][x];
  return moved;
}

TEST_F(DvArrowTest, ClassicArrowsPointTheirWay) {
  EXPECT_TRUE(Arrow(false, true, false, adUp, kClassicUp));
  EXPECT_TRUE(Arrow(false, true, false, adDown, kClassicDown));
  EXPECT_TRUE(Arrow(false, true, false, adLeft, kClassicLeft));
  EXPECT_TRUE(Arrow(false, true, false, adRight, kClassicRight));
}

TEST_F(DvArrowTest, ThemedArrowsTakeTheThemesColour) {
  SpinArrowSampleOverride sample(clRed);
  EXPECT_TRUE(Arrow(true, true, false, adUp, kThemedUp));
  EXPECT_TRUE(Arrow(true, true, false, adDown, kThemedDown));
  EXPECT_TRUE(Arrow(true, true, false, adLeft, kThemedLeft));
  EXPECT_TRUE(Arrow(true, true, false, adRight, kThemedRight));
}

TEST_F(DvArrowTest, ThemedColourCloseToTheWindowColourFallsBackToTheDark3DColour) {
  {
    // Same hue as the window colour, 20 lighter or darker on the 0..240 scale.
    const THsl240 window = ColorToHsl240(clWindow);
    const int lightness = window.lightness >= 20 ? window.lightness - 20 : window.lightness + 20;
    SpinArrowSampleOverride sample(
        Hsl240ToColor(window.hue, window.saturation, static_cast<uint8_t>(lightness)));
    EXPECT_TRUE(Arrow(true, true, false, adUp, Recolored(kThemedUp, 'r', 'd')));
  }
  // No theme to sample.
  SpinArrowSampleOverride none(clNone);
  EXPECT_TRUE(Arrow(true, true, false, adDown, Recolored(kThemedDown, 'r', 'd')));
}

TEST_F(DvArrowTest, PressedMovesAndDisabledIsGrey) {
  EXPECT_TRUE(Arrow(false, true, true, adUp, Pressed(kClassicUp)));
  EXPECT_TRUE(Arrow(false, true, true, adRight, Pressed(kClassicRight)));
  SpinArrowSampleOverride sample(clRed);
  EXPECT_TRUE(Arrow(true, true, true, adLeft, Pressed(kThemedLeft)));
  // A disabled arrow does not move when pressed.
  EXPECT_TRUE(Arrow(false, false, true, adDown, Recolored(kClassicDown, '#', 'g')));
  EXPECT_TRUE(Arrow(true, false, false, adDown, Recolored(kThemedDown, 'r', 'g')));
}

TEST_F(DvArrowTest, UnknownDirectionDrawsNothing) {
  for (int direction : {4, -1, 100}) {
    PixelSurface fresh(13, 13, clFuchsia);
    PaintSpinArrow(fresh.Canvas(), {1, 1, 12, 12}, false, true, false, direction);
    PaintSpinArrow(fresh.Canvas(), {1, 1, 12, 12}, true, true, false, direction);
    fresh.Canvas().Refresh();
    EXPECT_EQ(fresh.CountOther(clFuchsia), 0) << direction;
  }
}

TEST_F(DvArrowTest, EvenHeightsMoveTheReferencePointUp) {
  // Height 10: the reference row is 1 + 5 - 1 = 5, one above that of height 11.
  PixelSurface fresh(13, 13, clFuchsia);
  PaintSpinArrow(fresh.Canvas(), {1, 1, 12, 11}, false, true, false, adUp);
  fresh.Canvas().Refresh();
  std::vector<std::string> up = kClassicUp;
  up.erase(up.begin());
  up.push_back(std::string(13, '.'));
  EXPECT_TRUE(MatchesArt(fresh, {0, 0}, up, kArrowColors));
}

TEST(DvFontsTest, AngledFontKeepsTheFaceAndTurnsInTheDefaultCharacterSet) {
  TFont font;
  font.SetName("Arial");
  font.SetHeight(-13);
  font.SetStyle((1u << fsBold) | (1u << fsItalic) | (1u << fsUnderline));
  font.SetCharset(EASTEUROPE_CHARSET);
  font.SetPitch(fpVariable);
  const GdiObject<HFONT> angled = CreateAngledFont(font, 45);
  ASSERT_TRUE(angled);
  LOGFONTA description{};
  ASSERT_EQ(GetObjectA(angled.Get(), sizeof(description), &description),
            static_cast<int>(sizeof(description)));
  EXPECT_EQ(description.lfHeight, -13);
  EXPECT_EQ(description.lfWidth, 0);
  EXPECT_EQ(description.lfEscapement, 450);
  EXPECT_EQ(description.lfOrientation, 0);
  EXPECT_EQ(description.lfWeight, 700);
  EXPECT_EQ(description.lfItalic, 1);
  EXPECT_EQ(description.lfUnderline, 1);
  EXPECT_EQ(description.lfStrikeOut, 0);
  EXPECT_EQ(description.lfCharSet, DEFAULT_CHARSET);
  EXPECT_EQ(description.lfPitchAndFamily, VARIABLE_PITCH);
  EXPECT_STREQ(description.lfFaceName, "Arial");

  font.SetStyle(1u << fsStrikeOut);
  font.SetPitch(fpFixed);
  const GdiObject<HFONT> plain = CreateAngledFont(font, -90);
  GetObjectA(plain.Get(), sizeof(description), &description);
  EXPECT_EQ(description.lfEscapement, -900);
  EXPECT_EQ(description.lfWeight, 400);
  EXPECT_EQ(description.lfItalic, 0);
  EXPECT_EQ(description.lfStrikeOut, 1);
  EXPECT_EQ(description.lfPitchAndFamily, FIXED_PITCH);
}

TEST(DvFontsTest, TextInAnAngledFontRunsUpwards) {
  TFont font;
  font.SetName("Verdana");
  font.SetHeight(-16);
  ASSERT_TRUE(FontIsTrueType(font));
  PixelSurface surface(60, 160, clWhite);
  const GdiObject<HFONT> angled = CreateAngledFont(font, 90);
  {
    SelectGuard select(surface.Dc(), angled.Get());
    SetBkMode(surface.Dc(), TRANSPARENT);
    TextOutA(surface.Dc(), 30, 150, "MMMMMMMM", 8);
  }
  const PixelBox ink = FindPixels(surface, {0, 0, 60, 160}, clWhite, true);
  ASSERT_FALSE(ink.Empty());
  // Eight capitals up the surface from the starting point; the cell's top edge, turned, is its
  // left edge at x = 30.
  EXPECT_GT(ink.Height(), 4 * ink.Width());
  EXPECT_LE(ink.bottom, 151);
  EXPECT_GE(ink.left, 30);
  EXPECT_LE(ink.right, 30 + 24);
}

TEST(DvFontsTest, EditHeightFollowsTheFontsCellHeight) {
  TFont small;
  small.SetName("Verdana");
  small.SetHeight(-11);
  TFont large;
  large.SetName("Verdana");
  large.SetHeight(-22);
  EXPECT_GE(EditHeightForFont(small), 11 + 2);
  EXPECT_GE(EditHeightForFont(large) - EditHeightForFont(small), 10);
}

TEST(DvColorsTest, SystemColoursAreResolvedThroughTheWindowSystem) {
  EXPECT_EQ(MixColors(clRed, clBlue, 255), clRed);
  EXPECT_EQ(MixColors(clRed, clBlue, 0), clBlue);
  EXPECT_EQ(MixColors(clBtnShadow, clBtnShadow, 77), Plain(clBtnShadow));
  EXPECT_EQ(LightenColorBy(clBtnShadow, 240), clWhite);
  EXPECT_EQ(DarkenColorBy(clWindow, 240), clBlack);
  EXPECT_EQ(ShiftColorLightness(clBtnShadow, 0), clBtnShadow);
  EXPECT_EQ(ShiftColorLightness(clBtnShadow, 10), LightenColorBy(Plain(clBtnShadow), 10));
  EXPECT_TRUE(HueAndLightnessClose(clWindow, clWindow));
  EXPECT_EQ(HueOfColor(clBtnShadow), HueOfColor(Plain(clBtnShadow)));
  EXPECT_EQ(OppositeHueColor(clRed, 120), 0xFFFC00);
}

TEST(DvColorsTest, ScreenColoursCanBeForcedForTests) {
  EXPECT_TRUE(ScreenHasFullColor());  // a 24-bit display
  {
    ScreenColorsOverride few(false);
    EXPECT_FALSE(ScreenHasFullColor());
    ScreenColorsOverride full(true);
    EXPECT_TRUE(ScreenHasFullColor());
  }
  EXPECT_TRUE(ScreenHasFullColor());
}

// The canvas's tools as a test can compare them.
struct Tools {
  TColor penColor;
  int penWidth;
  TPenStyle penStyle;
  TColor brushColor;
  TBrushStyle brushStyle;
  std::string fontName;
  int fontHeight;
  TColor fontColor;
  friend bool operator==(const Tools&, const Tools&) = default;
};

Tools ToolsOf(TCanvas& canvas) {
  return {canvas.Pen().Color(),   canvas.Pen().Width(),   canvas.Pen().Style(),
          canvas.Brush().Color(), canvas.Brush().Style(), canvas.Font().Name(),
          canvas.Font().Height(), canvas.Font().Color()};
}

TEST(CanvasToolsTest, EveryRoutineLeavesPenBrushAndFontAsItFoundThem) {
  PixelSurface surface(40, 40, clFuchsia);
  TCanvas& canvas = surface.Canvas();
  canvas.Pen().SetColor(clOlive);
  canvas.Pen().SetWidth(3);
  canvas.Pen().SetStyle(psInsideFrame);
  canvas.Brush().SetColor(clTeal);
  canvas.Brush().SetStyle(bsDiagCross);
  canvas.Font().SetName("Courier New");
  canvas.Font().SetHeight(-20);
  canvas.Font().SetColor(clPurple);
  const Tools before = ToolsOf(canvas);
  const TRect rect{2, 2, 30, 30};
  const auto check = [&](const std::string& routine) {
    EXPECT_EQ(ToolsOf(canvas), before) << routine;
  };

  PaintSides(canvas, rect, clRed, kAllSides, clBlue);
  check("PaintSides");
  PaintBevel(canvas, rect, clRed, kAllSides, 3, clBlue);
  check("PaintBevel");
  for (int style = fsNone; style <= fsFlatRounded; ++style) {
    const auto frameStyle = static_cast<TFrameStyleEx>(style);
    PaintStyledBorder(canvas, rect, frameStyle, SideBit(sdLeft) | SideBit(sdBottom));
    check("PaintStyledBorder " + std::to_string(style));
    PaintColorStyledBorder(canvas, rect, clGreen, frameStyle);
    check("PaintColorStyledBorder " + std::to_string(style));
    TLayeredBorders borders;
    borders.outer = frameStyle;
    borders.inner = frameStyle;
    borders.borderWidth = 2;
    PaintLayeredBorders(canvas, rect, borders);
    check("PaintLayeredBorders " + std::to_string(style));
    if (style <= fsFlatBold) {
      PaintEditFrame(canvas, 30, 20, false, kAllSides, clRed, clYellow, frameStyle);
      check("PaintEditFrame " + std::to_string(style));
    }
  }
  PaintRoundedFlatEdges(canvas, rect, clRed, kAllSides);
  check("PaintRoundedFlatEdges");
  PaintDottedFocus(canvas, rect);
  check("PaintDottedFocus");
  for (bool themed : {false, true}) {
    PaintSpinArrow(canvas, rect, themed, true, true, adLeft);
    check("PaintSpinArrow");
  }
  FillGradient(canvas, rect, TGradientShape::VerticalFromCentre, clRed, clBlue, 1);
  check("FillGradient");
  TBitmap source(4, 4);
  PaintMaskedBitmap(canvas, source, {0, 0, 8, 8}, clBlack, {0, 0, 4, 4});
  check("PaintMaskedBitmap");
}

}  // namespace
