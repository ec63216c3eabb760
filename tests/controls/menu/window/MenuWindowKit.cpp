#include "tests/controls/menu/window/MenuWindowKit.h"

#include <cstdlib>
#include <string>

#include "tests/app/ScreenPixels.h"

namespace {

INPUT MouseInput(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

INPUT AbsoluteMove(POINT screen) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
  input.mi.dx = (screen.x * 65535 + width / 2) / (width - 1);
  input.mi.dy = (screen.y * 65535 + height / 2) / (height - 1);
  return input;
}

std::string Hex(TColor color) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(color));
  return text;
}

}  // namespace

void MoveMouseTo(POINT screen) {
  INPUT move = AbsoluteMove(screen);
  SendInput(1, &move, sizeof(INPUT));
  Sleep(50);
}

void RightClickAt(POINT screen) {
  INPUT inputs[3] = {AbsoluteMove(screen), MouseInput(MOUSEEVENTF_RIGHTDOWN),
                     MouseInput(MOUSEEVENTF_RIGHTUP)};
  SendInput(3, inputs, sizeof(INPUT));
  Sleep(50);
}

void PressKey(WORD virtualKey) {
  INPUT inputs[2]{};
  inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = inputs[1].ki.wVk = virtualKey;
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof(INPUT));
  Sleep(50);
}

TWindowShot::TWindowShot(HWND window) {
  RECT bounds{};
  if (!GetWindowRect(window, &bounds)) return;
  width_ = bounds.right - bounds.left;
  height_ = bounds.bottom - bounds.top;
  pixels_ = SettledPixels(window);
}

TColor TWindowShot::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || pixels_.empty()) return clNone;
  return static_cast<TColor>(pixels_[static_cast<size_t>(y) * width_ + x]);
}

int TWindowShot::Count(const TRect& rect, TColor color) const {
  int count = 0;
  for (int y = rect.Top; y < rect.Bottom; ++y)
    for (int x = rect.Left; x < rect.Right; ++x)
      count += At(x, y) == color ? 1 : 0;
  return count;
}

testing::AssertionResult NothingCovers(HWND window, const TRect& visible) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const RECT shown{bounds.left + visible.Left, bounds.top + visible.Top,
                   bounds.left + visible.Right, bounds.top + visible.Bottom};
  for (HWND above = GetWindow(window, GW_HWNDPREV); above != nullptr;
       above = GetWindow(above, GW_HWNDPREV)) {
    RECT other{};
    RECT overlap{};
    if (IsWindowVisible(above) && GetWindowRect(above, &other) &&
        IntersectRect(&overlap, &other, &shown))
      return testing::AssertionFailure() << "a window lies over the menu";
  }
  for (int i = 0; i <= 4; ++i)
    for (int j = 0; j <= 4; ++j) {
      const POINT point{shown.left + (shown.right - 1 - shown.left) * i / 4,
                        shown.top + (shown.bottom - 1 - shown.top) * j / 4};
      if (WindowFromPoint(point) != window)
        return testing::AssertionFailure()
               << "another window at " << point.x << "," << point.y << " of the menu";
    }
  return testing::AssertionSuccess();
}

testing::AssertionResult HasFrameAndRing(const TWindowShot& shot, const TStyledMenuLayout& layout,
                                         TColor border, TColor ring) {
  const TRect frame = layout.Visible();
  for (int inset = 0; inset < 2; ++inset) {
    const TRect r = frame.Inflate(-inset, -inset);
    const TColor expected = inset == 0 ? border : ring;
    const char* name = inset == 0 ? "frame" : "ring";
    for (int x = r.Left; x < r.Right; ++x)
      for (const int y : {r.Top, r.Bottom - 1})
        if (shot.At(x, y) != expected)
          return testing::AssertionFailure() << name << " at " << x << "," << y << " is "
                                             << Hex(shot.At(x, y)) << ", not " << Hex(expected);
    for (int y = r.Top; y < r.Bottom; ++y)
      for (const int x : {r.Left, r.Right - 1})
        if (shot.At(x, y) != expected)
          return testing::AssertionFailure() << name << " at " << x << "," << y << " is "
                                             << Hex(shot.At(x, y)) << ", not " << Hex(expected);
  }
  return testing::AssertionSuccess();
}

TColor Shade(TColor from, TColor to, int offset, int length) {
  if (to == clNone || length <= 0) return from;
  const auto channel = [&](int shift) {
    const int a = static_cast<int>((from >> shift) & 0xFF);
    const int b = static_cast<int>((to >> shift) & 0xFF);
    return static_cast<TColor>(a + offset * (b - a) / length) << shift;
  };
  return channel(0) | channel(8) | channel(16);
}

TColor Plain(TColor color) {
  if (!IsSystemColor(color)) return color;
  const COLORREF rgb = GetSysColor(static_cast<int>(color & 0xFF));
  return RGBColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

int ColourDistance(TColor a, TColor b) {
  int sum = 0;
  for (int shift = 0; shift < 24; shift += 8)
    sum += std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
  return sum;
}
