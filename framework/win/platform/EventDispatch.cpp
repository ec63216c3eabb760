#include "framework/win/platform/EventDispatch.h"

#include <windows.h>

#include "framework/core/SysUtils.h"

namespace {
TEventExceptionHandler& InstalledHandler() {
  static TEventExceptionHandler handler;
  return handler;
}
}  // namespace

void SetEventExceptionHandler(TEventExceptionHandler handler) {
  InstalledHandler() = std::move(handler);
}

void HandleEventException(TObject* sender) noexcept {
  const std::exception_ptr error = std::current_exception();
  try {
    std::rethrow_exception(error);
  } catch (const EAbort&) {
    return;
  } catch (...) {
  }
  try {
    if (const TEventExceptionHandler& handler = InstalledHandler()) {
      handler(sender, error);
      return;
    }
    std::string message = "Unknown error";
    try {
      std::rethrow_exception(error);
    } catch (const std::exception& e) {
      message = e.what();
    } catch (...) {
    }
    MessageBoxA(GetActiveWindow(), message.c_str(), "Error", MB_OK | MB_ICONSTOP);
  } catch (...) {
    // Nothing may escape into the window system.
  }
}
