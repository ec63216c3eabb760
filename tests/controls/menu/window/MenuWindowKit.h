// Styled menu windows as the screen shows them: real input that opens and drives a menu in another
// process, the window's pixels, the proof that nothing covers it, and its frame and layout.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "framework/core/Colors.h"
#include "framework/core/Types.h"

// ---- real input ----
void MoveMouseTo(POINT screen);
void RightClickAt(POINT screen);
void PressKey(WORD virtualKey);

// ---- the picture ----
// The pixels of a window's rectangle on the screen, in window coordinates, taken once the screen
// shows them steadily (four equal readings 50 ms apart, or after about 2 s).
class TWindowShot {
 public:
  explicit TWindowShot(HWND window);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // 0x00BBGGRR; clNone outside the picture.
  TColor At(int x, int y) const;
  // How many pixels of rect have that colour.
  int Count(const TRect& rect, TColor color) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<COLORREF> pixels_;
};

// Nothing lies over the window where it shows (visible, in window coordinates): no visible window
// above it in the z-order overlaps it, and the window at points spread over it is the window
// itself. What the screen shows there is then the window's own drawing.
testing::AssertionResult NothingCovers(HWND window, const TRect& visible);

// ---- the styled menu window ----
// Its region leaves out the outermost pixel all round and the arrow reserve on the right (twice
// the reserve for a sub-menu moved toward a parent on its left); the frame and the ring lie in the
// next two pixels, and the items start three pixels in.
struct TStyledMenuLayout {
  static constexpr int kItemsInset = 3;
  int width;
  int height;
  int rightInset;  // the reserve, or twice the reserve

  TRect Visible() const { return TRect{1, 1, width - 1 - rightInset, height - 1}; }
  // The union of the item rectangles.
  TRect Items() const {
    return TRect{kItemsInset, kItemsInset, width - kItemsInset, height - kItemsInset};
  }
  // The right edge of what the painter fills.
  int PaintRight() const { return width - kItemsInset - rightInset; }
};

// Every pixel of the frame (border) and of the ring inside it (ring) on all four sides.
testing::AssertionResult HasFrameAndRing(const TWindowShot& shot, const TStyledMenuLayout& layout,
                                         TColor border, TColor ring);

// The colour offset steps into a gradient of length steps from `from` to `to`: each channel moves
// by offset * (to - from) / length, truncated toward zero. `to` clNone: `from`.
TColor Shade(TColor from, TColor to, int offset, int length);
// A system colour as GetSysColor gives it; other colours unchanged.
TColor Plain(TColor color);
// Sum of the channel differences.
int ColourDistance(TColor a, TColor b);
