// The tray menu read right to left, in a real menu window: every caption stands against the right
// edge of the text column, drawn pixel for pixel as it is left to right, and its reading order is
// right to left (the trailing dots of "Show.." go to its left end).
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <vector>

#include "framework/win/graphics/GdiObjects.h"
#include "framework/win/platform/SystemTimer.h"
#include "tests/controls/menu/MenuTestFixture.h"
#include "tests/framework/win/graphics/GraphicsTestSupport.h"

namespace {

constexpr int kIconColumn = 24;

// The open menu window as the screen shows it, and its item rectangles in window coordinates.
struct TOpenMenu {
  std::unique_ptr<DibSurface> shot;
  std::vector<TRect> items;
};

class MenuRightToLeftTest : public StyledMenuTest {
 protected:
  void SetUp() override {
    StyledMenuTest::SetUp();
    Load();
    // Nothing in the menu is hot or selected.
    SetCursorPos(2, 2);
  }

  // Opens the menu, lets it paint, reads it off the screen and closes it.
  TOpenMenu Open() {
    TOpenMenu open;
    int ticks = 0;
    int shownAt = -1;
    TSystemTimer timer([&] {
      ++ticks;
      HWND window = FindWindowA("#32768", nullptr);
      if (shownAt < 0 && window != nullptr && IsWindowVisible(window)) shownAt = ticks;
      // Ten ticks (150 ms) after it shows, every item has been drawn.
      if (shownAt >= 0 && ticks == shownAt + 10 && open.shot == nullptr) Read(window, open);
      if (open.shot != nullptr || ticks > 130) EndMenu();
    });
    timer.Start(15);
    Menu().Popup(300, 200);
    timer.Stop();
    return open;
  }

  void Read(HWND window, TOpenMenu& open) {
    RECT frame{};
    GetWindowRect(window, &frame);
    open.shot = std::make_unique<DibSurface>(frame.right - frame.left, frame.bottom - frame.top);
    {
      const WindowDC screen(nullptr);
      BitBlt(open.shot->DC(), 0, 0, open.shot->Width(), open.shot->Height(), screen.Get(),
             frame.left, frame.top, SRCCOPY);
    }
    GdiFlush();
    HMENU menu = Menu().Handle();
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      RECT item{};
      GetMenuItemRect(window, menu, i, &item);
      open.items.push_back(TRect{item.left - frame.left, item.top - frame.top,
                                 item.right - frame.left, item.bottom - frame.top});
    }
  }

  // The text column of item index: right of the icon column to one pixel short of the painted
  // area's right edge (the arrow reserve lies beyond it).
  TRect TextColumn(const TOpenMenu& open, int index) const {
    const TRect& item = open.items[index];
    return TRect{item.Left + kIconColumn + 5, item.Top,
                 item.Right - Styler().SystemArrowReserve() - 1, item.Bottom};
  }
};

// Whether the ink of column x lies in the lowest third of the ink's rows only (a dot's column).
bool DotsOnly(const DibSurface& surface, const Ink& ink, int x) {
  const int lowThird = ink.bottom - (ink.bottom - ink.top) / 3;
  for (int y = ink.top; y <= ink.bottom; ++y)
    if (surface.At(x, y) == clBlack && y < lowThird) return false;
  return true;
}

TEST_F(MenuRightToLeftTest, CaptionsStandRightAlignedAndReadRightToLeft) {
  // No accelerator: its underline would widen the ink beside the letter it marks.
  Item("Show1").SetCaption("Show..");
  const TOpenMenu ltr = Open();
  ASSERT_NE(ltr.shot, nullptr) << "the menu did not show";
  ASSERT_EQ(ltr.items.size(), 4u);
  Menu().SetBiDiMode(bdRightToLeft);
  const TOpenMenu rtl = Open();
  ASSERT_NE(rtl.shot, nullptr) << "the menu did not show";
  ASSERT_EQ(rtl.items, ltr.items) << "the same window, the same items";

  // "Force &Disconnect": no neutral characters at its ends, so the same picture, moved right.
  const TRect column = TextColumn(ltr, 3);
  const Ink left = InkIn(*ltr.shot, column, clBlack);
  const Ink right = InkIn(*rtl.shot, column, clBlack);
  ASSERT_GT(left.count, 20);
  EXPECT_LE(left.left, column.Left + 1) << "left to right: against the left edge";
  EXPECT_GE(right.right, column.Right - 3) << "right to left: against the right edge";
  EXPECT_LE(right.right, column.Right - 1);
  const int shift = right.left - left.left;
  EXPECT_EQ(right.right - left.right, shift);
  EXPECT_EQ(right.count, left.count);
  for (int y = column.Top; y < column.Bottom; ++y)
    for (int x = left.left; x <= left.right; ++x)
      ASSERT_EQ(rtl.shot->At(x + shift, y), ltr.shot->At(x, y)) << x << "," << y;
  // Nothing is left behind at the left.
  EXPECT_EQ(
      InkIn(*rtl.shot, TRect{column.Left, column.Top, right.left, column.Bottom}, clBlack).count,
      0);

  // "Show..": read right to left, its closing dots go to its left end.
  const TRect show = TextColumn(ltr, 0);
  const Ink showLtr = InkIn(*ltr.shot, show, clBlack);
  const Ink showRtl = InkIn(*rtl.shot, show, clBlack);
  ASSERT_GT(showLtr.count, 20);
  EXPECT_GE(showRtl.right, show.Right - 3);
  EXPECT_FALSE(DotsOnly(*ltr.shot, showLtr, showLtr.left)) << "the S begins it";
  EXPECT_TRUE(DotsOnly(*ltr.shot, showLtr, showLtr.right)) << "the dots end it";
  EXPECT_TRUE(DotsOnly(*rtl.shot, showRtl, showRtl.left)) << "the dots begin it";
  EXPECT_FALSE(DotsOnly(*rtl.shot, showRtl, showRtl.right)) << "the w ends it";
  EXPECT_EQ(showRtl.count, showLtr.count);

  // The images stay in the icon column.
  const TRect& connect = rtl.items[2];
  EXPECT_EQ(rtl.shot->Count(connect.Left + 4, connect.Top + 1, connect.Left + 20, connect.Top + 17,
                            kStateColors[2]),
            256);
}

}  // namespace
