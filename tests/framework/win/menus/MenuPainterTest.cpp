#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/imagelists/ImageList.h"
#include "framework/win/menus/Menus.h"
#include "framework/win/menus/SystemMenuFont.h"
#include "tests/framework/win/graphics/GraphicsTestSupport.h"

namespace {

constexpr TColor kRed = RGBColor(255, 0, 0);

TColor Sys(int index) {
  const COLORREF c = GetSysColor(index);
  return RGBColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

// Bounds of the pixels of a rectangle that differ from a colour.
struct Ink {
  int left = 1 << 20;
  int right = -1;
  int count = 0;
};
Ink InkIn(const DibSurface& surface, const TRect& rect, TColor background) {
  Ink ink;
  for (int y = rect.Top; y < rect.Bottom; ++y)
    for (int x = rect.Left; x < rect.Right; ++x)
      if (surface.At(x, y) != background) {
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
        ++ink.count;
      }
  return ink;
}

class MenuPainterTest : public testing::Test {
 protected:
  MenuPainterTest() {
    TBitmap red(16, 16, pf24bit);
    red.Canvas().Brush().SetColor(kRed);
    red.Canvas().FillRect(TRect{0, 0, 16, 16});
    images.Add(red, nullptr);
    item.SetCaption("&Force Connect..");
    menu.Items().Add(item);
  }

  std::unique_ptr<DibSurface> Paint(TOwnerDrawState state, int height = 20, bool bar = false) {
    auto surface = std::make_unique<DibSurface>(kWidth, height, RGBColor(1, 2, 3));
    TCanvas canvas;
    canvas.SetHandle(surface->DC());
    AssignSystemMenuFont(canvas.Font());
    DrawStandardMenuItem(item, canvas, TRect{0, 0, kWidth, height}, state, bar);
    canvas.SetHandle(nullptr);
    return surface;
  }

  static constexpr int kWidth = 160;
  TImageList images{nullptr};
  TPopupMenu menu{nullptr};
  TMenuItem item{nullptr};
};

TEST_F(MenuPainterTest, AnItemWithAnImage) {
  menu.SetImages(&images);
  item.SetImageIndex(0);
  auto surface = Paint(0);
  const TColor back = Sys(COLOR_MENU);
  EXPECT_EQ(surface->At(0, 0), back);
  EXPECT_EQ(surface->At(kWidth - 1, 19), back);
  EXPECT_EQ(surface->Count(2, 2, 18, 18, kRed), 256) << "the image at (2, 2)";
  EXPECT_EQ(surface->At(1, 10), back);
  const Ink text = InkIn(*surface, TRect{18, 0, kWidth, 20}, back);
  EXPECT_GT(text.count, 20);
  EXPECT_GE(text.left, MenuTextLeft(item));
  EXPECT_LT(text.right, kWidth - kMenuRightMargin);
  EXPECT_GT(surface->Count(0, 0, kWidth, 20, Sys(COLOR_MENUTEXT)), 0);
}

TEST_F(MenuPainterTest, SelectedAndDisabledItems) {
  menu.SetImages(&images);
  item.SetImageIndex(0);
  auto selected = Paint(odSelected);
  EXPECT_EQ(selected->At(0, 0), Sys(COLOR_HIGHLIGHT));
  EXPECT_EQ(selected->At(kWidth - 1, 19), Sys(COLOR_HIGHLIGHT));
  EXPECT_GT(selected->Count(0, 0, kWidth, 20, Sys(COLOR_HIGHLIGHTTEXT)), 0);
  EXPECT_EQ(selected->Count(0, 0, kWidth, 20, Sys(COLOR_MENUTEXT)), 0);

  item.SetEnabled(false);
  auto disabled = Paint(odDisabled | odGrayed);
  EXPECT_EQ(disabled->Count(2, 2, 18, 18, Sys(COLOR_BTNSHADOW)), 256) << "the greyed image";
  EXPECT_EQ(disabled->At(18, 18), Sys(COLOR_BTNHIGHLIGHT));
  EXPECT_GT(disabled->Count(0, 0, kWidth, 20, Sys(COLOR_GRAYTEXT)), 0);
  EXPECT_EQ(disabled->Count(0, 0, kWidth, 20, kRed), 0);
}

TEST_F(MenuPainterTest, ASeparatorIsAnEtchedLine) {
  item.SetCaption("-");
  auto surface = Paint(0, kMenuSeparatorHeight);
  EXPECT_EQ(surface->Count(1, 3, kWidth - 1, 4, Sys(COLOR_BTNSHADOW)), kWidth - 2);
  EXPECT_EQ(surface->Count(1, 4, kWidth - 1, 5, Sys(COLOR_BTNHIGHLIGHT)), kWidth - 2);
  EXPECT_EQ(surface->At(0, 3), Sys(COLOR_MENU));
  EXPECT_EQ(surface->Count(0, 0, kWidth, 3, Sys(COLOR_MENU)), kWidth * 3);
}

TEST_F(MenuPainterTest, CheckAndRadioMarksWithoutAnImage) {
  item.SetChecked(true);
  const TColor text = Sys(COLOR_MENUTEXT);
  auto check = Paint(odChecked);
  // The tick around the centre (10, 10) of the 16 x 16 glyph box at (2, 2).
  EXPECT_EQ(check->At(7, 9), text);
  EXPECT_EQ(check->At(9, 11), text);
  EXPECT_EQ(check->At(13, 7), text);
  EXPECT_EQ(check->At(10, 14), Sys(COLOR_MENU));

  item.SetRadioItem(true);
  auto radio = Paint(odChecked);
  EXPECT_EQ(radio->At(10, 10), text);
  EXPECT_EQ(radio->At(10, 5), Sys(COLOR_MENU));

  menu.SetImages(&images);
  item.SetImageIndex(0);
  auto imaged = Paint(odChecked);
  EXPECT_EQ(imaged->Count(2, 2, 18, 18, kRed), 256) << "the image takes the mark's place";
}

TEST_F(MenuPainterTest, TheItemsOwnBitmapIsCentredInTheGlyphColumn) {
  TBitmap small(8, 6, pf24bit);
  small.Canvas().Brush().SetColor(kRed);
  small.Canvas().FillRect(TRect{0, 0, 8, 6});
  item.SetBitmap(&small);
  ASSERT_TRUE(item.HasBitmap());
  auto surface = Paint(0);
  // The 16 x 16 column at (2, 2): the bitmap sits at (2 + 4, 2 + 5).
  EXPECT_EQ(surface->Count(6, 7, 14, 13, kRed), 48);
  EXPECT_EQ(surface->Count(0, 0, kWidth, 20, kRed), 48);

  menu.SetImages(&images);
  item.SetImageIndex(0);
  small.Canvas().Brush().SetColor(clWhite);
  small.Canvas().FillRect(TRect{0, 0, 8, 6});
  item.SetBitmap(&small);
  EXPECT_EQ(Paint(0)->Count(2, 2, 18, 18, kRed), 256) << "a list image wins";
}

TEST_F(MenuPainterTest, AlignmentAndShortcuts) {
  const TColor back = Sys(COLOR_MENU);
  const Ink left = InkIn(*Paint(0), TRect{18, 0, kWidth, 20}, back);
  menu.SetAlignment(paRight);
  const Ink right = InkIn(*Paint(0), TRect{18, 0, kWidth, 20}, back);
  // The same text, moved against the right margin.
  EXPECT_EQ(right.count, left.count);
  EXPECT_EQ(right.right - right.left, left.right - left.left);
  EXPECT_GT(right.left, left.left + 10);
  EXPECT_GT(right.right, kWidth - kMenuRightMargin - 6);
  EXPECT_LT(right.right, kWidth - kMenuRightMargin);
  menu.SetAlignment(paLeft);

  item.SetShortCut(MakeShortCut('F', scCtrl));
  const Ink withKeys = InkIn(*Paint(0), TRect{18, 0, kWidth, 20}, back);
  EXPECT_GT(withKeys.count, left.count);
  EXPECT_GT(withKeys.right, kWidth - kMenuRightMargin - 6);
  EXPECT_EQ(withKeys.left, left.left);
}

TEST_F(MenuPainterTest, MeasuringFollowsTheLayout) {
  DibSurface surface(10, 10);
  TCanvas canvas;
  canvas.SetHandle(surface.DC());
  AssignSystemMenuFont(canvas.Font());
  TRect caption;
  canvas.DrawText("&Force Connect..", caption, DT_CALCRECT | DT_SINGLELINE);
  const int textHeight = canvas.TextHeight("Ag");
  int width = 0;
  int height = 0;
  MeasureStandardMenuItem(item, canvas, width, height);
  EXPECT_EQ(width, 24 + caption.Width() + 16);
  EXPECT_EQ(height, std::max(textHeight + 6, 20));

  TImageList big(nullptr, 32, 24);
  menu.SetImages(&big);
  MeasureStandardMenuItem(item, canvas, width, height);
  EXPECT_EQ(width, 2 + 32 + 2 + 4 + caption.Width() + 16);
  EXPECT_EQ(height, std::max(textHeight + 6, 28));

  item.SetShortCut(MakeShortCut('F', scCtrl));
  int withKeys = 0;
  MeasureStandardMenuItem(item, canvas, withKeys, height);
  EXPECT_EQ(withKeys, width + kMenuShortCutGap + canvas.TextWidth("Ctrl+F"));
  canvas.SetHandle(nullptr);
}

TEST_F(MenuPainterTest, MenuBarItems) {
  TMainMenu bar(nullptr);
  TMenuItem& file = TComponent::Create<TMenuItem>(bar);
  file.SetCaption("File");
  bar.Items().Add(file);
  EXPECT_TRUE(IsMenuBarItem(file));
  EXPECT_FALSE(IsMenuBarItem(item));

  DibSurface surface(60, 20, RGBColor(1, 2, 3));
  TCanvas canvas;
  canvas.SetHandle(surface.DC());
  AssignSystemMenuFont(canvas.Font());
  int width = 0;
  int height = 0;
  MeasureStandardMenuItem(file, canvas, width, height);
  EXPECT_EQ(width, canvas.TextWidth("File") + 2 * kMenuBarItemPadding);
  DrawStandardMenuItem(file, canvas, TRect{0, 0, 60, 20}, odSelected, true);
  canvas.SetHandle(nullptr);
  EXPECT_EQ(surface.At(0, 0), Sys(COLOR_HIGHLIGHT));
  const Ink text = InkIn(surface, TRect{0, 0, 60, 20}, Sys(COLOR_HIGHLIGHT));
  EXPECT_LE(std::abs((text.left + text.right + 1) - 60), 3) << "centred";
}

}  // namespace
