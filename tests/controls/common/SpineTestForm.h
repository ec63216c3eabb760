// A form for the control tests: reads a small form definition holding the controls under test,
// names the handlers their events are bound to and logs what they raise.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/edit/DvSpinEdit.h"
#include "framework/win/forms/Forms.h"

class TSpineTestForm : public TForm {
  DV_CLASS(TSpineTestForm)
 public:
  explicit TSpineTestForm(TComponent* owner);

  // "Click:<name>", "Change:<name>", "KeyUp:<name>", "Changing:<name>", "Button:<name>:up|down".
  std::vector<std::string> log;
  int Count(const std::string& entry) const;
  // Extra work of the change handler (the main window reads the spin edit's value there).
  std::function<void(TObject*)> onChange;
  // The answer of the changing handler.
  bool allowChange = true;

  void ControlClick(TObject* sender);
  void ControlChange(TObject* sender);
  void ControlKeyUp(TObject* sender, WORD& key, TShiftState shift);
  void SpinChanging(TObject* sender, bool& allow);
  void SpinButtonClick(TObject* sender, TSpinButtonType button);
};

// Registers the test form and every control class the tests read (idempotent).
void RegisterSpineTestClasses();

// A test form at screen (100, 100) with a 286 × 177 client area in the main window's colour and
// font, holding the controls of childObjects (form-definition text of "object ... end" blocks),
// shown top-most and active. Destroyed with the returned owner.
struct TestFormDeleter {
  void operator()(TSpineTestForm* form) const;
};
using TestFormPtr = std::unique_ptr<TSpineTestForm, TestFormDeleter>;
TestFormPtr ShowTestForm(const std::string& childObjects);
// The same without showing it (no window).
TestFormPtr LoadTestForm(const std::string& childObjects);

// The form-definition text of one component of the form, as the form writer writes it.
std::string WrittenObject(TSpineTestForm& form, const std::string& componentName);

// Handles the thread's messages for a while (timers, posted keys, repaints).
void PumpFor(int milliseconds);
// Posts a message to a window and handles the messages it causes.
void PostAndPump(HWND window, UINT msg, WPARAM wParam, LPARAM lParam = 1);
// Types text into the focused window, one WM_CHAR each.
void TypeText(HWND window, const std::string& text);
