#include "controls/tray/TrayNotifyRecord.h"

#include <algorithm>
#include <cstring>

#include "controls/tray/TrayShellCalls.h"

TTrayNotifyRecord::TTrayNotifyRecord(DWORD shellMajorVersion, HWND window, UINT id, HICON icon) {
  std::memset(&data_, 0, sizeof(data_));
  data_.cbSize = shellMajorVersion >= 5 ? kLargeSize : kSmallSize;
  data_.hWnd = window;
  data_.uID = id;
  data_.uFlags = NIF_MESSAGE | NIF_ICON;
  data_.uCallbackMessage = kTrayCallbackMessage;
  data_.hIcon = icon;
}

size_t TTrayNotifyRecord::TipLimit() const {
  return LargeLayout() ? 127 : 63;
}

void TTrayNotifyRecord::SetTip(const std::string& tip) {
  const size_t length = std::min(tip.size(), TipLimit());
  std::memset(data_.szTip, 0, sizeof(data_.szTip));
  std::memcpy(data_.szTip, tip.data(), length);
  if (tip.empty())
    data_.uFlags &= ~static_cast<UINT>(NIF_TIP);
  else
    data_.uFlags |= NIF_TIP;
}

bool TTrayNotifyRecord::Send(DWORD message) {
  const TTrayShellCalls& calls = TrayShellCalls();
  if (calls.notifyIcon == nullptr) return false;
  return calls.notifyIcon(message, &data_) != FALSE;
}
