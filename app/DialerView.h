// What the dialer controller needs of its window: the state display, the options, the interval,
// the poll timer, the window position, the first-run notice and the program's identity. The main
// window implements it over its components; tests implement it with plain fields.
#pragma once

#include <cstdint>
#include <string>

class IDialerView {
 public:
  virtual ~IDialerView() = default;

  virtual std::string ApplicationTitle() const = 0;
  // The full file name of the running program, unquoted, in UTF-16 (any folder name).
  virtual std::wstring ProgramFileName() const = 0;

  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetTrayHint(const std::string& hint) = 0;

  // The three places of the state display, each set on its own, in the order the caller wants.
  virtual void SetTrayIconIndex(int index) = 0;
  virtual void SetStateImageIndex(int index) = 0;
  virtual void SetStateCaption(const std::string& text) = 0;

  // Setting a box to a different value raises its click handler, as a click would.
  virtual bool AutoDialChecked() const = 0;
  virtual void SetAutoDialChecked(bool checked) = 0;
  virtual bool AutoRunChecked() const = 0;
  virtual void SetAutoRunChecked(bool checked) = 0;

  // Seconds; setting a value whose text differs raises the interval's change handler.
  virtual int32_t IntervalSeconds() = 0;
  virtual void SetIntervalSeconds(int32_t seconds) = 0;
  virtual void SetIntervalHint(const std::string& hint) = 0;

  virtual bool TimerEnabled() const = 0;
  virtual void SetTimerEnabled(bool enabled) = 0;
  // Milliseconds.
  virtual unsigned TimerInterval() const = 0;
  virtual void SetTimerInterval(unsigned milliseconds) = 0;

  virtual int WindowLeft() const = 0;
  virtual void SetWindowLeft(int left) = 0;
  virtual int WindowTop() const = 0;
  virtual void SetWindowTop(int top) = 0;

  // Modal: returns when the user has dismissed it.
  virtual void ShowFirstRunNotice() = 0;
  // A warning the user must acknowledge, owned by the window; modal.
  virtual void ShowWarning(const std::string& text) = 0;
  // Brings the application back from the tray and its window to the front.
  virtual void RestoreApplication() = 0;
};
