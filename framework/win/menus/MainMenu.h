// TMainMenu: a window's menu bar. A form attaches it to its window; the bar is rebuilt and
// repainted when the items change. Owner-draw and command messages reach the form's window,
// which passes them on with DispatchMenuMessage (MenuMessages.h).
#pragma once

#include "framework/win/menus/Menu.h"

class TMainMenu : public TMenu {
  DV_CLASS(TMainMenu)
 public:
  explicit TMainMenu(TComponent* owner);
  // Takes the bar off its window first, so that the window never holds a destroyed menu.
  ~TMainMenu() override;

  // The window carrying the bar, or nullptr.
  HWND WindowHandle() const { return window_; }
  // Puts the bar on window (SetMenu, DrawMenuBar); nullptr takes it off the current window.
  void SetWindowHandle(HWND window);

 protected:
  HMENU CreateMenuHandle() override;
  void HandleRebuilt(HMENU newHandle) override;
  void AfterChange() override;

 private:
  HWND window_ = nullptr;
};
