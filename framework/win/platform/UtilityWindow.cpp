#include "framework/win/platform/UtilityWindow.h"

#include "framework/core/SysUtils.h"
#include "framework/win/platform/EventDispatch.h"

namespace {
constexpr char kClassName[] = "TDvUtilityWindow";
}  // namespace

TUtilityWindow::TUtilityWindow(Handler handler, TObject* sender)
    : handler_(std::move(handler)), sender_(sender) {
  // The class is registered once per process, on first use.
  static const bool registered = [] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &TUtilityWindow::WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    return RegisterClassA(&windowClass) != 0;
  }();
  if (registered)
    handle_ = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                              nullptr, GetModuleHandleA(nullptr), this);
  if (handle_ == nullptr) throw EOutOfResources("Error creating window");
}

TUtilityWindow::~TUtilityWindow() {
  SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
  DestroyWindow(handle_);
}

LRESULT CALLBACK TUtilityWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<TUtilityWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  return self->Dispatch(window, message, wParam, lParam);
}

LRESULT TUtilityWindow::Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!handler_) return DefWindowProcA(window, message, wParam, lParam);
  LRESULT result = 0;
  bool handled = false;
  bool finished = false;
  // The handler may destroy this object (and its window) while it runs: it runs from a copy and
  // nothing of this object is touched afterwards.
  const Handler handler = handler_;
  RunEvent(sender_, [&] {
    handled = handler(message, wParam, lParam, result);
    finished = true;
  });
  if (!finished) return 0;
  return handled ? result : DefWindowProcA(window, message, wParam, lParam);
}
