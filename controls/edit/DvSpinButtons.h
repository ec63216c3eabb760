// A small window holding an up/right and a down/left button. Each click (repeats included)
// raises OnUpRightClick or OnDownLeftClick; a press first hands the keyboard focus to
// FocusControl.
#pragma once

#include "controls/common/DvCommonTypes.h"
#include "controls/edit/DvControlButton.h"
#include "framework/win/controls/WinControl.h"

enum TSpinDirection { sdUpDown, sdLeftRight };

const std::vector<std::string>& SpinDirectionNames();

class TDvSpinButtons : public TWinControl {
  DV_CLASS(TDvSpinButtons)
 public:
  explicit TDvSpinButtons(TComponent* owner);
  ~TDvSpinButtons() override;

  TDvControlButton& UpRightButton() const { return *upRight_; }
  TDvControlButton& DownLeftButton() const { return *downLeft_; }

  TSpinDirection Direction() const { return direction_; }
  // A change drops custom glyphs: the arrows follow the new direction.
  void SetDirection(TSpinDirection value);
  TOrientation Orientation() const { return orientation_; }
  // Unless loading, the width halves (orVertical) or doubles (orHorizontal).
  void SetOrientation(TOrientation value);
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* control);

  // A bitmap copies into the button and replaces its arrow; nullptr brings the arrow back.
  TBitmap* GlyphUpRight() const { return upRight_->Glyph(); }
  void SetGlyphUpRight(const TBitmap* bitmap);
  TBitmap* GlyphDownLeft() const { return downLeft_->Glyph(); }
  void SetGlyphDownLeft(const TBitmap* bitmap);
  int NumGlyphsUpRight() const { return upRight_->NumGlyphs(); }
  void SetNumGlyphsUpRight(int value) { upRight_->SetNumGlyphs(value); }
  int NumGlyphsDownLeft() const { return downLeft_->NumGlyphs(); }
  void SetNumGlyphsDownLeft(int value) { downLeft_->SetNumGlyphs(value); }
  bool HasCustomGlyphUpRight() const { return customUpRight_; }
  bool HasCustomGlyphDownLeft() const { return customDownLeft_; }

  // The buttons are placed for the new size before the pair moves.
  void SetBounds(int left, int top, int width, int height) override;
  void WndProc(TMessage& message) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

  TNotifyEvent OnUpRightClick;
  TNotifyEvent OnDownLeftClick;

 protected:
  void KeyDown(WORD& key, TShiftState shift) override;
  void Resize() override;
  void ColorChanged() override;

 private:
  TDvControlButton& MakeButton();
  void PlaceButtons(int width, int height);
  void ButtonMouseDown(TMouseButton button);
  // Custom flag and style of a button after its glyph changed.
  void GlyphChanged(TDvControlButton& button);
  TDvControlButtonStyle DefaultStyle(const TDvControlButton& button) const;

  TSpinDirection direction_ = sdUpDown;
  TOrientation orientation_ = orVertical;
  TDvControlButton* upRight_ = nullptr;  // owned as components
  TDvControlButton* downLeft_ = nullptr;
  TWinControl* focusControl_ = nullptr;
  bool flat_ = false;
  bool customUpRight_ = false;
  bool customDownLeft_ = false;
};
