// Global memory blocks (clipboard data): an owner that frees the block unless it is handed on,
// and a lock guard.
#pragma once

#include <windows.h>

#include <cstddef>
#include <utility>

#include "framework/core/LiveHandleCount.h"

struct TGlobalMemoryKind;
// Blocks held by GlobalMemory owners, process-wide.
using TGlobalMemoryCount = TLiveHandleCount<TGlobalMemoryKind>;

// Owns an HGLOBAL; GlobalFree on destruction unless Release() handed it on (to the clipboard).
class GlobalMemory {
 public:
  GlobalMemory() = default;
  explicit GlobalMemory(HGLOBAL handle) : handle_(handle) { TGlobalMemoryCount::Taken(handle); }
  // GlobalAlloc(flags, size); Get() is nullptr when the block cannot be had.
  static GlobalMemory Allocate(size_t size, UINT flags = GMEM_MOVEABLE) {
    return GlobalMemory(GlobalAlloc(flags, size));
  }
  ~GlobalMemory() { Reset(); }
  GlobalMemory(GlobalMemory&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GlobalMemory& operator=(GlobalMemory&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  GlobalMemory(const GlobalMemory&) = delete;
  GlobalMemory& operator=(const GlobalMemory&) = delete;

  HGLOBAL Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  HGLOBAL Release() {
    TGlobalMemoryCount::Dropped(handle_);
    return std::exchange(handle_, nullptr);
  }
  void Reset(HGLOBAL handle = nullptr) {
    if (handle_ != nullptr) GlobalFree(handle_);
    TGlobalMemoryCount::Replaced(handle_, handle);
    handle_ = handle;
  }

 private:
  HGLOBAL handle_ = nullptr;
};

// GlobalLock for a scope (GlobalUnlock on every path). Data() is nullptr when the lock failed.
class GlobalLockGuard {
 public:
  explicit GlobalLockGuard(HGLOBAL handle)
      : handle_(handle), data_(handle != nullptr ? GlobalLock(handle) : nullptr) {}
  ~GlobalLockGuard() {
    if (data_ != nullptr) GlobalUnlock(handle_);
  }
  GlobalLockGuard(const GlobalLockGuard&) = delete;
  GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;

  void* Data() const { return data_; }
  // GlobalSize of the block (0 when the lock failed).
  size_t Size() const { return data_ != nullptr ? GlobalSize(handle_) : 0; }

 private:
  HGLOBAL handle_;
  void* data_;
};
