#include "controls/menu/paint/DvMenuWindowFrame.h"

#include "controls/menu/styler/DvMenuStyler.h"
#include "controls/menu/paint/DvMenuUtil.h"
#include "controls/menu/paint/MenuFills.h"
#include "controls/menu/StyledMenu.h"
#include "framework/win/graphics/GdiObjects.h"
#include "framework/win/menus/MainMenu.h"
#include "framework/win/menus/MenuItem.h"

namespace {

// The screen rectangle of item in the menu that holds it; false when it cannot be had.
bool ItemScreenRect(const TMenuItem& item, IStyledMenu& menu, HWND window, RECT& rect) {
  const TMenuItem* parent = item.Parent();
  if (parent == nullptr) return false;
  HMENU holder = nullptr;
  if (parent == &menu.MenuObject().Items())
    holder = menu.MenuObject().HandleAllocated() ? menu.MenuObject().Handle() : nullptr;
  else
    holder = parent->Handle();
  if (holder == nullptr) return false;
  const int position = VisiblePosition(item);
  return position >= 0 &&
         GetMenuItemRect(window, holder, static_cast<UINT>(position), &rect) != FALSE;
}

// A sub-menu lies to the right of its parent item when the parent item starts left of it, or at
// the same place and ends before it.
bool SubMenuToTheRight(const TMenuItem& item, IStyledMenu& menu, HWND window) {
  const TMenuItem* parent = item.Parent();
  RECT parentRect{};
  RECT itemRect{};
  if (parent == nullptr || !ItemScreenRect(*parent, menu, nullptr, parentRect) ||
      !ItemScreenRect(item, menu, window, itemRect))
    return true;
  return parentRect.left < itemRect.left ||
         (parentRect.left == itemRect.left && parentRect.right < itemRect.right);
}

}  // namespace

void DrawMenuWindowFrame(const TMenuItem& item, IStyledMenu& menu,
                         const TCustomDvMenuStyler& styler, HDC dc) {
  const HWND window = WindowFromDC(dc);
  if (window == nullptr || !menu.DrawMenuFrame()) return;
  if (const auto* bar = dynamic_cast<const TMainMenu*>(&menu.MenuObject()))
    if (bar->WindowHandle() == window) return;

  const int reserve = styler.SystemArrowReserve();
  const int level = ItemLevel(item);
  const bool toTheRight = level >= 2 && SubMenuToTheRight(item, menu, window);
  RECT bounds{};
  GetWindowRect(window, &bounds);
  if (styler.ClipMenuWindow()) {
    LONG_PTR flags = GetWindowLongPtrA(window, GWLP_USERDATA);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    if ((flags & kMenuRegionSet) == 0) {
      GdiObject<HRGN> region(CreateRectRgn(1, 1, width - 1 - reserve, height - 1));
      // The window owns the region once it accepted it.
      if (SetWindowRgn(window, region.Get(), TRUE) != 0) region.Release();
      flags |= kMenuRegionSet;
    }
    if ((flags & kMenuPlacementAdjusted) == 0) {
      if (level >= 2) {
        const int left = toTheRight ? bounds.left - reserve : bounds.left + reserve;
        MoveWindow(window, left, bounds.top, bounds.right - left, height, TRUE);
        GetWindowRect(window, &bounds);
      }
      flags |= kMenuPlacementAdjusted;
    }
    SetWindowLongPtrA(window, GWLP_USERDATA, flags);
  }
  TRect frame{1, 1, bounds.right - bounds.left - 1, bounds.bottom - bounds.top - 1};
  frame.Right -= toTheRight ? 2 * reserve : reserve;
  WindowDC windowDC(window, true);
  FrameInColor(windowDC.Get(), frame, styler.MenuBorderColor());
  FrameInColor(windowDC.Get(), frame.Inflate(-1, -1), styler.Background().Color());
}
