// The check box: a 13 × 13 box beside a caption with three states, hot tracking, a dotted focus
// rectangle, transparent drawing over the parent and custom glyphs.
#pragma once

#include "controls/check/DvCustomCheckBox.h"

class TDvCheckBox : public TDvCustomCheckBox {
  DV_CLASS(TDvCheckBox)
 public:
  explicit TDvCheckBox(TComponent* owner) : TDvCustomCheckBox(owner) {}

  void DefineProperties(TFiler& filer) override;
};
