// TApplication's tracking of the control under the mouse (enter and leave notifications, also
// for disabled and windowless controls) and the hints that follow it.
#include "framework/win/controls/WinControl.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/HintWindow.h"
#include "framework/win/platform/EventDispatch.h"

TControl* TApplication::ControlAtScreenPoint(POINT point) {
  HWND window = WindowFromPoint(point);
  if (window == nullptr) return nullptr;
  // WindowFromPoint passes over disabled child windows; look into them too.
  for (;;) {
    POINT client = point;
    ScreenToClient(window, &client);
    HWND child = ChildWindowFromPointEx(window, client, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (child == nullptr || child == window) break;
    window = child;
  }
  TWinControl* control = TWinControl::FindControl(window);
  if (control == nullptr) return nullptr;
  if (TControl* child = control->ControlAtPos(control->ScreenToClient({point.x, point.y}), true))
    return child;
  return control;
}

void TApplication::DoMouseIdle() {
  POINT cursor{};
  TControl* control = GetCursorPos(&cursor) ? ControlAtScreenPoint(cursor) : nullptr;
  if (control != mouseControl_) {
    TControl* previous = mouseControl_;
    mouseControl_ = control;
    if (previous != nullptr) RunEvent(previous, [previous] { previous->Perform(CM_MOUSELEAVE); });
    if (control != nullptr && mouseControl_ == control)
      RunEvent(control, [control] { control->Perform(CM_MOUSEENTER); });
  }
  UpdateHintControl(mouseControl_);
}

void TApplication::MouseLeftWindow() {
  if (TApplication* application = Instance()) application->DoMouseIdle();
}

void TApplication::ControlDestroyed(TControl* control) {
  TApplication* application = Instance();
  if (application == nullptr) return;
  if (application->mouseControl_ == control) application->mouseControl_ = nullptr;
  if (application->hintControl_ == control) {
    application->CancelHint();
    application->hintControl_ = nullptr;
  }
}

// ---- hints ----

void TApplication::SetShowHint(bool value) {
  showHint_ = value;
  if (!value) CancelHint();
}

void TApplication::UpdateHintControl(TControl* control) {
  TControl* hintControl = control;
  while (hintControl != nullptr && !hintControl->ShowHint())
    hintControl = hintControl->Parent();
  if (!showHint_) hintControl = nullptr;
  if (hintControl == hintControl_) return;
  CancelHint();
  hintControl_ = hintControl;
  if (hintControl_ != nullptr && !ShortHint(hintControl_->Hint()).empty())
    SetTimer(Handle(), kHintShowTimer, static_cast<UINT>(hintPause_), nullptr);
}

void TApplication::ActivateHint() {
  KillTimer(Handle(), kHintShowTimer);
  TControl* control = hintControl_;
  if (control == nullptr) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  THintInfo info;
  info.hintControl = control;
  info.hintText = ShortHint(control->Hint());
  info.hintPos = {cursor.x, cursor.y + GetSystemMetrics(SM_CYCURSOR) * 3 / 4};
  info.hideTimeout = hintHidePause_;
  if (control->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) != 0) return;
  if (info.hintText.empty()) return;
  HintWindow().ActivateHint(info.hintPos, info.hintText);
  if (info.hideTimeout > 0)
    SetTimer(Handle(), kHintHideTimer, static_cast<UINT>(info.hideTimeout), nullptr);
}

void TApplication::CancelHint() {
  if (handle_ != nullptr) {
    KillTimer(handle_, kHintShowTimer);
    KillTimer(handle_, kHintHideTimer);
  }
  if (hintWindow_ != nullptr) hintWindow_->ReleaseHint();
}

THintWindow& TApplication::HintWindow() {
  if (hintWindow_ == nullptr) hintWindow_ = &TComponent::Create<THintWindow>(*this);
  return *hintWindow_;
}
