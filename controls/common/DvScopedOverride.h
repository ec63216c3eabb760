// What tests put in place of the platform's answer for a scope (the screen's colour depth, the
// theme's arrow colour, which faces are TrueType), since the test display cannot be changed.
// Scopes nest; the innermost wins. One thread, like everything that draws.
#pragma once

#include <utility>

template <class Value, class Tag>
class ScopedOverride {
 public:
  explicit ScopedOverride(Value value) : outer_(innermost_), value_(std::move(value)) {
    innermost_ = this;
  }
  ~ScopedOverride() { innermost_ = outer_; }
  ScopedOverride(const ScopedOverride&) = delete;
  ScopedOverride& operator=(const ScopedOverride&) = delete;

  // The innermost scope's value; nullptr outside every scope.
  static const Value* Current() { return innermost_ != nullptr ? &innermost_->value_ : nullptr; }

 private:
  inline static ScopedOverride* innermost_ = nullptr;
  ScopedOverride* outer_;
  Value value_;
};
