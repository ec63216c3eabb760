// TApplication's message loop: keyboard preprocessing for the controls, idle work, and the
// kernel objects waited on beside the messages.
#include <algorithm>

#include "framework/win/controls/ControlCanvas.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/platform/EventDispatch.h"

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
  if (done && !terminated_) WaitForMessageOrHandle();
}

void TApplication::RegisterWaitHandle(HANDLE handle, std::function<void()> onSignalled) {
  const auto found =
      std::find_if(waitHandles_.begin(), waitHandles_.end(),
                   [handle](const TWaitHandle& wait) { return wait.handle == handle; });
  if (found != waitHandles_.end()) {
    found->onSignalled = std::move(onSignalled);
    return;
  }
  // MsgWaitForMultipleObjects takes one slot for the message queue.
  if (waitHandles_.size() + 1 >= MAXIMUM_WAIT_OBJECTS)
    throw EInvalidOperation("Too many handles to wait on");
  waitHandles_.push_back({handle, std::move(onSignalled)});
}

void TApplication::UnregisterWaitHandle(HANDLE handle) noexcept {
  std::erase_if(waitHandles_, [handle](const TWaitHandle& wait) { return wait.handle == handle; });
}

void TApplication::WaitForMessageOrHandle() {
  if (waitHandles_.empty()) {
    WaitMessage();
    return;
  }
  std::vector<HANDLE> handles;
  for (const TWaitHandle& wait : waitHandles_)
    handles.push_back(wait.handle);
  const DWORD count = static_cast<DWORD>(handles.size());
  // Flags 0: like WaitMessage, only input that arrived since the queue was last looked at ends
  // the wait.
  const DWORD result = MsgWaitForMultipleObjectsEx(count, handles.data(), INFINITE, QS_ALLINPUT, 0);
  if (result == WAIT_FAILED) {
    // A handle closed while registered: wait for messages alone rather than spin.
    WaitMessage();
    return;
  }
  const DWORD index =
      result >= WAIT_ABANDONED_0 ? result - WAIT_ABANDONED_0 : result - WAIT_OBJECT_0;
  if (index >= count) return;  // a message
  // The handler may change the registrations, its own included: it runs from a copy.
  const auto found =
      std::find_if(waitHandles_.begin(), waitHandles_.end(),
                   [&](const TWaitHandle& wait) { return wait.handle == handles[index]; });
  if (found == waitHandles_.end()) return;
  const std::function<void()> handler = found->onSignalled;
  RunEvent(this, [&] { handler(); });
}
