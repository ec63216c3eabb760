// The input method (IME) settings of a text control and the platform calls that apply them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// imDisable: no input method for the control; imClose / imOpen: closed or open; imDontCare: left
// as the user has it; the others open it in one conversion mode (half-width alphanumeric,
// full-width alphanumeric, hiragana, half-width katakana, katakana, Chinese, half-width and
// full-width hangul).
enum TImeMode {
  imDisable,
  imClose,
  imOpen,
  imDontCare,
  imSAlpha,
  imAlpha,
  imHira,
  imSKata,
  imKata,
  imChinese,
  imSHanguel,
  imHanguel
};

// Form data names, by ordinal.
const std::vector<std::string>& ImeModeNames();

// Puts the window's input method into mode. Never throws; a window without an input context
// is left alone.
void ApplyImeMode(HWND window, TImeMode mode);
// Activates the installed input method whose description is name and returns the keyboard
// layout that was active before; nullptr (and nothing changes) when none has that name.
HKL ActivateImeByName(const std::string& name);
