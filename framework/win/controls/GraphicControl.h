// A control without a window of its own: it paints on its parent's window through its canvas.
#pragma once

#include "framework/win/controls/ControlCanvas.h"
#include "framework/win/controls/Controls.h"

class TGraphicControl : public TControl {
  DV_CLASS(TGraphicControl)
 public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;

  TControlCanvas& Canvas() { return canvas_; }
  void WndProc(TMessage& message) override;

 protected:
  // Draws the control on Canvas() in client coordinates.
  virtual void Paint() {}

 private:
  TControlCanvas canvas_;
};
