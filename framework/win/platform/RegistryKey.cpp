#include "framework/win/platform/RegistryKey.h"

#include "framework/win/platform/RegistryApi.h"

TRegistryKey& TRegistryKey::operator=(TRegistryKey&& other) noexcept {
  if (this != &other) Reset(other.Release());
  return *this;
}

HKEY TRegistryKey::Release() noexcept {
  HKEY key = key_;
  key_ = nullptr;
  TRegistryKeyCount::Dropped(key);
  return key;
}

void TRegistryKey::Reset(HKEY key) noexcept {
  if (key_ != nullptr && key_ != key) RegistryApi().CloseKey(key_);
  TRegistryKeyCount::Replaced(key_, key);
  key_ = key;
}
