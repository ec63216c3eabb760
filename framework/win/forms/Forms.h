// Forms: top-level windows owned by the application window, built from their form definition,
// with border style and icons, client size, position, active control, keyboard navigation,
// and the show, close and destroy events.
#pragma once

#include <string>
#include <string_view>

#include "framework/core/SysUtils.h"
#include "framework/win/controls/WinControl.h"

enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = uint32_t;  // bit (1 << TBorderIcon)
constexpr TBorderIcons BorderIconBit(TBorderIcon icon) {
  return 1u << icon;
}
constexpr TBorderIcons kDefaultBorderIcons =
    BorderIconBit(biSystemMenu) | BorderIconBit(biMinimize) | BorderIconBit(biMaximize);

enum TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};

enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;

const std::vector<std::string>& BorderIconNames();
const std::vector<std::string>& PositionNames();

// Destroys a form the application no longer shows (posted, so that it may come from the
// form's own event handler).
constexpr UINT CM_RELEASE = CM_BASE + 68;

class TCustomForm : public TWinControl {
  DV_CLASS(TCustomForm)
 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  // ---- form definition ----
  // Builds the components from form-definition text; failures raise EParserError.
  void ReadFormDefinition(std::string_view text);
  // Reads the RCDATA resource named after the class in upper case ("TMAINFRM"); false when the
  // program has none. A malformed definition raises EParserError.
  bool ReadFormResource();
  // Handlers that form data may name (OnShow = FormShow).
  template <class F, class... Args>
  void RegisterMethod(const std::string& name, F* form, void (F::*method)(Args...)) {
    methods_.Add(name, form, method);
  }
  const TMethodTable* Methods() const override { return &methods_; }
  // The owned component of that name and class; EInvalidOperation when missing.
  template <class T>
  T& Component(const std::string& name) const {
    T* found = dynamic_cast<T*>(FindComponent(name));
    if (found == nullptr) throw EInvalidOperation(Format("Component %s not found", name.c_str()));
    return *found;
  }

  // ---- look ----
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons icons);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  void SetClientWidth(int value) override;
  void SetClientHeight(int value) override;
  int StoredClientWidth() const { return ClientWidth(); }
  int StoredClientHeight() const { return ClientHeight(); }
  // Bookkeeping of the form designer: read and kept, no effect.
  bool OldCreateOrder() const { return oldCreateOrder_; }
  void SetOldCreateOrder(bool value) { oldCreateOrder_ = value; }
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int value) { pixelsPerInch_ = value; }
  int TextHeight() const { return textHeight_; }
  void SetTextHeight(int value) { textHeight_ = value; }

  // ---- focus ----
  TWinControl* ActiveControl() const { return activeControl_; }
  // The control that gets the focus when the form is active (now, when it already is).
  void SetActiveControl(TWinControl* control);
  // Focuses control (which must be able to take the focus) and makes it the active control.
  void FocusControl(TWinControl* control);
  // Called when a control of this form receives the focus: exit and enter notifications.
  void SetFocusedControl(TWinControl* control);
  TWinControl* FocusedControl() const { return focusedControl_; }
  bool Active() const { return active_; }

  // ---- showing and closing ----
  void Show();
  void Hide() { SetVisible(false); }
  // Asks OnClose; hides the form, or ends the program when it is the main form.
  void Close();
  // Destroys the form after the current message.
  void Release();
  // Raises OnCreate (the application calls it once the form definition is read).
  void DoCreate();
  // Raises OnDestroy; the application calls it before it destroys the form.
  void DoDestroy();

  void WndProc(TMessage& message) override;
  void Loaded() override;
  // The controls, then the components that have no parent (timers, menus, image lists).
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;
  void Notification(TComponent* component, TOperation operation) override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;

 protected:
  // The form's menus that take its reading order follow it.
  void BiDiModeChanged() override;
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  TSize ClientSizeWithoutHandle() const override;
  void ChangeBounds(int left, int top, int width, int height) override;
  virtual void DoShow() { OnShow(this); }
  virtual void DoHide() { OnHide(this); }
  virtual void DoClose(TCloseAction& action) { OnClose(this, action); }
  virtual bool CloseQuery();

 private:
  friend class TWinControl;
  void ControlRemoving(TControl* control);
  void ShowingChanged();
  void ApplyPosition();
  void ApplyRequestedClientSize();
  void FocusFirstControl();
  void HandleActivate(TMessage& message);
  bool HandleDialogKey(TMessage& message);
  void WindowStyles(DWORD& style, DWORD& exStyle) const;
  TSize FrameSize() const;

  TMethodTable methods_;
  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_ = kDefaultBorderIcons;
  TPosition position_ = poDesigned;
  int clientWidthRequest_ = -1;
  int clientHeightRequest_ = -1;
  bool oldCreateOrder_ = false;
  int pixelsPerInch_ = 96;
  int textHeight_ = 13;
  TWinControl* activeControl_ = nullptr;
  TWinControl* focusedControl_ = nullptr;
  bool active_ = false;
  bool positioned_ = false;
  bool closing_ = false;
  bool destroyRaised_ = false;
};

class TForm : public TCustomForm {
  DV_CLASS(TForm)
 public:
  explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};

// Makes TForm known to form data (idempotent).
void RegisterFormClasses();
