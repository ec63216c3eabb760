// TWinControl's message handling: mouse routing to windowless children, painting, child
// notifications, cursors and context menus.
#include <algorithm>

#include "framework/win/forms/Application.h"
#include "framework/win/controls/DragSession.h"
#include "framework/win/graphics/GdiObjects.h"
#include "framework/win/controls/WinControl.h"
#include "framework/win/graphics/Canvas.h"

namespace {

bool IsMouseButtonOrMove(UINT msg) {
  return msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK;
}

HWND ReflectedChild(const TMessage& message) {
  switch (message.Msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<HWND>(message.LParam);
    case WM_NOTIFY:
      return reinterpret_cast<const NMHDR*>(message.LParam)->hwndFrom;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
      return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
    }
    default:
      return nullptr;
  }
}

}  // namespace

void TWinControl::WndProc(TMessage& message) {
  const UINT msg = message.Msg;
  if (IsMouseButtonOrMove(msg)) {
    if (TDragSession::HandleMouse(*this, message)) return;
    if (msg == WM_MOUSEMOVE && !trackingMouseLeave_ && handle_ != nullptr) {
      TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, handle_, 0};
      trackingMouseLeave_ = TrackMouseEvent(&track) != FALSE;
    }
    if (RouteMouseToChild(message)) return;
    return TControl::WndProc(message);
  }
  if (HWND child = ReflectedChild(message); child != nullptr && child != handle_)
    return ReflectToChild(message, child);
  if (TDragSession::HandleKey(message)) {
    // A reflected key counts as handled, so that the loop does not dispatch it again.
    message.Result = msg >= CN_BASE ? 1 : 0;
    return;
  }
  switch (msg) {
    case WM_MOUSELEAVE:
      trackingMouseLeave_ = false;
      DefaultHandler(message);
      TApplication::MouseLeftWindow();
      return;
    case WM_MOUSEWHEEL:
      return HandleMouseWheel(message);
    case WM_PAINT:
      return HandlePaint(message);
    case WM_ERASEBKGND:
      return HandleEraseBackground(message);
    case WM_SETCURSOR:
      return HandleSetCursor(message);
    case WM_CONTEXTMENU:
      return HandleContextMenu(message);
    case WM_WINDOWPOSCHANGING:
      return HandlePosChanging(message);
    case WM_GETMINMAXINFO:
      return HandleGetMinMaxInfo(message);
    case WM_WINDOWPOSCHANGED:
      DefaultHandler(message);
      UpdateBoundsFromWindow();
      return;
    case WM_CAPTURECHANGED:
      TDragSession::CaptureLost(handle_, reinterpret_cast<HWND>(message.LParam));
      captureChild_ = nullptr;
      DefaultHandler(message);
      return;
    case WM_CANCELMODE:
      if (TDragSession::Active()) TDragSession::End(false);
      DefaultHandler(message);
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      return HandleFocusMessage(message);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
      return HandleKeyMessage(message);
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
      return HandleCnKeyDown(message);
    case CN_CHAR:
      return HandleCnChar(message, false);
    case CN_SYSCHAR:
      return HandleCnChar(message, true);
    case CM_ENTER:
      DoEnter();
      return;
    case CM_EXIT:
      DoExit();
      return;
    case CM_ENABLEDCHANGED:
      if (!Enabled() && ContainsFocus()) RemoveFocus();
      if (handle_ != nullptr) EnableWindow(handle_, Enabled());
      Invalidate();
      return;
    case CM_VISIBLECHANGED:
      if (!Visible() && ContainsFocus()) RemoveFocus();
      if (handle_ != nullptr)
        ShowWindow(handle_, Visible() ? SW_SHOWNOACTIVATE : SW_HIDE);
      else if (Visible() && Parent() != nullptr && Parent()->HandleAllocated())
        Handle();
      return;
    case CM_DIALOGCHAR:
    case CM_DIALOGKEY:
      message.Result = 0;
      Broadcast(message);
      return;
    case CM_SHOWHINTCHANGED:
      NotifyControls(CM_PARENTSHOWHINTCHANGED);
      return;
    case CM_CTL3DCHANGED:
      RecreateWnd();
      NotifyControls(CM_PARENTCTL3DCHANGED);
      return;
    case CM_PARENTCTL3DCHANGED:
      if (parentCtl3D_ && Parent() != nullptr) {
        SetCtl3D(Parent()->Ctl3D());
        parentCtl3D_ = true;
      }
      return;
    default:
      TControl::WndProc(message);
  }
}

bool TWinControl::RouteMouseToChild(TMessage& message) {
  TControl* target = nullptr;
  if (captureChild_ != nullptr && GetCapture() == handle_) {
    target = captureChild_;
  } else {
    target = ControlAtPos({LoSigned(message.LParam), HiSigned(message.LParam)}, false);
  }
  if (target == nullptr) return false;
  TMessage routed = message;
  routed.LParam = PackPoint(LoSigned(message.LParam) - target->Left(),
                            HiSigned(message.LParam) - target->Top());
  target->WndProc(routed);
  message.Result = routed.Result;
  // The window's own default handling turns a right button release into WM_CONTEXTMENU.
  if (message.Msg == WM_RBUTTONUP) DefaultHandler(message);
  return true;
}

void TWinControl::ReflectToChild(TMessage& message, HWND child) {
  if (TWinControl* control = FindControl(child)) {
    message.Result = control->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
    return;
  }
  DefaultHandler(message);
}

void TWinControl::HandlePosChanging(TMessage& message) {
  auto* pos = reinterpret_cast<WINDOWPOS*>(message.LParam);
  // A size from the system (a user dragging the frame, a parent's layout) keeps the limits too;
  // a minimised window has the system's own size.
  if ((pos->flags & SWP_NOSIZE) == 0 && !IsIconic(handle_))
    GetConstraints().Constrain(pos->cx, pos->cy);
  DefaultHandler(message);
}

void TWinControl::HandleGetMinMaxInfo(TMessage& message) {
  DefaultHandler(message);
  auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
  const TSizeConstraints& limits = GetConstraints();
  if (limits.MinWidth() > 0)
    info->ptMinTrackSize.x = std::max<LONG>(info->ptMinTrackSize.x, limits.MinWidth());
  if (limits.MinHeight() > 0)
    info->ptMinTrackSize.y = std::max<LONG>(info->ptMinTrackSize.y, limits.MinHeight());
  if (limits.MaxWidth() > 0) {
    info->ptMaxTrackSize.x = std::min<LONG>(info->ptMaxTrackSize.x, limits.MaxWidth());
    info->ptMaxSize.x = std::min<LONG>(info->ptMaxSize.x, limits.MaxWidth());
  }
  if (limits.MaxHeight() > 0) {
    info->ptMaxTrackSize.y = std::min<LONG>(info->ptMaxTrackSize.y, limits.MaxHeight());
    info->ptMaxSize.y = std::min<LONG>(info->ptMaxSize.y, limits.MaxHeight());
  }
  message.Result = 0;
}

void TWinControl::HandleMouseWheel(TMessage& message) {
  const TShiftState shift = KeysToShiftState(LOWORD(message.WParam));
  const int delta = static_cast<short>(HIWORD(message.WParam));
  const TPoint pos{LoSigned(message.LParam), HiSigned(message.LParam)};
  if (DoMouseWheel(shift, delta, pos)) {
    message.Result = 0;
    return;
  }
  DefaultHandler(message);
}

void TWinControl::HandleSetCursor(TMessage& message) {
  if (LOWORD(message.LParam) == HTCLIENT && reinterpret_cast<HWND>(message.WParam) == handle_) {
    POINT p{};
    GetCursorPos(&p);
    const TPoint client = ScreenToClient({p.x, p.y});
    TCursor cursor = Cursor();
    if (TControl* child = ControlAtPos(client, false))
      if (child->Cursor() != crDefault) cursor = child->Cursor();
    if (HCURSOR handle = CursorHandle(cursor)) {
      ::SetCursor(handle);
      message.Result = 1;
      return;
    }
  }
  DefaultHandler(message);
}

void TWinControl::HandleContextMenu(TMessage& message) {
  TPoint screen{LoSigned(message.LParam), HiSigned(message.LParam)};
  const bool fromKeyboard = screen.X == -1 && screen.Y == -1;
  if (!fromKeyboard) {
    const TPoint client = ScreenToClient(screen);
    if (TControl* child = ControlAtPos(client, false)) {
      if (child->DoContextPopup({client.X - child->Left(), client.Y - child->Top()})) {
        message.Result = 1;
        return;
      }
    }
  }
  TControl::WndProc(message);
}

void TWinControl::HandlePaint(TMessage& message) {
  if (message.WParam != 0) {
    const HDC dc = reinterpret_cast<HDC>(message.WParam);
    PaintWindow(dc);
    PaintControls(dc, nullptr);
    return;
  }
  if (doubleBuffered_) {
    PaintDC paint(handle_);
    const TRect client = ClientRect();
    MemoryDC memory(paint.Get());
    GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(paint.Get(), std::max(client.Width(), 1),
                                                     std::max(client.Height(), 1)));
    memory.SelectBitmap(bitmap.Get());
    const auto dc = reinterpret_cast<WPARAM>(memory.Get());
    Perform(WM_ERASEBKGND, dc, static_cast<LPARAM>(dc));
    Perform(WM_PAINT, dc, 0);
    const RECT& update = paint.Info().rcPaint;
    BitBlt(paint.Get(), update.left, update.top, update.right - update.left,
           update.bottom - update.top, memory.Get(), update.left, update.top, SRCCOPY);
    return;
  }
  const bool hasWindowlessChildren =
      std::any_of(controls_.begin(), controls_.end(),
                  [](TControl* c) { return dynamic_cast<TWinControl*>(c) == nullptr; });
  if (!hasWindowlessChildren && defWndProc_ != nullptr && defWndProc_ != DefWindowProcA &&
      (ControlState() & csCustomPaint) == 0) {
    DefaultHandler(message);
    return;
  }
  PaintDC paint(handle_);
  PaintWindow(paint.Get());
  PaintControls(paint.Get(), nullptr);
}

void TWinControl::PaintWindow(HDC dc) {
  // Our own classes have nothing to paint; a system class paints into the DC it is given.
  if (defWndProc_ == nullptr || defWndProc_ == DefWindowProcA) return;
  TMessage paint{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  DefaultHandler(paint);
}

void TWinControl::HandleEraseBackground(TMessage& message) {
  if (doubleBuffered_ && static_cast<LPARAM>(message.WParam) != message.LParam) {
    message.Result = 1;
    return;
  }
  if (defWndProc_ != nullptr && defWndProc_ != DefWindowProcA) {
    DefaultHandler(message);
    return;
  }
  const HDC dc = reinterpret_cast<HDC>(message.WParam);
  const RECT client = ToRECT(ClientRect());
  FillRect(dc, &client, BackgroundBrush());
  message.Result = 1;
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
  size_t start = 0;
  if (first != nullptr) {
    const auto it = std::find(controls_.begin(), controls_.end(), first);
    if (it != controls_.end()) start = static_cast<size_t>(it - controls_.begin());
  }
  const std::vector<TControl*> children = controls_;
  for (size_t i = start; i < children.size(); ++i) {
    TControl* control = children[i];
    if (dynamic_cast<TWinControl*>(control) != nullptr || !control->Visible()) continue;
    const RECT bounds = ToRECT(control->BoundsRect());
    if (!RectVisible(dc, &bounds)) continue;
    SavedDCState state(dc);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x + control->Left(), origin.y + control->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, control->Width(), control->Height());
    control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}
