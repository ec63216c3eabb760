// Window classes of the controls and the one window procedure they share. The window and its
// control are linked once, in WM_NCCREATE, through the window's user data.
#include <map>
#include <mutex>
#include <string>

#include "framework/core/SysUtils.h"
#include "framework/win/controls/WinControl.h"
#include "framework/win/controls/WinControlClass.h"
#include "framework/win/platform/EventDispatch.h"

namespace {

// The procedure of each system class our classes derive from, for the messages that arrive
// before WM_NCCREATE links the window to its control.
struct RegisteredClass {
  WNDPROC baseProc;
};

std::map<std::string, RegisteredClass>& RegisteredClasses() {
  static std::map<std::string, RegisteredClass> classes;
  return classes;
}

WNDPROC BaseProcOf(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof(name));
  const auto& classes = RegisteredClasses();
  const auto it = classes.find(LowerCaseAscii(name));
  return it != classes.end() && it->second.baseProc != nullptr ? it->second.baseProc
                                                               : DefWindowProcA;
}

}  // namespace

LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = nullptr;
  if (msg == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    control = static_cast<TWinControl*>(create->lpCreateParams);
    if (control != nullptr) control->AttachHandle(window, BaseProcOf(window));
  } else {
    control = reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  }
  if (control == nullptr) return CallWindowProcA(BaseProcOf(window), window, msg, wParam, lParam);
  TMessage message{msg, wParam, lParam, 0};
  RunEvent(control, [&] { control->WndProc(message); });
  if (msg == WM_NCDESTROY) control->DetachHandle();
  return message.Result;
}

namespace WindowClasses {

void Register(const TCreateParams& params) {
  const std::string key = LowerCaseAscii(params.winClassName);
  static std::mutex lock;
  std::lock_guard<std::mutex> guard(lock);
  auto& classes = RegisteredClasses();
  if (classes.count(key) != 0) return;
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA windowClass{};
  WNDPROC baseProc = nullptr;
  if (!params.baseClass.empty()) {
    if (!GetClassInfoA(nullptr, params.baseClass.c_str(), &windowClass) &&
        !GetClassInfoA(instance, params.baseClass.c_str(), &windowClass))
      throw EInvalidOperation(Format("Window class %s is not available", params.baseClass.c_str()));
    baseProc = windowClass.lpfnWndProc;
  } else {
    windowClass.style = params.classStyle;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = params.background;
  }
  windowClass.lpfnWndProc = ControlWindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = params.winClassName.c_str();
  windowClass.lpszMenuName = nullptr;
  if (RegisterClassA(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    throw EInvalidOperation(
        Format("Window class %s cannot be registered", params.winClassName.c_str()));
  classes[key] = RegisteredClass{baseProc};
}

bool IsControlWindow(HWND window) {
  if (window == nullptr || !IsWindow(window)) return false;
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId != GetCurrentProcessId()) return false;
  return reinterpret_cast<WNDPROC>(GetClassLongPtrA(window, GCLP_WNDPROC)) == ControlWindowProc;
}

}  // namespace WindowClasses
