#include "dialer/LinkDropWatch.h"

#include "dialer/RasApi.h"

TLinkDropWatch::TLinkDropWatch() noexcept {
  HANDLE event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  if (event == nullptr) return;
  // INVALID_HANDLE_VALUE: any connection, not only one this program knows.
  if (RasApi().ConnectionNotification(static_cast<HRASCONN>(INVALID_HANDLE_VALUE), event,
                                      RASCN_Disconnection) != ERROR_SUCCESS) {
    CloseHandle(event);
    return;
  }
  event_ = event;
}

TLinkDropWatch::~TLinkDropWatch() {
  if (event_ != nullptr) CloseHandle(event_);
}
