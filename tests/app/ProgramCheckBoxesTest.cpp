// The real program's two check boxes as shown: without a common-controls manifest the process has
// no visual themes and no hot-track look, so each shows the platform's classic box for its state,
// and "Enabled Auto-Dial" fits on one line beside it.
#include <vector>

#include "tests/app/ProgramFixture.h"
#include "tests/app/ScreenPixels.h"
#include "tests/app/WindowQueries.h"

namespace {

// The classic 13 × 13 box as the platform draws it over the window's face colour.
std::vector<COLORREF> ClassicBox(UINT stateFlags) {
  const HDC screen = GetDC(nullptr);
  const HDC dc = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, 13, 13);
  ReleaseDC(nullptr, screen);
  const HGDIOBJ old = SelectObject(dc, bitmap);
  RECT rect{0, 0, 13, 13};
  FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
  DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONCHECK | stateFlags);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < 13; ++y)
    for (int x = 0; x < 13; ++x)
      pixels.push_back(GetPixel(dc, x, y) & 0xFFFFFF);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return pixels;
}

class ProgramCheckBoxesTest : public ProgramTest {
 protected:
  void SetUp() override { registry.SetSetting("FirstRun", 0); }

  // The check box's screen rectangle, found by its left edge in the client area.
  RECT CheckBoxAt(int x) const {
    for (HWND box : ChildWindows(window, "TDvCheckBox")) {
      RECT bounds{};
      GetWindowRect(box, &bounds);
      POINT corner{bounds.left, bounds.top};
      ScreenToClient(window, &corner);
      if (corner.x == x) return bounds;
    }
    ADD_FAILURE() << "no check box at " << x;
    return {};
  }
};

TEST_F(ProgramCheckBoxesTest, BothBoxesShowTheClassicGlyphAndTheCaptionFitsOneLine) {
  registry.SetSetting("Enable", 1);
  Start();
  ASSERT_NE(nullptr, MainWindow());
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SettledPixels(window);
  const RECT autoDial = CheckBoxAt(17);
  const RECT autoRun = CheckBoxAt(142);
  const auto glyph = [](const RECT& box) {
    return ScreenBlock({box.left, box.top + 2, box.left + 13, box.top + 15});
  };
  EXPECT_EQ(glyph(autoDial), ClassicBox(DFCS_CHECKED));
  EXPECT_EQ(glyph(autoRun), ClassicBox(0));

  // The caption: one line of text ink from the glyph's right to the end of "Dial", none below.
  const COLORREF text = GetSysColor(COLOR_WINDOWTEXT) & 0xFFFFFF;
  const std::vector<COLORREF> caption =
      ScreenBlock({autoDial.left + 18, autoDial.top, autoDial.right, autoDial.bottom});
  const int width = autoDial.right - autoDial.left - 18;
  int right = -1;
  int bottom = -1;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != text) continue;
    right = std::max(right, static_cast<int>(i % width));
    bottom = std::max(bottom, static_cast<int>(i / width));
  }
  EXPECT_GT(right, 70) << "\"Dial\" reaches past 70 pixels on the first line";
  EXPECT_LT(bottom, 14) << "nothing wraps to a second line";
  Close();
}

}  // namespace
