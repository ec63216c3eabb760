#include "tests/app/DialogWatcher.h"

#include <string>

#include "tests/app/WindowQueries.h"

namespace {

TDialogWatcher*& ActiveWatcher() {
  static TDialogWatcher* active = nullptr;
  return active;
}

constexpr UINT kPollMs = 20;

bool IsDialog(HWND window) {
  return ClassNameOf(window) == "#32770" && IsWindowVisible(window);
}

}  // namespace

TDialogWatcher::TDialogWatcher()
    : timer_(SetTimer(nullptr, 0, kPollMs, &Tick)), previous_(ActiveWatcher()) {
  ActiveWatcher() = this;
}

TDialogWatcher::~TDialogWatcher() {
  KillTimer(nullptr, timer_);
  ActiveWatcher() = previous_;
}

void CALLBACK TDialogWatcher::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (ActiveWatcher() != nullptr) EnumThreadWindows(GetCurrentThreadId(), &VisitWindow, 0);
}

BOOL CALLBACK TDialogWatcher::VisitWindow(HWND window, LPARAM) {
  if (!IsDialog(window)) return TRUE;
  TDialogWatcher& watcher = *ActiveWatcher();
  // OK was posted at an earlier tick; the box may still be there.
  for (HWND answered : watcher.answered_)
    if (answered == window) return TRUE;
  watcher.answered_.push_back(window);
  TSeenDialog dialog;
  dialog.caption = WindowTextW(window);
  dialog.owner = GetWindow(window, GW_OWNER);
  dialog.exStyle = GetWindowLongA(window, GWL_EXSTYLE);
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    const std::wstring text = WindowTextW(child);
    if (lstrcmpiA(ClassNameOf(child).c_str(), "Static") == 0 && !text.empty())
      dialog.texts.push_back(text);
  }
  watcher.seen_.push_back(std::move(dialog));
  PostMessageA(window, WM_COMMAND, IDOK, 0);
  return TRUE;
}
