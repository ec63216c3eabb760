// Small helpers of the menu painter (unit DvMenuUtil): where an item sits in its menu, the area
// of the menu window its items cover, and the fills and frames the painter draws with.
#pragma once

#include <windows.h>

#include "controls/menu/core/MenuStylerTypes.h"
#include "framework/core/Types.h"
#include "framework/win/graphics/GdiObjects.h"

class TBackground;
class TCanvas;
class TCustomDvMenuStyler;
class TMenuItem;

// ---- where an item sits ----
// On a window's menu bar.
bool IsBarItem(const TMenuItem& item);
// Directly under a menu (a popup menu's own items, or the bar items of a main menu).
bool IsFirstLevelItem(const TMenuItem& item);
// An item of a popup menu itself, or of a drop-down of a bar item.
bool IsFirstDropDownItem(const TMenuItem& item);
// A popup menu's own item, or an item of the first visible bar item's drop-down.
bool IsFirstVisibleDropDownItem(const TMenuItem& item);
// The item, or a visible item before it in the same parent, starts a new column.
bool IsInLaterColumn(const TMenuItem& item);
// The first visible item of its parent.
bool IsFirstVisibleItem(const TMenuItem& item);
// Bar items 0, their drop-downs 1; a popup menu's items 1, their sub-menus 2.
int ItemLevel(const TMenuItem& item);
// Whether the styler's side bar is drawn beside the item (by its VisibleIn rule).
bool SideBarApplies(const TMenuItem& item, const TCustomDvMenuStyler& styler);
// The item's place among the visible items of its parent (its position in the platform menu).
int VisiblePosition(const TMenuItem& item);

// The platform menu shown in window: a popup menu window's own menu, else the window's bar.
HMENU MenuOfWindow(HWND window);
// The union of the rectangles of every item of the menu shown in the window that owns dc, in the
// window's client coordinates (at (0, 0) where the items fill the client area); fallback when the
// window or the rectangles cannot be had.
TRect MenuArea(HDC dc, const TRect& fallback);

// The band a menu bar's gradient spans: the whole client width of the window that owns dc (in
// window coordinates, as the bar's items are drawn), at item's rows; item itself without a window.
TRect MenuBarBand(HDC dc, const TRect& item);
// The right edge of the last item on the bar of the window that owns dc, in window coordinates;
// fallback when it cannot be had.
int MenuBarItemsRight(HDC dc, int fallback);

// The menu windows' own background, for room that no item covers and for what the background
// leaves unpainted: its colour, or without one (clNone) its bitmap picture as a pattern; no brush
// (the system's menu colour) otherwise.
GdiObject<HBRUSH> MenuBackgroundBrush(TBackground& background);
// Makes brush (nullptr: the system's menu colour) the background of menu and its sub-menus; the
// brush must outlive the menu's use of it. False when the menu refused it.
bool SetMenuBackground(HMENU menu, HBRUSH brush);
// Fills rect with the background of the menu shown in the window that owns dc (its own brush, or
// the system's menu colour), a pattern aligned to brushOrigin. Nothing without a menu window.
void FillWithMenuBackground(HDC dc, const TRect& rect, const TPoint& brushOrigin);
