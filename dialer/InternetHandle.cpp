#include "dialer/InternetHandle.h"

#include "dialer/InternetApi.h"

TInternetHandle& TInternetHandle::operator=(TInternetHandle&& other) noexcept {
  if (this != &other) Reset(other.Release());
  return *this;
}

HINTERNET TInternetHandle::Release() noexcept {
  HINTERNET handle = handle_;
  handle_ = nullptr;
  TInternetHandleCount::Dropped(handle);
  return handle;
}

void TInternetHandle::Reset(HINTERNET handle) noexcept {
  if (handle_ != nullptr && handle_ != handle) InternetApi().CloseHandle(handle_);
  TInternetHandleCount::Replaced(handle_, handle);
  handle_ = handle;
}
