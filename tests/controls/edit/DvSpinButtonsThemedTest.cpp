// The spin buttons with visual themes, drawn through the prefix's real theme: the theme's spin
// parts in their four states, the plain face with the theme's arrow colour for flat buttons that
// are not hot, the scroll-bar thumb behind a custom glyph, the spin edit's themed layout and the
// pair's flat switch; and a press ended by the release of any mouse button.
#include <vsstyle.h>

#include "controls/common/DvArrows.h"
#include "framework/win/platform/Themes.h"
#include "tests/controls/common/TestSurface.h"
#include "tests/controls/edit/SpinEditFixture.h"

namespace {

// The pair inside the main window's spin edit, themed: 17 × 20, so the up button is 17 × 10 at
// the top and the down button 17 × 9 below it.
class DvSpinButtonsThemedTest : public SpinEditFixture {
 protected:
  void SetUp() override {
    SpinEditFixture::SetUp();
    spin->LayoutButtons();
  }

  TDvSpinButtons& Pair() { return spin->Buttons(); }
  TDvControlButton& Up() { return Pair().UpRightButton(); }
  TDvControlButton& Down() { return Pair().DownLeftButton(); }
  std::unique_ptr<PixelSurface> Rendered() {
    auto surface = std::make_unique<PixelSurface>(17, 20, clFuchsia);
    RenderInto(Pair(), *surface);
    return surface;
  }
  // How many pixels of area (at its place in the pair) differ from a theme part drawn by the
  // platform in a rectangle of the area's size (offset by partRect, clipped to the area).
  static int PixelsUnlikePart(const PixelSurface& rendered, const TRect& area,
                              const wchar_t* themeClass, int part, int state,
                              const TRect& partRect) {
    PixelSurface expected(area.Width(), area.Height(), clFuchsia);
    const ThemeData theme(nullptr, themeClass);
    const RECT bounds = ToRECT(partRect);
    const RECT clip{0, 0, area.Width(), area.Height()};
    EXPECT_TRUE(theme.DrawBackground(expected.Dc(), part, state, bounds, &clip));
    int unlike = 0;
    for (int y = 0; y < area.Height(); ++y)
      for (int x = 0; x < area.Width(); ++x)
        unlike += rendered.At(area.Left + x, area.Top + y) != expected.At(x, y);
    return unlike;
  }
  static int UnlikeSpinPart(const PixelSurface& rendered, const TRect& area, int part, int state) {
    return PixelsUnlikePart(rendered, area, L"SPIN", part, state,
                            {0, 0, area.Width(), area.Height()});
  }

  ThemesOverride themes{true};
};

const TRect kUpArea = Bounds(0, 0, 17, 10);
const TRect kDownArea = Bounds(0, 10, 17, 9);

TEST_F(DvSpinButtonsThemedTest, ThemedLayoutReachesTheFrameAndTheHotEditMakesTheButtonsSolid) {
  EXPECT_EQ(Pair().BoundsRect(), Bounds(47 - 17 - 3, -1, 17, 21 - 1));
  EXPECT_EQ(Up().BoundsRect(), kUpArea);
  EXPECT_EQ(Down().BoundsRect(), kDownArea);
  // Without themes the pair stays inside the flat frame.
  {
    const ThemesOverride classic(false);
    spin->LayoutButtons();
    EXPECT_EQ(Pair().BoundsRect(), Bounds(47 - 17 - 4, 0, 17, 21 - 3));
  }
  spin->LayoutButtons();
  spin->Perform(CM_MOUSEENTER);
  EXPECT_FALSE(Pair().Flat());
  EXPECT_EQ(Pair().Color(), spin->Color());
  spin->Perform(CM_MOUSELEAVE);
  EXPECT_TRUE(Pair().Flat());
  // The flat colour is for unthemed buttons only.
  spin->SetFocus();
  EXPECT_FALSE(Pair().Flat());
  EXPECT_EQ(Pair().Color(), clWindow);
}

TEST_F(DvSpinButtonsThemedTest, SolidButtonsShowTheThemesSpinPartsInTheirStates) {
  Pair().SetFlat(false);
  const auto idle = Rendered();
  EXPECT_EQ(UnlikeSpinPart(*idle, kUpArea, SPNP_UP, UPS_NORMAL), 0);
  EXPECT_EQ(UnlikeSpinPart(*idle, kDownArea, SPNP_DOWN, DNS_NORMAL), 0);
  // The parts hold pixels of their own: up is not down, and neither is the classic button.
  EXPECT_GT(UnlikeSpinPart(*idle, kUpArea, SPNP_DOWN, DNS_NORMAL), 4);
  {
    const ThemesOverride classic(false);
    const auto plain = Rendered();
    int unlike = 0;
    for (int y = 0; y < 19; ++y)
      for (int x = 0; x < 17; ++x) unlike += plain->At(x, y) != idle->At(x, y);
    EXPECT_GT(unlike, 40);
  }

  Up().Perform(CM_MOUSEENTER);
  EXPECT_EQ(UnlikeSpinPart(*Rendered(), kUpArea, SPNP_UP, UPS_HOT), 0);
  SendMessageA(Pair().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PackPoint(8, 4));
  ASSERT_TRUE(Up().Pressed());
  EXPECT_EQ(UnlikeSpinPart(*Rendered(), kUpArea, SPNP_UP, UPS_PRESSED), 0);
  SendMessageA(Pair().Handle(), WM_LBUTTONUP, 0, PackPoint(8, 60));
  Up().Perform(CM_MOUSELEAVE);

  Pair().SetEnabled(false);
  const auto disabled = Rendered();
  EXPECT_EQ(UnlikeSpinPart(*disabled, kUpArea, SPNP_UP, UPS_DISABLED), 0);
  EXPECT_EQ(UnlikeSpinPart(*disabled, kDownArea, SPNP_DOWN, DNS_DISABLED), 0);

  // Left and right arrows take the horizontal parts.
  Pair().SetEnabled(true);
  spin->SetDirection(sdLeftRight);
  const auto sideways = Rendered();
  EXPECT_EQ(UnlikeSpinPart(*sideways, kUpArea, SPNP_UPHORZ, UPHZS_NORMAL), 0);
  EXPECT_EQ(UnlikeSpinPart(*sideways, kDownArea, SPNP_DOWNHORZ, DNHZS_NORMAL), 0);
}

TEST_F(DvSpinButtonsThemedTest, FlatButtonsThatAreNotHotAreFilledAndTakeTheThemesArrowColour) {
  const SpinArrowSampleOverride sample(clRed);
  ASSERT_TRUE(Pair().Flat());
  EXPECT_EQ(Up().Color(), clWindow);
  const auto flat = Rendered();
  // The face in the pair's colour, the arrow in the theme's colour in the face shrunk by two.
  PixelSurface expected(17, 10, clWindow);
  PaintSpinArrow(expected.Canvas(), {2, 2, 15, 8}, true, true, false, adUp);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 17; ++x)
      ASSERT_EQ(flat->At(x, y), expected.At(x, y)) << x << "," << y;
  EXPECT_GT(FindPixels(*flat, kUpArea, clRed).count, 5);
  EXPECT_GT(FindPixels(*flat, kDownArea, clRed).count, 5);
  // The button under the mouse is hot and shows the theme's part.
  Down().Perform(CM_MOUSEENTER);
  const auto hot = Rendered();
  EXPECT_EQ(UnlikeSpinPart(*hot, kDownArea, SPNP_DOWN, DNS_HOT), 0);
  EXPECT_EQ(FindPixels(*hot, kDownArea, clRed).count, 0);
}

TEST_F(DvSpinButtonsThemedTest, CustomGlyphSitsOnTheThemesThumbCutAtItsEdge) {
  Pair().SetFlat(false);
  // Blue with one green corner: the bottom-left pixel names the transparent colour.
  TBitmap glyph(6, 5);
  glyph.Canvas().Brush().SetColor(clBlue);
  glyph.Canvas().FillRect({0, 0, 6, 5});
  glyph.Canvas().SetPixel(0, 4, clLime);
  Pair().SetGlyphUpRight(&glyph);
  Pair().SetNumGlyphsUpRight(1);
  ASSERT_EQ(Up().Style(), cbsNone);
  const auto rendered = Rendered();
  // Face shrunk by 2 and then by 1: (3, 3, 14, 7); the 6 × 5 cell centred in it at (5, 2).
  EXPECT_EQ(FindPixels(*rendered, kUpArea, clBlue), (PixelBox{5, 2, 11, 7, 29}));
  // Elsewhere the thumb, drawn a pixel beyond the button on every side.
  PixelSurface thumb(17, 10, clFuchsia);
  const ThemeData theme(nullptr, L"SCROLLBAR");
  const RECT oversized{-1, -1, 18, 11};
  ASSERT_TRUE(theme.DrawBackground(thumb.Dc(), SBP_THUMBBTNHORZ, SCRBS_NORMAL, oversized));
  int unlike = 0;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 17; ++x)
      if (!Bounds(5, 2, 6, 5).Contains({x, y}) || (x == 5 && y == 6))
        unlike += rendered->At(x, y) != thumb.At(x, y);
  EXPECT_EQ(unlike, 0);
  // Pressed, the glyph moves right only.
  SendMessageA(Pair().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PackPoint(8, 4));
  EXPECT_EQ(FindPixels(*Rendered(), kUpArea, clBlue), (PixelBox{6, 2, 12, 7, 29}));
  SendMessageA(Pair().Handle(), WM_LBUTTONUP, 0, PackPoint(8, 60));
}

// The release of any mouse button ends a press the left button began, with its step when the
// release is inside the button.
TEST_F(DvSpinButtonsThemedTest, AnyButtonsReleaseEndsThePress) {
  const ThemesOverride classic(false);
  SendMessageA(Pair().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PackPoint(8, 4));
  ASSERT_TRUE(Up().Tracking());
  Up().Perform(WM_RBUTTONUP, MK_LBUTTON, PackPoint(8, 4));
  EXPECT_FALSE(Up().Tracking());
  EXPECT_FALSE(Up().Pressed());
  EXPECT_EQ(Up().RepeatInterval(), 0u);
  EXPECT_EQ(spin->Text(), "181");
  // The left button's own release then changes nothing more.
  SendMessageA(Pair().Handle(), WM_LBUTTONUP, 0, PackPoint(8, 4));
  EXPECT_EQ(spin->Text(), "181");
  EXPECT_EQ(Count("Button:UpdateIntervalSpinEdit:up"), 1);
}

}  // namespace
