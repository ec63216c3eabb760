// TApplication: the application window, forms, minimise and restore, the error handler.
#include "framework/win/forms/Application.h"

#include <algorithm>

#include "framework/core/TypInfo.h"
#include "framework/win/controls/ControlCanvas.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/forms/HintWindow.h"
#include "framework/win/platform/EventDispatch.h"

namespace {

constexpr char kApplicationClass[] = "TApplication";

std::string ProgramTitle() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string name = path;
  const size_t slash = name.find_last_of("\\/");
  if (slash != std::string::npos) name = name.substr(slash + 1);
  const size_t dot = name.find_last_of('.');
  if (dot != std::string::npos) name = name.substr(0, dot);
  return name;
}

}  // namespace

TApplication*& TApplication::Instance() {
  static TApplication* instance = nullptr;
  return instance;
}

const TClassInfo& TApplication::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TApplication, TComponent>("TApplication");
  return info;
}

TApplication::TApplication(TComponent* owner) : TComponent(owner), title_(ProgramTitle()) {
  // Statics used while the forms are destroyed must outlive this object.
  TControlCanvas::FreeDeviceContexts();
  Instance() = this;
  SetEventExceptionHandler(
      [this](TObject* sender, std::exception_ptr error) { HandleException(sender, error); });
}

TApplication::~TApplication() {
  CancelHint();
  DestroyForms();
  DestroyComponents();
  SetEventExceptionHandler(nullptr);
  if (handle_ != nullptr) {
    SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
    handle_ = nullptr;
  }
  Instance() = nullptr;
}

TApplication& Application() {
  static TApplication application;
  return application;
}

void Abort() {
  throw EAbort();
}

// ---- the application window ----

void TApplication::Initialize() {
  Handle();
}

HWND TApplication::Handle() {
  if (handle_ != nullptr) return handle_;
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA windowClass{};
  if (!GetClassInfoA(instance, kApplicationClass, &windowClass)) {
    windowClass.lpfnWndProc = &TApplication::WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = IconHandle();
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kApplicationClass;
    RegisterClassA(&windowClass);
  }
  handle_ = CreateWindowExA(0, kApplicationClass, title_.c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                            GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0,
                            0, nullptr, nullptr, instance, nullptr);
  if (handle_ == nullptr) throw EInvalidOperation("Error creating window");
  SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  if (HICON icon = IconHandle()) {
    SendMessageA(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  }
  return handle_;
}

void TApplication::ShowApplicationWindow() {
  if (!IsWindowVisible(Handle())) ShowWindow(handle_, SW_SHOWNA);
}

void TApplication::SetTitle(const std::string& title) {
  title_ = title;
  if (handle_ != nullptr) SetWindowTextA(handle_, title_.c_str());
}

HICON TApplication::IconHandle() const {
  // Icons from LoadIcon are shared by the system and never destroyed.
  if (HICON icon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON")) return icon;
  return LoadIconA(nullptr, IDI_APPLICATION);
}

LRESULT CALLBACK TApplication::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* application = reinterpret_cast<TApplication*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (application == nullptr) return DefWindowProcA(window, msg, wParam, lParam);
  LRESULT result = 0;
  RunEvent(application, [&] { result = application->HandleAppMessage(msg, wParam, lParam); });
  return result;
}

LRESULT TApplication::HandleAppMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_MINIMIZE:
          Minimize();
          return 0;
        case SC_RESTORE:
          Restore();
          return 0;
        case SC_CLOSE:
          if (mainForm_ != nullptr) mainForm_->Close();
          return 0;
        default:
          break;
      }
      break;
    case WM_CLOSE:
      if (mainForm_ != nullptr) mainForm_->Close();
      return 0;
    case WM_SETFOCUS:
      PostMessageA(handle_, CM_ENTER_APPLICATION, 0, 0);
      break;
    case CM_ENTER_APPLICATION:
      // The application window only passes the focus on to its form.
      if (!IsIconic(handle_) && GetFocus() == handle_) {
        TCustomForm* form = activeForm_ != nullptr ? activeForm_ : mainForm_;
        if (form != nullptr && form->HandleAllocated() && IsWindowVisible(form->Handle()) &&
            IsWindowEnabled(form->Handle()))
          SetFocus(form->Handle());
      }
      return 0;
    case WM_ACTIVATEAPP:
      if (wParam != 0) {
        OnActivate(this);
      } else {
        CancelHint();
        OnDeactivate(this);
      }
      break;
    case WM_TIMER:
      if (wParam == kHintShowTimer) {
        ActivateHint();
        return 0;
      }
      if (wParam == kHintHideTimer) {
        CancelHint();
        return 0;
      }
      break;
    default:
      break;
  }
  return DefWindowProcA(handle_, msg, wParam, lParam);
}

// ---- forms ----

void TApplication::InitializeForm(TCustomForm& form) {
  try {
    form.ReadFormResource();
    form.DoCreate();
  } catch (...) {
    TComponent::Destroy(form);
    throw;
  }
  if (mainForm_ == nullptr) {
    mainForm_ = &form;
    form.HandleNeeded();
  }
}

void TApplication::DestroyForms() {
  for (int i = ComponentCount() - 1; i >= 0; --i) {
    if (i >= ComponentCount()) continue;
    if (auto* form = dynamic_cast<TCustomForm*>(Components(i))) {
      RunEvent(form, [form] { form->DoDestroy(); });
      TComponent::Destroy(*form);
    }
  }
}

void TApplication::FormActivated(TCustomForm* form) {
  activeForm_ = form;
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (auto* form = dynamic_cast<TCustomForm*>(component)) FormRemoved(form);
  if (component == hintWindow_) hintWindow_ = nullptr;
}

void TApplication::FormRemoved(TCustomForm* form) {
  if (mainForm_ == form) mainForm_ = nullptr;
  if (activeForm_ == form) activeForm_ = nullptr;
  hiddenByMinimize_.erase(std::remove(hiddenByMinimize_.begin(), hiddenByMinimize_.end(), form),
                          hiddenByMinimize_.end());
}

void TApplication::RememberHiddenForm(TCustomForm* form) {
  if (std::find(hiddenByMinimize_.begin(), hiddenByMinimize_.end(), form) ==
      hiddenByMinimize_.end())
    hiddenByMinimize_.push_back(form);
}

// ---- minimise and restore ----

void TApplication::Minimize() {
  if (minimized_) return;
  minimized_ = true;
  CancelHint();
  hiddenByMinimize_.clear();
  for (int i = 0; i < ComponentCount(); ++i) {
    auto* form = dynamic_cast<TCustomForm*>(Components(i));
    if (form == nullptr || !form->Visible() || !form->HandleAllocated()) continue;
    ShowWindow(form->Handle(), SW_HIDE);
    hiddenByMinimize_.push_back(form);
  }
  ShowWindow(Handle(), SW_MINIMIZE);
  OnMinimize(this);
}

void TApplication::Restore() {
  if (!minimized_) return;
  minimized_ = false;
  ShowWindow(Handle(), SW_RESTORE);
  const std::vector<TCustomForm*> forms = std::move(hiddenByMinimize_);
  hiddenByMinimize_.clear();
  for (TCustomForm* form : forms)
    if (form->Visible()) ShowWindow(form->Handle(), SW_SHOW);
  TCustomForm* active = activeForm_ != nullptr ? activeForm_ : mainForm_;
  if (active != nullptr && active->Visible() && active->HandleAllocated())
    SetActiveWindow(active->Handle());
  OnRestore(this);
}

void TApplication::BringToFront() {
  TCustomForm* form = activeForm_ != nullptr ? activeForm_ : mainForm_;
  const HWND window =
      form != nullptr && form->HandleAllocated() && form->Visible() ? form->Handle() : Handle();
  SetForegroundWindow(window);
  BringWindowToTop(window);
}

// ---- errors ----

void TApplication::HandleException(TObject* sender, std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const EAbort&) {
  } catch (const std::exception& e) {
    if (OnException)
      OnException(sender, e);
    else
      ShowException(e);
  } catch (...) {
    const Exception unknown("Unknown error");
    if (OnException)
      OnException(sender, unknown);
    else
      ShowException(unknown);
  }
}

void TApplication::ShowException(const std::exception& error) {
  HWND owner = GetActiveWindow();
  if (owner == nullptr) owner = Handle();
  MessageBoxA(owner, error.what(), Title().c_str(), MB_OK | MB_ICONSTOP);
}
