#include "tests/controls/edit/SpinEditFixture.h"

#include "framework/win/forms/Application.h"

const char kSpinEditTestForm[] =
    "  object OtherEdit: TEdit\n    Left = 8\n    Top = 8\n    Width = 60\n    Height = 21\n"
    "    TabOrder = 0\n  end\n"
    "  object UpdateIntervalSpinEdit: TDvSpinEdit\n"
    "    Left = 148\n    Top = 117\n    Width = 47\n    Height = 21\n"
    "    AllowKeyEdit = True\n    BlankValue = 50\n    FlatButtons = True\n"
    "    FrameHotTrack = True\n    FrameVisible = True\n    Max = 9999\n    Min = 1\n"
    "    ParentShowHint = False\n    ShowHint = True\n    TabOrder = 1\n    Value = 180\n"
    "    OnButtonClick = SpinButtonClick\n    OnChange = ControlChange\n"
    "    OnChanging = SpinChanging\n    OnClick = ControlClick\n    OnKeyUp = ControlKeyUp\n"
    "  end\n";

void SpinEditFixture::SetUp() {
  form = ShowTestForm(kSpinEditTestForm);
  spin = &form->Component<TDvSpinEdit>("UpdateIntervalSpinEdit");
  other = &form->Component<TEdit>("OtherEdit");
  other->SetFocus();
  PumpFor(10);
  form->log.clear();
}

void SpinEditFixture::FocusAt(int caret) {
  spin->SetFocus();
  if (caret < 0) {
    spin->SelectAll();
  } else {
    spin->SetSelStart(caret);
  }
}

void SpinEditFixture::LeaveSpinEdit() {
  other->SetFocus();
  Application().ProcessMessages();
}
