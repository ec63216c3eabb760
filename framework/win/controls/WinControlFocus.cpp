// TWinControl's focus, tab order and keyboard handling.
#include <algorithm>

#include "framework/core/SysUtils.h"
#include "framework/win/controls/WinControl.h"
#include "framework/win/forms/Forms.h"

// ---- tab order ----

int TWinControl::TabOrder() const {
  if (Parent() == nullptr) return -1;
  const auto& list = Parent()->tabList_;
  const auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (IsLoading()) {
    // Sibling windows may not exist yet; the parent places everyone once loading ends.
    loadedTabOrder_ = order;
    return;
  }
  if (Parent() == nullptr) return;
  auto& list = Parent()->tabList_;
  const auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  const int index = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + index, this);
}

void TWinControl::FixupTabList() {
  const size_t count = tabList_.size();
  std::vector<TWinControl*> slots(count, nullptr);
  for (TWinControl* control : tabList_) {
    const int order = control->loadedTabOrder_;
    if (order >= 0 && static_cast<size_t>(order) < count)
      slots[static_cast<size_t>(order)] = control;
    control->loadedTabOrder_ = -1;
  }
  for (size_t i = 0; i < count; ++i) {
    if (slots[i] == nullptr) continue;
    tabList_.erase(std::find(tabList_.begin(), tabList_.end(), slots[i]));
    tabList_.insert(tabList_.begin() + static_cast<std::ptrdiff_t>(i), slots[i]);
  }
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* control : tabList_) {
    list.push_back(control);
    control->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  const int count = static_cast<int>(list.size());
  const auto found = std::find(list.begin(), list.end(), current);
  int start =
      found != list.end() ? static_cast<int>(found - list.begin()) : (goForward ? count - 1 : 0);
  int i = start;
  do {
    i = goForward ? (i + 1) % count : (i + count - 1) % count;
    TWinControl* candidate = list[static_cast<size_t>(i)];
    if (candidate->CanFocus() && (!checkTabStop || candidate->TabStop()) &&
        (!checkParent || candidate->Parent() == this))
      return candidate;
  } while (i != start);
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop))
    next->SetFocus();
}

// ---- focus ----

bool TWinControl::CanFocus() const {
  for (const TControl* control = this; control != nullptr; control = control->Parent())
    if (!control->Visible() || !control->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() const {
  return handle_ != nullptr && GetFocus() == handle_;
}

bool TWinControl::ContainsFocus() const {
  const HWND focus = GetFocus();
  return handle_ != nullptr && focus != nullptr && (focus == handle_ || IsChild(handle_, focus));
}

void TWinControl::SetFocus() {
  if (TCustomForm* form = GetParentForm(this); form != nullptr && form != this) {
    form->FocusControl(this);
    return;
  }
  if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  ::SetFocus(Handle());
}

void TWinControl::RemoveFocus() {
  TCustomForm* form = GetParentForm(this);
  if (form == nullptr || form == this) {
    ::SetFocus(nullptr);
    return;
  }
  TWinControl* next = form->FindNextControl(this, true, true, false);
  if (next != nullptr && !ContainsControl(next)) {
    next->SetFocus();
  } else {
    form->SetActiveControl(nullptr);
  }
}

void TWinControl::HandleFocusMessage(TMessage& message) {
  DefaultHandler(message);
  if (message.Msg != WM_SETFOCUS) {
    RestoreInputMethod();
    return;
  }
  ApplyInputMethod();
  TCustomForm* form = GetParentForm(this);
  if (form != nullptr && form != this)
    form->SetFocusedControl(this);
  else if (form == nullptr)
    Perform(CM_ENTER);
}

// ---- input method ----

void TWinControl::SetImeMode(TImeMode value) {
  if (value == imeMode_) return;
  imeMode_ = value;
  if (Focused()) ApplyInputMethod();
}

void TWinControl::SetImeName(const std::string& value) {
  if (value == imeName_) return;
  imeName_ = value;
  if (Focused()) {
    RestoreInputMethod();
    ApplyInputMethod();
  }
}

void TWinControl::ApplyInputMethod() {
  if (!UsesInputMethod() || handle_ == nullptr) return;
  if (!imeName_.empty() && layoutBeforeIme_ == nullptr)
    layoutBeforeIme_ = ActivateImeByName(imeName_);
  ApplyImeMode(handle_, imeMode_);
}

void TWinControl::RestoreInputMethod() {
  if (layoutBeforeIme_ == nullptr) return;
  ActivateKeyboardLayout(layoutBeforeIme_, 0);
  layoutBeforeIme_ = nullptr;
}

void TWinControl::DoEnter() {
  OnEnter(this);
}

void TWinControl::DoExit() {
  OnExit(this);
}

// ---- keys ----

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
  OnKeyDown(this, key, shift);
}

void TWinControl::KeyPress(char& key) {
  OnKeyPress(this, key);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift) {
  OnKeyUp(this, key, shift);
}

void TWinControl::HandleKeyMessage(TMessage& message) {
  if (message.Msg == WM_CHAR) {
    char key = static_cast<char>(message.WParam);
    KeyPress(key);
    if (key == 0) return;  // swallowed
    message.WParam = static_cast<unsigned char>(key);
    DefaultHandler(message);
    return;
  }
  WORD key = static_cast<WORD>(message.WParam);
  const TShiftState shift = KeyDataToShiftState(message.LParam);
  if (message.Msg == WM_KEYDOWN || message.Msg == WM_SYSKEYDOWN)
    KeyDown(key, shift);
  else
    KeyUp(key, shift);
  if (key == 0) return;  // swallowed
  message.WParam = key;
  DefaultHandler(message);
}

void TWinControl::HandleCnKeyDown(TMessage& message) {
  message.Result = 1;
  const WORD key = static_cast<WORD>(message.WParam);
  LRESULT mask = 0;
  switch (key) {
    case VK_TAB:
      mask = DLGC_WANTTAB;
      break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      mask = DLGC_WANTARROWS;
      break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL:
      mask = DLGC_WANTALLKEYS;
      break;
    default:
      break;
  }
  if (mask != 0 && Perform(CM_WANTSPECIALKEY, key) == 0 &&
      (Perform(WM_GETDLGCODE) & (mask | DLGC_WANTALLKEYS)) == 0) {
    if (TCustomForm* form = GetParentForm(this))
      if (form->Perform(CM_DIALOGKEY, key, message.LParam) != 0) return;
  }
  message.Result = 0;
}

void TWinControl::HandleCnChar(TMessage& message, bool system) {
  message.Result = 1;
  if (system || (Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) == 0) {
    if (TCustomForm* form = GetParentForm(this))
      if (form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0) return;
  }
  message.Result = 0;
}

TCustomForm* GetParentForm(const TControl* control) {
  const TControl* top = control;
  while (top != nullptr && top->Parent() != nullptr)
    top = top->Parent();
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(top));
}
