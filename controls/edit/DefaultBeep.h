// The answer to refused keyboard input: the default beep (MessageBeep with 0), behind one
// function so that tests can count the beeps.
#pragma once

#include <functional>

void DefaultBeep();

// Routes DefaultBeep() to sink for its lifetime (tests). Scopes nest.
class DefaultBeepOverride {
 public:
  explicit DefaultBeepOverride(std::function<void()> sink);
  ~DefaultBeepOverride();
  DefaultBeepOverride(const DefaultBeepOverride&) = delete;
  DefaultBeepOverride& operator=(const DefaultBeepOverride&) = delete;

 private:
  const DefaultBeepOverride* outer_;
  std::function<void()> sink_;
  friend void DefaultBeep();
};
