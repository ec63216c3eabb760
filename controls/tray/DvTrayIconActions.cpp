// TDvTrayIcon: the notification window's messages, mouse actions, the popup menu, and minimising
// and restoring the application.
#include "controls/tray/DvTrayIcon.h"

#include "controls/tray/TaskbarCreated.h"
#include "controls/tray/TrayNotifyRecord.h"
#include "framework/core/ScopedFlag.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/menus/PopupMenu.h"

namespace {

// The shell's balloon notifications in the callback's lParam.
constexpr LPARAM kBalloonHide = 1027;
constexpr LPARAM kBalloonTimeout = 1028;
constexpr LPARAM kBalloonUserClick = 1029;

}  // namespace

bool TDvTrayIcon::HandleNotifyMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  // Messages of the window's own creation go to the default procedure.
  if (!record_) return false;
  result = 0;
  switch (message) {
    case WM_QUERYENDSESSION: {
      bool allow = true;
      OnQueryEndSession(this, allow);
      result = allow ? 1 : 0;
      break;
    }
    case WM_ENDSESSION:
      sessionEnding_ = wParam != 0;
      OnEndSession(this);
      if (wParam == 1) record_->Send(NIM_DELETE);
      break;
    case kTrayCallbackMessage:
      HandleCallback(lParam);
      break;
    default:
      break;
  }
  if (message != 0 && message == TaskbarCreatedMessage() && enabled_) ReAddAfterTaskbarRestart();
  return true;
}

void TDvTrayIcon::HandleCallback(LPARAM event) {
  switch (event) {
    case WM_LBUTTONDOWN:
      MouseAction(ticLeftClick, OnLButtonDown);
      break;
    case WM_LBUTTONUP:
      MouseAction(ticLeftClickUp, OnLButtonUp);
      break;
    case WM_LBUTTONDBLCLK:
      MouseAction(ticLeftDblClick, OnLButtonDblClick);
      break;
    case WM_RBUTTONDOWN:
      MouseAction(ticRightClick, OnRButtonDown);
      break;
    case WM_RBUTTONUP:
      MouseAction(ticRightClickUp, OnRButtonUp);
      break;
    case WM_RBUTTONDBLCLK:
      MouseAction(ticRightDblClick, OnRButtonDblClick);
      break;
    case kBalloonHide:
      OnBalloonHintHide(this);
      break;
    case kBalloonTimeout:
      OnBalloonHintClose(this);
      break;
    case kBalloonUserClick:
      OnBalloonHintClick(this);
      break;
    default:
      break;
  }
}

void TDvTrayIcon::MouseAction(TDvTrayIconClicks click, const TNotifyEvent& event) {
  if (restoreOn_ == click) RestoreApplication();
  if (popupMenuOn_ == click) ShowPopupMenu();
  event(this);
}

void TDvTrayIcon::ReAddAfterTaskbarRestart() {
  // The shell may still be starting; a failure here must not disturb the message.
  const ScopedFlag forced(forcedEnable_);
  try {
    SetEnabled(true);
  } catch (...) {
  }
}

void TDvTrayIcon::ShowPopupMenu() {
  if (popupMenu_ == nullptr) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  // Without the foreground the menu would not close when the user clicks elsewhere.
  if (auto* form = dynamic_cast<TCustomForm*>(Owner())) SetForegroundWindow(form->Handle());
  const ScopedFlag showing(menuShowing_);
  popupMenu_->Popup(cursor.x, cursor.y);
  PostMessageA(nullptr, WM_NULL, 0, 0);
}

void TDvTrayIcon::RestoreApplication() {
  if (menuShowing_) return;
  const ScopedFlag restoring(restoring_);
  Application().Restore();
  if (enabled_) {
    const HWND window = Application().Handle();
    ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
  }
  OnRestoreApp(this);
}

void TDvTrayIcon::MinimizeApplication() {
  Application().Minimize();
  if (enabled_ && hideOnMinimize_) ShowWindow(Application().Handle(), SW_HIDE);
  OnMinimizeApp(this);
}
