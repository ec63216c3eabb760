// Routing of the window system's menu messages to the items of one menu. The popup list uses it
// for popup menus; a form passes on the messages of its menu bar the same way.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class TMenu;

// Handles WM_COMMAND (menu commands: the item's Click), WM_MEASUREITEM and WM_DRAWITEM for menus
// (the item's MeasureItem / AdvancedDrawItem on a canvas in the system menu font),
// WM_INITMENUPOPUP (the Click of the item whose sub-menu opens) and WM_MENUSELECT (the hint of
// the highlighted item to the hint handler). Returns true, with the answer in result, when the
// message named an item of this menu. Every item event runs inside RunEvent.
bool DispatchMenuMessage(TMenu& menu, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// Receives the Hint of the item under the mouse while a menu is open, and "" when it closes
// (the application shows it as its hint). Empty by default.
using TMenuHintHandler = std::function<void(const std::string& hint)>;
void SetMenuHintHandler(TMenuHintHandler handler);
