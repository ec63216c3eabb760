// The main window's behaviour: start-up, the state display, the connection check on the poll
// timer, dialling and hanging up on request, the settings and the autorun entry. It acts on the
// window only through IDialerView and on the system only through DorvFunctions and TRegistry.
//
// Failure contract of every handler: registry errors (ERegistryException with the accessor's
// messages) pass through to the caller's event dispatch; the Internet layer's failures become
// state texts.
#pragma once

#include <optional>

#include "app/ConnectionState.h"
#include "app/DialerView.h"
#include "app/SettingsStore.h"

class TDialerController {
 public:
  explicit TDialerController(IDialerView& view) : view_(view) {}
  TDialerController(const TDialerController&) = delete;
  TDialerController& operator=(const TDialerController&) = delete;

  // Caption with the version, tray hint, then the start-up sequence.
  void FormShow();
  void FormClose();
  // Skipped while a dial or hang-up is in progress: a dialog of the Internet layer may handle
  // the window's messages meanwhile, and the call in progress answers the question already.
  void UpdateTimerTimer();
  void EnableCheckBoxClick();
  void AutoStartupCheckBoxClick();
  void UpdateIntervalSpinEditChange();
  void UpdateIntervalSpinEditClick();
  void UpdateIntervalSpinEditKeyUp();
  void Show1Click();
  void ForceConnect1Click();
  // The timer is switched on again afterwards whatever happened, an error included.
  void ForceDisconnect1Click();

  // A few seconds after the machine woke from sleep: the tick's work, when auto-dial is on.
  void ResumeCheck();
  // The dial-up link ended: the tick's work, when auto-dial is on and the window showed the link
  // as connected. Links that end otherwise (a forced disconnect, a failed dial) wait for the
  // poll timer, which keeps a forced disconnect in force and a busy line from being redialled
  // over and over.
  void LinkDropped();

 private:
  void StartUp();
  void LoadSettings();
  void SaveSettings();
  void EnableSystemAutodial();
  void ShowState(TConnectionState state);
  void ShowConnectionState();
  void CheckAndDial();
  bool DialWithStatus();
  bool HangUpWithStatus();
  void UpdateIntervalHint();

  IDialerView& view_;
  TSettingsStore settings_;
  // Set at the start of every start-up, overwritten by the stored "FirstRun".
  bool firstRun_ = true;
  // The state the window shows; none before the first check.
  std::optional<TConnectionState> shownState_;
  // True while the autorun box is put back to checked from code.
  bool keepingAutoRunChecked_ = false;
  // True while a dial or a hang-up blocks in the Internet layer.
  bool connectionCallInProgress_ = false;
};

// Shown when unchecking the autorun box leaves the entry for all users in place.
inline constexpr char kAllUsersAutorunWarning[] =
    "The autorun entry for all users can only be removed by an administrator.";
