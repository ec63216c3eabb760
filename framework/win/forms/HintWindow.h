// The small top-level window that shows a control's hint near the mouse.
#pragma once

#include <string>

#include "framework/win/controls/CustomControl.h"

class THintWindow : public TCustomControl {
  DV_CLASS(THintWindow)
 public:
  explicit THintWindow(TComponent* owner);

  // Shows text with its top-left corner at a screen point (kept on the screen).
  void ActivateHint(POINT topLeft, const std::string& text);
  void ReleaseHint();
  // The size the window takes for text.
  TSize CalcHintSize(const std::string& text);

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
};
