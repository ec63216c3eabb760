#include "framework/core/TypInfo.h"
#include "framework/win/platform/Timers.h"

const TClassInfo& TTimer::StaticClassInfo() {
  static const TClassInfo info =
      DefineClassInfo<TTimer, TComponent>("TTimer", [](TPropertyBuilder<TTimer>& b) {
        b.Bool("Enabled", &TTimer::Enabled, &TTimer::SetEnabled, true);
        b.Integer("Interval", &TTimer::Interval, &TTimer::SetInterval, 1000);
        b.Event("OnTimer", &TTimer::onTimer_);
      });
  return info;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner), systemTimer_([this] { Timer(); }, this) {}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned interval) {
  if (interval == interval_) return;
  interval_ = interval;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  onTimer_ = std::move(handler);
  UpdateTimer();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  // Form data sets the handler directly; the timer starts once everything is read.
  UpdateTimer();
}

void TTimer::Timer() {
  onTimer_(this);
}

void TTimer::UpdateTimer() {
  systemTimer_.Stop();
  if (IsLoading() || !enabled_ || interval_ == 0 || !onTimer_) return;
  systemTimer_.Start(interval_);
}

void RegisterTimerClasses() {
  ClassRegistry::Register(TTimer::StaticClassInfo());
}
