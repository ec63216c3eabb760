#include "framework/win/menus/MenuMessages.h"

#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/Font.h"
#include "framework/win/menus/MainMenu.h"
#include "framework/win/menus/Menu.h"
#include "framework/win/menus/SystemMenuFont.h"
#include "framework/win/platform/EventDispatch.h"

namespace {

TMenuHintHandler& HintHandler() {
  static TMenuHintHandler handler;
  return handler;
}

// A canvas on a device context owned elsewhere, detached (its objects put back) before the
// context goes.
class AttachedCanvas {
 public:
  explicit AttachedCanvas(HDC dc) { canvas_.SetHandle(dc); }
  ~AttachedCanvas() { canvas_.SetHandle(nullptr); }
  AttachedCanvas(const AttachedCanvas&) = delete;
  AttachedCanvas& operator=(const AttachedCanvas&) = delete;
  TCanvas& Get() { return canvas_; }

 private:
  TCanvas canvas_;
};

void UseMenuFont(TCanvas& canvas, const TMenuItem& item) {
  AssignSystemMenuFont(canvas.Font());
  if (item.Default()) canvas.Font().SetStyle(canvas.Font().Style() | (1u << fsBold));
}

bool MeasureItem(TMenu& menu, MEASUREITEMSTRUCT& measure) {
  if (measure.CtlType != ODT_MENU) return false;
  TMenuItem* item = menu.FindItem(measure.itemID, fkCommand);
  if (item == nullptr) return false;
  WindowDC screen(nullptr);
  AttachedCanvas canvas(screen.Get());
  UseMenuFont(canvas.Get(), *item);
  int width = 0;
  int height = 0;
  RunEvent(item, [&] { item->MeasureItem(canvas.Get(), width, height); });
  measure.itemWidth = static_cast<UINT>(width > 0 ? width : 0);
  measure.itemHeight = static_cast<UINT>(height > 0 ? height : 0);
  return true;
}

bool DrawItem(TMenu& menu, const DRAWITEMSTRUCT& draw) {
  if (draw.CtlType != ODT_MENU) return false;
  TMenuItem* item = menu.FindItem(draw.itemID, fkCommand);
  if (item == nullptr) return false;
  SavedDCState saved(draw.hDC);
  AttachedCanvas canvas(draw.hDC);
  UseMenuFont(canvas.Get(), *item);
  const bool barItem = dynamic_cast<TMainMenu*>(item->GetParentComponent()) != nullptr;
  const TOwnerDrawState state = draw.itemState & kOwnerDrawStateMask;
  const TRect rect = FromRECT(draw.rcItem);
  RunEvent(item, [&] { item->AdvancedDrawItem(canvas.Get(), rect, state, barItem); });
  return true;
}

bool MenuSelect(TMenu& menu, WPARAM wParam, LPARAM lParam) {
  const UINT flags = HIWORD(wParam);
  HMENU source = reinterpret_cast<HMENU>(lParam);
  TMenuItem* item = nullptr;
  if (flags == 0xFFFF && source == nullptr) {
    // The menu closed: only a menu that is built can have been open.
    if (!menu.HandleAllocated()) return false;
  } else if ((flags & MF_POPUP) != 0) {
    HMENU subMenu = GetSubMenu(source, LOWORD(wParam));
    item = menu.FindItem(reinterpret_cast<UINT_PTR>(subMenu), fkHandle);
    if (item == nullptr) return false;
  } else {
    item = menu.FindItem(LOWORD(wParam), fkCommand);
    if (item == nullptr) return false;
  }
  if (const TMenuHintHandler& handler = HintHandler()) {
    const std::string hint = item != nullptr ? item->Hint() : std::string();
    RunEvent(item, [&] { handler(hint); });
  }
  return true;
}

}  // namespace

void SetMenuHintHandler(TMenuHintHandler handler) {
  HintHandler() = std::move(handler);
}

bool DispatchMenuMessage(TMenu& menu, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
      // Menu commands only: accelerators and controls carry other notification codes.
      if (HIWORD(wParam) != 0 || lParam != 0) return false;
      result = 0;
      return menu.DispatchCommand(LOWORD(wParam));
    case WM_MEASUREITEM:
      result = TRUE;
      return MeasureItem(menu, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_DRAWITEM:
      result = TRUE;
      return DrawItem(menu, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_INITMENUPOPUP:
      result = 0;
      return menu.DispatchPopup(reinterpret_cast<HMENU>(wParam));
    case WM_MENUSELECT:
      result = 0;
      return MenuSelect(menu, wParam, lParam);
    default:
      return false;
  }
}
