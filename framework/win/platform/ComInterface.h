// Owner of one reference to a COM interface (IStream and the like): Release on destruction,
// move-only.
#pragma once

#include <utility>

template <class I>
class ComInterface {
 public:
  ComInterface() = default;
  // Takes over a reference the caller already holds (as returned through an out parameter).
  explicit ComInterface(I* object) : object_(object) {}
  ~ComInterface() { Reset(); }
  ComInterface(ComInterface&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  ComInterface& operator=(ComInterface&& other) noexcept {
    if (this != &other) {
      Reset();
      object_ = std::exchange(other.object_, nullptr);
    }
    return *this;
  }
  ComInterface(const ComInterface&) = delete;
  ComInterface& operator=(const ComInterface&) = delete;

  I* Get() const { return object_; }
  I* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  // For functions that hand out a new reference: the previous one is released first.
  I** Receive() {
    Reset();
    return &object_;
  }
  void Reset() {
    if (object_ != nullptr) std::exchange(object_, nullptr)->Release();
  }

 private:
  I* object_ = nullptr;
};
