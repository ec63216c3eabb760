// Answers the message boxes that this thread shows while it is alive: a thread timer, which also
// runs inside a message box's own modal loop, finds each one, records its caption, its texts and
// its owner, and presses its OK button.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

struct TSeenDialog {
  std::wstring caption;
  // The texts of its static controls, in child order (the icon's is empty and left out).
  std::vector<std::wstring> texts;
  HWND owner = nullptr;
  LONG exStyle = 0;
};

class TDialogWatcher {
 public:
  TDialogWatcher();
  ~TDialogWatcher();
  TDialogWatcher(const TDialogWatcher&) = delete;
  TDialogWatcher& operator=(const TDialogWatcher&) = delete;

  const std::vector<TSeenDialog>& Seen() const { return seen_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  static BOOL CALLBACK VisitWindow(HWND window, LPARAM);

  UINT_PTR timer_ = 0;
  std::vector<TSeenDialog> seen_;
  std::vector<HWND> answered_;
  TDialogWatcher* previous_;
};
