#include "controls/edit/DvSpinButtons.h"

#include "framework/win/forms/Application.h"

const std::vector<std::string>& SpinDirectionNames() {
  static const std::vector<std::string> names = {"sdUpDown", "sdLeftRight"};
  return names;
}

TDvSpinButtons::TDvSpinButtons(TComponent* owner) : TWinControl(owner) {
  ControlStyleExclude(csAcceptsControls | csSetCaption);
  upRight_ = &MakeButton();
  downLeft_ = &MakeButton();
  SetGlyphUpRight(nullptr);
  SetGlyphDownLeft(nullptr);
  // The framework's default colour is the window's: set the face colour through the setter, so
  // that the buttons take it and every later colour reaches them as a change.
  SetColor(clBtnFace);
  SetBounds(0, 0, 16, 25);
}

TDvSpinButtons::~TDvSpinButtons() {
  SetFocusControl(nullptr);
  DestroyHandle();
}

TDvControlButton& TDvSpinButtons::MakeButton() {
  auto& button = TComponent::Create<TDvControlButton>(*this);
  button.SetParent(this);
  button.OnClick = [this](TObject* sender) {
    if (sender == upRight_)
      OnUpRightClick(this);
    else
      OnDownLeftClick(this);
  };
  button.OnMouseDown = [this](TObject*, TMouseButton pressed, TShiftState, int, int) {
    ButtonMouseDown(pressed);
  };
  button.SetRepeatClicks(true);
  button.Glyph()->OnChange = [this, &button](TObject*) { GlyphChanged(button); };
  button.SetNumGlyphs(2);
  return button;
}

// ---- properties ----

TDvControlButtonStyle TDvSpinButtons::DefaultStyle(const TDvControlButton& button) const {
  if (&button == upRight_) return direction_ == sdLeftRight ? cbsRight : cbsUp;
  return direction_ == sdLeftRight ? cbsLeft : cbsDown;
}

void TDvSpinButtons::GlyphChanged(TDvControlButton& button) {
  const bool custom = !button.Glyph()->Empty();
  (&button == upRight_ ? customUpRight_ : customDownLeft_) = custom;
  button.SetStyle(custom ? cbsNone : DefaultStyle(button));
  button.Invalidate();
}

void TDvSpinButtons::SetGlyphUpRight(const TBitmap* bitmap) {
  upRight_->SetGlyph(bitmap);
  GlyphChanged(*upRight_);
}

void TDvSpinButtons::SetGlyphDownLeft(const TBitmap* bitmap) {
  downLeft_->SetGlyph(bitmap);
  GlyphChanged(*downLeft_);
}

void TDvSpinButtons::SetDirection(TSpinDirection value) {
  if (value == direction_) return;
  direction_ = value;
  SetGlyphUpRight(nullptr);
  SetGlyphDownLeft(nullptr);
  Invalidate();
}

void TDvSpinButtons::SetOrientation(TOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  if (!IsLoading()) SetWidth(value == orVertical ? Width() / 2 : Width() * 2);
  PlaceButtons(Width(), Height());
  Invalidate();
}

void TDvSpinButtons::SetFlat(bool value) {
  flat_ = value;
  upRight_->SetFlat(value);
  downLeft_->SetFlat(value);
}

void TDvSpinButtons::SetFocusControl(TWinControl* control) {
  if (control == focusControl_) return;
  if (focusControl_ != nullptr) RemoveFreeNotification(focusControl_);
  focusControl_ = control;
  if (control != nullptr) FreeNotification(control);
}

void TDvSpinButtons::ColorChanged() {
  if (upRight_ != nullptr) upRight_->SetColor(Color());
  if (downLeft_ != nullptr) downLeft_->SetColor(Color());
  TWinControl::ColorChanged();
}

// ---- layout ----

void TDvSpinButtons::PlaceButtons(int width, int height) {
  if (upRight_ == nullptr || downLeft_ == nullptr || IsLoading()) return;
  if (orientation_ == orVertical) {
    const int half = height / 2;
    upRight_->SetBounds(0, 0, width, half);
    downLeft_->SetBounds(0, half, width, height - half - 1);
  } else {
    const int half = width / 2;
    upRight_->SetBounds(half, 0, width - half, height - 1);
    downLeft_->SetBounds(0, 0, half, height - 1);
  }
}

void TDvSpinButtons::SetBounds(int left, int top, int width, int height) {
  PlaceButtons(width, height);
  TWinControl::SetBounds(left, top, width, height);
}

void TDvSpinButtons::Resize() {
  TWinControl::Resize();
  PlaceButtons(Width(), Height());
}

void TDvSpinButtons::Loaded() {
  TWinControl::Loaded();
  PlaceButtons(Width(), Height());
}

// ---- focus, keys, messages ----

void TDvSpinButtons::ButtonMouseDown(TMouseButton button) {
  if (button != mbLeft) return;
  TWinControl* target = focusControl_;
  const bool usable = target != nullptr && target->TabStop() && target->CanFocus();
  if (usable && !target->Focused()) {
    target->SetFocus();
    // A handler refused the focus: the press is cancelled without a message.
    if (!target->Focused()) Abort();
    return;
  }
  if (TabStop() && !Focused() && CanFocus()) {
    SetFocus();
    if (!Focused()) Abort();
  }
}

void TDvSpinButtons::KeyDown(WORD& key, TShiftState shift) {
  if (key == VK_UP) upRight_->Click();
  if (key == VK_DOWN) downLeft_->Click();
  TWinControl::KeyDown(key, shift);
}

void TDvSpinButtons::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS;
      return;
    case CM_ENABLEDCHANGED:
      TWinControl::WndProc(message);
      upRight_->SetEnabled(Enabled());
      downLeft_->SetEnabled(Enabled());
      return;
    default:
      TWinControl::WndProc(message);
  }
}

void TDvSpinButtons::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == focusControl_) focusControl_ = nullptr;
}
