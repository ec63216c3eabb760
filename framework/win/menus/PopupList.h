// The popup list: the process's registry of popup menus and the one hidden window that owns them
// while they are tracked. It receives WM_COMMAND, WM_MEASUREITEM, WM_DRAWITEM, WM_INITMENUPOPUP
// and WM_MENUSELECT and hands each to the menu whose item it names.
#pragma once

#include <windows.h>

class TMenu;

namespace TPopupList {
// Popup menus register for their whole life (the list ignores calls after process exit began).
void Register(TMenu& menu);
void Unregister(TMenu& menu) noexcept;
// The owner window for TrackPopupMenu, created on first use; fails with EOutOfResources
// "Error creating window".
HWND Window();
// Number of registered menus.
int Count();
}  // namespace TPopupList
