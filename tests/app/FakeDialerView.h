// A window for the dialer controller made of plain fields. Every setter call is written to a
// journal, in order with the Internet calls (from the fake) and the registry writes (from the
// recorder), so that tests can assert whole sequences. Setting a box or the interval to a
// different value runs the controller's handler, as the real controls do. One view at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/DialerController.h"
#include "app/DialerView.h"
#include "tests/dialer/InternetFake.h"
#include "tests/framework/win/platform/RegistryRecorder.h"

class TFakeDialerView : public IDialerView {
 public:
  // Make it after the Internet fake: it puts its own call table in front of the fake's.
  TFakeDialerView(TInternetFake& internet, TRegistryRecorder& registry);
  ~TFakeDialerView() override;
  TFakeDialerView(const TFakeDialerView&) = delete;
  TFakeDialerView& operator=(const TFakeDialerView&) = delete;

  // The controller the box and interval handlers go to.
  TDialerController* controller = nullptr;

  // The form definition's values.
  std::string title = "Dorv Internet Auto-Dialer";
  std::wstring programFile = L"C:\\Program Files\\Dorv\\DorvAutoDialer.exe";
  std::string caption = "Dorv Internet Auto-Dialer";
  std::string trayHint;
  int trayIndex = 0;
  int stateIndex = -1;
  std::string stateCaption = "None";
  bool autoDial = true;
  bool autoRun = false;
  int32_t intervalSeconds = 180;
  std::string intervalHint;
  bool timerEnabled = false;
  unsigned timerInterval = 180000;
  int left = 478;
  int top = 441;
  int noticeCount = 0;
  std::vector<std::string> warnings;
  int restoreCount = 0;
  // SetStateCaption raises an error for this text (an event that fails half way).
  std::string failOnCaption;
  // Runs inside the dial call, as window messages handled by a dialog of the Internet layer do.
  std::function<void()> duringDial;

  // The journal so far; the Internet calls and registry writes not yet taken are appended first.
  const std::vector<std::string>& Journal();
  void ClearJournal();

  std::string ApplicationTitle() const override { return title; }
  std::wstring ProgramFileName() const override { return programFile; }
  std::string Caption() const override { return caption; }
  void SetCaption(const std::string& value) override;
  void SetTrayHint(const std::string& hint) override;
  void SetTrayIconIndex(int index) override;
  void SetStateImageIndex(int index) override;
  void SetStateCaption(const std::string& text) override;
  bool AutoDialChecked() const override { return autoDial; }
  void SetAutoDialChecked(bool checked) override;
  bool AutoRunChecked() const override { return autoRun; }
  void SetAutoRunChecked(bool checked) override;
  int32_t IntervalSeconds() override { return intervalSeconds; }
  void SetIntervalSeconds(int32_t seconds) override;
  void SetIntervalHint(const std::string& hint) override;
  bool TimerEnabled() const override { return timerEnabled; }
  void SetTimerEnabled(bool enabled) override;
  unsigned TimerInterval() const override { return timerInterval; }
  void SetTimerInterval(unsigned milliseconds) override;
  int WindowLeft() const override { return left; }
  void SetWindowLeft(int value) override;
  int WindowTop() const override { return top; }
  void SetWindowTop(int value) override;
  void ShowFirstRunNotice() override;
  void ShowWarning(const std::string& text) override;
  void RestoreApplication() override;

 private:
  void Note(const std::string& entry);
  void TakeOutsideCalls();
  static TFakeDialerView& Active();
  static BOOL WINAPI GetConnectedState(DWORD* flags, DWORD reserved);
  static BOOL WINAPI Autodial(DWORD flags, HWND parent);
  static BOOL WINAPI AutodialHangup(DWORD reserved);
  static HINTERNET WINAPI Open(LPCSTR agent, DWORD access, LPCSTR proxy, LPCSTR bypass,
                               DWORD flags);
  static BOOL WINAPI SetOption(HINTERNET handle, DWORD option, LPVOID buffer, DWORD length);
  static BOOL WINAPI CloseHandle(HINTERNET handle);

  TInternetFake& internet_;
  TRegistryRecorder& registry_;
  size_t internetTaken_ = 0;
  size_t registryTaken_ = 0;
  std::vector<std::string> journal_;
  TInternetApi fakeApi_;
  TFakeDialerView* previous_;
  TInternetApiScope scope_;
};
