#include "controls/edit/DefaultBeep.h"

#include <windows.h>

namespace {
const DefaultBeepOverride*& CurrentOverride() {
  static const DefaultBeepOverride* current = nullptr;
  return current;
}
}  // namespace

DefaultBeepOverride::DefaultBeepOverride(std::function<void()> sink)
    : outer_(CurrentOverride()), sink_(std::move(sink)) {
  CurrentOverride() = this;
}

DefaultBeepOverride::~DefaultBeepOverride() {
  CurrentOverride() = outer_;
}

void DefaultBeep() {
  if (const DefaultBeepOverride* redirected = CurrentOverride()) {
    if (redirected->sink_) redirected->sink_();
    return;
  }
  MessageBeep(0);
}
