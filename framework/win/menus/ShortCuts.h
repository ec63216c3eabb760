// Keyboard shortcuts of menu items: a virtual-key code in the low byte and modifier flags above.
#pragma once

#include <cstdint>
#include <string>

using TShortCut = uint16_t;
constexpr TShortCut scNone = 0;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

constexpr TShortCut MakeShortCut(uint8_t virtualKey, TShortCut modifiers = scNone) {
  return static_cast<TShortCut>(virtualKey | (modifiers & (scShift | scCtrl | scAlt)));
}

// "Ctrl+S", "Shift+Ctrl+F5", "Alt+BkSp", "Del"; empty for scNone or a key without a name.
// Bits other than the key and the three modifiers are ignored. Never throws.
std::string ShortCutToText(TShortCut shortCut);
