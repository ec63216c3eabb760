// TMainFrm: the program's one window, built from its form definition (resource "TMAINFRM"). Its
// handlers are bound by name from the form definition and hand over to the dialer controller,
// and so do the two prompt checks: a few seconds after a resume from sleep, and when a dial-up
// link drops. When the session ends, the program ends as closing the window would.
#pragma once

#include <windows.h>

#include "app/DialerController.h"
#include "app/MainFormView.h"
#include "app/ResumeCheck.h"
#include "dialer/LinkDropWatch.h"
#include "framework/win/forms/Forms.h"

class TMainFrm : public TForm {
  DV_CLASS(TMainFrm)
 public:
  explicit TMainFrm(TComponent* owner);
  ~TMainFrm() override;
  TMainFrm(const TMainFrm&) = delete;
  TMainFrm& operator=(const TMainFrm&) = delete;

  void FormShow(TObject* sender);
  void FormClose(TObject* sender, TCloseAction& action);
  void UpdateTimerTimer(TObject* sender);
  void EnableCheckBoxClick(TObject* sender);
  void AutoStartupCheckBoxClick(TObject* sender);
  void UpdateIntervalSpinEditChange(TObject* sender);
  void UpdateIntervalSpinEditClick(TObject* sender);
  void UpdateIntervalSpinEditKeyUp(TObject* sender, WORD& key, TShiftState shift);
  void Show1Click(TObject* sender);
  void ForceConnect1Click(TObject* sender);
  void ForceDisconnect1Click(TObject* sender);

  void WndProc(TMessage& message) override;
  void Loaded() override;

  // The session ends (logoff or shutdown): the window closes as the user would close it (its
  // FormClose saves the settings), the tray icon leaves and the menu animation setting is written
  // back, all before returning, because the process may be stopped at any moment afterwards.
  // Runs once; the main window and the tray icon's window each call it on WM_ENDSESSION.
  void SessionEnds();

 private:
  TMainFormView view_;
  TDialerController controller_;
  // Declared after the controller they call, so that they go first.
  TResumeCheck resumeCheck_;
  TLinkDropWatch linkDrop_;
  bool sessionEnded_ = false;
};

// Makes TMainFrm known to form data (idempotent).
void RegisterMainFormClass();
