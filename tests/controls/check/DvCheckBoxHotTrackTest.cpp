// The check box's hot-track look: the built-in glyph of the state with its five placeholder
// colours replaced by the row of the state (disabled, pressed look, mouse over, otherwise), the
// hot colours of both colour types, the 256-colour fallback, the mark kept off the mask colours,
// and the redraw of the glyph alone when the mouse comes and goes.
#include <gtest/gtest.h>

#include "controls/check/DvCheckBox.h"
#include "controls/common/DvColors.h"
#include "framework/win/platform/Themes.h"
#include "tests/controls/check/BuiltInGlyphArt.h"
#include "tests/controls/common/SpineTestForm.h"
#include "tests/controls/common/TestSurface.h"

namespace {

const char kHotTrackBox[] =
    "  object Box: TDvCheckBox\n"
    "    Left = 17\n    Top = 143\n    Width = 104\n    Height = 17\n"
    "    Caption = 'Enabled Auto-Dial'\n    HotTrack = True\n    State = cbChecked\n"
    "    TabOrder = 0\n    Transparent = True\n  end\n"
    "  object Next: TDvCheckBox\n"
    "    Left = 142\n    Top = 143\n    Width = 128\n    Height = 17\n"
    "    Caption = 'Auto Run On Startup'\n    State = cbUnchecked\n    TabOrder = 1\n  end\n";

// Colours worked out by hand from the hue-saturation-lightness rules for a red hot-track colour.
constexpr TColor kRedLightened30 = RGBColor(255, 64, 64);    // lightness 120 + 30
constexpr TColor kRedDarkened30 = RGBColor(191, 0, 0);       // lightness 120 - 30
constexpr TColor kRedOpposite180 = RGBColor(128, 253, 255);  // hue 0 + 120, lightness 180
constexpr TColor kOppositeDarkened30 = RGBColor(64, 248, 255);
constexpr TColor kWhiteDarkened20 = RGBColor(234, 234, 234);  // lightness 240 - 20

std::vector<std::string> Rows(const GlyphArt& art) {
  return {art.begin(), art.end()};
}

PixelLegend Legend(TColor frame, TColor light, TColor dark, TColor interior, TColor mark) {
  return {{'G', frame}, {'L', light}, {'D', dark}, {'W', interior}, {'B', mark}};
}

class DvCheckBoxHotTrackTest : public testing::Test {
 protected:
  void SetUp() override {
    form = ShowTestForm(kHotTrackBox);
    box = &form->Component<TDvCheckBox>("Box");
    box->SetFrameColor(clNavy);
  }

  // The control painted off-screen; the glyph is at (0, 2).
  std::unique_ptr<PixelSurface> Painted() {
    auto surface = std::make_unique<PixelSurface>(104, 17, clFuchsia);
    box->Perform(WM_PAINT, reinterpret_cast<WPARAM>(surface->Dc()), 0);
    return surface;
  }
  testing::AssertionResult GlyphIs(const GlyphArt& art, const PixelLegend& legend) {
    return MatchesArt(*Painted(), {0, 2}, Rows(art), legend);
  }
  void PressSpace() { SendMessageA(box->Handle(), WM_KEYDOWN, VK_SPACE, 1); }

  ThemesOverride noThemes{false};
  ScreenColorsOverride fullColor{true};
  TestFormPtr form;
  TDvCheckBox* box = nullptr;
};

TEST_F(DvCheckBoxHotTrackTest, IdleGlyphIsWindowColouredInsideTheFrameWithTheMark) {
  ASSERT_EQ(Plain(clWindow), clWhite) << "the pressed shade below is worked out for white";
  const PixelLegend idle = Legend(clNavy, clWindow, clWindow, clWindow, clHighlight);
  EXPECT_TRUE(GlyphIs(kCheckedGlyphArt, idle));
  box->SetState(cbUnchecked);
  EXPECT_TRUE(GlyphIs(kUncheckedGlyphArt, idle));
  box->SetState(cbGrayed);
  EXPECT_TRUE(GlyphIs(kGrayedGlyphArt, idle));
  // The caption still lies right of the glyph.
  EXPECT_FALSE(FindPixels(*Painted(), {18, 0, 104, 17}, clWindowText).Empty());
}

TEST_F(DvCheckBoxHotTrackTest, MouseOverGivesTheBandsTheHotColoursOfEitherType) {
  box->SetHotTrackColor(clRed);
  box->SetHotTrackColorType(htctActual);
  box->Perform(CM_MOUSEENTER);
  ASSERT_TRUE(box->MouseOver());
  EXPECT_TRUE(GlyphIs(kCheckedGlyphArt,
                      Legend(clNavy, kRedLightened30, kRedDarkened30, clWindow, clHighlight)));
  // The complement: the opposite hue at lightness 180 for the light band, darkened for the dark.
  box->SetHotTrackColorType(htctComplement);
  EXPECT_TRUE(GlyphIs(kCheckedGlyphArt,
                      Legend(clNavy, kRedOpposite180, kOppositeDarkened30, clWindow, clHighlight)));
  box->Perform(CM_MOUSELEAVE);
  EXPECT_TRUE(GlyphIs(kCheckedGlyphArt, Legend(clNavy, clWindow, clWindow, clWindow, clHighlight)));
}

TEST_F(DvCheckBoxHotTrackTest, PressedLookDarkensInteriorAndBandsAndWinsOverTheMouse) {
  box->SetHotTrackColor(clRed);
  box->Perform(CM_MOUSEENTER);
  PressSpace();
  ASSERT_TRUE(box->PressedLook());
  EXPECT_TRUE(GlyphIs(kCheckedGlyphArt, Legend(clNavy, kWhiteDarkened20, kWhiteDarkened20,
                                               kWhiteDarkened20, clHighlight)));
}

TEST_F(DvCheckBoxHotTrackTest, DisabledGlyphTakesTheDisabledColourAndAShadowMark) {
  box->SetHotTrackColor(clRed);
  box->Perform(CM_MOUSEENTER);
  box->SetDisabledColor(clYellow);
  box->SetEnabled(false);
  EXPECT_TRUE(GlyphIs(kCheckedGlyphArt, Legend(clNavy, clYellow, clYellow, clYellow, clBtnShadow)));
  // Its default is the button face.
  box->SetDisabledColor(clBtnFace);
  EXPECT_TRUE(
      GlyphIs(kCheckedGlyphArt, Legend(clNavy, clBtnFace, clBtnFace, clBtnFace, clBtnShadow)));
}

TEST_F(DvCheckBoxHotTrackTest, WithFewScreenColoursTheHotAndPressedShadesAreTheWindowColour) {
  const ScreenColorsOverride fewColors(false);
  box->SetHotTrackColor(clRed);
  box->SetHotTrackColorType(htctActual);
  box->Perform(CM_MOUSEENTER);
  const PixelLegend plain = Legend(clNavy, clWindow, clWindow, clWindow, clHighlight);
  EXPECT_TRUE(GlyphIs(kCheckedGlyphArt, plain));
  PressSpace();
  EXPECT_TRUE(GlyphIs(kCheckedGlyphArt, plain));
}

TEST_F(DvCheckBoxHotTrackTest, MarkInAMaskColourIsDrawnOneStepOff) {
  // Gray is the frame's placeholder; olive and lime are the transparent and window masks.
  box->SetHighlightColor(clGray);
  EXPECT_TRUE(GlyphIs(kCheckedGlyphArt,
                      Legend(clNavy, clWindow, clWindow, clWindow, RGBColor(129, 128, 128))));
  box->SetHighlightColor(clOlive);
  EXPECT_TRUE(GlyphIs(kCheckedGlyphArt,
                      Legend(clNavy, clWindow, clWindow, clWindow, RGBColor(129, 128, 0))));
  box->SetHighlightColor(clLime);
  EXPECT_TRUE(
      GlyphIs(kCheckedGlyphArt, Legend(clNavy, clWindow, clWindow, clWindow, RGBColor(1, 255, 0))));
  box->SetHighlightColor(clMaroon);
  EXPECT_TRUE(GlyphIs(kCheckedGlyphArt, Legend(clNavy, clWindow, clWindow, clWindow, clMaroon)));
}

TEST_F(DvCheckBoxHotTrackTest, AvoidMaskColorsStepsRedWithACarryAndKeepsSystemColours) {
  box->SetTransparentColor(RGBColor(255, 10, 20));
  EXPECT_EQ(box->AvoidMaskColors(RGBColor(255, 10, 20)), RGBColor(0, 11, 20));
  EXPECT_EQ(box->AvoidMaskColors(clHighlight), clHighlight);
  box->SetWinMaskColor(clHighlight);
  EXPECT_EQ(box->AvoidMaskColors(clHighlight), static_cast<TColor>(Plain(clHighlight) + 1));
}

// The hot look changes only the glyph: mouse enter and leave redraw its rectangle alone, when the
// hot-track look or a theme can show the difference.
TEST_F(DvCheckBoxHotTrackTest, MouseEnterAndLeaveRedrawOnlyTheGlyph) {
  const HWND window = box->Handle();
  const auto updateAfter = [window](const std::function<void()>& action) {
    ValidateRect(window, nullptr);
    action();
    RECT update{};
    return GetUpdateRect(window, &update, FALSE) ? FromRECT(update) : TRect{};
  };
  EXPECT_EQ(updateAfter([this] { box->Perform(CM_MOUSEENTER); }), Bounds(0, 2, 13, 13));
  EXPECT_EQ(updateAfter([this] { box->Perform(CM_MOUSELEAVE); }), Bounds(0, 2, 13, 13));
  box->SetAlignment(taLeftJustify);
  EXPECT_EQ(updateAfter([this] { box->Perform(CM_MOUSEENTER); }), Bounds(104 - 13, 2, 13, 13));
  box->SetHotTrack(false);
  EXPECT_EQ(updateAfter([this] { box->Perform(CM_MOUSELEAVE); }), TRect{});
  const ThemesOverride themes(true);
  EXPECT_EQ(updateAfter([this] { box->Perform(CM_MOUSEENTER); }), Bounds(104 - 13, 2, 13, 13));
}

}  // namespace
