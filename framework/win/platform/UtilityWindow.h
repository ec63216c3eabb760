// A hidden top-level window that belongs to a C++ object: the timers' tick target, the popup
// menus' owner and the tray icon's notification window. It is top-level rather than message-only
// so that broadcasts such as "TaskbarCreated" reach it.
#pragma once

#include <windows.h>

#include <functional>

class TObject;

class TUtilityWindow {
 public:
  // Returns true when it handled the message (result is then the answer); false passes the
  // message on to DefWindowProcA. It runs inside RunEvent: an error ends only that message, which
  // is then answered with 0.
  using Handler = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

  // Creates the window; fails with EOutOfResources "Error creating window" when the window system
  // refuses (for instance without a display). sender is passed to the error handler.
  explicit TUtilityWindow(Handler handler, TObject* sender = nullptr);
  // Destroys the window; no message reaches the handler afterwards.
  ~TUtilityWindow();
  TUtilityWindow(const TUtilityWindow&) = delete;
  TUtilityWindow& operator=(const TUtilityWindow&) = delete;

  HWND Handle() const { return handle_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  Handler handler_;
  TObject* sender_;
  HWND handle_ = nullptr;
};
