// TMainFrm: the program's one window, built from its form definition (resource "TMAINFRM"). Its
// handlers are bound by name from the form definition and hand over to the dialer controller,
// and so do the two prompt checks: a few seconds after a resume from sleep, and when a dial-up
// link drops.
#pragma once

#include <windows.h>

#include "app/DialerController.h"
#include "app/MainFormView.h"
#include "app/ResumeCheck.h"
#include "dialer/LinkDropWatch.h"
#include "framework/win/Forms.h"

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

 private:
  TMainFormView view_;
  TDialerController controller_;
  // Declared after the controller they call, so that they go first.
  TResumeCheck resumeCheck_;
  TLinkDropWatch linkDrop_;
};

// Makes TMainFrm known to form data (idempotent).
void RegisterMainFormClass();
