// The spin edit's keyboard, wheel, clipboard and focus handling.
#include "controls/edit/DecimalSeparator.h"
#include "controls/edit/DefaultBeep.h"
#include "controls/edit/DvOldPropReader.h"
#include "controls/edit/DvSpinEdit.h"
#include "framework/core/Filer.h"
#include "controls/edit/SpinInputRules.h"

bool TDvSpinEdit::CharAllowed(char ch) {
  SpinInputRules::TEditState state;
  state.text = Text();
  state.selStart = SelStart();
  state.selLength = SelLength();
  SpinInputRules::TCharRules rules;
  rules.integersOnly = integersOnly_;
  rules.allowKeyEdit = allowKeyEdit_;
  rules.separator = DecimalSeparator();
  return SpinInputRules::CharAllowed(ch, state, rules);
}

void TDvSpinEdit::KeyDown(WORD& key, TShiftState shift) {
  TDvCustomEdit::KeyDown(key, shift);
  if (!allowKeyEdit_ && key == VK_DELETE) {
    key = 0;
    DefaultBeep();
    return;
  }
  const WORD pressed = key;
  switch (pressed) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
      // Swallowed whatever the step does, so the caret stays where it is.
      key = 0;
      break;
    default:
      return;
  }
  switch (pressed) {
    case VK_UP:
      StepUp(increment_);
      break;
    case VK_DOWN:
      StepDown(increment_);
      break;
    case VK_PRIOR:
      StepUp(pageSize_);
      break;
    default:
      StepDown(pageSize_);
      break;
  }
}

void TDvSpinEdit::KeyPress(char& key) {
  TDvCustomEdit::KeyPress(key);
  if (key == 0 || CharAllowed(key)) return;
  key = 0;
  DefaultBeep();
}

bool TDvSpinEdit::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
  TDvCustomEdit::DoMouseWheelUp(shift, mousePos);
  StepUp((shift & ssCtrl) != 0 ? pageSize_ : increment_);
  return true;
}

bool TDvSpinEdit::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
  TDvCustomEdit::DoMouseWheelDown(shift, mousePos);
  StepDown((shift & ssCtrl) != 0 ? pageSize_ : increment_);
  return true;
}

void TDvSpinEdit::WMPaste(TMessage& message) {
  if (allowKeyEdit_ && !ReadOnly()) TDvCustomEdit::WMPaste(message);
}

void TDvSpinEdit::WMCut(TMessage& message) {
  if (allowKeyEdit_ && !ReadOnly()) TDvCustomEdit::WMCut(message);
}

void TDvSpinEdit::DoEnter() {
  TDvCustomEdit::DoEnter();
  UpdateTextMargins();
  if (AutoSelect() && (ControlState() & csLButtonDown) == 0) SelectAll();
}

void TDvSpinEdit::DoExit() {
  TDvCustomEdit::DoExit();
  UpdateTextMargins();
  const std::string text = Text();
  if (allowBlank_ && text.empty()) return;
  // Leaving re-formats: letters become Min, numbers beyond the bounds the bound, 007 becomes 7.
  long double value = min_;
  if (!ParseText(text, value)) value = min_;
  SetValue(value);
}

void TDvSpinEdit::DefineProperties(TFiler& filer) {
  TDvCustomEdit::DefineProperties(filer);
  filer.DefineProperty("FlatButtonParentColor", &TDvOldPropReader::ReadAndDiscardBoolean, nullptr,
                       false);
}
