// TCustomForm: form definition, window styles and size, showing, closing and destruction.
#include "framework/win/forms/Forms.h"

#include <algorithm>

#include "framework/core/FormReader.h"
#include "framework/win/forms/Application.h"
#include "framework/win/menus/Menu.h"

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  SetVisibleFlag(false);
  ControlStyleInclude(csAcceptsControls);
  SetColor(clBtnFace);
  SetParentFont(false);
  StoreBounds(0, 0, 320, 240);
}

TCustomForm::~TCustomForm() {
  // The window goes while the form's own handlers still exist.
  DestroyHandle();
}

// ---- form definition ----

void TCustomForm::ReadFormDefinition(std::string_view text) {
  FormReader::ReadRoot(*this, text);
}

bool TCustomForm::ReadFormResource() {
  std::string name = ClassName();
  std::transform(name.begin(), name.end(), name.begin(), [](char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  });
  const HMODULE module = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  if (resource == nullptr) return false;
  HGLOBAL loaded = LoadResource(module, resource);
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr) return false;
  const DWORD size = SizeofResource(module, resource);
  ReadFormDefinition(std::string_view(static_cast<const char*>(data), size));
  return true;
}

void TCustomForm::DoCreate() {
  OnCreate(this);
}

void TCustomForm::DoDestroy() {
  if (destroyRaised_) return;
  destroyRaised_ = true;
  OnDestroy(this);
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  if (Visible()) ShowingChanged();
}

void TCustomForm::GetChildren(const std::function<void(TComponent*)>& proc,
                              TComponent* root) const {
  TWinControl::GetChildren(proc, root);
  if (root != this) return;
  for (int i = 0; i < ComponentCount(); ++i)
    if (!Components(i)->HasParent()) proc(Components(i));
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == activeControl_) activeControl_ = nullptr;
  if (component == focusedControl_) focusedControl_ = nullptr;
}

void TCustomForm::ControlRemoving(TControl* control) {
  if (activeControl_ != nullptr &&
      (activeControl_ == control ||
       (dynamic_cast<TWinControl*>(control) != nullptr &&
        static_cast<TWinControl*>(control)->ContainsControl(activeControl_))))
    activeControl_ = nullptr;
  if (focusedControl_ != nullptr &&
      (focusedControl_ == control ||
       (dynamic_cast<TWinControl*>(control) != nullptr &&
        static_cast<TWinControl*>(control)->ContainsControl(focusedControl_))))
    focusedControl_ = nullptr;
}

// ---- look and size ----

void TCustomForm::WindowStyles(DWORD& style, DWORD& exStyle) const {
  style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  exStyle = 0;
  switch (borderStyle_) {
    case bsNone:
      style |= WS_POPUP;
      break;
    case bsSingle:
    case bsToolWindow:
      style |= WS_CAPTION | WS_BORDER;
      break;
    case bsSizeable:
    case bsSizeToolWin:
      style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case bsDialog:
      style |= WS_POPUP | WS_CAPTION;
      exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
  }
  if (borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin) exStyle |= WS_EX_TOOLWINDOW;
  if (borderStyle_ == bsNone) return;
  if ((borderIcons_ & BorderIconBit(biSystemMenu)) != 0) {
    style |= WS_SYSMENU;
    const bool canMinMax = borderStyle_ == bsSingle || borderStyle_ == bsSizeable;
    if (canMinMax && (borderIcons_ & BorderIconBit(biMinimize)) != 0) style |= WS_MINIMIZEBOX;
    if (canMinMax && (borderIcons_ & BorderIconBit(biMaximize)) != 0) style |= WS_MAXIMIZEBOX;
    if ((borderIcons_ & BorderIconBit(biHelp)) != 0 &&
        (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0)
      exStyle |= WS_EX_CONTEXTHELP;
  }
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  WindowStyles(params.style, params.exStyle);
  params.exStyle |= BiDiExStyle();
  params.wndParent = Application().Handle();
  if (position_ == poDefault || position_ == poDefaultPosOnly) {
    params.x = CW_USEDEFAULT;
    params.y = CW_USEDEFAULT;
  }
}

TSize TCustomForm::FrameSize() const {
  DWORD style = 0, exStyle = 0;
  WindowStyles(style, exStyle);
  RECT r{0, 0, 100, 100};
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
  return {(r.right - r.left) - 100, (r.bottom - r.top) - 100};
}

TSize TCustomForm::ClientSizeWithoutHandle() const {
  const TSize frame = FrameSize();
  return {clientWidthRequest_ >= 0 ? clientWidthRequest_ : std::max(width_ - frame.cx, 0),
          clientHeightRequest_ >= 0 ? clientHeightRequest_ : std::max(height_ - frame.cy, 0)};
}

void TCustomForm::SetClientWidth(int value) {
  if (HandleAllocated()) {
    clientWidthRequest_ = -1;
    TWinControl::SetClientWidth(value);
    return;
  }
  clientWidthRequest_ = value;
  StoreBounds(left_, top_, value + FrameSize().cx, height_);
  Realign();
}

void TCustomForm::SetClientHeight(int value) {
  if (HandleAllocated()) {
    clientHeightRequest_ = -1;
    TWinControl::SetClientHeight(value);
    return;
  }
  clientHeightRequest_ = value;
  StoreBounds(left_, top_, width_, value + FrameSize().cy);
  Realign();
}

void TCustomForm::ChangeBounds(int left, int top, int width, int height) {
  if (!HandleAllocated()) {
    if (width != width_) clientWidthRequest_ = -1;
    if (height != height_) clientHeightRequest_ = -1;
  }
  TWinControl::ChangeBounds(left, top, width, height);
}

void TCustomForm::BiDiModeChanged() {
  TWinControl::BiDiModeChanged();
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* menu = dynamic_cast<TMenu*>(Components(i)); menu != nullptr && menu->ParentBiDiMode())
      menu->MenuChanged(nullptr, true);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == borderStyle_) return;
  const TSize client = ClientSizeWithoutHandle();
  borderStyle_ = style;
  if (!HandleAllocated()) {
    const TSize frame = FrameSize();
    StoreBounds(left_, top_, client.cx + frame.cx, client.cy + frame.cy);
  }
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
  if (icons == borderIcons_) return;
  const TSize client = ClientSizeWithoutHandle();
  borderIcons_ = icons;
  if (!HandleAllocated()) {
    const TSize frame = FrameSize();
    StoreBounds(left_, top_, client.cx + frame.cx, client.cy + frame.cy);
  }
  RecreateWnd();
}

void TCustomForm::CreateWnd() {
  const int wantedWidth = clientWidthRequest_;
  const int wantedHeight = clientHeightRequest_;
  TWinControl::CreateWnd();
  const HICON icon = Application().IconHandle();
  if (icon != nullptr) {
    SendMessageA(HandleIfAllocated(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(HandleIfAllocated(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  }
  // The real frame can differ from the computed one (themes, captions): keep the client size
  // that was asked for.
  const TRect client = ClientRect();
  const int dx = wantedWidth >= 0 ? wantedWidth - client.Width() : 0;
  const int dy = wantedHeight >= 0 ? wantedHeight - client.Height() : 0;
  if (dx != 0 || dy != 0)
    SetWindowPos(HandleIfAllocated(), nullptr, 0, 0, width_ + dx, height_ + dy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  clientWidthRequest_ = -1;
  clientHeightRequest_ = -1;
  UpdateBoundsFromWindow();
  Realign();
}

// ---- showing ----

void TCustomForm::Show() {
  SetVisible(true);
  if (HandleAllocated() && !Application().IsMinimized()) {
    BringWindowToTop(HandleIfAllocated());
    SetForegroundWindow(HandleIfAllocated());
  }
}

void TCustomForm::ApplyPosition() {
  if (positioned_) return;
  positioned_ = true;
  int left = left_, top = top_;
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  switch (position_) {
    case poScreenCenter:
    case poDesktopCenter:
      left = (screenWidth - width_) / 2;
      top = (screenHeight - height_) / 2;
      break;
    case poMainFormCenter:
    case poOwnerFormCenter:
      if (TCustomForm* main = Application().MainForm(); main != nullptr && main != this) {
        left = main->Left() + (main->Width() - width_) / 2;
        top = main->Top() + (main->Height() - height_) / 2;
      } else {
        left = (screenWidth - width_) / 2;
        top = (screenHeight - height_) / 2;
      }
      break;
    default:
      return;
  }
  SetBounds(left, top, width_, height_);
}

void TCustomForm::ShowingChanged() {
  if (IsLoading()) return;
  if (Visible()) {
    Handle();
    ApplyPosition();
    DoShow();
    if (!Visible()) return;  // a handler hid it again
    if (Application().MainForm() == this) Application().ShowApplicationWindow();
    if (Application().IsMinimized()) {
      Application().RememberHiddenForm(this);
      return;
    }
    ShowWindow(HandleIfAllocated(), SW_SHOWNORMAL);
    if (GetActiveWindow() == HandleIfAllocated()) FocusFirstControl();
  } else {
    DoHide();
    if (HandleAllocated()) ShowWindow(HandleIfAllocated(), SW_HIDE);
  }
}

// ---- closing ----

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::Close() {
  if (closing_) return;
  closing_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{closing_};
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application().MainForm() == this) {
    Application().Terminate();
    return;
  }
  switch (action) {
    case caHide:
      Hide();
      break;
    case caMinimize:
      if (HandleAllocated()) ShowWindow(HandleIfAllocated(), SW_MINIMIZE);
      break;
    case caFree:
      Release();
      break;
    default:
      break;
  }
}

void TCustomForm::Release() {
  if (HandleAllocated()) PostMessageA(HandleIfAllocated(), CM_RELEASE, 0, 0);
}
