// The spin edit's keyboard, wheel and clipboard rules: refused characters beep, signs only in
// front, Enter beeps unless it tabs on, pasted letters read as the minimum, step keys and the
// wheel step.
#include "tests/controls/edit/SpinEditFixture.h"

#include <cstring>

#include "controls/edit/SystemVersion.h"
#include "framework/win/forms/Application.h"

namespace {

using DvSpinEditInputTest = SpinEditFixture;

void PutTextOnClipboard(const std::string& text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  ASSERT_NE(memory, nullptr);
  std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  // The clipboard owns the memory from here on.
  if (SetClipboardData(CF_TEXT, memory) == nullptr) GlobalFree(memory);
  CloseClipboard();
}

TEST_F(DvSpinEditInputTest, MinusBetweenDigitsBeepsAndOverTheWholeTextIsTaken) {
  spin->SetIntegerValue(12);
  FocusAt(1);
  Type("-");
  EXPECT_EQ(spin->Text(), "12");
  EXPECT_EQ(beeps, 1);
  FocusAt(-1);
  Type("-");
  EXPECT_EQ(spin->Text(), "-");
  EXPECT_EQ(beeps, 1);
  // A lone minus reads as the minimum while the box still shows it.
  EXPECT_EQ(spin->Value(), 1);
  EXPECT_EQ(spin->Text(), "-");
  LeaveSpinEdit();
  EXPECT_EQ(spin->Text(), "1");
}

TEST_F(DvSpinEditInputTest, LettersAndTheDecimalSeparatorOfIntegersBeep) {
  FocusAt(3);
  Type("a.5");
  EXPECT_EQ(spin->Text(), "1805");
  EXPECT_EQ(beeps, 2);
}

TEST_F(DvSpinEditInputTest, EnterBeepsUnlessItMovesTheFocusOn) {
  FocusAt(3);
  Type("\r");
  EXPECT_EQ(beeps, 1);
  EXPECT_TRUE(spin->Focused());
  spin->SetTabOnEnter(true);
  Type("\r");
  PumpFor(20);
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(spin->Text(), "180");
  EXPECT_FALSE(spin->Focused());
  EXPECT_TRUE(other->Focused());
}

// Version 4.0 (Windows 95, NT 4) drops Enter in a right-aligned box silently; 4.10 (98) and
// 4.90 (Me) report the same major version and still beep.
TEST_F(DvSpinEditInputTest, EnterIsDroppedSilentlyOnVersionFourZeroOnly) {
  FocusAt(3);
  {
    const SystemVersionOverride windows95(0x00000004);
    Type("\r");
    EXPECT_EQ(beeps, 0);
    spin->SetAlignment(taLeftJustify);
    FocusAt(3);
    Type("\r");
    EXPECT_EQ(beeps, 1);
    spin->SetAlignment(taRightJustify);
  }
  FocusAt(3);
  for (const DWORD version : {0x00000A04u, 0x00005A04u, 0x00000105u}) {
    const SystemVersionOverride later(version);
    const int before = beeps;
    Type("\r");
    EXPECT_EQ(beeps, before + 1) << std::hex << version;
  }
  EXPECT_EQ(spin->Text(), "180");
}

TEST_F(DvSpinEditInputTest, PastedLettersReadAsTheMinimumUntilTheBoxIsLeft) {
  PutTextOnClipboard("abc");
  FocusAt(-1);
  SendMessageA(Window(), WM_PASTE, 0, 0);
  EXPECT_EQ(spin->Text(), "abc");
  EXPECT_EQ(Changes(), 1);
  EXPECT_EQ(spin->Value(), 1);
  EXPECT_EQ(spin->Text(), "abc");
  LeaveSpinEdit();
  EXPECT_EQ(spin->Text(), "1");
  // Without key editing paste and cut are ignored, silently.
  spin->SetAllowKeyEdit(false);
  FocusAt(-1);
  SendMessageA(Window(), WM_PASTE, 0, 0);
  SendMessageA(Window(), WM_CUT, 0, 0);
  EXPECT_EQ(spin->Text(), "1");
  EXPECT_EQ(beeps, 0);
}

TEST_F(DvSpinEditInputTest, WithoutKeyEditOnlyStepping) {
  spin->SetAllowKeyEdit(false);
  FocusAt(3);
  Type("5\b");
  KeyDown(VK_DELETE);
  EXPECT_EQ(spin->Text(), "180");
  EXPECT_EQ(beeps, 3);
  KeyDown(VK_UP);
  EXPECT_EQ(spin->Text(), "181");
}

TEST_F(DvSpinEditInputTest, StepKeysAndTheWheel) {
  FocusAt(1);
  KeyDown(VK_PRIOR);
  EXPECT_EQ(spin->Text(), "190");
  KeyDown(VK_NEXT);
  KeyDown(VK_NEXT);
  EXPECT_EQ(spin->Text(), "170");
  // The caret did not move: the keys were swallowed.
  EXPECT_EQ(spin->SelStart(), 1);
  KeyUp(VK_NEXT);
  EXPECT_EQ(Count("KeyUp:UpdateIntervalSpinEdit"), 1);

  const LPARAM point = PackPoint(160, 125);
  SendMessageA(Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), point);
  EXPECT_EQ(spin->Text(), "171");
  SendMessageA(Window(), WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), point);
  EXPECT_EQ(spin->Text(), "181");
  SendMessageA(Window(), WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -WHEEL_DELTA), point);
  SendMessageA(Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), point);
  EXPECT_EQ(spin->Text(), "170");
  EXPECT_EQ(Count("Button:UpdateIntervalSpinEdit:up"), 3);
  EXPECT_EQ(Count("Button:UpdateIntervalSpinEdit:down"), 4);
  // The wheel handlers run first, whatever they answer.
  int wheelUps = 0;
  spin->OnMouseWheelUp = [&](TObject*, TShiftState, TPoint, bool& handled) {
    ++wheelUps;
    handled = true;
  };
  SendMessageA(Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), point);
  EXPECT_EQ(wheelUps, 1);
  EXPECT_EQ(spin->Text(), "171");
}

TEST_F(DvSpinEditInputTest, ReadOnlyStepsBeepAndChangingCanRefuse) {
  spin->SetReadOnly(true);
  FocusAt(0);
  KeyDown(VK_UP);
  spin->StepDown(1);
  EXPECT_EQ(spin->Text(), "180");
  EXPECT_EQ(beeps, 2);
  EXPECT_EQ(form->log, std::vector<std::string>{});

  spin->SetReadOnly(false);
  form->allowChange = false;
  spin->StepUp(1);
  EXPECT_EQ(spin->Text(), "180");
  EXPECT_EQ(form->log, std::vector<std::string>{"Changing:UpdateIntervalSpinEdit"});
}

TEST_F(DvSpinEditInputTest, ClickOnTheTextRaisesOnClick) {
  const HWND window = Window();
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, PackPoint(5, 8));
  SendMessageA(window, WM_LBUTTONUP, 0, PackPoint(5, 8));
  EXPECT_EQ(Count("Click:UpdateIntervalSpinEdit"), 1);
  EXPECT_EQ(spin->Text(), "180");
}

}  // namespace
