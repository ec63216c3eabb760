#include "app/MainFormView.h"

#include <windows.h>

#include "app/FirstRunNotice.h"
#include "controls/check/DvCheckBox.h"
#include "controls/common/DvLabel.h"
#include "controls/edit/DvSpinEdit.h"
#include "controls/images/DvImageSquare.h"
#include "controls/tray/DvTrayIcon.h"
#include "dialer/DorvRTL.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/platform/Timers.h"

TTimer& TMainFormView::UpdateTimer() const {
  return form_.Component<TTimer>("UpdateTimer");
}

TDvLabel& TMainFormView::StateLbl() const {
  return form_.Component<TDvLabel>("StateLbl");
}

TDvImageSquare& TMainFormView::StateImage() const {
  return form_.Component<TDvImageSquare>("StateImage");
}

TDvCheckBox& TMainFormView::EnableAutoDialerCheckBox() const {
  return form_.Component<TDvCheckBox>("EnableAutoDialerCheckBox");
}

TDvCheckBox& TMainFormView::AutoStartupCheckBox() const {
  return form_.Component<TDvCheckBox>("AutoStartupCheckBox");
}

TDvSpinEdit& TMainFormView::UpdateIntervalSpinEdit() const {
  return form_.Component<TDvSpinEdit>("UpdateIntervalSpinEdit");
}

TDvTrayIcon& TMainFormView::TrayIcon() const {
  return form_.Component<TDvTrayIcon>("TrayIcon");
}

std::string TMainFormView::ApplicationTitle() const {
  return Application().Title();
}

std::wstring TMainFormView::ProgramFileName() const {
  return DorvRTL::ProgramFileName();
}

std::string TMainFormView::Caption() const {
  return form_.Caption();
}

void TMainFormView::SetCaption(const std::string& caption) {
  form_.SetCaption(caption);
}

void TMainFormView::SetTrayHint(const std::string& hint) {
  TrayIcon().SetHint(hint);
}

void TMainFormView::SetTrayIconIndex(int index) {
  TrayIcon().SetIconIndex(index);
}

void TMainFormView::SetStateImageIndex(int index) {
  StateImage().SetImageIndex(index);
}

void TMainFormView::SetStateCaption(const std::string& text) {
  StateLbl().SetCaption(text);
}

bool TMainFormView::AutoDialChecked() const {
  return EnableAutoDialerCheckBox().Checked();
}

void TMainFormView::SetAutoDialChecked(bool checked) {
  EnableAutoDialerCheckBox().SetChecked(checked);
}

bool TMainFormView::AutoRunChecked() const {
  return AutoStartupCheckBox().Checked();
}

void TMainFormView::SetAutoRunChecked(bool checked) {
  AutoStartupCheckBox().SetChecked(checked);
}

int32_t TMainFormView::IntervalSeconds() {
  return UpdateIntervalSpinEdit().IntegerValue();
}

void TMainFormView::SetIntervalSeconds(int32_t seconds) {
  UpdateIntervalSpinEdit().SetIntegerValue(seconds);
}

void TMainFormView::SetIntervalHint(const std::string& hint) {
  UpdateIntervalSpinEdit().SetHint(hint);
}

bool TMainFormView::TimerEnabled() const {
  return UpdateTimer().Enabled();
}

void TMainFormView::SetTimerEnabled(bool enabled) {
  UpdateTimer().SetEnabled(enabled);
}

unsigned TMainFormView::TimerInterval() const {
  return UpdateTimer().Interval();
}

void TMainFormView::SetTimerInterval(unsigned milliseconds) {
  UpdateTimer().SetInterval(milliseconds);
}

int TMainFormView::WindowLeft() const {
  return form_.Left();
}

void TMainFormView::SetWindowLeft(int left) {
  form_.SetLeft(left);
}

int TMainFormView::WindowTop() const {
  return form_.Top();
}

void TMainFormView::SetWindowTop(int top) {
  form_.SetTop(top);
}

void TMainFormView::ShowFirstRunNotice() {
  ::ShowFirstRunNotice(form_.Handle());
}

void TMainFormView::ShowWarning(const std::string& text) {
  MessageBoxA(form_.Handle(), text.c_str(), Application().Title().c_str(),
              MB_OK | MB_ICONEXCLAMATION);
}

void TMainFormView::RestoreApplication() {
  TrayIcon().RestoreApplication();
}
