#include "app/DialerController.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <utility>

#include "app/IntervalHint.h"
#include "dialer/DorvFunctions.h"
#include "dialer/DorvRTL.h"

namespace {

// Sets a flag for its lifetime and puts the old value back, also when an error passes through.
class TFlagScope {
 public:
  explicit TFlagScope(bool& flag) : flag_(flag), previous_(std::exchange(flag, true)) {}
  ~TFlagScope() { flag_ = previous_; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& flag_;
  bool previous_;
};

}  // namespace

void TDialerController::FormShow() {
  view_.SetCaption(view_.ApplicationTitle() + " v" + DorvRTL::FileVersionText());
  view_.SetTrayHint(view_.Caption());
  StartUp();
}

void TDialerController::FormClose() {
  SaveSettings();
}

void TDialerController::StartUp() {
  firstRun_ = true;
  LoadSettings();
  if (firstRun_) {
    EnableSystemAutodial();
    view_.ShowFirstRunNotice();
  }
  view_.SetTimerEnabled(view_.AutoDialChecked());
  // A change to checked runs AutoStartupCheckBoxClick, which then finds the entry matching.
  view_.SetAutoRunChecked(
      DorvFunctions::RunEntryMatches(view_.ApplicationTitle(), view_.ProgramFileName(), false));
  view_.SetIntervalSeconds(static_cast<int32_t>(view_.TimerInterval() / 1000));
  UpdateIntervalHint();
  if (view_.AutoDialChecked()) {
    CheckAndDial();
  } else {
    ShowConnectionState();
  }
}

void TDialerController::UpdateTimerTimer() {
  if (connectionCallInProgress_) return;
  if (view_.AutoDialChecked()) {
    CheckAndDial();
  } else {
    ShowConnectionState();
  }
  SaveSettings();
}

void TDialerController::EnableCheckBoxClick() {
  view_.SetTimerEnabled(view_.AutoDialChecked());
}

void TDialerController::AutoStartupCheckBoxClick() {
  // Checking the box again below raises this handler once more; there is nothing to do then.
  if (keepingAutoRunChecked_) return;
  const std::string title = view_.ApplicationTitle();
  if (view_.AutoRunChecked()) {
    const std::wstring program = view_.ProgramFileName();
    if (!DorvFunctions::RunEntryMatches(title, program, false))
      DorvFunctions::AddRunEntry(title, program, false);
  } else if (!DorvFunctions::RemoveRunEntry(title, false)) {
    // Windows still starts the program for every user: the box says so.
    {
      const TFlagScope keeping(keepingAutoRunChecked_);
      view_.SetAutoRunChecked(true);
    }
    view_.ShowWarning(kAllUsersAutorunWarning);
  }
}

void TDialerController::UpdateIntervalSpinEditChange() {
  // Typed text can hold more seconds than a timer period can count; keep within its range.
  const int64_t milliseconds = static_cast<int64_t>(view_.IntervalSeconds()) * 1000;
  view_.SetTimerInterval(static_cast<unsigned>(std::clamp<int64_t>(milliseconds, 0, UINT_MAX)));
}

void TDialerController::UpdateIntervalSpinEditClick() {
  UpdateIntervalSpinEditChange();
  UpdateIntervalHint();
}

void TDialerController::UpdateIntervalSpinEditKeyUp() {
  UpdateIntervalHint();
}

void TDialerController::Show1Click() {
  view_.RestoreApplication();
}

void TDialerController::ForceConnect1Click() {
  DialWithStatus();
}

void TDialerController::ForceDisconnect1Click() {
  view_.SetTimerEnabled(false);
  try {
    HangUpWithStatus();
  } catch (...) {
    view_.SetTimerEnabled(true);
    throw;
  }
  view_.SetTimerEnabled(true);
}

void TDialerController::ResumeCheck() {
  if (view_.AutoDialChecked()) UpdateTimerTimer();
}

void TDialerController::LinkDropped() {
  // Only a link that was up: our own hang-up and a failed dial end a link too, and answering
  // those would redial at once after Force Disconnect, or again and again on a busy line.
  if (view_.AutoDialChecked() && shownState_ == TConnectionState::Connected) UpdateTimerTimer();
}

void TDialerController::ShowState(TConnectionState state) {
  shownState_ = state;
  const int index = StateImageIndex(state);
  view_.SetTrayIconIndex(index);
  view_.SetStateImageIndex(index);
  view_.SetStateCaption(StateText(state));
}

void TDialerController::ShowConnectionState() {
  ShowState(DorvFunctions::IsOnline() ? TConnectionState::Connected
                                      : TConnectionState::NotConnected);
}

void TDialerController::CheckAndDial() {
  if (DorvFunctions::IsOnline()) {
    ShowConnectionState();
  } else {
    DialWithStatus();
  }
}

bool TDialerController::DialWithStatus() {
  EnableSystemAutodial();
  ShowState(TConnectionState::Connecting);
  bool dialled = false;
  {
    const TFlagScope calling(connectionCallInProgress_);
    dialled = DorvFunctions::DialDefaultConnection(true);
  }
  // Queried again: a dial the layer accepted may still have left the machine offline.
  if (dialled) {
    ShowConnectionState();
  } else {
    ShowState(TConnectionState::ConnectFailed);
  }
  return dialled;
}

bool TDialerController::HangUpWithStatus() {
  ShowState(TConnectionState::Disconnecting);
  bool hungUp = false;
  {
    const TFlagScope calling(connectionCallInProgress_);
    hungUp = DorvFunctions::HangUpConnection();
  }
  // Behind a router the machine stays online after an accepted hang-up.
  if (hungUp && !DorvFunctions::IsOnline()) {
    ShowState(TConnectionState::Disconnected);
  } else {
    ShowState(TConnectionState::DisconnectFailed);
  }
  return hungUp;
}

void TDialerController::UpdateIntervalHint() {
  view_.SetIntervalHint(IntervalHintText(view_.IntervalSeconds()));
}
