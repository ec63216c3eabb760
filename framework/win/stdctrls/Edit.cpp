#include "framework/win/stdctrls/Edit.h"

#include <algorithm>

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(csClickEvents | csSetCaption | csDoubleClicks | csFixedHeight);
  StoreBounds(0, 0, 121, 21);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

TCustomEdit::~TCustomEdit() {
  DestroyHandle();
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClass = "EDIT";
  params.style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
  params.style &= ~static_cast<DWORD>(ES_MULTILINE);
  switch (BiDiAlignment(alignment_)) {
    case taRightJustify:
      params.style |= ES_RIGHT;
      break;
    case taCenter:
      params.style |= ES_CENTER;
      break;
    default:
      params.style |= ES_LEFT;
      break;
  }
  if (borderStyle_ == bsSingle) {
    if (Ctl3D())
      params.exStyle |= WS_EX_CLIENTEDGE;
    else
      params.style |= WS_BORDER;
  }
  if (passwordChar_ != 0) params.style |= ES_PASSWORD;
  if (readOnly_) params.style |= ES_READONLY;
  if (charCase_ == ecUpperCase) params.style |= ES_UPPERCASE;
  if (charCase_ == ecLowerCase) params.style |= ES_LOWERCASE;
  if (!hideSelection_) params.style |= ES_NOHIDESEL;
  if (oemConvert_) params.style |= ES_OEMCONVERT;
}

bool TCustomEdit::BiDiStylesChanged() {
  constexpr DWORD kAlignment = ES_LEFT | ES_CENTER | ES_RIGHT;
  TCreateParams params;
  CreateParams(params);
  const auto current = static_cast<DWORD>(GetWindowLongA(HandleIfAllocated(), GWL_STYLE));
  return TWinControl::BiDiStylesChanged() || (current & kAlignment) != (params.style & kAlignment);
}

void TCustomEdit::CreateWnd() {
  TWinControl::CreateWnd();
  const HWND window = HandleIfAllocated();
  SendMessageA(window, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
  if (passwordChar_ != 0)
    SendMessageA(window, EM_SETPASSWORDCHAR, static_cast<unsigned char>(passwordChar_), 0);
}

void TCustomEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (HIWORD(message.WParam) == EN_CHANGE && (ControlState() & csCreating) == 0) Change();
      return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC: {
      const HDC dc = reinterpret_cast<HDC>(message.WParam);
      SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(GetFont().Color())));
      SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(Color())));
      message.Result = reinterpret_cast<LRESULT>(BackgroundBrush());
      return;
    }
    case CM_TEXTCHANGED:
      // With a window, the window's own change notice has raised OnChange already.
      if (!HandleAllocated()) Change();
      return;
    case WM_PASTE:
      return WMPaste(message);
    case WM_CUT:
      return WMCut(message);
    default:
      TWinControl::WndProc(message);
  }
}

void TCustomEdit::DoEnter() {
  if (autoSelect_ && (ControlState() & csLButtonDown) == 0) SelectAll();
  TWinControl::DoEnter();
}

// ---- selection ----

int TCustomEdit::SelStart() const {
  if (!HandleAllocated()) return 0;
  DWORD start = 0, end = 0;
  SendMessageA(HandleIfAllocated(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(start);
}

void TCustomEdit::SetSelStart(int start) {
  SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(start), start);
}

int TCustomEdit::SelLength() const {
  if (!HandleAllocated()) return 0;
  DWORD start = 0, end = 0;
  SendMessageA(HandleIfAllocated(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomEdit::SetSelLength(int length) {
  const int start = SelStart();
  SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(start), start + length);
}

std::string TCustomEdit::SelText() const {
  const std::string text = Text();
  const size_t start = std::min(static_cast<size_t>(SelStart()), text.size());
  return text.substr(start, static_cast<size_t>(SelLength()));
}

void TCustomEdit::SetSelText(const std::string& text) {
  SendMessageA(Handle(), EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void TCustomEdit::SelectAll() {
  if (HandleAllocated()) SendMessageA(HandleIfAllocated(), EM_SETSEL, 0, -1);
}

bool TCustomEdit::Modified() const {
  return HandleAllocated() && SendMessageA(HandleIfAllocated(), EM_GETMODIFY, 0, 0) != 0;
}

void TCustomEdit::SetModified(bool value) {
  if (HandleAllocated()) SendMessageA(HandleIfAllocated(), EM_SETMODIFY, value ? 1 : 0, 0);
}

void TCustomEdit::SetMargins(WORD flags, int left, int right) {
  if (HandleAllocated())
    SendMessageA(HandleIfAllocated(), EM_SETMARGINS, flags,
                 MAKELONG(static_cast<WORD>(left), static_cast<WORD>(right)));
}

// ---- properties ----

void TCustomEdit::SetReadOnly(bool value) {
  if (value == readOnly_) return;
  readOnly_ = value;
  if (HandleAllocated()) SendMessageA(HandleIfAllocated(), EM_SETREADONLY, value ? 1 : 0, 0);
}

void TCustomEdit::SetMaxLength(int value) {
  if (value == maxLength_) return;
  maxLength_ = value;
  if (HandleAllocated())
    SendMessageA(HandleIfAllocated(), EM_LIMITTEXT, static_cast<WPARAM>(value), 0);
}

void TCustomEdit::SetCharCase(TEditCharCase value) {
  if (value == charCase_) return;
  charCase_ = value;
  RecreateWnd();
}

void TCustomEdit::SetPasswordChar(char value) {
  if (value == passwordChar_) return;
  passwordChar_ = value;
  RecreateWnd();
}

void TCustomEdit::SetHideSelection(bool value) {
  if (value == hideSelection_) return;
  hideSelection_ = value;
  RecreateWnd();
}

void TCustomEdit::SetOEMConvert(bool value) {
  if (value == oemConvert_) return;
  oemConvert_ = value;
  RecreateWnd();
}

void TCustomEdit::SetBorderStyle(TBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  RecreateWnd();
}

void TCustomEdit::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  RecreateWnd();
}
