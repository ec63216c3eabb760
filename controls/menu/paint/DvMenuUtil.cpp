#include "controls/menu/paint/DvMenuUtil.h"

#include <algorithm>
#include <string_view>

#include "controls/menu/styler/DvMenuStyler.h"
#include "framework/core/Picture.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Font.h"
#include "framework/win/graphics/GdiObjects.h"
#include "framework/win/menus/MainMenu.h"
#include "framework/win/menus/MenuItem.h"
#include "framework/win/menus/PopupMenu.h"

// ---- where an item sits ----

bool IsBarItem(const TMenuItem& item) {
  return dynamic_cast<TMainMenu*>(item.GetParentComponent()) != nullptr;
}

bool IsFirstLevelItem(const TMenuItem& item) {
  return dynamic_cast<TMenu*>(item.GetParentComponent()) != nullptr;
}

bool IsFirstDropDownItem(const TMenuItem& item) {
  if (dynamic_cast<TPopupMenu*>(item.GetParentComponent()) != nullptr) return true;
  const TMenuItem* parent = item.Parent();
  return parent != nullptr && dynamic_cast<TMainMenu*>(parent->GetParentComponent()) != nullptr;
}

bool IsFirstVisibleDropDownItem(const TMenuItem& item) {
  const TMenu* menu = item.GetParentMenu();
  if (dynamic_cast<const TPopupMenu*>(menu) != nullptr) return IsFirstLevelItem(item);
  if (menu == nullptr || item.Parent() == nullptr) return false;
  const TMenuItem& bar = menu->Items();
  for (int i = 0; i < bar.Count(); ++i)
    if (bar.Items(i)->Visible()) return item.Parent() == bar.Items(i);
  return false;
}

bool IsInLaterColumn(const TMenuItem& item) {
  if (item.Break() != mbNone) return true;
  const TMenuItem* parent = item.Parent();
  if (parent == nullptr) return false;
  for (int i = 0; i < parent->Count() && parent->Items(i) != &item; ++i)
    if (parent->Items(i)->Visible() && parent->Items(i)->Break() != mbNone) return true;
  return false;
}

bool IsFirstVisibleItem(const TMenuItem& item) {
  const TMenuItem* parent = item.Parent();
  if (parent == nullptr) return true;
  for (int i = 0; i < parent->Count(); ++i)
    if (parent->Items(i)->Visible()) return parent->Items(i) == &item;
  return false;
}

int ItemLevel(const TMenuItem& item) {
  int ancestors = 0;
  for (const TMenuItem* parent = item.Parent(); parent != nullptr; parent = parent->Parent())
    ++ancestors;
  const bool popup = dynamic_cast<const TPopupMenu*>(item.GetParentMenu()) != nullptr;
  return ancestors - 1 + (popup ? 1 : 0);
}

bool SideBarApplies(const TMenuItem& item, const TCustomDvMenuStyler& styler) {
  const TSideBar& bar = styler.SideBar();
  if (!bar.Visible()) return false;
  switch (bar.VisibleIn()) {
    case viFirstVisible:
      return IsFirstVisibleDropDownItem(item);
    case viFirstLevel:
      return IsFirstDropDownItem(item);
    case viAnyLevel:
      return !IsBarItem(item);
  }
  return false;
}

int VisiblePosition(const TMenuItem& item) {
  const TMenuItem* parent = item.Parent();
  if (parent == nullptr) return -1;
  int position = 0;
  for (int i = 0; i < parent->Count(); ++i) {
    if (parent->Items(i) == &item) return position;
    if (parent->Items(i)->Visible()) ++position;
  }
  return -1;
}

HMENU MenuOfWindow(HWND window) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof(className));
  if (std::string_view(className) == "#32768")
    return reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0));
  return GetMenu(window);
}

TRect MenuArea(HDC dc, const TRect& fallback) {
  const HWND window = WindowFromDC(dc);
  const HMENU menu = window != nullptr ? MenuOfWindow(window) : nullptr;
  if (menu == nullptr) return fallback;
  RECT area{};
  bool found = false;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    RECT r{};
    if (!GetMenuItemRect(window, menu, static_cast<UINT>(i), &r)) break;
    if (!found)
      area = r;
    else
      UnionRect(&area, &area, &r);
    found = true;
  }
  if (!found) return fallback;
  // In the drawing surface's own coordinates: where the window system keeps a margin around the
  // items inside the menu window (Wine does), the first item does not start at (0, 0).
  POINT origin{area.left, area.top};
  ScreenToClient(window, &origin);
  return TRect{origin.x, origin.y, origin.x + area.right - area.left,
               origin.y + area.bottom - area.top};
}

namespace {

// The window's top left corner on the screen.
POINT WindowOrigin(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return POINT{bounds.left, bounds.top};
}

}  // namespace

TRect MenuBarBand(HDC dc, const TRect& item) {
  const HWND window = WindowFromDC(dc);
  RECT client{};
  if (window == nullptr || !GetClientRect(window, &client)) return item;
  POINT clientOrigin{0, 0};
  ClientToScreen(window, &clientOrigin);
  const POINT origin = WindowOrigin(window);
  const int left = clientOrigin.x - origin.x;
  return TRect{left, item.Top, left + client.right, item.Bottom};
}

int MenuBarItemsRight(HDC dc, int fallback) {
  const HWND window = WindowFromDC(dc);
  const HMENU bar = window != nullptr ? GetMenu(window) : nullptr;
  const int count = bar != nullptr ? GetMenuItemCount(bar) : 0;
  RECT last{};
  if (count <= 0 || !GetMenuItemRect(window, bar, static_cast<UINT>(count - 1), &last))
    return fallback;
  return last.right - WindowOrigin(window).x;
}

GdiObject<HBRUSH> MenuBackgroundBrush(TBackground& background) {
  GdiObject<HBRUSH> brush;
  if (background.Color() != clNone) {
    brush.Reset(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(background.Color()))));
  } else if (background.HasImage()) {
    // The brush keeps its own copy of the pixels.
    if (auto* picture = dynamic_cast<TBitmap*>(background.Image()->Graphic()))
      brush.Reset(CreatePatternBrush(picture->Handle()));
  }
  return brush;
}

bool SetMenuBackground(HMENU menu, HBRUSH brush) {
  if (menu == nullptr) return false;
  MENUINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = MIM_BACKGROUND | MIM_APPLYTOSUBMENUS;
  info.hbrBack = brush;
  return SetMenuInfo(menu, &info) != FALSE;
}

void FillWithMenuBackground(HDC dc, const TRect& rect, const TPoint& brushOrigin) {
  const HWND window = WindowFromDC(dc);
  const HMENU menu = window != nullptr ? MenuOfWindow(window) : nullptr;
  if (menu == nullptr || rect.IsEmpty()) return;
  MENUINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = MIM_BACKGROUND;
  HBRUSH brush = GetMenuInfo(menu, &info) && info.hbrBack != nullptr ? info.hbrBack
                                                                     : GetSysColorBrush(COLOR_MENU);
  POINT previous{};
  SetBrushOrgEx(dc, brushOrigin.X, brushOrigin.Y, &previous);
  const RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  FillRect(dc, &r, brush);
  SetBrushOrgEx(dc, previous.x, previous.y, nullptr);
}
