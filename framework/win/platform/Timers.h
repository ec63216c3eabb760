// TTimer: the component form of a window-system timer (Enabled, Interval, OnTimer). A timer is
// running only while it is enabled, its interval is not 0 and it has an OnTimer handler.
#pragma once

#include "framework/core/Classes.h"
#include "framework/win/platform/SystemTimer.h"

class TTimer : public TComponent {
  DV_CLASS(TTimer)
 public:
  explicit TTimer(TComponent* owner);

  bool Enabled() const { return enabled_; }
  // A change restarts the count (switching on waits one full interval). Setters fail with
  // EOutOfResources "Not enough timers available" when the window system has no timer left.
  void SetEnabled(bool enabled);
  // Milliseconds; a change while enabled restarts the count.
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned interval);
  const TNotifyEvent& OnTimer() const { return onTimer_; }
  void SetOnTimer(TNotifyEvent handler);

  // Whether a window-system timer is running now.
  bool Running() const { return systemTimer_.Running(); }

  void Loaded() override;

 protected:
  // One tick: raises OnTimer. An error ends the tick only; the timer keeps running.
  virtual void Timer();

 private:
  void UpdateTimer();

  bool enabled_ = true;
  unsigned interval_ = 1000;
  TNotifyEvent onTimer_;
  TSystemTimer systemTimer_;
};

// Makes TTimer known to form data (idempotent).
void RegisterTimerClasses();
