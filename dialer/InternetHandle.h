// Move-only owner of an Internet layer handle.
#pragma once

#include <windows.h>
#include <wininet.h>

#include "framework/core/LiveHandleCount.h"

struct TInternetHandleKind;
// Handles held by TInternetHandle owners, process-wide.
using TInternetHandleCount = TLiveHandleCount<TInternetHandleKind>;

// Closes its handle through InternetApi().
class TInternetHandle {
 public:
  TInternetHandle() = default;
  explicit TInternetHandle(HINTERNET handle) noexcept : handle_(handle) {
    TInternetHandleCount::Taken(handle);
  }
  ~TInternetHandle() { Reset(); }

  TInternetHandle(TInternetHandle&& other) noexcept : TInternetHandle(other.Release()) {}
  TInternetHandle& operator=(TInternetHandle&& other) noexcept;
  TInternetHandle(const TInternetHandle&) = delete;
  TInternetHandle& operator=(const TInternetHandle&) = delete;

  HINTERNET Get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != nullptr; }

  // Gives up ownership without closing.
  HINTERNET Release() noexcept;
  // Closes the held handle (if any) and takes the new one.
  void Reset(HINTERNET handle = nullptr) noexcept;

 private:
  HINTERNET handle_ = nullptr;
};
