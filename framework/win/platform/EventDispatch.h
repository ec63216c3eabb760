// The one place where errors stop: every event (window message, timer tick, click) runs inside
// RunEvent, so an error ends only that event and reaches the application's error handler.
#pragma once

#include <exception>
#include <functional>

class TObject;

// Handles the exception in flight (call only from a catch block). Never throws.
void HandleEventException(TObject* sender) noexcept;

// The application installs its handler (message box with its title, OnException); until then a
// plain message box shows the message. EAbort is always silent.
using TEventExceptionHandler = std::function<void(TObject* sender, std::exception_ptr error)>;
void SetEventExceptionHandler(TEventExceptionHandler handler);

template <class F>
void RunEvent(TObject* sender, F&& body) noexcept {
  try {
    body();
  } catch (...) {
    HandleEventException(sender);
  }
}
