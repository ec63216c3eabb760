// The action link of the glyph buttons: besides what every control follows, the check state.
// Checked counts as linked only while the action's Checked equals the button's, and a linked
// change reaches the button as an action update, which raises no OnClick.
#pragma once

#include "framework/win/controls/ControlActionLink.h"

class TDvCustomGlyphButton;

class TDvCheckedActionLink : public TControlActionLink {
 public:
  explicit TDvCheckedActionLink(TDvCustomGlyphButton& client);

  bool IsCheckedLinked() const override;
  // Sets the button's Checked with its action-update flag set; the flag is cleared on every path.
  void SetChecked(bool value) override;

 private:
  TDvCustomGlyphButton* button_;
};
