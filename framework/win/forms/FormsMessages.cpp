// TCustomForm's messages: activation and focus, Tab navigation, closing, minimising.
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Forms.h"

void TCustomForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_VISIBLECHANGED:
      ShowingChanged();
      return;
    case WM_CLOSE:
      Close();
      message.Result = 0;
      return;
    case CM_RELEASE:
      DoDestroy();
      if (Owner() != nullptr) TComponent::Destroy(*this);
      return;
    case WM_ACTIVATE:
      return HandleActivate(message);
    case WM_SYSCOMMAND:
      if (Application().MainForm() == this) {
        const WPARAM command = message.WParam & 0xFFF0;
        if (command == SC_MINIMIZE) {
          Application().Minimize();
          message.Result = 0;
          return;
        }
        if (command == SC_RESTORE && Application().IsMinimized()) {
          Application().Restore();
          message.Result = 0;
          return;
        }
      }
      break;
    case CM_DIALOGKEY:
      if (HandleDialogKey(message)) return;
      break;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

void TCustomForm::HandleActivate(TMessage& message) {
  const bool activating = LOWORD(message.WParam) != WA_INACTIVE;
  const bool minimized = HIWORD(message.WParam) != 0;
  if (!activating) {
    active_ = false;
    DefaultHandler(message);
    OnDeactivate(this);
    return;
  }
  active_ = true;
  Application().FormActivated(this);
  if (minimized) {
    DefaultHandler(message);
    return;
  }
  // Instead of the window itself, the active control takes the focus.
  FocusFirstControl();
  message.Result = 0;
  OnActivate(this);
}

void TCustomForm::FocusFirstControl() {
  if (!HandleAllocated()) return;
  TWinControl* target = activeControl_;
  if (target == nullptr || !target->CanFocus())
    target = FindNextControl(nullptr, true, true, false);
  if (target != nullptr && target->CanFocus()) {
    activeControl_ = target;
    ::SetFocus(target->Handle());
  } else {
    ::SetFocus(HandleIfAllocated());
  }
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control == activeControl_) return;
  if (control != nullptr && !IsLoading() && (!ContainsControl(control) || !control->CanFocus()))
    throw EInvalidOperation("Cannot focus a disabled or invisible window");
  activeControl_ = control;
  if (IsLoading() || !HandleAllocated() || !active_) return;
  if (control != nullptr)
    ::SetFocus(control->Handle());
  else
    ::SetFocus(HandleIfAllocated());
}

void TCustomForm::FocusControl(TWinControl* control) {
  if (!control->CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  activeControl_ = control;
  if (HandleAllocated() && IsWindowVisible(HandleIfAllocated())) ::SetFocus(control->Handle());
}

void TCustomForm::SetFocusedControl(TWinControl* control) {
  if (control == focusedControl_) return;
  TWinControl* previous = focusedControl_;
  focusedControl_ = control;
  activeControl_ = control;
  // The controls that lose the focus are told from the inside out, up to the common container.
  TWinControl* common = previous == nullptr ? this : control;
  while (common != nullptr && common != this && !common->ContainsControl(previous))
    common = common->Parent();
  try {
    for (TWinControl* c = previous; c != nullptr && c != common && c != this; c = c->Parent())
      c->Perform(CM_EXIT);
  } catch (...) {
    // An exit handler refused to let go: the focus goes back.
    focusedControl_ = previous;
    activeControl_ = previous;
    if (previous != nullptr && previous->HandleAllocated())
      ::SetFocus(previous->HandleIfAllocated());
    throw;
  }
  std::vector<TWinControl*> entered;
  for (TWinControl* c = control; c != nullptr && c != common && c != this; c = c->Parent())
    entered.push_back(c);
  for (auto it = entered.rbegin(); it != entered.rend(); ++it)
    (*it)->Perform(CM_ENTER);
}

bool TCustomForm::HandleDialogKey(TMessage& message) {
  if (GetKeyState(VK_MENU) < 0) return false;
  const WORD key = static_cast<WORD>(message.WParam);
  switch (key) {
    case VK_TAB:
      if (GetKeyState(VK_CONTROL) < 0) return false;
      SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
      message.Result = 1;
      return true;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      if (activeControl_ != nullptr && activeControl_->Parent() != nullptr) {
        activeControl_->Parent()->SelectNext(activeControl_, key == VK_RIGHT || key == VK_DOWN,
                                             false);
        message.Result = 1;
        return true;
      }
      return false;
    default:
      return false;
  }
}
