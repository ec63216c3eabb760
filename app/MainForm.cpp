#include "app/MainForm.h"

#include "controls/menu/MenuAnimation.h"
#include "controls/tray/DvTrayIcon.h"
#include "framework/core/TypInfo.h"
#include "framework/win/forms/Application.h"
#include "framework/win/platform/EventDispatch.h"

const TClassInfo& TMainFrm::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TMainFrm, TForm>("TMainFrm");
  return info;
}

TMainFrm::TMainFrm(TComponent* owner)
    : TForm(owner),
      view_(*this),
      controller_(view_),
      resumeCheck_([this] { controller_.ResumeCheck(); }, this) {
  RegisterMethod("FormShow", this, &TMainFrm::FormShow);
  RegisterMethod("FormClose", this, &TMainFrm::FormClose);
  RegisterMethod("UpdateTimerTimer", this, &TMainFrm::UpdateTimerTimer);
  RegisterMethod("EnableCheckBoxClick", this, &TMainFrm::EnableCheckBoxClick);
  RegisterMethod("AutoStartupCheckBoxClick", this, &TMainFrm::AutoStartupCheckBoxClick);
  RegisterMethod("UpdateIntervalSpinEditChange", this, &TMainFrm::UpdateIntervalSpinEditChange);
  RegisterMethod("UpdateIntervalSpinEditClick", this, &TMainFrm::UpdateIntervalSpinEditClick);
  RegisterMethod("UpdateIntervalSpinEditKeyUp", this, &TMainFrm::UpdateIntervalSpinEditKeyUp);
  RegisterMethod("Show1Click", this, &TMainFrm::Show1Click);
  RegisterMethod("ForceConnect1Click", this, &TMainFrm::ForceConnect1Click);
  RegisterMethod("ForceDisconnect1Click", this, &TMainFrm::ForceDisconnect1Click);
  // Without the remote access service's notice the poll timer alone finds a dropped link.
  if (linkDrop_.Event() != nullptr)
    Application().RegisterWaitHandle(linkDrop_.Event(), [this] { controller_.LinkDropped(); });
}

TMainFrm::~TMainFrm() {
  if (linkDrop_.Event() != nullptr) Application().UnregisterWaitHandle(linkDrop_.Event());
}

void TMainFrm::WndProc(TMessage& message) {
  if (message.Msg == WM_POWERBROADCAST) resumeCheck_.PowerBroadcast(message.WParam);
  if (message.Msg == WM_ENDSESSION && message.WParam != 0) SessionEnds();
  TForm::WndProc(message);
}

void TMainFrm::Loaded() {
  TForm::Loaded();
  // The tray icon's hidden window may hear of the session's end before this one does.
  TDvTrayIcon& trayIcon = Component<TDvTrayIcon>("TrayIcon");
  trayIcon.OnEndSession = [this, &trayIcon](TObject*) {
    if (trayIcon.SessionEnding()) SessionEnds();
  };
}

void TMainFrm::SessionEnds() {
  if (sessionEnded_) return;
  sessionEnded_ = true;
  // The icon and the animation setting go on every path, also when saving raises.
  struct LeaveTrayAndRestoreAnimation {
    TDvTrayIcon& trayIcon;
    ~LeaveTrayAndRestoreAnimation() {
      trayIcon.SetEnabled(false);
      RestoreMenuAnimation();
    }
  } leave{Component<TDvTrayIcon>("TrayIcon")};
  Close();
}

void TMainFrm::FormShow(TObject*) {
  // The first show comes from the message loop's start, outside any event: an error here must
  // end the start-up only, and the window is shown all the same.
  RunEvent(this, [this] { controller_.FormShow(); });
}

void TMainFrm::FormClose(TObject*, TCloseAction&) {
  controller_.FormClose();
}

void TMainFrm::UpdateTimerTimer(TObject*) {
  controller_.UpdateTimerTimer();
}

void TMainFrm::EnableCheckBoxClick(TObject*) {
  controller_.EnableCheckBoxClick();
}

void TMainFrm::AutoStartupCheckBoxClick(TObject*) {
  controller_.AutoStartupCheckBoxClick();
}

void TMainFrm::UpdateIntervalSpinEditChange(TObject*) {
  controller_.UpdateIntervalSpinEditChange();
}

void TMainFrm::UpdateIntervalSpinEditClick(TObject*) {
  controller_.UpdateIntervalSpinEditClick();
}

void TMainFrm::UpdateIntervalSpinEditKeyUp(TObject*, WORD&, TShiftState) {
  controller_.UpdateIntervalSpinEditKeyUp();
}

void TMainFrm::Show1Click(TObject*) {
  controller_.Show1Click();
}

void TMainFrm::ForceConnect1Click(TObject*) {
  controller_.ForceConnect1Click();
}

void TMainFrm::ForceDisconnect1Click(TObject*) {
  controller_.ForceDisconnect1Click();
}

void RegisterMainFormClass() {
  ClassRegistry::Register(TMainFrm::StaticClassInfo());
}
