// TDvMenuFantasyStyler (unit DvMenuStylers): a styler whose look is one of nine built-in presets,
// chosen by Style; only Style is stored with a form.
#pragma once

#include "controls/menu/styler/DvMenuStyler.h"
#include "controls/menu/core/MenuStylerTypes.h"

class TDvMenuFantasyStyler : public TCustomDvMenuStyler {
  DV_CLASS(TDvMenuFantasyStyler)
 public:
  // Starts with the fsChocolate look.
  explicit TDvMenuFantasyStyler(TComponent* owner);

  TFantasyStyle Style() const { return style_; }
  // Stores the value and applies its preset (values outside the nine apply nothing); a menu bar
  // served by this styler is repainted.
  void SetStyle(TFantasyStyle style);

 private:
  TFantasyStyle style_ = fsChocolate;
};
