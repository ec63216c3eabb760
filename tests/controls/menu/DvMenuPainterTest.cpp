// The tray menu as the styled painter draws its items (fsSilverFox): the bold default item, the
// images centred in the icon column, the highlight and the separator line, on exact pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "controls/menu/paint/MenuFontSmoothing.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/menus/MenuItem.h"
#include "framework/win/menus/SystemMenuFont.h"
#include "tests/controls/menu/MenuTestFixture.h"
#include "tests/framework/win/graphics/GraphicsTestSupport.h"

namespace {

constexpr TColor kUntouched = 0x030201;
constexpr TColor kBackground = 0xD1C9C8;
constexpr TColor kSeparatorLine = 0xA6A6A6;
constexpr TColor kHighlight = 0xD2BDB5;
constexpr TColor kHighlightFrame = 0x6A240A;
constexpr int kWidth = 150;
constexpr int kReserve = 15;               // the arrow reserve on Windows 6.1
constexpr int kRight = kWidth - kReserve;  // what the painter fills
constexpr int kTextLeft = 24 + 5;

class TrayMenuPaintTest : public StyledMenuTest {
 protected:
  void SetUp() override {
    StyledMenuTest::SetUp();
    Load();
  }

  std::unique_ptr<DibSurface> Paint(const char* name, TOwnerDrawState state, int height = 20) {
    auto surface = std::make_unique<DibSurface>(kWidth, height, kUntouched);
    TCanvas canvas;
    canvas.SetHandle(surface->DC());
    AssignSystemMenuFont(canvas.Font());
    Item(name).AdvancedDrawItem(canvas, TRect{0, 0, kWidth, height}, state, false);
    lastFontStyle = canvas.Font().Style();
    canvas.SetHandle(nullptr);
    return surface;
  }

  TFontStyles lastFontStyle = 0;
};

TEST_F(TrayMenuPaintTest, TheDefaultItemIsDrawnBold) {
  const auto bold = Paint("Show1", odDefault);
  EXPECT_NE(lastFontStyle & (1u << fsBold), 0u);
  Item("Show1").SetDefault(false);
  const auto regular = Paint("Show1", 0);
  EXPECT_EQ(lastFontStyle & (1u << fsBold), 0u);

  const TRect text{kTextLeft, 0, kRight, 20};
  // Text pixels: anything but the background (bold strokes may be smoothed).
  const Ink boldInk = InkIn(*bold, text, kBackground, false);
  const Ink regularInk = InkIn(*regular, text, kBackground, false);
  ASSERT_GT(InkIn(*regular, text, clBlack).count, 20) << "black text expected";
  ASSERT_GT(InkIn(*bold, text, clBlack).count, 20) << "black text expected";
  EXPECT_GE(regularInk.left, kTextLeft);
  EXPECT_EQ(boldInk.left, regularInk.left);
  EXPECT_GT(boldInk.right, regularInk.right);
  EXPECT_GT(boldInk.count, regularInk.count);
  // The other items are not bold.
  Paint("ForceConnect1", 0);
  EXPECT_EQ(lastFontStyle & (1u << fsBold), 0u);
}

TEST_F(TrayMenuPaintTest, AnItemShowsItsImageCentredInTheIconColumn) {
  const auto surface = Paint("ForceConnect1", 0);
  // The column shades from white to 0xE4DCDA; the rest is the flat background.
  EXPECT_EQ(surface->At(0, 0), clWhite);
  EXPECT_EQ(surface->At(0, 19), clWhite);
  EXPECT_EQ(surface->At(24, 0), kBackground);
  EXPECT_EQ(surface->At(kRight - 1, 19), kBackground);
  EXPECT_EQ(surface->At(kRight, 10), kUntouched) << "the arrow reserve stays unpainted";
  EXPECT_EQ(surface->Count(4, 1, 20, 17, kStateColors[2]), 256);
  EXPECT_EQ(surface->Count(0, 0, kWidth, 20, kStateColors[2]), 256);
  EXPECT_GT(InkIn(*surface, TRect{kTextLeft, 0, kRight, 20}, clBlack).count, 20);

  const auto disconnect = Paint("ForceDisconnect1", 0);
  EXPECT_EQ(disconnect->Count(4, 1, 20, 17, kStateColors[0]), 256);
}

TEST_F(TrayMenuPaintTest, ACheckedItemWithoutAnImageShowsTheTickCentredInTheColumn) {
  const COLORREF system = GetSysColor(COLOR_BTNTEXT);
  const TColor tick = RGBColor(GetRValue(system), GetGValue(system), GetBValue(system));
  Item("ForceConnect1").SetChecked(true);
  const auto imaged = Paint("ForceConnect1", 0);
  EXPECT_EQ(imaged->Count(0, 0, 24, 20, tick), 0) << "a valid image gets no mark";
  Item("ForceConnect1").SetImageIndex(-1);
  const auto checked = Paint("ForceConnect1", 0);
  // The 16 x 16 tick at (4, 1): 24 pixels, its top at row 4, column 11 of the picture.
  EXPECT_EQ(checked->Count(0, 0, 24, 20, tick), 24);
  EXPECT_EQ(checked->Count(4, 1, 20, 17, tick), 24);
  EXPECT_EQ(checked->At(15, 5), tick);
  EXPECT_EQ(checked->At(8, 8), tick);
  EXPECT_EQ(checked->At(10, 12), tick);
}

TEST_F(TrayMenuPaintTest, TheSelectedItemIsFramedAndFilled) {
  const auto surface = Paint("ForceConnect1", odSelected);
  for (const auto& [x, y] : {std::pair{0, 0}, {kRight - 1, 0}, {0, 19}, {kRight - 1, 19}})
    EXPECT_EQ(surface->At(x, y), kHighlightFrame) << x << "," << y;
  EXPECT_EQ(surface->At(kRight, 0), kUntouched);
  // The fill covers the icon column too; the image stays on top.
  EXPECT_EQ(surface->At(1, 1), kHighlight);
  EXPECT_EQ(surface->At(22, 10), kHighlight);
  EXPECT_EQ(surface->At(kRight - 2, 10), kHighlight);
  EXPECT_EQ(surface->Count(4, 1, 20, 17, kStateColors[2]), 256);
  // The text of a popup menu's own item takes RootItem.SelectedTextColor (black).
  EXPECT_GT(InkIn(*surface, TRect{kTextLeft, 1, kRight - 1, 19}, clBlack).count, 20);
}

TEST_F(TrayMenuPaintTest, TheSeparatorIsAOnePixelLineInsetTwoPixels) {
  const auto surface = Paint("N1", 0, 3);
  EXPECT_EQ(surface->At(25, 1), kBackground);
  EXPECT_EQ(surface->At(26, 1), kSeparatorLine);
  EXPECT_EQ(surface->At(kRight - 3, 1), kSeparatorLine);
  EXPECT_EQ(surface->At(kRight - 2, 1), kBackground);
  EXPECT_EQ(surface->Count(0, 1, kWidth, 2, kSeparatorLine), kRight - 2 - 26);
  EXPECT_EQ(surface->Count(0, 0, kWidth, 1, kSeparatorLine), 0);
  EXPECT_EQ(surface->Count(0, 2, kWidth, 3, kSeparatorLine), 0);
  EXPECT_EQ(surface->At(0, 1), clWhite);
}

TEST(MenuFontSmoothingTest, ABoldFontIsDrawnNoSmootherThanItsRegularFace) {
  TFont font;
  AssignSystemMenuFont(font);
  LOGFONTA regular = font.LogFont();
  regular.lfWeight = FW_NORMAL;
  MatchRegularSmoothing(font);
  EXPECT_EQ(font.Quality(), fqDefault) << "a regular font is left alone";
  font.SetStyle(font.Style() | (1u << fsBold));
  MatchRegularSmoothing(font);
  if (!DrawsSmoothed(regular))
    EXPECT_FALSE(DrawsSmoothed(font.LogFont())) << "bi-level like its regular face";
  else
    EXPECT_EQ(font.Quality(), fqDefault) << "a smoothed regular face leaves bold as it is";
  EXPECT_EQ(font.LogFont().lfWeight, FW_BOLD);
}

}  // namespace
