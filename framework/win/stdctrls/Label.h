// The label: a windowless control that draws its caption with DrawText, optionally sized to it,
// with an accelerator that focuses another control.
#pragma once

#include <string>

#include "framework/win/controls/GraphicControl.h"

class TWinControl;

class TCustomLabel : public TGraphicControl {
  DV_CLASS(TCustomLabel)
 public:
  explicit TCustomLabel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout value);
  // A transparent label paints only its text over the parent.
  bool Transparent() const { return (ControlStyle() & csOpaque) == 0; }
  void SetTransparent(bool value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool value);
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* control);

  void WndProc(TMessage& message) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 protected:
  void Paint() override;
  // Draws (or with DT_CALCRECT measures) the caption into rect with the label's font.
  virtual void DoDrawText(TRect& rect, UINT flags);
  // Sizes the label to its caption when AutoSize is on (not while loading).
  virtual void AdjustBounds();
  virtual std::string GetLabelText() const { return Caption(); }
  // The DrawText flags of alignment and word wrap, flipped and read right to left by BiDiMode.
  UINT TextFlags() const;
  // rect moved down by Layout: tlCenter centres the measured text in the space above bottom,
  // tlBottom puts it at bottom; tlTop leaves it.
  TRect PlaceTextVertically(const TRect& rect, UINT flags, int bottom);

 private:
  TAlignment alignment_ = taLeftJustify;
  bool autoSize_ = true;
  TTextLayout layout_ = tlTop;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
  TWinControl* focusControl_ = nullptr;
};

class TLabel : public TCustomLabel {
  DV_CLASS(TLabel)
 public:
  explicit TLabel(TComponent* owner) : TCustomLabel(owner) {}
};
