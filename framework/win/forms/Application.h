// The application object (one per process, Application()): the hidden application window that
// owns the taskbar button and the forms, the message loop, minimising and restoring, the default
// error handler, hints, and the idle-time tracking of the control under the mouse.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/Classes.h"
#include "framework/core/Colors.h"
#include "framework/core/SysUtils.h"
#include "framework/win/controls/Messages.h"

class TControl;
class TCustomForm;
class THintWindow;

using TExceptionEvent = TEvent<TObject*, const std::exception&>;
using TIdleEvent = TEvent<TObject*, bool&>;

// What a control may change before its hint shows (CM_HINTSHOW carries a pointer to it).
struct THintInfo {
  TControl* hintControl = nullptr;
  std::string hintText;
  POINT hintPos{};  // screen position of the hint window's top-left corner
  int hideTimeout = 0;
};

class TApplication : public TComponent {
  DV_CLASS(TApplication)
 public:
  explicit TApplication(TComponent* owner = nullptr);
  ~TApplication() override;

  // Creates the application window (once).
  void Initialize();
  // The application window: zero-sized, top-level, it owns the taskbar button and every form.
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  std::string Title() const { return title_; }
  void SetTitle(const std::string& title);
  // The program's "MAINICON" (the system's application icon when the program has none).
  HICON IconHandle() const;

  // Creates a form owned by the application from its form definition resource and raises its
  // OnCreate; the first form created becomes the main form.
  template <class T>
  T& CreateForm() {
    auto created = std::make_unique<T>(this);
    T& form = *created;
    InsertComponent(std::move(created));
    InitializeForm(form);
    return form;
  }
  TCustomForm* MainForm() const { return mainForm_; }
  // Shows the main form and runs the message loop until the main form closes (Terminate).
  void Run();
  // Handles every waiting message and returns.
  void ProcessMessages();
  // Handles one message, waiting for one when none is there (idle work first). A registered
  // handle that is signalled while it waits ends the wait as well, after its handler ran.
  void HandleMessage();
  void Terminate();
  bool Terminated() const { return terminated_; }

  // ---- kernel objects waited on beside the messages ----
  // While the loop waits for messages it waits on handle as well; each time that wait ends on it,
  // onSignalled runs on this thread, inside RunEvent. Use an object that the wait resets (an
  // auto-reset event) or reset it in onSignalled. Registering a handle again replaces its
  // handler. The handle stays the caller's: unregister it before closing it. At most
  // MAXIMUM_WAIT_OBJECTS - 1 handles; one more raises EInvalidOperation.
  void RegisterWaitHandle(HANDLE handle, std::function<void()> onSignalled);
  void UnregisterWaitHandle(HANDLE handle) noexcept;
  // Destroys every form (OnDestroy first), the main form last.
  void DestroyForms();

  // Hides the application's forms (they stay Visible) and minimises the application window;
  // raises OnMinimize. Nothing when already minimised.
  void Minimize();
  // Shows the forms again and restores the application window; raises OnRestore.
  void Restore();
  bool IsMinimized() const { return minimized_; }
  void BringToFront();

  // The default error handler: OnException when set, else ShowException. EAbort is silent.
  void HandleException(TObject* sender, std::exception_ptr error);
  // A message box with the message, the title as caption, an OK button and the stop icon.
  void ShowException(const std::exception& error);

  // ---- hints ----
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value);
  int HintPause() const { return hintPause_; }
  void SetHintPause(int ms) { hintPause_ = ms; }
  int HintHidePause() const { return hintHidePause_; }
  void SetHintHidePause(int ms) { hintHidePause_ = ms; }
  TColor HintColor() const { return hintColor_; }
  void CancelHint();
  // The hint window (created on first use).
  THintWindow& HintWindow();

  // ---- mouse tracking ----
  // The control under the mouse as last seen (windowed or windowless, enabled or not).
  TControl* MouseControl() const { return mouseControl_; }
  // Finds the control under the cursor and sends leave/enter notifications when it changed.
  void DoMouseIdle();
  // The control (windowless children included, disabled ones too) at a screen point.
  static TControl* ControlAtScreenPoint(POINT point);

  // Called by the controls and forms.
  static void ControlDestroyed(TControl* control);
  static void MouseLeftWindow();
  void ShowApplicationWindow();
  void RememberHiddenForm(TCustomForm* form);
  void FormActivated(TCustomForm* form);

  TNotifyEvent OnMinimize;
  TNotifyEvent OnRestore;
  TExceptionEvent OnException;
  TIdleEvent OnIdle;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;

 private:
  static constexpr UINT_PTR kHintShowTimer = 1;
  static constexpr UINT_PTR kHintHideTimer = 2;
  // Posted to itself when the application window gets the focus, to hand it to a form.
  static constexpr UINT CM_ENTER_APPLICATION = CM_BASE + 69;

  // The object Application() made, while it exists (controls may outlive it at exit).
  static TApplication*& Instance();
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT HandleAppMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void InitializeForm(TCustomForm& form);
  bool ProcessMessage(MSG& msg);
  void Idle();
  // WaitMessage, ended by a registered handle too.
  void WaitForMessageOrHandle();
  bool IsKeyMsg(const MSG& msg);
  void UpdateHintControl(TControl* control);
  void ActivateHint();
  void FormRemoved(TCustomForm* form);
  void Notification(TComponent* component, TOperation operation) override;

  HWND handle_ = nullptr;
  std::string title_;
  TCustomForm* mainForm_ = nullptr;
  TCustomForm* activeForm_ = nullptr;
  bool terminated_ = false;
  bool minimized_ = false;
  std::vector<TCustomForm*> hiddenByMinimize_;
  struct TWaitHandle {
    HANDLE handle;
    std::function<void()> onSignalled;
  };
  std::vector<TWaitHandle> waitHandles_;
  TControl* mouseControl_ = nullptr;
  TControl* hintControl_ = nullptr;
  bool showHint_ = true;
  int hintPause_ = 500;
  int hintHidePause_ = 2500;
  TColor hintColor_ = clInfoBk;
  THintWindow* hintWindow_ = nullptr;  // owned as a component
};

// The one application object of the process.
TApplication& Application();

// Ends the current event without a message (the silent abort).
[[noreturn]] void Abort();
