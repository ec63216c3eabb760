// Tells, a few seconds after the machine woke from sleep, that it is time to check the connection:
// the modem and the network stack need that long to come back.
//
// The resume is announced by WM_POWERBROADCAST to the top-level windows. The main window may be
// hidden in the tray then, so a window of this object's own receives it too; the main window
// passes on what it receives. On a resume by a user both PBT_APMRESUMEAUTOMATIC and
// PBT_APMRESUMESUSPEND arrive: the first starts the one-shot delay, the second finds it running.
#pragma once

#include <windows.h>

#include <functional>

#include "framework/win/platform/SystemTimer.h"
#include "framework/win/platform/UtilityWindow.h"

class TResumeCheck {
 public:
  static constexpr unsigned kDelayMs = 5000;

  // onDue runs once per resume, delayMs after its first announcement, from the message loop.
  // Fails with EOutOfResources when the window system refuses its window.
  explicit TResumeCheck(std::function<void()> onDue, TObject* sender = nullptr,
                        unsigned delayMs = kDelayMs);
  TResumeCheck(const TResumeCheck&) = delete;
  TResumeCheck& operator=(const TResumeCheck&) = delete;

  // A WM_POWERBROADCAST event (its wParam); only the resume events count.
  void PowerBroadcast(WPARAM event);
  // Whether a check is due and not yet made.
  bool Pending() const { return timer_.Running(); }
  HWND WindowHandle() const { return window_.Handle(); }

 private:
  std::function<void()> onDue_;
  unsigned delayMs_;
  TSystemTimer timer_;
  TUtilityWindow window_;
};
