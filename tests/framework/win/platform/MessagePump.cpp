#include "tests/framework/win/platform/MessagePump.h"

#include <windows.h>

#include <chrono>

double NowMs() {
  using namespace std::chrono;
  return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

void PumpPending() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs) {
  const double deadline = NowMs() + timeoutMs;
  while (!done()) {
    const double left = deadline - NowMs();
    if (left <= 0) return done();
    // Sleeps until a message arrives (timer messages included) or the deadline.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left) + 1, QS_ALLINPUT);
    PumpPending();
  }
  return true;
}

void PumpFor(unsigned milliseconds) {
  PumpUntil([] { return false; }, milliseconds);
}
