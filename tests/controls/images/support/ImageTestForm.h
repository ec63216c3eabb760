// A form for the image-list and image-square tests: reads a small form definition holding the
// components under test and logs the change events bound to its handler.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/win/forms/Forms.h"

class TImageTestForm : public TForm {
  DV_CLASS(TImageTestForm)
 public:
  explicit TImageTestForm(TComponent* owner);

  // "Change:<name>" per change event, in the order raised.
  std::vector<std::string> log;
  void ListChange(TObject* sender);
};

// Registers the test form and the image controls (idempotent).
void RegisterImageTestClasses();

struct ImageTestFormDeleter {
  void operator()(TImageTestForm* form) const;
};
using ImageTestFormPtr = std::unique_ptr<TImageTestForm, ImageTestFormDeleter>;

// A test form read from a form definition of a TImageTestForm root, which is renamed apart from
// every other test form.
ImageTestFormPtr ReadImageTestForm(const std::string& definition);
// A test form at screen (100, 100) with a 200 x 120 client area in clBtnFace, holding the
// components of childObjects (form-definition text of "object ... end" blocks); not shown.
ImageTestFormPtr LoadImageTestForm(const std::string& childObjects);
// The same, shown top-most and active, with the mouse parked away from it.
ImageTestFormPtr ShowImageTestForm(const std::string& childObjects);

// Handles the thread's messages for a while (repaints).
void PumpFor(int milliseconds);
// A binary value in form-data syntax: {0A1B...}.
std::string BinaryValue(const std::vector<uint8_t>& bytes);
// The bytes of an RCDATA resource of the test program (empty when missing).
std::vector<uint8_t> ResourceBytes(const char* name);
