#include "tests/app/FakeDialerView.h"

#include <stdexcept>

namespace {

TFakeDialerView*& ActiveView() {
  static TFakeDialerView* active = nullptr;
  return active;
}

}  // namespace

TFakeDialerView::TFakeDialerView(TInternetFake& internet, TRegistryRecorder& registry)
    : internet_(internet),
      registry_(registry),
      fakeApi_(InternetApi()),
      previous_(ActiveView()),
      scope_(TInternetApi{&GetConnectedState, &Autodial, &AutodialHangup, &Open, &SetOption,
                          &CloseHandle}) {
  ActiveView() = this;
}

TFakeDialerView::~TFakeDialerView() {
  ActiveView() = previous_;
}

TFakeDialerView& TFakeDialerView::Active() {
  return *ActiveView();
}

// Each call first takes what happened before it, so registry writes made before an Internet
// call come before it in the journal.
BOOL WINAPI TFakeDialerView::GetConnectedState(DWORD* flags, DWORD reserved) {
  Active().TakeOutsideCalls();
  return Active().fakeApi_.GetConnectedState(flags, reserved);
}

BOOL WINAPI TFakeDialerView::Autodial(DWORD flags, HWND parent) {
  Active().TakeOutsideCalls();
  if (Active().duringDial) Active().duringDial();
  return Active().fakeApi_.Autodial(flags, parent);
}

BOOL WINAPI TFakeDialerView::AutodialHangup(DWORD reserved) {
  Active().TakeOutsideCalls();
  return Active().fakeApi_.AutodialHangup(reserved);
}

HINTERNET WINAPI TFakeDialerView::Open(LPCSTR agent, DWORD access, LPCSTR proxy, LPCSTR bypass,
                                       DWORD flags) {
  Active().TakeOutsideCalls();
  return Active().fakeApi_.Open(agent, access, proxy, bypass, flags);
}

BOOL WINAPI TFakeDialerView::SetOption(HINTERNET handle, DWORD option, LPVOID buffer,
                                       DWORD length) {
  Active().TakeOutsideCalls();
  return Active().fakeApi_.SetOption(handle, option, buffer, length);
}

BOOL WINAPI TFakeDialerView::CloseHandle(HINTERNET handle) {
  Active().TakeOutsideCalls();
  return Active().fakeApi_.CloseHandle(handle);
}

const std::vector<std::string>& TFakeDialerView::Journal() {
  TakeOutsideCalls();
  return journal_;
}

void TFakeDialerView::ClearJournal() {
  TakeOutsideCalls();
  journal_.clear();
}

void TFakeDialerView::TakeOutsideCalls() {
  const std::vector<std::string>& calls = internet_.Log();
  for (; internetTaken_ < calls.size(); ++internetTaken_)
    journal_.push_back(calls[internetTaken_]);
  const std::vector<std::string> writes = registry_.Writes();
  for (; registryTaken_ < writes.size(); ++registryTaken_)
    journal_.push_back(writes[registryTaken_]);
}

void TFakeDialerView::Note(const std::string& entry) {
  TakeOutsideCalls();
  journal_.push_back(entry);
}

void TFakeDialerView::SetCaption(const std::string& value) {
  Note("caption " + value);
  caption = value;
}

void TFakeDialerView::SetTrayHint(const std::string& hint) {
  Note("tray hint " + hint);
  trayHint = hint;
}

void TFakeDialerView::SetTrayIconIndex(int index) {
  Note("tray " + std::to_string(index));
  trayIndex = index;
}

void TFakeDialerView::SetStateImageIndex(int index) {
  Note("image " + std::to_string(index));
  stateIndex = index;
}

void TFakeDialerView::SetStateCaption(const std::string& text) {
  Note("label " + text);
  if (text == failOnCaption) throw std::runtime_error("caption refused");
  stateCaption = text;
}

void TFakeDialerView::SetAutoDialChecked(bool checked) {
  Note(checked ? "auto-dial on" : "auto-dial off");
  if (checked == autoDial) return;
  autoDial = checked;
  if (controller != nullptr) controller->EnableCheckBoxClick();
}

void TFakeDialerView::SetAutoRunChecked(bool checked) {
  Note(checked ? "autorun on" : "autorun off");
  if (checked == autoRun) return;
  autoRun = checked;
  if (controller != nullptr) controller->AutoStartupCheckBoxClick();
}

void TFakeDialerView::SetIntervalSeconds(int32_t seconds) {
  Note("interval " + std::to_string(seconds));
  if (seconds == intervalSeconds) return;
  intervalSeconds = seconds;
  if (controller != nullptr) controller->UpdateIntervalSpinEditChange();
}

void TFakeDialerView::SetIntervalHint(const std::string& hint) {
  Note("hint " + hint);
  intervalHint = hint;
}

void TFakeDialerView::SetTimerEnabled(bool enabled) {
  Note(enabled ? "timer on" : "timer off");
  timerEnabled = enabled;
}

void TFakeDialerView::SetTimerInterval(unsigned milliseconds) {
  Note("period " + std::to_string(milliseconds));
  timerInterval = milliseconds;
}

void TFakeDialerView::SetWindowLeft(int value) {
  Note("left " + std::to_string(value));
  left = value;
}

void TFakeDialerView::SetWindowTop(int value) {
  Note("top " + std::to_string(value));
  top = value;
}

void TFakeDialerView::ShowFirstRunNotice() {
  Note("notice");
  ++noticeCount;
}

void TFakeDialerView::ShowWarning(const std::string& text) {
  Note("warning " + text);
  warnings.push_back(text);
}

void TFakeDialerView::RestoreApplication() {
  Note("restore");
  ++restoreCount;
}
