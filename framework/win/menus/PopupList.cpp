#include "framework/win/menus/PopupList.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "framework/win/menus/Menu.h"
#include "framework/win/menus/MenuMessages.h"
#include "framework/win/platform/UtilityWindow.h"

namespace {

class PopupListState {
 public:
  ~PopupListState() { ended = true; }

  HWND Window() {
    if (!window_)
      window_ = std::make_unique<TUtilityWindow>(
          [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
            return Route(message, wParam, lParam, result);
          });
    return window_->Handle();
  }

  std::vector<TMenu*> menus;
  static inline bool ended = false;

 private:
  bool Route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
      case WM_COMMAND:
      case WM_MEASUREITEM:
      case WM_DRAWITEM:
      case WM_INITMENUPOPUP:
      case WM_MENUSELECT:
        break;
      default:
        return false;
    }
    // Stops at the first menu that knows the item, before any handler could free later ones.
    const std::vector<TMenu*> current = menus;
    for (TMenu* menu : current)
      if (DispatchMenuMessage(*menu, message, wParam, lParam, result)) return true;
    return false;
  }

  std::unique_ptr<TUtilityWindow> window_;
};

PopupListState& State() {
  static PopupListState state;
  return state;
}

}  // namespace

namespace TPopupList {

void Register(TMenu& menu) {
  if (PopupListState::ended) return;
  State().menus.push_back(&menu);
}

void Unregister(TMenu& menu) noexcept {
  if (PopupListState::ended) return;
  auto& menus = State().menus;
  menus.erase(std::remove(menus.begin(), menus.end(), &menu), menus.end());
}

HWND Window() {
  return State().Window();
}

int Count() {
  return PopupListState::ended ? 0 : static_cast<int>(State().menus.size());
}

}  // namespace TPopupList
