// The window system's menu font (SystemParametersInfo, NONCLIENTMETRICS), as owner-drawn menu
// items are measured and painted in it.
#pragma once

#include <windows.h>

class TFont;

// The menu font's description; the default GUI font's when the system will not say.
LOGFONTA SystemMenuLogFont();
// Gives font the menu font's name, height, style and character set, and the colour clMenuText.
void AssignSystemMenuFont(TFont& font);
