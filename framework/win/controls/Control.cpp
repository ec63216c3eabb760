#include "framework/core/Actions.h"
#include "framework/core/SysUtils.h"
#include "framework/win/controls/ControlActionLink.h"
#include "framework/win/controls/Controls.h"
#include "framework/win/controls/DragSession.h"
#include "framework/win/controls/WinControl.h"
#include "framework/win/forms/Application.h"

TControl::TControl(TComponent* owner) : TComponent(owner) {
  font_.OnChange = [this](TObject* sender) { FontChangedHandler(sender); };
  constraints_.OnChange = [this](TObject*) { ConstraintsChanged(); };
}

TControl::~TControl() {
  TApplication::ControlDestroyed(this);
  TDragSession::ControlDestroyed(this);
  constraints_.OnChange.Clear();
  actionLink_.reset();
  if (popupMenuComponent_ != nullptr) RemoveFreeNotification(popupMenuComponent_);
  if (parent_ != nullptr) parent_->RemoveControl(this);
  font_.OnChange.Clear();
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WndProc(message);
  return message.Result;
}

void TControl::DefaultHandler(TMessage& message) {
  message.Result = 0;
}

// ---- parent ----

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
  if (parent_ != nullptr) parent_->RemoveControl(this);
  if (parent != nullptr) {
    parent->InsertControl(this);
    if (parentColor_) Perform(CM_PARENTCOLORCHANGED);
    if (parentFont_) Perform(CM_PARENTFONTCHANGED);
    if (parentShowHint_) Perform(CM_PARENTSHOWHINTCHANGED);
    if (parentBiDiMode_) Perform(CM_PARENTBIDIMODECHANGED);
    UpdateAnchorRules();
  }
}

TComponent* TControl::GetParentComponent() const {
  return parent_;
}

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* windowed = dynamic_cast<TWinControl*>(parent)) SetParent(windowed);
}

// ---- geometry ----

void TControl::StoreBounds(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  constraints_.Constrain(width, height);
  if (left != left_ || top != top_ || width != width_ || height != height_)
    ChangeBounds(left, top, width, height);
  if ((controlState_ & csAligning) == 0) UpdateAnchorRules();
}

void TControl::SetBoundsFromLayout(int left, int top, int width, int height) {
  const bool aligning = (controlState_ & csAligning) != 0;
  controlState_ |= csAligning;
  try {
    SetBounds(left, top, width, height);
  } catch (...) {
    if (!aligning) controlState_ &= ~csAligning;
    throw;
  }
  if (!aligning) controlState_ &= ~csAligning;
}

void TControl::ChangeBounds(int left, int top, int width, int height) {
  const bool resized = width != width_ || height != height_;
  Invalidate();
  StoreBounds(left, top, width, height);
  Invalidate();
  if (parent_ != nullptr && align_ != alNone && (controlState_ & csAligning) == 0)
    parent_->Realign();
  if (resized && !IsLoading()) Resize();
}

TRect TControl::ClientRect() const {
  return {0, 0, width_, height_};
}

void TControl::SetClientWidth(int value) {
  SetWidth(value + width_ - ClientWidth());
}

void TControl::SetClientHeight(int value) {
  SetHeight(value + height_ - ClientHeight());
}

TPoint TControl::ClientOrigin() const {
  if (parent_ == nullptr) return {left_, top_};
  const TPoint origin = parent_->ClientOrigin();
  return {origin.X + left_, origin.Y + top_};
}

TPoint TControl::ClientToScreen(TPoint point) const {
  const TPoint origin = ClientOrigin();
  return {point.X + origin.X, point.Y + origin.Y};
}

TPoint TControl::ScreenToClient(TPoint point) const {
  const TPoint origin = ClientOrigin();
  return {point.X - origin.X, point.Y - origin.Y};
}

void TControl::ConstraintsChanged() {
  if (!IsLoading()) SetBounds(left_, top_, width_, height_);
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  if (parent_ != nullptr) parent_->Realign();
}

void TControl::SetAnchors(TAnchors anchors) {
  if (anchors == anchors_) return;
  anchors_ = anchors;
  UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
  if (parent_ == nullptr) {
    anchorOrigin_.valid = false;
    return;
  }
  const TRect client = parent_->ClientRect();
  anchorOrigin_ = {true, client.Width(), client.Height(), BoundsRect()};
}

void TControl::AnchorTo(int parentClientWidth, int parentClientHeight) {
  if (!anchorOrigin_.valid) {
    UpdateAnchorRules();
    return;
  }
  const int dx = parentClientWidth - anchorOrigin_.parentWidth;
  const int dy = parentClientHeight - anchorOrigin_.parentHeight;
  TRect r = anchorOrigin_.bounds;
  int left = r.Left, top = r.Top, width = r.Width(), height = r.Height();
  const bool anchoredLeft = (anchors_ & AnchorBit(akLeft)) != 0;
  const bool anchoredRight = (anchors_ & AnchorBit(akRight)) != 0;
  if (anchoredRight && anchoredLeft)
    width += dx;
  else if (anchoredRight)
    left += dx;
  else if (!anchoredLeft)
    left += dx / 2;
  const bool anchoredTop = (anchors_ & AnchorBit(akTop)) != 0;
  const bool anchoredBottom = (anchors_ & AnchorBit(akBottom)) != 0;
  if (anchoredBottom && anchoredTop)
    height += dy;
  else if (anchoredBottom)
    top += dy;
  else if (!anchoredTop)
    top += dy / 2;
  SetBoundsFromLayout(left, top, std::max(width, 0), std::max(height, 0));
}

// ---- state ----

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (!visible) Invalidate();
  visible_ = visible;
  Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
  if (visible) Invalidate();
  if (parent_ != nullptr && align_ != alNone) parent_->Realign();
}

bool TControl::IsVisibleOnScreen() const {
  for (const TControl* control = this; control != nullptr; control = control->parent_)
    if (!control->visible_) return false;
  return true;
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const std::string& text) {
  if (GetText() == text) return;
  SetTextValue(text);
  Perform(CM_TEXTCHANGED);
}

void TControl::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  parentColor_ = false;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value) {
  if (value == parentColor_) return;
  parentColor_ = value;
  if (value && parent_ != nullptr && !IsLoading()) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::FontChangedHandler(TObject*) {
  if (!fontFromParent_) parentFont_ = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SetParentFont(bool value) {
  if (value == parentFont_) return;
  parentFont_ = value;
  if (value && parent_ != nullptr && !IsLoading()) Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetShowHint(bool value) {
  if (value == showHint_) return;
  showHint_ = value;
  parentShowHint_ = false;
  Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool value) {
  if (value == parentShowHint_) return;
  parentShowHint_ = value;
  if (value) Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::ParentShowHintChanged() {
  if (parentShowHint_ && parent_ != nullptr) {
    showHint_ = parent_->ShowHint();
    Perform(CM_SHOWHINTCHANGED);
  }
}

void TControl::SetCursor(TCursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  Perform(CM_CURSORCHANGED);
}

void TControl::SetHelpContext(int value) {
  helpContext_ = value;
  if (!IsLoading()) helpType_ = htContext;
}

void TControl::SetHelpKeyword(const std::string& value) {
  helpKeyword_ = value;
  if (!IsLoading()) helpType_ = htKeyword;
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (popupMenuComponent_ != nullptr && component == popupMenuComponent_) {
    popupMenu_ = nullptr;
    popupMenuComponent_ = nullptr;
  }
  // An action that goes away has already let go of the link.
  if (actionLink_ != nullptr &&
      (actionLink_->Action() == component || actionLink_->Action() == nullptr))
    actionLink_.reset();
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (parent_ != nullptr) {
    if (parentColor_) Perform(CM_PARENTCOLORCHANGED);
    if (parentFont_) Perform(CM_PARENTFONTCHANGED);
    if (parentShowHint_) Perform(CM_PARENTSHOWHINTCHANGED);
    if (parentBiDiMode_) Perform(CM_PARENTBIDIMODECHANGED);
  }
  // Form data may give the size before the limits.
  SetBounds(left_, top_, width_, height_);
  UpdateAnchorRules();
}

// ---- painting (windowless; windowed controls override) ----

void TControl::Invalidate() {
  if (parent_ == nullptr || !parent_->HandleAllocated() || !visible_) return;
  const RECT r{left_, top_, left_ + width_, top_ + height_};
  InvalidateRect(parent_->HandleIfAllocated(), &r, (controlStyle_ & csOpaque) == 0);
}

void TControl::Update() {
  if (parent_ != nullptr) parent_->Update();
}

void TControl::Repaint() {
  if (!visible_ || parent_ == nullptr || !parent_->HandleAllocated()) return;
  if ((controlStyle_ & csOpaque) != 0) {
    WindowDC dc(parent_->HandleIfAllocated());
    SavedDCState state(dc.Get());
    IntersectClipRect(dc.Get(), left_, top_, left_ + width_, top_ + height_);
    parent_->PaintControls(dc.Get(), this);
  } else {
    Invalidate();
    Update();
  }
}

void TControl::Resize() {
  OnResize(this);
}
