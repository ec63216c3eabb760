// The notification record the tray icon sends to the shell: NOTIFYICONDATAA in the layout the
// shell understands (the version 5 layout with a 128-character tip, or the original one with 64),
// its tip and flags kept consistent.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

// The callback message the shell sends to the notification window.
inline constexpr UINT kTrayCallbackMessage = 9250;

class TTrayNotifyRecord {
 public:
  // Shell major version 5 or above selects the large layout. The record starts with
  // NIF_MESSAGE | NIF_ICON and no tip.
  TTrayNotifyRecord(DWORD shellMajorVersion, HWND window, UINT id, HICON icon);

  // Copies the tip, cut to the layout's limit; NIF_TIP is set while the tip is not empty.
  void SetTip(const std::string& tip);
  void SetIcon(HICON icon) { data_.hIcon = icon; }
  // Longest tip the layout carries: 127 or 63 characters.
  size_t TipLimit() const;
  bool LargeLayout() const { return data_.cbSize == kLargeSize; }

  // Shell_NotifyIconA through the call table; true when the shell accepted. Never throws.
  bool Send(DWORD message);

  const NOTIFYICONDATAA& Data() const { return data_; }

  // The record sizes: 488 and 88 bytes on 32-bit Windows; the 64-bit shell's records are larger
  // because the window and icon handles are 8 bytes there.
  static constexpr DWORD kLargeSize = NOTIFYICONDATAA_V2_SIZE;
  static constexpr DWORD kSmallSize = NOTIFYICONDATAA_V1_SIZE;

 private:
  NOTIFYICONDATAA data_;
};

#ifndef _WIN64
static_assert(TTrayNotifyRecord::kLargeSize == 488 && TTrayNotifyRecord::kSmallSize == 88);
#endif
