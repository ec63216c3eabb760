// A window-system timer owned by a C++ object, for components that need a timer without being a
// TTimer on a form (animation steps, repeat buttons, the shared blink list). Ticks arrive through
// the message loop of the creating thread and run inside RunEvent.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

class TObject;
class TUtilityWindow;

class TSystemTimer {
 public:
  // onTick runs once per tick; sender is passed to the error handler when a tick raises.
  explicit TSystemTimer(std::function<void()> onTick, TObject* sender = nullptr);
  ~TSystemTimer();
  TSystemTimer(const TSystemTimer&) = delete;
  TSystemTimer& operator=(const TSystemTimer&) = delete;

  // (Re)starts the count: the next tick comes one full interval from now. An interval of 0
  // stops the timer. Fails with EOutOfResources "Not enough timers available".
  void Start(unsigned intervalMs);
  // Stops the timer; a tick already queued is dropped as well.
  void Stop() noexcept;
  bool Running() const { return currentId_ != 0; }

 private:
  bool HandleMessage(UINT message, WPARAM wParam);

  std::function<void()> onTick_;
  TObject* sender_;
  std::unique_ptr<TUtilityWindow> window_;  // made on the first Start
  UINT_PTR currentId_ = 0;                  // 0 while stopped
  UINT_PTR nextId_ = 1;
  bool ticking_ = false;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
