#include "framework/win/menus/ShortCuts.h"

#include <windows.h>

namespace {

const char* SpecialKeyName(uint8_t key) {
  switch (key) {
    case VK_BACK:
      return "BkSp";
    case VK_TAB:
      return "Tab";
    case VK_ESCAPE:
      return "Esc";
    case VK_RETURN:
      return "Enter";
    case VK_SPACE:
      return "Space";
    case VK_PRIOR:
      return "PgUp";
    case VK_NEXT:
      return "PgDn";
    case VK_END:
      return "End";
    case VK_HOME:
      return "Home";
    case VK_LEFT:
      return "Left";
    case VK_UP:
      return "Up";
    case VK_RIGHT:
      return "Right";
    case VK_DOWN:
      return "Down";
    case VK_INSERT:
      return "Ins";
    case VK_DELETE:
      return "Del";
    default:
      return nullptr;
  }
}

std::string KeyName(uint8_t key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, char(key));
  if (key >= VK_F1 && key <= VK_F24) return "F" + std::to_string(key - VK_F1 + 1);
  if (const char* name = SpecialKeyName(key)) return name;
  // Other keys (numeric pad, punctuation) are named by the keyboard layout.
  const UINT scanCode = MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
  if (scanCode == 0) return std::string();
  char buffer[64] = {};
  const int length = GetKeyNameTextA(static_cast<LONG>(scanCode << 16), buffer, sizeof(buffer));
  return length > 0 ? std::string(buffer, static_cast<size_t>(length)) : std::string();
}

}  // namespace

std::string ShortCutToText(TShortCut shortCut) {
  const std::string key = KeyName(static_cast<uint8_t>(shortCut & 0xFF));
  if (key.empty()) return std::string();
  std::string text;
  if (shortCut & scShift) text += "Shift+";
  if (shortCut & scCtrl) text += "Ctrl+";
  if (shortCut & scAlt) text += "Alt+";
  return text + key;
}
