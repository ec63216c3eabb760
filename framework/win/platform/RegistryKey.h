// Move-only owner of an opened registry key handle.
#pragma once

#include <windows.h>

#include "framework/core/LiveHandleCount.h"

struct TRegistryKeyKind;
// Keys held by TRegistryKey owners, process-wide.
using TRegistryKeyCount = TLiveHandleCount<TRegistryKeyKind>;

// Closes its key through RegistryApi(). Never holds a predefined root key such as
// HKEY_CURRENT_USER: those are not ours to close.
class TRegistryKey {
 public:
  TRegistryKey() = default;
  explicit TRegistryKey(HKEY key) noexcept : key_(key) { TRegistryKeyCount::Taken(key); }
  ~TRegistryKey() { Reset(); }

  TRegistryKey(TRegistryKey&& other) noexcept : TRegistryKey(other.Release()) {}
  TRegistryKey& operator=(TRegistryKey&& other) noexcept;
  TRegistryKey(const TRegistryKey&) = delete;
  TRegistryKey& operator=(const TRegistryKey&) = delete;

  HKEY Get() const noexcept { return key_; }
  explicit operator bool() const noexcept { return key_ != nullptr; }

  // Gives up ownership without closing.
  HKEY Release() noexcept;
  // Closes the held key (if any) and takes the new one.
  void Reset(HKEY key = nullptr) noexcept;

 private:
  HKEY key_ = nullptr;
};
