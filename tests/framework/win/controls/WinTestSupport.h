// Test helpers for real windows under Wine: pumping the message loop, real mouse input, pixels.
#pragma once

#include <windows.h>

#include <functional>

// Handles waiting messages until pred holds or timeoutMs passes; returns pred().
bool PumpUntil(const std::function<bool()>& pred, int timeoutMs = 3000);
void PumpFor(int ms);
// Moves the real mouse to a screen point (absolute input, as a user would).
void MoveMouseTo(POINT screen);
// Presses and releases a mouse button at the current position (real input).
void ClickMouse(bool right);
// Presses, or releases, the left mouse button at the current position (real input).
void PressLeftButton();
void ReleaseLeftButton();
// Presses and releases a key (real input, to the window with the focus).
void TapKey(WORD virtualKey);
// The colour of a screen pixel of a window's client area (reads the window's DC).
COLORREF ClientPixel(HWND window, int x, int y);
