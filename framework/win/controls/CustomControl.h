// A windowed control that paints itself through its canvas (and its windowless children after).
#pragma once

#include "framework/win/controls/ControlCanvas.h"
#include "framework/win/controls/WinControl.h"

class TCustomControl : public TWinControl {
  DV_CLASS(TCustomControl)
 public:
  explicit TCustomControl(TComponent* owner);
  ~TCustomControl() override;

  TControlCanvas& Canvas() { return canvas_; }

 protected:
  // Draws the control on Canvas() in client coordinates.
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;

 private:
  TControlCanvas canvas_;
};
