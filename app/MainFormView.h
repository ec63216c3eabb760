// The dialer controller's view of the main window: its components found by their form names.
#pragma once

#include <cstdint>
#include <string>

#include "app/DialerView.h"

class TCustomForm;
class TDvCheckBox;
class TDvImageSquare;
class TDvLabel;
class TDvSpinEdit;
class TDvTrayIcon;
class TTimer;

class TMainFormView final : public IDialerView {
 public:
  explicit TMainFormView(TCustomForm& form) : form_(form) {}
  TMainFormView(const TMainFormView&) = delete;
  TMainFormView& operator=(const TMainFormView&) = delete;

  std::string ApplicationTitle() const override;
  std::wstring ProgramFileName() const override;
  std::string Caption() const override;
  void SetCaption(const std::string& caption) override;
  void SetTrayHint(const std::string& hint) override;
  void SetTrayIconIndex(int index) override;
  void SetStateImageIndex(int index) override;
  void SetStateCaption(const std::string& text) override;
  bool AutoDialChecked() const override;
  void SetAutoDialChecked(bool checked) override;
  bool AutoRunChecked() const override;
  void SetAutoRunChecked(bool checked) override;
  int32_t IntervalSeconds() override;
  void SetIntervalSeconds(int32_t seconds) override;
  void SetIntervalHint(const std::string& hint) override;
  bool TimerEnabled() const override;
  void SetTimerEnabled(bool enabled) override;
  unsigned TimerInterval() const override;
  void SetTimerInterval(unsigned milliseconds) override;
  int WindowLeft() const override;
  void SetWindowLeft(int left) override;
  int WindowTop() const override;
  void SetWindowTop(int top) override;
  void ShowFirstRunNotice() override;
  void ShowWarning(const std::string& text) override;
  void RestoreApplication() override;

 private:
  // Each fails with EInvalidOperation "Component %s not found" when the form lacks it.
  TTimer& UpdateTimer() const;
  TDvLabel& StateLbl() const;
  TDvImageSquare& StateImage() const;
  TDvCheckBox& EnableAutoDialerCheckBox() const;
  TDvCheckBox& AutoStartupCheckBox() const;
  TDvSpinEdit& UpdateIntervalSpinEdit() const;
  TDvTrayIcon& TrayIcon() const;

  TCustomForm& form_;
};
