// The check box's states and keyboard: unchecked, checked and (with AllowGrayed) grayed; every
// real change repaints at once and then raises OnClick, also a change made from code. A click or
// Space moves to the next state.
#pragma once

#include "controls/check/DvCustomGlyphButton.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

const std::vector<std::string>& CheckBoxStateNames();

class TDvCustomCheckBox : public TDvCustomGlyphButton {
  DV_CLASS(TDvCustomCheckBox)
 public:
  explicit TDvCustomCheckBox(TComponent* owner);
  ~TDvCustomCheckBox() override;

  TCheckBoxState State() const { return state_; }
  // A different state is stored, drawn at once, then announced with OnClick.
  void SetState(TCheckBoxState value);
  // A grayed box reads as not checked.
  bool Checked() const { return state_ == cbChecked; }
  void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool value) { allowGrayed_ = value; }

  // Unchecked → grayed (with AllowGrayed) or checked; checked → unchecked; grayed → checked.
  void AdvanceState();
  void BuildStateImage(TBitmap& image) override;
  void WndProc(TMessage& message) override;

 protected:
  void ButtonActivated() override { AdvanceState(); }
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyUp(WORD& key, TShiftState shift) override;
  void DoEnter() override;
  void DoExit() override;

 private:
  void BuildClassicImage(TBitmap& image) const;
  // False when there is no theme to draw with.
  bool BuildThemedImage(TBitmap& image);
  // False when the program holds no built-in glyph for the state.
  bool BuildHotTrackImage(TBitmap& image) const;

  bool allowGrayed_ = false;
  TCheckBoxState state_ = cbUnchecked;
  bool spacePending_ = false;
};
