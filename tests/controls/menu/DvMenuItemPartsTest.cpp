// The parts of styled items on memory bitmaps: disabled text, the radio mark, the painter's own
// sub-menu arrow, shortcuts, the popup menu's alignment, menu bar items, and where the side bar
// applies and how wide it makes an item.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "controls/menu/paint/DvMenuPainter.h"
#include "controls/menu/paint/DvMenuUtil.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/menus/MenuItem.h"
#include "framework/win/menus/SystemMenuFont.h"
#include "tests/controls/menu/MenuTestFixture.h"
#include "tests/framework/win/graphics/GraphicsTestSupport.h"

namespace {

constexpr TColor kUntouched = 0x030201;
constexpr int kWidth = 200;
constexpr int kHeight = 20;
constexpr int kReserve = 15;
constexpr int kPainted = kWidth - kReserve;
constexpr TColor kBackground = 0xD1C9C8;  // fsSilverFox

const char kPartsForm[] =
    "object MainFrm: TTestRootForm\n"
    "  object PartsMenu: TDvPopupMenu\n"
    "    MenuStyler = PartsStyler\n"
    "    object Plain1: TMenuItem\n"
    "      Caption = 'Plain'\n"
    "    end\n"
    "    object Disabled1: TMenuItem\n"
    "      Caption = 'Disabled'\n"
    "      Enabled = False\n"
    "    end\n"
    "    object Radio1: TMenuItem\n"
    "      Caption = 'Radio'\n"
    "      Checked = True\n"
    "      RadioItem = True\n"
    "    end\n"
    "    object Save1: TMenuItem\n"
    "      Caption = 'Save'\n"
    "      ShortCut = 16467\n"
    "    end\n"
    "    object More1: TMenuItem\n"
    "      Caption = 'More'\n"
    "      object Sub1: TMenuItem\n"
    "        Caption = 'Sub'\n"
    "      end\n"
    "    end\n"
    "    object Next1: TMenuItem\n"
    "      Break = mbBreak\n"
    "      Caption = 'Next'\n"
    "    end\n"
    "  end\n"
    "  object PartsBar: TDvMainMenu\n"
    "    MenuStyler = PartsStyler\n"
    "    object File1: TMenuItem\n"
    "      Caption = 'File'\n"
    "      object Open1: TMenuItem\n"
    "        Caption = 'Open'\n"
    "      end\n"
    "    end\n"
    "  end\n"
    "  object PartsStyler: TDvMenuFantasyStyler\n"
    "    Style = fsSilverFox\n"
    "  end\n"
    "end\n";

TColor System(int index) {
  const COLORREF rgb = GetSysColor(index);
  return RGBColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

class ItemPartsTest : public StyledMenuTest {
 protected:
  void SetUp() override {
    StyledMenuTest::SetUp();
    Load(kPartsForm);
  }
  TDvPopupMenu& Parts() const {
    return dynamic_cast<TDvPopupMenu&>(*form->FindComponent("PartsMenu"));
  }
  TDvMenuFantasyStyler& PartsStyler() const {
    return dynamic_cast<TDvMenuFantasyStyler&>(*form->FindComponent("PartsStyler"));
  }
  std::unique_ptr<DibSurface> Paint(const char* name, TOwnerDrawState state, bool barItem = false) {
    auto surface = std::make_unique<DibSurface>(kWidth, kHeight, kUntouched);
    TCanvas canvas;
    canvas.SetHandle(surface->DC());
    AssignSystemMenuFont(canvas.Font());
    Item(name).AdvancedDrawItem(canvas, TRect{0, 0, kWidth, kHeight}, state, barItem);
    canvas.SetHandle(nullptr);
    return surface;
  }
};

TEST_F(ItemPartsTest, ADisabledItemShowsItsTextTwiceOnlyWhenNotSelected) {
  const TColor highlight = System(COLOR_BTNHIGHLIGHT);
  const TColor shadow = System(COLOR_BTNSHADOW);
  ASSERT_NE(highlight, shadow);
  const TRect text{29, 0, kPainted, kHeight};
  const auto idle = Paint("Disabled1", odDisabled | odGrayed);
  const Ink raised = InkIn(*idle, text, highlight);
  const Ink shaded = InkIn(*idle, text, shadow);
  EXPECT_GT(shaded.count, 20);
  EXPECT_GT(raised.count, 5) << "the highlight shows right and below the shadow";
  EXPECT_EQ(raised.right, shaded.right + 1);
  const auto selected = Paint("Disabled1", odSelected | odDisabled | odGrayed);
  EXPECT_EQ(InkIn(*selected, text, highlight).count, 0);
  EXPECT_GT(InkIn(*selected, text, shadow).count, 20);
}

TEST_F(ItemPartsTest, ACheckedRadioItemShowsTheDotCentredInTheColumn) {
  const TColor mark = System(COLOR_BTNTEXT);
  const auto surface = Paint("Radio1", 0);
  // The 16 x 16 dot picture at (4, 1): 32 pixels, rows 5 to 10 of the picture.
  EXPECT_EQ(surface->Count(0, 0, 24, kHeight, mark), 32);
  EXPECT_EQ(surface->Count(4 + 6, 1 + 5, 4 + 10, 1 + 6, mark), 4);
  EXPECT_EQ(surface->Count(4 + 5, 1 + 7, 4 + 11, 1 + 8, mark), 6);
}

TEST_F(ItemPartsTest, AnItemWithSubItemsGetsThePaintersArrow) {
  const TColor mark = System(COLOR_BTNTEXT);
  const auto surface = Paint("More1", 0);
  // The text rectangle ends one pixel before the painted area; the 4 x 7 arrow starts 8 pixels
  // before that, its top at (0 + 20 - 5) / 2 = 7.
  const int left = kPainted - 1 - 8;
  EXPECT_EQ(surface->Count(left, 7, left + 4, 14, mark), 16);
  EXPECT_EQ(surface->Count(left - 4, 0, kPainted, kHeight, mark), 16);
  EXPECT_EQ(surface->At(left, 7), mark);
  EXPECT_EQ(surface->At(left + 3, 10), mark);
  EXPECT_EQ(surface->At(left + 1, 7), kBackground);
}

TEST_F(ItemPartsTest, TheShortcutEndsTenPixelsBeforeTheTextRectanglesEnd) {
  const auto surface = Paint("Save1", 0);
  const Ink ink = InkIn(*surface, TRect{60, 0, kPainted, kHeight}, clBlack);
  EXPECT_GT(ink.count, 15) << "Ctrl+S";
  EXPECT_LE(ink.right, kPainted - 1 - 10 - 1);
  EXPECT_GE(ink.right, kPainted - 1 - 10 - 3);
}

TEST_F(ItemPartsTest, ReadRightToLeftTheCaptionStandsRightAndTheShortcutLeft) {
  const Ink ltrCaption = InkIn(*Paint("Save1", 0), TRect{29, 0, 60, kHeight}, clBlack);
  const Ink ltrShortCut = InkIn(*Paint("Save1", 0), TRect{60, 0, kPainted, kHeight}, clBlack);
  ASSERT_GT(ltrCaption.count, 10);
  Parts().SetBiDiMode(bdRightToLeft);
  const auto surface = Paint("Save1", 0);
  // The text rectangle runs from 29 to kPainted - 1: the shortcut starts ten pixels in from its
  // left end, the caption ends at its right end; both as wide as before.
  const Ink shortCut = InkIn(*surface, TRect{29, 0, 100, kHeight}, clBlack);
  const Ink caption = InkIn(*surface, TRect{100, 0, kPainted, kHeight}, clBlack);
  EXPECT_GE(shortCut.left, 29 + 10);
  EXPECT_LE(shortCut.left, 29 + 10 + 2);
  EXPECT_EQ(shortCut.right - shortCut.left, ltrShortCut.right - ltrShortCut.left);
  EXPECT_EQ(shortCut.count, ltrShortCut.count);
  EXPECT_GE(caption.right, kPainted - 1 - 3);
  EXPECT_LE(caption.right, kPainted - 2);
  EXPECT_EQ(caption.right - caption.left, ltrCaption.right - ltrCaption.left);
  EXPECT_EQ(caption.count, ltrCaption.count);
}

TEST_F(ItemPartsTest, APopupMenuAlignsItsCaptions) {
  const TRect text{29, 0, kPainted, kHeight};
  const Ink left = InkIn(*Paint("Plain1", 0), text, clBlack);
  EXPECT_LE(left.left, 30);
  Parts().SetAlignment(paRight);
  const Ink right = InkIn(*Paint("Plain1", 0), text, clBlack);
  EXPECT_GE(right.right, kPainted - 1 - 3);
  EXPECT_EQ(right.right - right.left, left.right - left.left);
  Parts().SetAlignment(paCenter);
  const Ink centre = InkIn(*Paint("Plain1", 0), text, clBlack);
  EXPECT_LE(std::abs((centre.left - 29) - (kPainted - 1 - centre.right)), 3);
}

TEST_F(ItemPartsTest, ABarItemShowsTheBarsBandOrItsSelectedOrHotLook) {
  // fsSilverFox: the band shades down from white to 0xC5BAB7; selected: 0xF1F3F4 in a 0x666666
  // frame; hot: 0xD2BDB5 in a 0x6A240A frame. On a memory bitmap the band is the item itself.
  const auto idle = Paint("File1", 0, true);
  EXPECT_EQ(idle->At(0, 0), clWhite);
  EXPECT_EQ(idle->At(kWidth - 1, 0), clWhite) << "no arrow reserve on the bar";
  EXPECT_EQ(idle->At(0, 10), RGBColor(255 - 72 * 10 / 20, 255 - 69 * 10 / 20, 255 - 58 * 10 / 20));
  const auto selected = Paint("File1", odSelected, true);
  EXPECT_EQ(selected->At(0, 0), 0x666666);
  EXPECT_EQ(selected->At(kWidth - 1, kHeight - 1), 0x666666);
  EXPECT_EQ(selected->At(1, 1), 0xF1F3F4);
  const auto hot = Paint("File1", odHotLight, true);
  EXPECT_EQ(hot->At(0, 0), 0x6A240A);
  EXPECT_EQ(hot->At(kWidth - 2, kHeight - 2), 0xD2BDB5);
  // The caption is centred.
  const Ink ink = InkIn(*idle, TRect{0, 0, kWidth, kHeight}, clBlack);
  EXPECT_LE(std::abs(ink.left - (kWidth - 1 - ink.right)), 3);
}

TEST_F(ItemPartsTest, TheSideBarAppliesByItsVisibleInRuleAndWidensTheItem) {
  TSideBar& bar = PartsStyler().SideBar();
  EXPECT_FALSE(SideBarApplies(Item("Plain1"), PartsStyler())) << "not visible in fsSilverFox";
  bar.SetVisible(true);
  EXPECT_TRUE(SideBarApplies(Item("Plain1"), PartsStyler()));
  EXPECT_FALSE(SideBarApplies(Item("Sub1"), PartsStyler())) << "viFirstVisible: not in sub-menus";
  EXPECT_FALSE(SideBarApplies(Item("File1"), PartsStyler())) << "never on the bar";
  EXPECT_TRUE(SideBarApplies(Item("Open1"), PartsStyler())) << "the first bar item's drop-down";
  bar.SetVisibleIn(viFirstLevel);
  EXPECT_FALSE(SideBarApplies(Item("Sub1"), PartsStyler()));
  bar.SetVisibleIn(viAnyLevel);
  EXPECT_TRUE(SideBarApplies(Item("Sub1"), PartsStyler()));
  EXPECT_FALSE(SideBarApplies(Item("File1"), PartsStyler()));

  WindowDC screen(nullptr);
  TCanvas canvas;
  canvas.SetHandle(screen.Get());
  AssignSystemMenuFont(canvas.Font());
  int plainWidth = 50;
  int plainHeight = 18;
  MeasureItemWithStyler(Item("Plain1"), PartsStyler(), canvas, plainWidth, plainHeight, false);
  int barWidth = 50;
  int barHeight = 18;
  MeasureItemWithStyler(Item("Plain1"), PartsStyler(), canvas, barWidth, barHeight, true);
  EXPECT_EQ(barWidth, plainWidth + bar.Size() + bar.SplitterWidth());
  int nextWidth = 50;
  int nextHeight = 18;
  MeasureItemWithStyler(Item("Next1"), PartsStyler(), canvas, nextWidth, nextHeight, true);
  EXPECT_EQ(nextWidth, plainWidth) << "items after a break get no side bar width";
  canvas.SetHandle(nullptr);
}

}  // namespace
