// The spin edit tests' form and its helpers; the beeps are counted and the decimal separator
// pinned to '.'.
#pragma once

#include <gtest/gtest.h>

#include "controls/edit/DecimalSeparator.h"
#include "controls/edit/DefaultBeep.h"
#include "controls/edit/DvSpinEdit.h"
#include "framework/win/stdctrls/StdCtrls.h"
#include "tests/controls/common/SpineTestForm.h"

// The main window's spin edit (its handlers and OnChanging / OnButtonClick logged) and a plain
// edit box before it in the tab order.
extern const char kSpinEditTestForm[];

class SpinEditFixture : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override { form.reset(); }

  HWND Window() { return spin->Handle(); }
  // Focus in the spin edit with the caret at position caret (or all selected for -1).
  void FocusAt(int caret);
  void LeaveSpinEdit();
  void KeyDown(WORD key) { PostAndPump(Window(), WM_KEYDOWN, key); }
  void KeyUp(WORD key) { PostAndPump(Window(), WM_KEYUP, key, 0xC0000001); }
  void Type(const std::string& text) { TypeText(Window(), text); }
  int Count(const std::string& entry) const { return form->Count(entry); }
  int Changes() const { return Count("Change:UpdateIntervalSpinEdit"); }

  DecimalSeparatorOverride separator{'.'};
  int beeps = 0;
  DefaultBeepOverride beepCounter{[this] { ++beeps; }};
  TestFormPtr form;
  TDvSpinEdit* spin = nullptr;
  TEdit* other = nullptr;
};
