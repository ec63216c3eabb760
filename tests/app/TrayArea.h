// The notification area of the test session, as Wine shows it without a taskbar: a standalone
// tray window with one child window per icon, whatever process owns the icon.
#pragma once

#include <vector>

#include <windows.h>

// The visible icon windows, in every standalone tray window.
std::vector<HWND> TrayIconWindows();
// The icon windows in now that were not in before.
std::vector<HWND> AddedTrayIcons(const std::vector<HWND>& before, const std::vector<HWND>& now);
