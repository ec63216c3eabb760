#include "framework/win/platform/SystemTimer.h"

#include "framework/core/SysUtils.h"
#include "framework/win/platform/EventDispatch.h"
#include "framework/win/platform/UtilityWindow.h"

TSystemTimer::TSystemTimer(std::function<void()> onTick, TObject* sender)
    : onTick_(std::move(onTick)), sender_(sender) {}

TSystemTimer::~TSystemTimer() {
  *alive_ = false;
  Stop();
}

void TSystemTimer::Start(unsigned intervalMs) {
  Stop();
  if (intervalMs == 0) return;
  if (!window_)
    window_ = std::make_unique<TUtilityWindow>(
        [this](UINT message, WPARAM wParam, LPARAM, LRESULT&) {
          return HandleMessage(message, wParam);
        },
        sender_);
  // Every start takes a new id, so a tick of the previous count that is already queued is
  // recognised and dropped: a restart always waits one full interval.
  const UINT_PTR id = nextId_;
  nextId_ = nextId_ == 0xFFFF ? 1 : nextId_ + 1;
  if (SetTimer(window_->Handle(), id, intervalMs, nullptr) == 0)
    throw EOutOfResources("Not enough timers available");
  currentId_ = id;
}

void TSystemTimer::Stop() noexcept {
  if (currentId_ == 0) return;
  KillTimer(window_->Handle(), currentId_);
  currentId_ = 0;
}

bool TSystemTimer::HandleMessage(UINT message, WPARAM wParam) {
  if (message != WM_TIMER) return false;
  // A tick whose handler is still running (in a modal loop such as an error box) is not
  // entered again: the next tick comes after it has returned.
  if (wParam != currentId_ || ticking_) return true;
  ticking_ = true;
  // The handler may destroy this timer (a one-shot timer freed in its own tick): it runs from
  // copies, and the flag is only cleared while this object still exists.
  const std::shared_ptr<bool> alive = alive_;
  const std::function<void()> tick = onTick_;
  RunEvent(sender_, tick);
  if (*alive) ticking_ = false;
  return true;
}
