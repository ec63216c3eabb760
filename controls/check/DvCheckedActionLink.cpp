#include "controls/check/DvCheckedActionLink.h"

#include "controls/check/DvCustomGlyphButton.h"

TDvCheckedActionLink::TDvCheckedActionLink(TDvCustomGlyphButton& client)
    : TControlActionLink(client), button_(&client) {}

bool TDvCheckedActionLink::IsCheckedLinked() const {
  return TControlActionLink::IsCheckedLinked() && button_->Checked() == CustomAction()->Checked();
}

void TDvCheckedActionLink::SetChecked(bool value) {
  if (IsCheckedLinked()) button_->SetCheckedFromAction(value);
}
