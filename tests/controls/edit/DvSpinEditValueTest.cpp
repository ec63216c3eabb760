// The spin edit's value model with the main window's settings (Min 1, Max 9999, Value 180,
// AllowKeyEdit, BlankValue 50): typing, leaving, clearing, stepping at the bound, the range and
// rounding rules.
#include "tests/controls/edit/SpinEditFixture.h"

namespace {

using DvSpinEditValueTest = SpinEditFixture;

TEST_F(DvSpinEditValueTest, LoadedValueIsShownAndReadAsInteger) {
  EXPECT_EQ(spin->Text(), "180");
  EXPECT_EQ(spin->IntegerValue(), 180);
  EXPECT_EQ(spin->Min(), 1);
  EXPECT_EQ(spin->Max(), 9999);
  EXPECT_EQ(spin->BlankValue(), 50);
  EXPECT_EQ(form->log, std::vector<std::string>{});
}

TEST_F(DvSpinEditValueTest, TypingZeroAndLeavingGivesTheMinimum) {
  FocusAt(-1);
  Type("0");
  EXPECT_EQ(spin->Text(), "0");
  EXPECT_EQ(Changes(), 1);
  LeaveSpinEdit();
  EXPECT_EQ(spin->Text(), "1");
  EXPECT_EQ(spin->IntegerValue(), 1);
  EXPECT_EQ(Changes(), 2);
  EXPECT_EQ(beeps, 0);
}

TEST_F(DvSpinEditValueTest, NumbersBeyondTheMaximumReadAsTypedUntilTheBoxIsLeft) {
  FocusAt(-1);
  Type("12345");
  EXPECT_EQ(spin->Text(), "12345");
  EXPECT_EQ(spin->IntegerValue(), 12345);
  LeaveSpinEdit();
  EXPECT_EQ(spin->Text(), "9999");
  EXPECT_EQ(spin->IntegerValue(), 9999);
}

TEST_F(DvSpinEditValueTest, LeavingReformatsLeadingZeros) {
  FocusAt(-1);
  Type("007");
  LeaveSpinEdit();
  EXPECT_EQ(spin->Text(), "7");
}

TEST_F(DvSpinEditValueTest, ClearingShowsTheMinimumAtOnceWhenOnChangeReadsTheValue) {
  std::vector<int> read;
  form->onChange = [&](TObject*) { read.push_back(spin->IntegerValue()); };
  FocusAt(-1);
  Type("\b");
  EXPECT_EQ(spin->Text(), "1");
  ASSERT_FALSE(read.empty());
  EXPECT_EQ(read.front(), 1);
  EXPECT_EQ(read.back(), 1);
}

TEST_F(DvSpinEditValueTest, ClearingWithoutAReaderShowsTheMinimumOnLeaving) {
  FocusAt(-1);
  Type("\b");
  EXPECT_EQ(spin->Text(), "");
  LeaveSpinEdit();
  // BlankValue has no effect while AllowBlank is off.
  EXPECT_EQ(spin->Text(), "1");
}

TEST_F(DvSpinEditValueTest, ReadingAnEmptyBoxFillsInTheMinimumAndAnnouncesIt) {
  spin->SetText("");
  form->log.clear();
  EXPECT_EQ(spin->Value(), 1);
  EXPECT_EQ(spin->Text(), "1");
  EXPECT_EQ(Changes(), 1);
  // With AllowBlank the box stays empty and reads BlankValue.
  spin->SetAllowBlank(true);
  spin->SetText("");
  form->log.clear();
  EXPECT_EQ(spin->Value(), 50);
  EXPECT_EQ(spin->Text(), "");
  EXPECT_EQ(Changes(), 0);
  LeaveSpinEdit();
  EXPECT_EQ(spin->Text(), "");
}

TEST_F(DvSpinEditValueTest, UpArrowAtTheMaximumAsksAndReportsButChangesNothing) {
  spin->SetIntegerValue(9999);
  form->log.clear();
  FocusAt(4);
  KeyDown(VK_UP);
  EXPECT_EQ(spin->Text(), "9999");
  EXPECT_EQ(form->log, (std::vector<std::string>{"Changing:UpdateIntervalSpinEdit",
                                                 "Button:UpdateIntervalSpinEdit:up"}));
}

TEST_F(DvSpinEditValueTest, SettingTheValueFromCodeAnnouncesOnlyRealChanges) {
  spin->SetIntegerValue(181);
  EXPECT_EQ(Changes(), 1);
  spin->SetIntegerValue(181);
  spin->SetValue(180.6L);  // formats to 181 again
  EXPECT_EQ(Changes(), 1);
  spin->SetIntegerValue(60);
  EXPECT_EQ(spin->Text(), "60");
  EXPECT_EQ(Changes(), 2);
  spin->SetIntegerValue(0);
  EXPECT_EQ(spin->Text(), "1");
}

TEST_F(DvSpinEditValueTest, EmptyRangeIsOffUnlessCheckRangeIsOn) {
  spin->SetMin(0);
  spin->SetMax(0);
  EXPECT_EQ(spin->Min(), 0);
  spin->SetIntegerValue(1234);
  EXPECT_EQ(spin->Text(), "1234");
  spin->SetIntegerValue(-77);
  EXPECT_EQ(spin->Text(), "-77");
  spin->SetCheckRange(true);
  EXPECT_EQ(spin->Text(), "0");
  spin->SetIntegerValue(55);
  EXPECT_EQ(spin->Text(), "0");
}

TEST_F(DvSpinEditValueTest, BoundsPullEachOther) {
  spin->SetMax(100);
  EXPECT_EQ(spin->Text(), "100");
  spin->SetMin(200);
  EXPECT_EQ(spin->Max(), 200);
  // Equal bounds switch the range off: the value stays.
  EXPECT_EQ(spin->Text(), "100");
  spin->SetMax(300);
  EXPECT_EQ(spin->Text(), "200");
  spin->SetMax(50);
  EXPECT_EQ(spin->Min(), 50);
  EXPECT_EQ(spin->Text(), "200");
  spin->SetMin(10);
  EXPECT_EQ(spin->Text(), "50");
}

TEST_F(DvSpinEditValueTest, IntegersOnlyRoundsHalvesToEven) {
  spin->SetIntegersOnly(false);
  spin->SetDecimals(1);
  spin->SetValue(2.5L);
  EXPECT_EQ(spin->Text(), "2.5");
  EXPECT_EQ(spin->IntegerValue(), 2);
  spin->SetIntegersOnly(true);
  EXPECT_EQ(spin->Decimals(), 0);
  EXPECT_EQ(spin->Text(), "2");
  spin->SetIntegersOnly(false);
  spin->SetDecimals(1);
  spin->SetValue(3.5L);
  EXPECT_EQ(spin->IntegerValue(), 4);
  spin->SetIntegersOnly(true);
  EXPECT_EQ(spin->Text(), "4");
}

TEST_F(DvSpinEditValueTest, DecimalsUseTheUsersSeparator) {
  DecimalSeparatorOverride comma(',');
  spin->SetIntegersOnly(false);
  spin->SetDecimals(2);
  spin->SetValue(1.5L);
  EXPECT_EQ(spin->Text(), "1,50");
  EXPECT_EQ(spin->Value(), 1.5L);
  FocusAt(4);
  Type(".");
  EXPECT_EQ(beeps, 1);
  Type("\b\b\b,7");
  EXPECT_EQ(spin->Text(), "1,7");
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(spin->Value(), 1.7L);
}

TEST_F(DvSpinEditValueTest, CaretKeepsItsPlaceWhenTheTextChangesLength) {
  spin->SetIntegerValue(99);
  FocusAt(1);
  KeyDown(VK_UP);
  EXPECT_EQ(spin->Text(), "100");
  EXPECT_EQ(spin->SelStart(), 2);
  EXPECT_EQ(spin->SelLength(), 0);
  KeyDown(VK_DOWN);
  EXPECT_EQ(spin->Text(), "99");
  EXPECT_EQ(spin->SelStart(), 1);
  KeyDown(VK_DOWN);
  EXPECT_EQ(spin->Text(), "98");
  EXPECT_EQ(spin->SelStart(), 1);
}

TEST(DvSpinEditNewTest, NewControlShowsZeroWithTheDefaultSettings) {
  TDvSpinEdit spin(nullptr);
  EXPECT_EQ(spin.Text(), "0");
  EXPECT_EQ(spin.Value(), 0);
  EXPECT_EQ(spin.Min(), 0);
  EXPECT_EQ(spin.Max(), 100);
  EXPECT_EQ(spin.Increment(), 1);
  EXPECT_EQ(spin.PageSize(), 10);
  EXPECT_FALSE(spin.AllowKeyEdit());
  EXPECT_TRUE(spin.IntegersOnly());
  EXPECT_EQ(spin.Width(), 47);
  EXPECT_EQ(spin.ButtonWidth(), 17);
  EXPECT_EQ(spin.Alignment(), taRightJustify);
  EXPECT_EQ(spin.Buttons().Width(), 17);
  spin.SetValue(250);
  EXPECT_EQ(spin.Text(), "100");
  spin.StepDown(1000);
  EXPECT_EQ(spin.Text(), "0");
}

}  // namespace
