// Styled menus in real menu windows: the demo program shows its popup menu in each of the nine
// presets on a real right click, and the test reads the menu window's pixels off the screen once
// it has made sure that nothing covers the menu.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <cstdlib>
#include <set>
#include <string>

#include "controls/menu/styler/DvMenuStylers.h"
#include "framework/win/graphics/Bitmap.h"
#include "tests/app/ProgramProcess.h"
#include "tests/controls/menu/demo/MenuDemoForm.h"
#include "tests/controls/menu/window/MenuWindowKit.h"

namespace {

const std::wstring kDemoPath = L"" DV_MENU_DEMO_PATH;

constexpr int kReserve = 15;  // Windows 6.1, as a fresh prefix reports
constexpr int kIconColumn = 24;
// The demo popup: Sample (default), Sample, -, Connect (image 2), Checked, Radio, Disabled,
// Save (Ctrl+S), -, More (a sub-menu).
constexpr int kItemCount = 10;
constexpr bool kSeparator[kItemCount] = {false, false, true,  false, false,
                                         false, false, false, true,  false};
constexpr int kSeparatorHeight = 3;

// Where the demo's items lie in its menu window: every item but the separators is equally high.
struct TDemoItems {
  TStyledMenuLayout layout;
  int itemHeight = 0;
  int contentLeft = TStyledMenuLayout::kItemsInset;

  int Top(int index) const {
    int top = TStyledMenuLayout::kItemsInset;
    for (int i = 0; i < index; ++i)
      top += kSeparator[i] ? kSeparatorHeight : itemHeight;
    return top;
  }
  int Bottom(int index) const {
    return Top(index) + (kSeparator[index] ? kSeparatorHeight : itemHeight);
  }
  // The item's content rectangle: what the painter fills, right of the side bar.
  TRect Content(int index) const {
    return TRect{contentLeft, Top(index), layout.PaintRight(), Bottom(index)};
  }
  int ColumnRight() const { return contentLeft + kIconColumn; }
};

// The expected colour of a gradient area at (x, y).
TColor GradientAt(TColor from, TColor to, TGradientDirection direction, const TRect& area, int x,
                  int y) {
  return direction == gdVertical ? Shade(Plain(from), Plain(to), y - area.Top, area.Height())
                                 : Shade(Plain(from), Plain(to), x - area.Left, area.Width());
}

class MenuWindowTest : public testing::TestWithParam<TFantasyStyle> {
 protected:
  void SetUp() override {
    styler = std::make_unique<TDvMenuFantasyStyler>(nullptr);
    styler->SetStyle(GetParam());
    program = std::make_unique<TProgramProcess>(kDemoPath, WidePresetName());
    form = program->WaitForWindow("TMenuDemoFrm", nullptr);
    ASSERT_NE(form, nullptr) << "the demo did not show";
    ASSERT_TRUE(program->WaitForIdle(5000));
  }
  void TearDown() override {
    // An open menu holds the program in its loop: close it first.
    for (int i = 0; i < 3 && menu != nullptr && IsWindowVisible(menu); ++i)
      PressKey(VK_ESCAPE);
    if (barActive) PressKey(VK_ESCAPE);
    if (program && form != nullptr) {
      EXPECT_TRUE(program->CloseAndWait(form, 5000));
    }
  }

  std::string PresetName() const { return FantasyStyleNames()[GetParam()]; }
  // Preset names are ASCII.
  std::wstring WidePresetName() const {
    const std::string name = PresetName();
    return std::wstring(name.begin(), name.end());
  }

  // Opens the popup menu with a right click near the form's bottom right corner, so that the menu
  // opens beside the form, and returns its window.
  HWND OpenPopupMenu() {
    RECT client{};
    GetClientRect(form, &client);
    POINT point{client.right - 20, client.bottom - 15};
    ClientToScreen(form, &point);
    SetForegroundWindow(form);
    RightClickAt(point);
    menu = program->WaitForWindow("#32768", nullptr, 5000);
    return menu;
  }

  TDemoItems Items(const TWindowShot& shot) const {
    TDemoItems items;
    items.layout = TStyledMenuLayout{shot.Width(), shot.Height(), kReserve};
    const int regular = shot.Height() - 2 * TStyledMenuLayout::kItemsInset - 2 * kSeparatorHeight;
    items.itemHeight = regular / 8;
    EXPECT_EQ(regular % 8, 0) << "eight items of one height and two separators";
    const TSideBar& bar = styler->SideBar();
    if (bar.Visible()) items.contentLeft += bar.Size() + bar.SplitterWidth();
    return items;
  }

  // Pixels of an item's text zone (right of the icon column) close to colour.
  struct Ink {
    int count = 0;
    int right = -1;
  };
  static Ink InkNear(const TWindowShot& shot, const TDemoItems& items, int index, TColor colour) {
    Ink ink;
    const TRect content = items.Content(index);
    for (int y = content.Top; y < content.Bottom; ++y)
      for (int x = items.ColumnRight(); x < content.Right; ++x)
        if (ColourDistance(shot.At(x, y), colour) < 100) {
          ++ink.count;
          ink.right = std::max(ink.right, x);
        }
    return ink;
  }

  std::unique_ptr<TDvMenuFantasyStyler> styler;
  std::unique_ptr<TProgramProcess> program;
  HWND form = nullptr;
  HWND menu = nullptr;
  bool barActive = false;  // F10 made the bar active
};

TEST_P(MenuWindowTest, ThePopupMenuShowsOnlyWhatThePainterDraws) {
  ASSERT_NE(OpenPopupMenu(), nullptr) << "no menu window";
  RECT rect{};
  GetWindowRect(menu, &rect);
  ASSERT_TRUE(NothingCovers(
      menu, TStyledMenuLayout{rect.right - rect.left, rect.bottom - rect.top, kReserve}.Visible()));
  const TWindowShot shot(menu);
  const TDemoItems items = Items(shot);
  const TBackground& background = styler->Background();
  const bool textured = background.Color() == clNone;

  // The frame and ring; a frame in clNone leaves the window's own background, the styler's colour.
  const TColor border = styler->MenuBorderColor() != clNone ? Plain(styler->MenuBorderColor())
                                                            : Plain(background.Color());
  if (!textured) {
    EXPECT_TRUE(HasFrameAndRing(shot, items.layout, border, Plain(background.Color())));
  } else {
    const TRect frame = items.layout.Visible();
    EXPECT_EQ(shot.Count(TRect{frame.Left, frame.Top, frame.Right, frame.Top + 1}, border),
              frame.Width());
    EXPECT_EQ(shot.Count(TRect{frame.Left, frame.Top, frame.Left + 1, frame.Bottom}, border),
              frame.Height());
  }

  // The icon column at its two edges, in items with nothing drawn there.
  const TIconBar& icons = styler->IconBar();
  for (const int index : {1, 7}) {
    const TRect content = items.Content(index);
    const TRect column{content.Left, content.Top, content.Left + kIconColumn, content.Bottom};
    const int y = content.Top + items.itemHeight / 2;
    for (const int x : {column.Left, column.Right - 1})
      EXPECT_EQ(shot.At(x, y),
                GradientAt(icons.Color(), icons.ColorTo(), icons.GradientDirection(), column, x, y))
          << "icon column at " << x << "," << y;
  }

  // The background everywhere no item draws: the last columns the painter fills, on every row but
  // the separators' lines.
  const TRect backgroundArea{items.ColumnRight(), TStyledMenuLayout::kItemsInset,
                             items.layout.Items().Right, items.layout.Items().Bottom};
  if (!textured) {
    int wrong = 0;
    for (int y = backgroundArea.Top; y < backgroundArea.Bottom; ++y)
      for (int x = items.layout.PaintRight() - 2; x < items.layout.PaintRight(); ++x)
        if (shot.At(x, y) != GradientAt(background.Color(), background.ColorTo(),
                                        background.GradientDirection(), backgroundArea, x, y))
          ++wrong;
    EXPECT_EQ(wrong, 0) << "background pixels in another colour";
  }

  // The separator's span: from two pixels right of the icon column to two pixels before the end.
  const TSeparator& separator = styler->Separator();
  const TColor line = Plain(separator.Color());
  for (const int index : {2, 8}) {
    const TRect content = items.Content(index);
    const int y = content.Top + 1;
    const int first = items.ColumnRight() + separator.Margin();
    const int last = content.Right - separator.Margin();
    EXPECT_EQ(shot.Count(TRect{first, y, last, y + 1}, line), last - first)
        << "separator " << index;
    EXPECT_EQ(shot.Count(TRect{first, content.Top, last, content.Top + 1}, line) +
                  shot.Count(TRect{first, y + 1, last, y + 2}, line),
              0)
        << "a line one pixel thick";
    if (!textured) {
      for (const int x : {first - 1, last}) {
        EXPECT_EQ(shot.At(x, y), GradientAt(background.Color(), background.ColorTo(),
                                            background.GradientDirection(), backgroundArea, x, y))
            << "separator " << index << " ends at " << x;
      }
    }
  }

  // The image in the icon column, centred.
  const TRect connect = items.Content(3);
  EXPECT_EQ(
      shot.Count(TRect{connect.Left + 4, connect.Top + 1, connect.Left + 20, connect.Top + 17},
                 kDemoImageColors[2]),
      256);

  // The tick and the radio dot, black in the column.
  const TColor mark = Plain(clBtnText);
  const TRect checked = items.Content(4);
  EXPECT_EQ(shot.Count(TRect{checked.Left, checked.Top, checked.Left + kIconColumn, checked.Bottom},
                       mark),
            24);
  const TRect radio = items.Content(5);
  EXPECT_EQ(shot.Count(TRect{radio.Left, radio.Top, radio.Left + kIconColumn, radio.Bottom}, mark),
            32);

  // The default item's text is heavier and wider than the same text beside it.
  const TColor text = Plain(styler->Font().Color());
  const Ink bold = InkNear(shot, items, 0, text);
  const Ink regular = InkNear(shot, items, 1, text);
  EXPECT_GT(regular.count, 20);
  EXPECT_GT(bold.count, regular.count + regular.count / 4);
  EXPECT_GT(bold.right, regular.right);

  // A disabled item shows its text in the shadow colour.
  EXPECT_GT(InkNear(shot, items, 6, Plain(clBtnShadow)).count, 20);

  // The shortcut ends ten pixels before the text rectangle's right edge.
  const TRect save = items.Content(7);
  int shortCutRight = -1;
  for (int y = save.Top; y < save.Bottom; ++y)
    for (int x = items.ColumnRight() + 40; x < save.Right; ++x)
      if (ColourDistance(shot.At(x, y), text) < 100) shortCutRight = std::max(shortCutRight, x);
  EXPECT_LE(shortCutRight, save.Right - 1 - 10 - 1);
  EXPECT_GE(shortCutRight, save.Right - 1 - 10 - 3);

  // The side bar of fsWindowsClassic: its picture's gradient, border, splitter and caption.
  const TSideBar& bar = styler->SideBar();
  if (bar.Visible()) {
    const TRect sideBar{TStyledMenuLayout::kItemsInset, backgroundArea.Top, items.contentLeft,
                        backgroundArea.Bottom};
    const TBackground& picture = bar.Image();
    EXPECT_EQ(shot.At(sideBar.Left + 2, sideBar.Top + 1),
              GradientAt(picture.Color(), picture.ColorTo(), picture.GradientDirection(), sideBar,
                         0, sideBar.Top + 1));
    EXPECT_EQ(shot.Count(TRect{sideBar.Left, sideBar.Top, sideBar.Left + 1, sideBar.Bottom},
                         Plain(bar.BorderColor())),
              sideBar.Height());
    EXPECT_EQ(shot.Count(TRect{sideBar.Right - 1, sideBar.Top, sideBar.Right, sideBar.Bottom},
                         Plain(bar.SplitterColor())),
              sideBar.Height());
    EXPECT_GT(shot.Count(sideBar.Inflate(-1, -1), Plain(bar.Font().Color())), 50)
        << "the caption's ink inside the bar";
  }

  // fsTextured: the texture behind the items.
  if (textured) {
    TBitmap texture;
    texture.LoadFromResourceName(GetModuleHandleA(nullptr), "MENUTEXTURE");
    std::set<TColor> palette;
    for (int y = 0; y < texture.Height(); ++y)
      for (int x = 0; x < texture.Width(); ++x)
        palette.insert(texture.Canvas().Pixel(x, y));
    std::set<TColor> seen;
    int inTexture = 0;
    int total = 0;
    for (int y = backgroundArea.Top; y < backgroundArea.Bottom; ++y)
      for (int x = items.layout.PaintRight() - 4; x < items.layout.PaintRight(); ++x, ++total) {
        seen.insert(shot.At(x, y));
        inTexture += palette.count(shot.At(x, y)) != 0 ? 1 : 0;
      }
    EXPECT_GT(seen.size(), 20u);
    EXPECT_GT(inTexture, total * 9 / 10);
  }
}

TEST_P(MenuWindowTest, AHoveredItemIsFilledAndFramedAcrossTheIconColumn) {
  ASSERT_NE(OpenPopupMenu(), nullptr) << "no menu window";
  TWindowShot before(menu);
  const TDemoItems items = Items(before);
  const TRect sample = items.Content(1);
  RECT rect{};
  GetWindowRect(menu, &rect);
  MoveMouseTo(POINT{rect.left + (sample.Left + sample.Right) / 2,
                    rect.top + (sample.Top + sample.Bottom) / 2});
  ASSERT_TRUE(NothingCovers(menu, items.layout.Visible()));
  const TWindowShot shot(menu);
  const TSelectedItem& selected = styler->SelectedItem();
  if (selected.BorderColor() != clNone) {
    const TColor frame = Plain(selected.BorderColor());
    EXPECT_EQ(shot.Count(TRect{sample.Left, sample.Top, sample.Right, sample.Top + 1}, frame),
              sample.Width());
    EXPECT_EQ(shot.Count(TRect{sample.Left, sample.Bottom - 1, sample.Right, sample.Bottom}, frame),
              sample.Width());
    EXPECT_EQ(shot.Count(TRect{sample.Left, sample.Top, sample.Left + 1, sample.Bottom}, frame),
              sample.Height());
    EXPECT_EQ(shot.Count(TRect{sample.Right - 1, sample.Top, sample.Right, sample.Bottom}, frame),
              sample.Height());
  }
  if (selected.Color() != clNone) {
    for (const int x : {sample.Left + 1, sample.Left + kIconColumn - 1, sample.Right - 2}) {
      const int y = sample.Top + 2;
      EXPECT_EQ(shot.At(x, y), GradientAt(selected.Color(), selected.ColorTo(),
                                          selected.GradientDirection(), sample, x, y))
          << "highlight at " << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryPreset, MenuWindowTest,
                         testing::Values(fsArctic, fsAquaBlue, fsChocolate, fsMacOS, fsSilverFox,
                                         fsSoftSand, fsTerminalGreen, fsTextured, fsWindowsClassic),
                         [](const testing::TestParamInfo<TFantasyStyle>& info) {
                           return FantasyStyleNames()[info.param];
                         });

}  // namespace

namespace {

class SubMenuWindowTest : public MenuWindowTest {
 protected:
  // Opens the popup menu and its last item's sub-menu with the keyboard; returns the sub-menu.
  HWND OpenSubMenu() {
    if (OpenPopupMenu() == nullptr) return nullptr;
    PressKey(VK_END);
    PressKey(VK_RIGHT);
    HWND subMenu = nullptr;
    WaitUntil(
        [&] {
          for (HWND window : program->Windows("#32768"))
            if (window != menu && IsWindowVisible(window)) subMenu = window;
          return subMenu != nullptr;
        },
        5000);
    return subMenu;
  }
};

TEST_P(SubMenuWindowTest, ASubMenuOpensShiftedByTheReserveBesideThePaintersArrow) {
  // Where the window system puts the sub-menu by itself: the demo without the frame step.
  TearDown();
  program = std::make_unique<TProgramProcess>(kDemoPath, WidePresetName() + L" plain");
  form = program->WaitForWindow("TMenuDemoFrm", nullptr);
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(program->WaitForIdle(5000));
  const HWND plainSubMenu = OpenSubMenu();
  ASSERT_NE(plainSubMenu, nullptr) << "no sub-menu window";
  RECT plain{};
  GetWindowRect(plainSubMenu, &plain);
  TearDown();
  SetUp();

  const HWND subMenu = OpenSubMenu();
  ASSERT_NE(subMenu, nullptr) << "no sub-menu window";
  RECT parent{};
  RECT sub{};
  GetWindowRect(menu, &parent);
  GetWindowRect(subMenu, &sub);
  // It lies to the right of its parent item: its left edge moves left by the reserve, its right
  // edge stays.
  EXPECT_EQ(sub.left, plain.left - kReserve);
  EXPECT_EQ(sub.right, plain.right);
  const TStyledMenuLayout subLayout{sub.right - sub.left, sub.bottom - sub.top, 2 * kReserve};
  ASSERT_TRUE(NothingCovers(subMenu, subLayout.Visible()));
  const TWindowShot subShot(subMenu);
  EXPECT_TRUE(HasFrameAndRing(subShot, subLayout, Plain(styler->MenuBorderColor()),
                              Plain(styler->Background().Color())));
  // Its visible part starts where the parent's ends.
  const int parentVisibleRight = parent.right - 1 - kReserve;
  EXPECT_LE(std::abs(sub.left + 1 - parentVisibleRight), 3);

  // The painter's own arrow in the parent item: the 4 x 7 triangle, 9 pixels from the painted
  // right edge, centred on the item's rows.
  TWindowShot shot(menu);
  const TDemoItems items = Items(shot);
  const TRect more = items.Content(9);
  const TColor black = Plain(clBtnText);
  int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1, count = 0;
  for (int y = more.Top; y < more.Bottom; ++y)
    for (int x = more.Right - 16; x < more.Right; ++x)
      if (shot.At(x, y) == black) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
        ++count;
      }
  EXPECT_EQ(count, 16);
  EXPECT_EQ(left, more.Right - 9);
  EXPECT_EQ(right - left + 1, 4);
  EXPECT_EQ(top, (more.Top + more.Bottom - 5) / 2);
  EXPECT_EQ(bottom - top + 1, 7);
  for (int row = 0; row < 7; ++row)
    EXPECT_EQ(shot.Count(TRect{left, top + row, left + 4, top + row + 1}, black),
              row < 4 ? row + 1 : 7 - row)
        << "arrow row " << row;
}

INSTANTIATE_TEST_SUITE_P(SilverFox, SubMenuWindowTest, testing::Values(fsSilverFox),
                         [](const testing::TestParamInfo<TFantasyStyle>& info) {
                           return FantasyStyleNames()[info.param];
                         });

}  // namespace

namespace {

class MenuBarWindowTest : public MenuWindowTest {};

TEST_P(MenuBarWindowTest, TheBarsEmptyRestCarriesTheBandsGradient) {
  SetForegroundWindow(form);
  PressKey(VK_F10);
  barActive = true;
  RECT bounds{};
  GetWindowRect(form, &bounds);
  POINT clientOrigin{0, 0};
  ClientToScreen(form, &clientOrigin);
  RECT client{};
  GetClientRect(form, &client);
  const int clientTop = clientOrigin.y - bounds.top;
  const int x = clientOrigin.x - bounds.left + client.right - 2;
  const TRootItem& root = styler->RootItem();
  const TColor top = Plain(root.Color());
  const TColor bottom = Plain(root.ColorTo());
  const TWindowShot shot(form);
  // The bar's rows end where the client area starts; they begin where the band's first colour is.
  int first = clientTop - 1;
  while (first > 0 && shot.At(x, first) != top)
    --first;
  const int height = clientTop - first;
  ASSERT_GT(height, 10) << "no band found above the client area";
  ASSERT_LT(height, 40);
  for (int row = 0; row < height; ++row)
    EXPECT_EQ(shot.At(x, first + row), Shade(top, bottom, row, height)) << "row " << row;
}

INSTANTIATE_TEST_SUITE_P(SilverFox, MenuBarWindowTest, testing::Values(fsSilverFox),
                         [](const testing::TestParamInfo<TFantasyStyle>& info) {
                           return FantasyStyleNames()[info.param];
                         });

}  // namespace
