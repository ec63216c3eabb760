// Tells when a dial-up link ends: an event that the remote access service signals each time a
// connection is disconnected, whoever ended it.
#pragma once

#include <windows.h>

class TLinkDropWatch {
 public:
  // Registers an auto-reset event with the remote access service. When the platform refuses
  // (Wine's rasapi32 does), the watch stays silent: Event() is null. Never throws.
  TLinkDropWatch() noexcept;
  // Closes the event; the service holds no claim on it that outlives the handle.
  ~TLinkDropWatch();
  TLinkDropWatch(const TLinkDropWatch&) = delete;
  TLinkDropWatch& operator=(const TLinkDropWatch&) = delete;

  // Signalled on each disconnection; null when the registration was refused.
  HANDLE Event() const noexcept { return event_; }

 private:
  HANDLE event_ = nullptr;
};
