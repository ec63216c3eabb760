// A real window on the harness display: what it paints can be read back, from its own DC,
// from the screen and through PrintWindow.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/harness/TestWindow.h"

namespace {

constexpr COLORREF kLeftColour = RGB(0x12, 0x34, 0x56);
constexpr COLORREF kRightColour = RGB(0xC8, 0x1E, 0x64);
constexpr RECT kWindowRect{100, 120, 180, 180};

void PaintHalves(HDC dc, const RECT& client) {
  RECT left = client;
  left.right = client.right / 2;
  RECT right = client;
  right.left = left.right;
  FillSolid(dc, left, kLeftColour);
  FillSolid(dc, right, kRightColour);
}

// A memory DC with its own bitmap selected, put back in order when the object goes.
class MemoryBitmap {
 public:
  MemoryBitmap(HDC reference, int width, int height)
      : dc_(CreateCompatibleDC(reference)),
        bitmap_(CreateCompatibleBitmap(reference, width, height)) {
    previous_ = SelectObject(dc_, bitmap_);
  }
  ~MemoryBitmap() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  MemoryBitmap(const MemoryBitmap&) = delete;
  MemoryBitmap& operator=(const MemoryBitmap&) = delete;

  HDC Dc() const { return dc_; }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_ = nullptr;
};

TEST(HarnessWindow, PaintedPixelsReadBackFromTheWindowDc) {
  TestWindow window(kWindowRect, PaintHalves);
  WindowDc dc(window.Handle());
  EXPECT_EQ(GetPixel(dc.Get(), 0, 0), kLeftColour);
  EXPECT_EQ(GetPixel(dc.Get(), 39, 59), kLeftColour);
  EXPECT_EQ(GetPixel(dc.Get(), 40, 0), kRightColour);
  EXPECT_EQ(GetPixel(dc.Get(), 79, 59), kRightColour);
}

TEST(HarnessWindow, PaintedPixelsAreOnTheScreenWhereTheWindowIs) {
  TestWindow window(kWindowRect, PaintHalves);
  WindowDc screen(nullptr);
  EXPECT_EQ(GetPixel(screen.Get(), kWindowRect.left + 5, kWindowRect.top + 5), kLeftColour);
  EXPECT_EQ(GetPixel(screen.Get(), kWindowRect.right - 5, kWindowRect.bottom - 5), kRightColour);
}

TEST(HarnessWindow, PrintWindowCapturesTheClientAreaOffScreen) {
  TestWindow window(kWindowRect, PaintHalves);
  WindowDc screen(nullptr);
  MemoryBitmap capture(screen.Get(), 80, 60);
  ASSERT_TRUE(PrintWindow(window.Handle(), capture.Dc(), 0));
  EXPECT_EQ(GetPixel(capture.Dc(), 10, 30), kLeftColour);
  EXPECT_EQ(GetPixel(capture.Dc(), 70, 30), kRightColour);
}

}  // namespace
