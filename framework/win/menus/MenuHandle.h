// Owner of a menu handle: DestroyMenu also destroys every sub-menu attached to it.
#pragma once

#include <windows.h>

#include <utility>

class MenuHandle {
 public:
  MenuHandle() = default;
  explicit MenuHandle(HMENU handle) : handle_(handle) {}
  ~MenuHandle() { Reset(); }
  MenuHandle(MenuHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  MenuHandle& operator=(MenuHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  MenuHandle(const MenuHandle&) = delete;
  MenuHandle& operator=(const MenuHandle&) = delete;

  HMENU Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Hands the handle over (to a parent menu that now destroys it).
  HMENU Release() { return std::exchange(handle_, nullptr); }
  void Reset(HMENU handle = nullptr) {
    if (handle_ != nullptr) DestroyMenu(handle_);
    handle_ = handle;
  }

 private:
  HMENU handle_ = nullptr;
};
