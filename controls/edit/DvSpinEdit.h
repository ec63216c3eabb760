// A one-line numeric edit box with an embedded pair of up/down buttons. It keeps no number of
// its own: reading Value parses the text, writing Value clamps the number and writes it back as
// formatted text. Buttons, the arrow and page keys and the wheel step it.
#pragma once

#include <cstdint>

#include "controls/edit/DvCustomEdit.h"
#include "controls/edit/DvSpinButtons.h"

enum TSpinButtonType { sbUp, sbDown };

// Asked before every step; AllowChange enters as true.
using TSpinChangingEvent = TEvent<TObject*, bool&>;
// Raised after every step.
using TSpinButtonEvent = TEvent<TObject*, TSpinButtonType>;

class TDvSpinEdit : public TDvCustomEdit {
  DV_CLASS(TDvSpinEdit)
 public:
  explicit TDvSpinEdit(TComponent* owner);
  ~TDvSpinEdit() override;

  // ---- the value ----
  // The text as a number, unclamped. An empty text gives BlankValue with AllowBlank; without it
  // the text becomes Min (raising OnChange) and Min is returned. Text that does not convert
  // reads as Min and stays as it is.
  long double Value();
  // Clamps, formats with Decimals digits and sets the text (OnChange only on a real change);
  // with a window and no selection the caret keeps its place in the new text.
  void SetValue(long double value);
  // Value rounded to the nearest integer, halves to even (limited to the 32-bit range).
  int32_t IntegerValue() { return ValueAsInteger(Value()); }
  void SetIntegerValue(int32_t value) { SetValue(value); }
  // What form data stores: Value without its side effect on an empty text.
  long double StoredValue() const;

  virtual void StepUp(long double amount);
  virtual void StepDown(long double amount);
  virtual bool CharAllowed(char ch);
  virtual long double ClampToRange(long double x);

  // ---- settings ----
  bool AllowKeyEdit() const { return allowKeyEdit_; }
  void SetAllowKeyEdit(bool value) { allowKeyEdit_ = value; }
  bool AllowBlank() const { return allowBlank_; }
  void SetAllowBlank(bool value) { allowBlank_ = value; }
  long double BlankValue() const { return blankValue_; }
  void SetBlankValue(long double value) { blankValue_ = value; }
  int ButtonWidth() const { return buttonWidth_; }
  // Negative widths are stored as 0.
  void SetButtonWidth(int value);
  bool CheckRange() const { return checkRange_; }
  void SetCheckRange(bool value);
  uint8_t Decimals() const { return decimals_; }
  void SetDecimals(uint8_t value);
  long double Increment() const { return increment_; }
  void SetIncrement(long double value) { increment_ = value; }
  bool IntegersOnly() const { return integersOnly_; }
  // Switching it on sets Decimals to 0 and rounds the value, halves to even.
  void SetIntegersOnly(bool value);
  long double Min() const { return min_; }
  // A minimum above Max pulls Max up with it.
  void SetMin(long double value);
  long double Max() const { return max_; }
  // A maximum below Min pulls Min down with it.
  void SetMax(long double value);
  long double PageSize() const { return pageSize_; }
  void SetPageSize(long double value) { pageSize_ = value; }
  TColor FlatButtonColor() const { return flatButtonColor_; }
  void SetFlatButtonColor(TColor value);

  // ---- the buttons ----
  TDvSpinButtons& Buttons() const { return *buttons_; }
  TSpinDirection Direction() const { return buttons_->Direction(); }
  void SetDirection(TSpinDirection value) { buttons_->SetDirection(value); }
  TOrientation Orientation() const { return buttons_->Orientation(); }
  void SetOrientation(TOrientation value);
  void SetFlatButtons(bool value) override;
  void SetFrameStyle(TFrameStyle value) override;
  // Places the buttons inside the edit (at the left when it reads right to left) and sets the
  // text margins to keep the text off them (not while loading); a height below the font's edit
  // height is raised first.
  void LayoutButtons();
  void UpdateTextMargins();

  void WndProc(TMessage& message) override;
  void Loaded() override;
  void DefineProperties(TFiler& filer) override;

  TSpinChangingEvent OnChanging;
  TSpinButtonEvent OnButtonClick;

 protected:
  void HotStateChanged(bool isMouse, bool entered) override;
  void CreateWnd() override;
  void Resize() override;
  void DoEnter() override;
  void DoExit() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
  bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
  void WMPaste(TMessage& message) override;
  void WMCut(TMessage& message) override;

 private:
  static int32_t ValueAsInteger(long double value);
  // Text to number with the user's separator; false when it does not convert.
  bool ParseText(const std::string& text, long double& value) const;

  TDvSpinButtons* buttons_ = nullptr;  // owned as a component
  bool allowKeyEdit_ = false;
  bool allowBlank_ = false;
  long double blankValue_ = 0;
  int buttonWidth_ = 17;
  bool checkRange_ = false;
  uint8_t decimals_ = 0;
  long double increment_ = 1;
  bool integersOnly_ = true;
  long double min_ = 0;
  long double max_ = 100;
  long double pageSize_ = 10;
  TColor flatButtonColor_ = clBtnFace;
};
