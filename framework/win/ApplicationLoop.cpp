// TApplication's message loop: keyboard preprocessing for the controls, idle work.
#include "framework/win/Application.h"
#include "framework/win/ControlCanvas.h"
#include "framework/win/EventDispatch.h"
#include "framework/win/Forms.h"

namespace {

bool IsMouseMessage(UINT msg) {
  return (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || msg == WM_MOUSELEAVE ||
         (msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK);
}

bool CancelsHint(UINT msg) {
  switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_MOUSEWHEEL:
      return true;
    default:
      return false;
  }
}

}  // namespace

void TApplication::Run() {
  terminated_ = false;
  if (mainForm_ != nullptr) mainForm_->Show();
  while (!terminated_)
    HandleMessage();
}

void TApplication::Terminate() {
  if (!terminated_) PostQuitMessage(0);
}

void TApplication::ProcessMessages() {
  MSG msg{};
  while (ProcessMessage(msg)) {
  }
}

void TApplication::HandleMessage() {
  MSG msg{};
  if (!ProcessMessage(msg)) Idle();
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  if (CancelsHint(msg.message)) CancelHint();
  if (!IsKeyMsg(msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  if (IsMouseMessage(msg.message)) RunEvent(this, [this] { DoMouseIdle(); });
  return true;
}

bool TApplication::IsKeyMsg(const MSG& msg) {
  UINT reflected = 0;
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_CHAR:
    case WM_SYSCHAR:
      reflected = CN_BASE + msg.message;
      break;
    default:
      return false;
  }
  // Foreign child windows (inside a control) hand the key to the control that holds them.
  TWinControl* control = nullptr;
  for (HWND window = msg.hwnd; window != nullptr && control == nullptr; window = GetParent(window))
    control = TWinControl::FindControl(window);
  if (control == nullptr) return false;
  bool handled = false;
  RunEvent(control, [&] { handled = control->Perform(reflected, msg.wParam, msg.lParam) != 0; });
  return handled;
}

void TApplication::Idle() {
  RunEvent(this, [this] { DoMouseIdle(); });
  TControlCanvas::FreeDeviceContexts();
  bool done = true;
  RunEvent(this, [&] { OnIdle(this, done); });
  if (done && !terminated_) WaitMessage();
}
