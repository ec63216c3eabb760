// The harness display is a true-colour screen: exact pixel checks in other tests depend on it.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>

#include "tests/harness/TestWindow.h"

namespace {

// Colours whose low bits a 15- or 16-bit screen would drop or round.
constexpr std::array<COLORREF, 6> kColours{
    RGB(0x01, 0x02, 0x03), RGB(0x7F, 0x80, 0x81), RGB(0xFE, 0xFD, 0xFC),
    RGB(0x0F, 0xF0, 0x55), RGB(0xAA, 0x55, 0x01), RGB(0x00, 0x00, 0x07),
};
constexpr int kCell = 8;

TEST(HarnessScreen, IsATrueColourScreenLargeEnoughForTheProgram) {
  WindowDc screen(nullptr);
  EXPECT_GE(GetDeviceCaps(screen.Get(), BITSPIXEL), 24);
  EXPECT_EQ(GetDeviceCaps(screen.Get(), RASTERCAPS) & RC_PALETTE, 0);
  EXPECT_GE(GetSystemMetrics(SM_CXSCREEN), 800);
  EXPECT_GE(GetSystemMetrics(SM_CYSCREEN), 600);
}

TEST(HarnessScreen, KeepsEveryBitOfEachColourChannel) {
  const RECT windowRect{300, 300, 300 + kCell * static_cast<int>(kColours.size()), 300 + kCell};
  TestWindow window(windowRect, [](HDC dc, const RECT&) {
    for (size_t i = 0; i < kColours.size(); ++i) {
      const int left = static_cast<int>(i) * kCell;
      FillSolid(dc, RECT{left, 0, left + kCell, kCell}, kColours[i]);
    }
  });
  WindowDc screen(nullptr);
  for (size_t i = 0; i < kColours.size(); ++i) {
    const int x = windowRect.left + static_cast<int>(i) * kCell + kCell / 2;
    EXPECT_EQ(GetPixel(screen.Get(), x, windowRect.top + kCell / 2), kColours[i]) << "cell " << i;
  }
}

}  // namespace
