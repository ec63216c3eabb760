#include "tests/framework/win/controls/WinTestSupport.h"

#include "framework/win/forms/Application.h"
#include "framework/win/graphics/GdiObjects.h"

bool PumpUntil(const std::function<bool()>& pred, int timeoutMs) {
  const DWORD start = GetTickCount();
  while (!pred()) {
    if (static_cast<int>(GetTickCount() - start) > timeoutMs) return false;
    Application().ProcessMessages();
    if (!pred()) Sleep(5);
  }
  return true;
}

void PumpFor(int ms) {
  PumpUntil([] { return false; }, ms);
}

void MoveMouseTo(POINT screen) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = (screen.x * 65535 + width / 2) / (width - 1);
  input.mi.dy = (screen.y * 65535 + height / 2) / (height - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof(INPUT));
  SetCursorPos(screen.x, screen.y);
}

void ClickMouse(bool right) {
  INPUT inputs[2]{};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  SendInput(2, inputs, sizeof(INPUT));
}

void PressLeftButton() {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  SendInput(1, &input, sizeof(INPUT));
}

void ReleaseLeftButton() {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof(INPUT));
}

void TapKey(WORD virtualKey) {
  INPUT inputs[2]{};
  inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = inputs[1].ki.wVk = virtualKey;
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof(INPUT));
}

COLORREF ClientPixel(HWND window, int x, int y) {
  WindowDC dc(window);
  return GetPixel(dc.Get(), x, y) & 0xFFFFFF;
}
