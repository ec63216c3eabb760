// Reading windows of any process: texts, class names, children.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

// The window's text as UTF-16.
std::wstring WindowTextW(HWND window);
// A control's own text, asked with WM_GETTEXT: GetWindowText on another process's window reads only
// the caption the system keeps, which an edit box does not update.
std::wstring ControlTextW(HWND control);
std::string ClassNameOf(HWND window);
// Child windows of parent (all levels) whose class matches.
std::vector<HWND> ChildWindows(HWND parent, const char* className);
// Every top-level window of the desktop, top first.
std::vector<HWND> TopLevelWindows();
