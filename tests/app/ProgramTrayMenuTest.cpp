// The real program's tray menu in its real window (fsSilverFox): opened with a right click on the
// main window, read off the screen once nothing covers it. Four items: "&Show.." (bold), a
// separator, "&Force Connect.." with state image 2 and "Force &Disconnect" with state image 0.
#include <string>
#include <vector>

#include "tests/app/ProgramFixture.h"
#include "tests/app/ScreenPixels.h"
#include "tests/controls/menu/window/MenuWindowKit.h"

namespace {

constexpr int kReserve = 15;
constexpr int kColumn = 24;
constexpr TColor kBackground = 0xD1C9C8;
constexpr TColor kBorder = 0x666666;
constexpr TColor kIconColumn = 0xFFFFFF;
constexpr TColor kIconColumnTo = 0xE4DCDA;
constexpr TColor kSeparator = 0xA6A6A6;
constexpr TColor kHighlight = 0xD2BDB5;
constexpr TColor kHighlightFrame = 0x6A240A;
constexpr TColor kText = 0x000000;
constexpr COLORREF kMagenta = RGB(255, 0, 255);

class ProgramTrayMenuTest : public ProgramTest {
 protected:
  void SetUp() override {
    registry.SetSetting("FirstRun", 0);
    Start();
    ASSERT_NE(nullptr, MainWindow());
  }
  void TearDown() override {
    for (int i = 0; i < 2 && menu != nullptr && IsWindowVisible(menu); ++i)
      PressKey(VK_ESCAPE);
  }

  // A real right click near the window's bottom right corner, so that the menu opens beside it.
  HWND OpenWithRightClick() {
    RECT client{};
    GetClientRect(window, &client);
    POINT point{client.right - 6, client.bottom - 6};
    ClientToScreen(window, &point);
    EXPECT_TRUE(program->WaitForIdle(3000));
    WaitUntil([&] {
      SetForegroundWindow(window);
      return GetForegroundWindow() == window;
    });
    RightClickAt(point);
    menu = program->WaitForWindow("#32768", nullptr, 5000);
    if (menu == nullptr) return nullptr;
    GetWindowRect(menu, &bounds);
    layout = TStyledMenuLayout{bounds.right - bounds.left, bounds.bottom - bounds.top, kReserve};
    itemHeight = (layout.height - 2 * TStyledMenuLayout::kItemsInset - 3) / 3;
    EXPECT_EQ((layout.height - 2 * TStyledMenuLayout::kItemsInset - 3) % 3, 0)
        << "three items of one height and a separator";
    return menu;
  }

  // The content rectangles of the four items in the menu window.
  TRect Item(int index) const {
    const int inset = TStyledMenuLayout::kItemsInset;
    const int tops[4] = {inset, inset + itemHeight, inset + itemHeight + 3,
                         inset + 2 * itemHeight + 3};
    const int heights[4] = {itemHeight, 3, itemHeight, itemHeight};
    return TRect{inset, tops[index], layout.PaintRight(), tops[index] + heights[index]};
  }

  HWND menu = nullptr;
  RECT bounds{};
  TStyledMenuLayout layout{0, 0, kReserve};
  int itemHeight = 0;
};

// How many pixels of "&Show.." drawn in the system menu font at normal weight are black.
int RegularShowInk() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  metrics.lfMenuFont.lfWeight = FW_NORMAL;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 80, -24, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP surface = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ oldBitmap = SelectObject(dc, surface);
  HFONT font = CreateFontIndirectA(&metrics.lfMenuFont);
  HGDIOBJ oldFont = SelectObject(dc, font);
  RECT all{0, 0, 80, 24};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  DrawTextA(dc, "&Show..", -1, &all, DT_SINGLELINE);
  GdiFlush();
  int black = 0;
  for (int i = 0; i < 80 * 24; ++i)
    black += (static_cast<const DWORD*>(bits)[i] & 0xFFFFFF) == 0;
  SelectObject(dc, oldFont);
  DeleteObject(font);
  SelectObject(dc, oldBitmap);
  DeleteObject(surface);
  DeleteDC(dc);
  return black;
}

TEST_F(ProgramTrayMenuTest, TheOpenMenuShowsOnlyTheStylersColoursToItsLastPixel) {
  ASSERT_NE(OpenWithRightClick(), nullptr) << "the menu did not open";
  ASSERT_TRUE(NothingCovers(menu, layout.Visible()));
  const TWindowShot shot(menu);
  EXPECT_TRUE(HasFrameAndRing(shot, layout, kBorder, kBackground));

  // No strip under the last item: its bottom rows right of the icon column are the background,
  // and so are the last columns the painter fills, on every row.
  const TRect last = Item(3);
  const TRect bottomRows{last.Left + kColumn, last.Bottom - 3, last.Right, last.Bottom};
  EXPECT_EQ(shot.Count(bottomRows, kBackground), bottomRows.Width() * bottomRows.Height());
  const TRect rightColumns{layout.PaintRight() - 2, TStyledMenuLayout::kItemsInset,
                           layout.PaintRight(), last.Bottom};
  EXPECT_EQ(shot.Count(rightColumns, kBackground), rightColumns.Width() * rightColumns.Height());

  // The icon column shades from white at its left edge to 23/24 of the way at its right edge.
  for (const int index : {0, 1}) {
    const int y = Item(index).Top + Item(index).Height() / 2;
    EXPECT_EQ(shot.At(TStyledMenuLayout::kItemsInset, y), kIconColumn);
    EXPECT_EQ(shot.At(TStyledMenuLayout::kItemsInset + kColumn - 1, y),
              Shade(kIconColumn, kIconColumnTo, kColumn - 1, kColumn));
  }

  // The separator: one pixel from two right of the icon column to two before the end.
  const TRect separator = Item(1);
  const int lineY = separator.Top + 1;
  const int first = separator.Left + kColumn + 2;
  const int end = separator.Right - 2;
  EXPECT_EQ(shot.Count(TRect{first, lineY, end, lineY + 1}, kSeparator), end - first);
  EXPECT_EQ(shot.At(first - 1, lineY), kBackground);
  EXPECT_EQ(shot.At(end, lineY), kBackground);
  EXPECT_EQ(shot.Count(TRect{first, separator.Top, end, separator.Top + 1}, kBackground),
            end - first);

  // The state images 2 and 0, centred in the column: every opaque pixel as the list draws it.
  for (const auto& [index, image] : {std::pair{2, 2}, std::pair{3, 0}}) {
    const std::vector<COLORREF> reference = StateImageOn(DV_STATEIMAGES_FILE, image, kMagenta);
    ASSERT_EQ(reference.size(), 256u);
    const TRect item = Item(index);
    int opaque = 0;
    int matching = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        const COLORREF expected = reference[static_cast<size_t>(y) * 16 + x];
        if (expected == kMagenta) continue;
        ++opaque;
        matching += shot.At(item.Left + 4 + x, item.Top + 1 + y) == expected ? 1 : 0;
      }
    EXPECT_GT(opaque, 100);
    EXPECT_EQ(matching, opaque) << "state image " << image;
  }

  // "&Show.." is bold: clearly more black ink than the same text at normal weight.
  const TRect show = Item(0);
  const int boldInk =
      shot.Count(TRect{show.Left + kColumn, show.Top, show.Right, show.Bottom}, kText);
  const int regularInk = RegularShowInk();
  EXPECT_GT(regularInk, 30);
  EXPECT_GT(boldInk, regularInk + regularInk / 3) << "regular weight has " << regularInk;
}

TEST_F(ProgramTrayMenuTest, TheHoveredItemIsFilledAndFramedOverTheIconColumn) {
  ASSERT_NE(OpenWithRightClick(), nullptr) << "the menu did not open";
  const TRect connect = Item(2);
  MoveMouseTo(POINT{bounds.left + connect.Right - 20, bounds.top + connect.Top + itemHeight / 2});
  ASSERT_TRUE(NothingCovers(menu, layout.Visible()));
  const TWindowShot shot(menu);
  const int width = connect.Width();
  const int height = connect.Height();
  EXPECT_EQ(
      shot.Count(TRect{connect.Left, connect.Top, connect.Right, connect.Top + 1}, kHighlightFrame),
      width);
  EXPECT_EQ(shot.Count(TRect{connect.Left, connect.Bottom - 1, connect.Right, connect.Bottom},
                       kHighlightFrame),
            width);
  EXPECT_EQ(shot.Count(TRect{connect.Left, connect.Top, connect.Left + 1, connect.Bottom},
                       kHighlightFrame),
            height);
  EXPECT_EQ(shot.Count(TRect{connect.Right - 1, connect.Top, connect.Right, connect.Bottom},
                       kHighlightFrame),
            height);
  EXPECT_EQ(shot.At(connect.Left + 1, connect.Top + 1), kHighlight) << "over the icon column";
  EXPECT_EQ(shot.At(connect.Left + kColumn - 1, connect.Bottom - 2), kHighlight);
  EXPECT_EQ(shot.At(connect.Right - 2, connect.Top + height / 2), kHighlight);
  // The other items stay as they were.
  EXPECT_EQ(shot.At(layout.PaintRight() - 1, Item(0).Top + 1), kBackground);
  EXPECT_EQ(shot.At(layout.PaintRight() - 1, Item(3).Top + 1), kBackground);
}

// The program carries the styled menu's bitmaps under their names: three one-bit glyphs (the tick
// with its 24 black pixels) and the 96 x 96, 256-colour texture.
TEST(ProgramMenuBitmapsTest, TheFourBitmapsAreResourcesOfTheProgram) {
  const HMODULE program = LoadLibraryExA(DV_PROGRAM_PATH, nullptr,
                                         LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(program, nullptr);
  struct Expected {
    const char* name;
    int width;
    int height;
    int bits;
  };
  for (const Expected& bitmap :
       {Expected{"DVCHECKITEM", 16, 16, 1}, Expected{"DVRADIOITEM", 16, 16, 1},
        Expected{"DVSUBMENUITEM", 4, 7, 1}, Expected{"MENUTEXTURE", 96, 96, 8}}) {
    const HRSRC found = FindResourceA(program, bitmap.name, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    ASSERT_NE(found, nullptr) << bitmap.name;
    const auto* header =
        static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(program, found)));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->biWidth, bitmap.width) << bitmap.name;
    EXPECT_EQ(header->biHeight, bitmap.height) << bitmap.name;
    EXPECT_EQ(header->biBitCount, bitmap.bits) << bitmap.name;
    if (std::string(bitmap.name) == "MENUTEXTURE") EXPECT_EQ(header->biClrUsed % 256, 0u);
    if (std::string(bitmap.name) != "DVCHECKITEM") continue;
    // Colour 0 black, colour 1 white; rows of 4 bytes, bottom up, after the two palette entries.
    const auto* palette = reinterpret_cast<const RGBQUAD*>(header + 1);
    EXPECT_EQ(palette[0].rgbRed + palette[0].rgbGreen + palette[0].rgbBlue, 0);
    EXPECT_EQ(palette[1].rgbRed + palette[1].rgbGreen + palette[1].rgbBlue, 3 * 255);
    const auto* rows = reinterpret_cast<const uint8_t*>(palette + 2);
    int black = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x)
        black += (rows[y * 4 + x / 8] & (0x80 >> (x % 8))) == 0 ? 1 : 0;
    EXPECT_EQ(black, 24);
  }
  FreeLibrary(program);
}

}  // namespace
