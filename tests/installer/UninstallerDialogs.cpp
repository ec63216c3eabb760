#include "tests/installer/UninstallerDialogs.h"

#include <windows.h>

#include "tests/app/ProgramProcess.h"
#include "tests/app/WindowQueries.h"

namespace {

// The uninstaller's caption: the product, its version, "Uninstall" (and the page's empty
// subcaption, a space, on its own window).
bool IsUninstallerCaption(std::wstring caption) {
  while (!caption.empty() && caption.back() == L' ')
    caption.pop_back();
  const std::wstring product = L"Dorv Internet Auto-Dialer ";
  const std::wstring suffix = L" Uninstall";
  return caption.size() > product.size() + suffix.size() &&
         caption.compare(0, product.size(), product) == 0 &&
         caption.compare(caption.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// A visible dialog of the uninstaller that has a control with one id and none with another.
HWND FindDialogWith(int controlId, int excludedId) {
  for (HWND window : TopLevelWindows()) {
    if (IsWindowVisible(window) && ClassNameOf(window) == "#32770" &&
        IsUninstallerCaption(WindowTextW(window)) && GetDlgItem(window, controlId) != nullptr &&
        GetDlgItem(window, excludedId) == nullptr)
      return window;
  }
  return nullptr;
}

// Presses a button the way its click reaches the dialog.
void Press(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// The uninstaller's own window: its page buttons, no Yes or No.
HWND WaitForMainWindow(int timeoutMs) {
  HWND main = nullptr;
  WaitUntil([&] { return (main = FindDialogWith(IDOK, IDNO)) != nullptr; }, timeoutMs);
  return main;
}

bool WaitForEnabledButton(HWND dialog, int id, const std::wstring& text, int timeoutMs) {
  return WaitUntil(
      [&] {
        const HWND button = GetDlgItem(dialog, id);
        return button != nullptr && IsWindowEnabled(button) && ControlTextW(button) == text;
      },
      timeoutMs);
}

}  // namespace

TUninstallerAnswers AnswerUninstaller(bool keepSettings, int timeoutMs) {
  TUninstallerAnswers answers;
  const HWND main = WaitForMainWindow(timeoutMs);
  if (main == nullptr || !WaitForEnabledButton(main, IDOK, L"&Uninstall", timeoutMs))
    return answers;
  Press(main, IDOK);

  HWND box = nullptr;
  if (!WaitUntil([&] { return (box = FindDialogWith(IDNO, IDCANCEL)) != nullptr; }, timeoutMs))
    return answers;
  // The message box's text: its static control without an id of its own.
  const HWND text = GetDlgItem(box, 0xFFFF);
  if (text != nullptr) answers.question = ControlTextW(text);
  Press(box, keepSettings ? IDYES : IDNO);

  if (!WaitForEnabledButton(main, IDOK, L"&Close", timeoutMs)) return answers;
  Press(main, IDOK);
  answers.closed = true;
  return answers;
}
