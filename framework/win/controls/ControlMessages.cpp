// TControl's message handling: mouse buttons and clicks, wheel, enter/leave, and the change
// notifications that every control answers.
#include <cstdlib>

#include "framework/win/controls/ControlActionLink.h"
#include "framework/win/controls/Controls.h"
#include "framework/win/controls/DragSession.h"
#include "framework/win/controls/WinControl.h"

TShiftState KeyboardShiftState() {
  TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

TShiftState KeysToShiftState(WPARAM keys) {
  TShiftState shift = 0;
  if ((keys & MK_SHIFT) != 0) shift |= ssShift;
  if ((keys & MK_CONTROL) != 0) shift |= ssCtrl;
  if ((keys & MK_LBUTTON) != 0) shift |= ssLeft;
  if ((keys & MK_RBUTTON) != 0) shift |= ssRight;
  if ((keys & MK_MBUTTON) != 0) shift |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

TShiftState KeyDataToShiftState(LPARAM keyData) {
  TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  if ((keyData & (1 << 29)) != 0) shift |= ssAlt;
  return shift;
}

void TControl::WndProc(TMessage& message) {
  // A windowless source's drag takes its mouse (windowed ones are caught before routing).
  if (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MOUSELAST &&
      dynamic_cast<TWinControl*>(this) == nullptr && TDragSession::HandleMouse(*this, message))
    return;
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
      return HandleMouseButton(message, mbLeft, true, false);
    case WM_LBUTTONDBLCLK:
      return HandleMouseButton(message, mbLeft, true, true);
    case WM_LBUTTONUP:
      return HandleMouseButton(message, mbLeft, false, false);
    case WM_RBUTTONDOWN:
      return HandleMouseButton(message, mbRight, true, false);
    case WM_RBUTTONDBLCLK:
      return HandleMouseButton(message, mbRight, true, true);
    case WM_RBUTTONUP:
      return HandleMouseButton(message, mbRight, false, false);
    case WM_MBUTTONDOWN:
      return HandleMouseButton(message, mbMiddle, true, false);
    case WM_MBUTTONDBLCLK:
      return HandleMouseButton(message, mbMiddle, true, true);
    case WM_MBUTTONUP:
      return HandleMouseButton(message, mbMiddle, false, false);
    case WM_MOUSEMOVE:
      DefaultHandler(message);
      MouseMove(KeysToShiftState(message.WParam), LoSigned(message.LParam),
                HiSigned(message.LParam));
      return;
    case CM_MOUSEENTER:
      mouseInControl_ = true;
      MouseEnter();
      return;
    case CM_MOUSELEAVE:
      mouseInControl_ = false;
      MouseLeave();
      return;
    case CM_ENABLEDCHANGED:
      Invalidate();
      return;
    case CM_VISIBLECHANGED:
    case CM_TEXTCHANGED:
    case CM_CURSORCHANGED:
    case CM_SHOWHINTCHANGED:
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_HINTSHOW:
      message.Result = 0;
      return;
    case CM_COLORCHANGED:
      ColorChanged();
      return;
    case CM_FONTCHANGED:
      FontChanged();
      return;
    case CM_PARENTCOLORCHANGED:
      if (parentColor_ && parent_ != nullptr) {
        SetColor(parent_->Color());
        parentColor_ = true;
      }
      return;
    case CM_PARENTFONTCHANGED:
      if (parentFont_ && parent_ != nullptr) {
        fontFromParent_ = true;
        try {
          font_.Assign(parent_->Font());
        } catch (...) {
          fontFromParent_ = false;
          throw;
        }
        fontFromParent_ = false;
      }
      return;
    case CM_PARENTSHOWHINTCHANGED:
      ParentShowHintChanged();
      return;
    case CM_BIDIMODECHANGED:
      BiDiModeChanged();
      return;
    case CM_PARENTBIDIMODECHANGED:
      ParentBiDiModeChanged();
      return;
    case CM_HITTEST:
      message.Result = HTCLIENT;
      return;
    case WM_CONTEXTMENU: {
      // Windowless controls get the screen point from their parent.
      TPoint screen{LoSigned(message.LParam), HiSigned(message.LParam)};
      if (screen.X == -1 && screen.Y == -1) screen = ClientToScreen({width_ / 2, height_ / 2});
      message.Result = DoContextPopup(ScreenToClient(screen)) ? 1 : 0;
      if (message.Result == 0) DefaultHandler(message);
      return;
    }
    default:
      DefaultHandler(message);
  }
}

void TControl::HandleMouseButton(TMessage& message, TMouseButton button, bool down,
                                 bool doubleClick) {
  if (doubleClick && (controlStyle_ & csDoubleClicks) == 0) {
    doubleClick = false;
    message.Msg =
        button == mbLeft ? WM_LBUTTONDOWN : (button == mbRight ? WM_RBUTTONDOWN : WM_MBUTTONDOWN);
  }
  DefaultHandler(message);
  const int x = LoSigned(message.LParam);
  const int y = HiSigned(message.LParam);
  TShiftState shift = KeysToShiftState(message.WParam);
  if (down) {
    if (button == mbLeft) {
      controlState_ |= csLButtonDown;
      if ((controlStyle_ & csCaptureMouse) != 0) SetMouseCapture(true);
      if (doubleClick) {
        DblClick();
      } else if ((controlStyle_ & csClickEvents) != 0) {
        controlState_ |= csClicked;
      }
    }
    if (doubleClick) shift |= ssDouble;
    MouseDown(button, shift, x, y);
    if (button == mbLeft && !doubleClick && dragMode_ == dmAutomatic && Enabled()) {
      // The drag distance counts from where the button went down.
      const TPoint pressedAt = ClientToScreen({x, y});
      TDragSession::Begin(*this, false, -1, &pressedAt);
    }
    return;
  }
  if (button == mbLeft) {
    controlState_ &= ~csLButtonDown;
    if ((controlStyle_ & csCaptureMouse) != 0) SetMouseCapture(false);
    if ((controlState_ & csClicked) != 0) {
      controlState_ &= ~csClicked;
      if (ClientRect().Contains({x, y})) Click();
    }
  }
  MouseUp(button, shift, x, y);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  OnMouseUp(this, button, shift, x, y);
}

void TControl::Click() {
  // The control's own handler wins; without one, the click runs the action.
  if (!OnClick && actionLink_ != nullptr) {
    actionLink_->Execute(this);
    return;
  }
  OnClick(this);
}

void TControl::DblClick() {
  OnDblClick(this);
}

void TControl::MouseEnter() {
  OnMouseEnter(this);
}

void TControl::MouseLeave() {
  OnMouseLeave(this);
}

bool TControl::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
  bool handled = false;
  OnMouseWheel(this, shift, wheelDelta, mousePos, handled);
  if (handled || wheelDelta == 0) return handled;
  // One notch per WHEEL_DELTA; finer wheels count as one notch in their direction.
  const int notches = std::max(1, std::abs(wheelDelta) / WHEEL_DELTA);
  for (int i = 0; i < notches; ++i)
    handled = wheelDelta < 0 ? DoMouseWheelDown(shift, mousePos) : DoMouseWheelUp(shift, mousePos);
  return handled;
}

bool TControl::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
  bool handled = false;
  OnMouseWheelDown(this, shift, mousePos, handled);
  return handled;
}

bool TControl::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
  bool handled = false;
  OnMouseWheelUp(this, shift, mousePos, handled);
  return handled;
}

bool TControl::MouseCapture() const {
  if (auto* windowed = dynamic_cast<const TWinControl*>(this))
    return windowed->HandleAllocated() && GetCapture() == windowed->HandleIfAllocated();
  return parent_ != nullptr && parent_->captureChild_ == this && parent_->HandleAllocated() &&
         GetCapture() == parent_->HandleIfAllocated();
}

void TControl::SetMouseCapture(bool capture) {
  if (capture == MouseCapture()) return;
  if (auto* windowed = dynamic_cast<TWinControl*>(this)) {
    if (capture)
      SetCapture(windowed->Handle());
    else
      ReleaseCapture();
    return;
  }
  if (parent_ == nullptr || !parent_->HandleAllocated()) return;
  if (capture) {
    parent_->captureChild_ = this;
    SetCapture(parent_->HandleIfAllocated());
  } else {
    parent_->captureChild_ = nullptr;
    if (GetCapture() == parent_->HandleIfAllocated()) ReleaseCapture();
  }
}
