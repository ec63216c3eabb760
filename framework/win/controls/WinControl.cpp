// TWinControl: its window's life, its children and its geometry.
#include "framework/win/controls/WinControl.h"
#include "framework/win/graphics/Canvas.h"

#include <algorithm>

#include "framework/core/SysUtils.h"
#include "framework/core/TypInfo.h"
#include "framework/win/controls/WinControlClass.h"

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  // Children are told first so that none of them reaches back into a half-destroyed parent.
  const std::vector<TControl*> children = controls_;
  for (TControl* child : children)
    child->SetParent(nullptr);
  DestroyHandle();
}

TWinControl* TWinControl::FindControl(HWND window) {
  if (!WindowClasses::IsControlWindow(window)) return nullptr;
  return reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// ---- window ----

HWND TWinControl::Handle() {
  if (handle_ == nullptr) {
    if (Parent() != nullptr) Parent()->Handle();
    if (handle_ == nullptr) CreateWnd();
  }
  return handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.caption = text_;
  params.style = WS_CHILD | WS_CLIPSIBLINGS;
  if ((ControlStyle() & csAcceptsControls) != 0) {
    params.style |= WS_CLIPCHILDREN;
    params.exStyle |= WS_EX_CONTROLPARENT;
  }
  if (Visible()) params.style |= WS_VISIBLE;
  if (!Enabled()) params.style |= WS_DISABLED;
  params.exStyle |= BiDiExStyle();
  params.x = left_;
  params.y = top_;
  params.width = width_;
  params.height = height_;
  if (Parent() != nullptr) params.wndParent = Parent()->Handle();
  params.winClassName = ClassName();
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if (params.wndParent == nullptr && (params.style & WS_CHILD) != 0)
    throw EInvalidOperation(Format("Control '%s' has no parent window", Name().c_str()));
  WindowClasses::Register(params);
  ControlStateInclude(csCreating);
  try {
    CreateWindowHandle(params);
  } catch (...) {
    ControlStateExclude(csCreating);
    throw;
  }
  ControlStateExclude(csCreating);
  if (handle_ == nullptr) throw EInvalidOperation("Error creating window");
  SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
  CreateChildHandles();
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
  CreateWindowExA(params.exStyle, params.winClassName.c_str(), params.caption.c_str(), params.style,
                  params.x, params.y, params.width, params.height, params.wndParent, nullptr,
                  GetModuleHandleA(nullptr), this);
}

void TWinControl::CreateChildHandles() {
  const std::vector<TControl*> children = controls_;
  for (TControl* child : children)
    if (auto* windowed = dynamic_cast<TWinControl*>(child))
      if (!windowed->HandleAllocated()) windowed->CreateWnd();
}

void TWinControl::AttachHandle(HWND window, WNDPROC defaultProc) {
  handle_ = window;
  defWndProc_ = defaultProc;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void TWinControl::DetachHandle() {
  if (handle_ != nullptr) SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
  handle_ = nullptr;
  trackingMouseLeave_ = false;
  captureChild_ = nullptr;
}

void TWinControl::DestroyHandle() {
  if (handle_ == nullptr) return;
  ControlStateInclude(csDestroyingHandle);
  for (TControl* child : controls_)
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->DestroyHandle();
  DestroyWnd();
  ControlStateExclude(csDestroyingHandle);
}

void TWinControl::DestroyWnd() {
  // The text lives in the window; keep it for the next window.
  text_ = GetText();
  const HWND window = handle_;
  DestroyWindow(window);
  if (handle_ == window) DetachHandle();
}

void TWinControl::RecreateWnd() {
  if (handle_ == nullptr) return;
  // The control that had the keyboard focus (this one or one inside it) gets it back in its new
  // window; destroying a window leaves the focus nowhere.
  TWinControl* focused = ContainsFocus() ? FindControl(GetFocus()) : nullptr;
  DestroyHandle();
  Handle();
  if (focused != nullptr && focused->HandleAllocated()) ::SetFocus(focused->HandleIfAllocated());
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (handle_ == nullptr) {
    message.Result = 0;
    return;
  }
  message.Result = CallWindowProcA(defWndProc_ != nullptr ? defWndProc_ : DefWindowProcA, handle_,
                                   message.Msg, message.WParam, message.LParam);
}

std::string TWinControl::GetText() const {
  if (handle_ == nullptr) return text_;
  const int length = GetWindowTextLengthA(handle_);
  std::string text(static_cast<size_t>(std::max(length, 0)) + 1, '\0');
  const int copied = GetWindowTextA(handle_, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(copied, 0)));
  return text;
}

void TWinControl::SetTextValue(const std::string& text) {
  if (handle_ != nullptr)
    SetWindowTextA(handle_, text.c_str());
  else
    text_ = text;
}

// ---- children ----

void TWinControl::InsertControl(TControl* control) {
  control->parent_ = this;
  controls_.push_back(control);
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    tabList_.push_back(windowed);
    if (handle_ != nullptr) {
      if (windowed->HandleAllocated())
        ::SetParent(windowed->handle_, handle_);
      else if (!windowed->IsLoading())
        windowed->CreateWnd();
    }
  } else {
    control->Invalidate();
  }
  if (control->Align() != alNone) Realign();
}

void TWinControl::RemoveControl(TControl* control) {
  if (captureChild_ == control) captureChild_ = nullptr;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    if (windowed->ContainsFocus()) windowed->RemoveFocus();
    windowed->DestroyHandle();
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), windowed), tabList_.end());
  } else {
    control->Invalidate();
  }
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  control->parent_ = nullptr;
  if (control->Align() != alNone) Realign();
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (; control != nullptr; control = control->Parent())
    if (control == this) return true;
  return false;
}

TControl* TWinControl::ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* control = *it;
    if (!allowWinControls && dynamic_cast<TWinControl*>(control) != nullptr) continue;
    if (!control->Visible() || (!control->Enabled() && !allowDisabled)) continue;
    if (!control->BoundsRect().Contains(pos)) continue;
    const TPoint local{pos.X - control->Left(), pos.Y - control->Top()};
    if (control->Perform(CM_HITTEST, 0, PackPoint(local.X, local.Y)) != 0) return control;
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
  const std::vector<TControl*> children = controls_;
  for (TControl* child : children) {
    child->WndProc(message);
    if (message.Result != 0) return;
  }
}

void TWinControl::NotifyControls(UINT msg) {
  TMessage message{msg, 0, 0, 0};
  const std::vector<TControl*> children = controls_;
  for (TControl* child : children) {
    message.Result = 0;
    child->WndProc(message);
  }
}

void TWinControl::NotifyAncestorChange(UINT msg) {
  Perform(msg);
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& proc,
                              TComponent* root) const {
  for (TControl* child : controls_)
    if (child->Owner() == root) proc(child);
}

// ---- geometry ----

void TWinControl::ChangeBounds(int left, int top, int width, int height) {
  if (handle_ != nullptr) {
    SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    // WM_WINDOWPOSCHANGED has stored the bounds and laid out the children.
    return;
  }
  const bool resized = width != width_ || height != height_;
  StoreBounds(left, top, width, height);
  if (Parent() != nullptr && Align() != alNone && (ControlState() & csAligning) == 0)
    Parent()->Realign();
  if (resized) {
    Realign();
    if (!IsLoading()) Resize();
  }
}

void TWinControl::UpdateBoundsFromWindow() {
  if (handle_ == nullptr) return;
  RECT r{};
  GetWindowRect(handle_, &r);
  if ((GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD) != 0 && Parent() != nullptr &&
      Parent()->HandleAllocated())
    MapWindowPoints(HWND_DESKTOP, Parent()->handle_, reinterpret_cast<POINT*>(&r), 2);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  if (r.left == left_ && r.top == top_ && width == width_ && height == height_) return;
  const bool resized = width != width_ || height != height_;
  StoreBounds(r.left, r.top, width, height);
  if (Parent() != nullptr && Align() != alNone && (ControlState() & csAligning) == 0)
    Parent()->Realign();
  if (resized) {
    Realign();
    if (!IsLoading()) Resize();
  }
}

TRect TWinControl::ClientRect() const {
  if (handle_ != nullptr) {
    RECT r{};
    GetClientRect(handle_, &r);
    return FromRECT(r);
  }
  const TSize size = ClientSizeWithoutHandle();
  return {0, 0, size.cx, size.cy};
}

TPoint TWinControl::ClientOrigin() const {
  if (handle_ != nullptr) {
    POINT p{0, 0};
    ::ClientToScreen(handle_, &p);
    return {p.x, p.y};
  }
  return TControl::ClientOrigin();
}

void TWinControl::Realign() {
  if (IsLoading() || (ControlState() & csAligning) != 0) return;
  TRect rect = ClientRect();
  ControlStateInclude(csAligning);
  try {
    AlignControls(nullptr, rect);
  } catch (...) {
    ControlStateExclude(csAligning);
    throw;
  }
  ControlStateExclude(csAligning);
}

void TWinControl::AlignControls(TControl*, TRect& rect) {
  const TRect client = rect;
  const auto placeAligned = [&](TAlign align) {
    std::vector<TControl*> list;
    for (TControl* control : controls_)
      if (control->Align() == align && control->Visible()) list.push_back(control);
    std::stable_sort(list.begin(), list.end(), [align](TControl* a, TControl* b) {
      switch (align) {
        case alTop:
          return a->Top() < b->Top();
        case alBottom:
          return a->Top() + a->Height() > b->Top() + b->Height();
        case alLeft:
          return a->Left() < b->Left();
        case alRight:
          return a->Left() + a->Width() > b->Left() + b->Width();
        default:
          return false;
      }
    });
    for (TControl* control : list) {
      const int w = control->Width();
      const int h = control->Height();
      switch (align) {
        case alTop:
          control->SetBoundsFromLayout(rect.Left, rect.Top, rect.Width(), h);
          rect.Top += h;
          break;
        case alBottom:
          control->SetBoundsFromLayout(rect.Left, rect.Bottom - h, rect.Width(), h);
          rect.Bottom -= h;
          break;
        case alLeft:
          control->SetBoundsFromLayout(rect.Left, rect.Top, w, rect.Height());
          rect.Left += w;
          break;
        case alRight:
          control->SetBoundsFromLayout(rect.Right - w, rect.Top, w, rect.Height());
          rect.Right -= w;
          break;
        case alClient:
          control->SetBoundsFromLayout(rect.Left, rect.Top, std::max(rect.Width(), 0),
                                       std::max(rect.Height(), 0));
          break;
        default:
          break;
      }
    }
  };
  placeAligned(alTop);
  placeAligned(alBottom);
  placeAligned(alLeft);
  placeAligned(alRight);
  placeAligned(alClient);
  for (TControl* control : controls_)
    if (control->Align() == alNone) control->AnchorTo(client.Width(), client.Height());
}

void TWinControl::Loaded() {
  TControl::Loaded();
  FixupTabList();
  Realign();
}

// ---- colour, font, painting ----

void TWinControl::FontChanged() {
  if (handle_ != nullptr)
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
  NotifyControls(CM_PARENTFONTCHANGED);
  Invalidate();
}

void TWinControl::ColorChanged() {
  Invalidate();
  NotifyControls(CM_PARENTCOLORCHANGED);
}

HBRUSH TWinControl::BackgroundBrush() {
  if (!brush_ || brushColor_ != Color()) {
    brush_.Reset(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(Color()))));
    brushColor_ = Color();
  }
  return brush_.Get();
}

void TWinControl::Invalidate() {
  if (handle_ != nullptr) InvalidateRect(handle_, nullptr, (ControlStyle() & csOpaque) == 0);
}

void TWinControl::Update() {
  if (handle_ != nullptr) UpdateWindow(handle_);
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

DWORD TWinControl::BiDiExStyle() const {
  DWORD exStyle = 0;
  if (UseRightToLeftReading()) exStyle |= WS_EX_RTLREADING;
  if (UseRightToLeftLayout()) exStyle |= WS_EX_LEFTSCROLLBAR;
  return exStyle;
}

bool TWinControl::BiDiStylesChanged() {
  constexpr DWORD kMask = WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR;
  const auto current = static_cast<DWORD>(GetWindowLongA(handle_, GWL_EXSTYLE));
  return (current & kMask) != (BiDiExStyle() & kMask);
}

void TWinControl::BiDiModeChanged() {
  if (handle_ != nullptr) {
    if (BiDiStylesChanged())
      RecreateWnd();
    else
      Invalidate();
  }
  NotifyControls(CM_PARENTBIDIMODECHANGED);
}

void TWinControl::SetCtl3D(bool value) {
  if (value == ctl3D_) return;
  ctl3D_ = value;
  parentCtl3D_ = false;
  Perform(CM_CTL3DCHANGED);
}

void TWinControl::SetParentCtl3D(bool value) {
  if (value == parentCtl3D_) return;
  parentCtl3D_ = value;
  if (value && Parent() != nullptr) Perform(CM_PARENTCTL3DCHANGED);
}
