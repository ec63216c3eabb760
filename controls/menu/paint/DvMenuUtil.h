// Small helpers of the menu painter (unit DvMenuUtil): where an item sits in its menu, the area
// of the menu window its items cover, and the fills and frames the painter draws with.
#pragma once

#include <windows.h>

#include "controls/menu/core/MenuStylerTypes.h"
#include "framework/core/Types.h"
#include "framework/win/GdiObjects.h"

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

// Makes color (clNone: the system's menu colour) the background of menu and its sub-menus; brush
// receives the new brush, which must outlive the menu's use of it.
void SetMenuBackground(HMENU menu, TColor color, GdiObject<HBRUSH>& brush);

// ---- fills ----
// Plain RGB of colour; clNone stays clNone.
TColor PlainColor(TColor color);
// The colour offset steps along a gradient of length steps from start to end (plain colours).
TColor GradientColor(TColor start, TColor end, int offset, int length);
// Fills the part of full that lies inside clip with its share of the gradient from start to end:
// nothing when start is clNone; solid when end is clNone or equal to start.
void GradientSlice(HDC dc, const TRect& full, TGradientDirection direction, TColor start,
                   TColor end, const TRect& clip);
inline void GradientFill(HDC dc, const TRect& rect, TGradientDirection direction, TColor start,
                         TColor end) {
  GradientSlice(dc, rect, direction, start, end, rect);
}
// A one-pixel frame; nothing in clNone.
void FrameInColor(HDC dc, const TRect& rect, TColor color);
// A solid fill; nothing in clNone.
void FillInColor(HDC dc, const TRect& rect, TColor color);
