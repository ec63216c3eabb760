// TMainFrm: the program's one window, built from its form definition (resource "TMAINFRM"). Its
// handlers are bound by name from the form definition and hand over to the dialer controller.
#pragma once

#include <windows.h>

#include "app/DialerController.h"
#include "app/MainFormView.h"
#include "framework/win/Forms.h"

class TMainFrm : public TForm {
  DV_CLASS(TMainFrm)
 public:
  explicit TMainFrm(TComponent* owner);
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

 private:
  TMainFormView view_;
  TDialerController controller_;
};

// Makes TMainFrm known to form data (idempotent).
void RegisterMainFormClass();
