// TControl's action: the link that keeps the control in step, the values it takes when the action
// is assigned or changes, and the storage rules of the values that follow it.
#include "framework/win/controls/ControlActionLink.h"
#include "framework/win/controls/Controls.h"

TControlActionLink::TControlActionLink(TControl& client)
    : TActionLink(&client), control_(&client) {}

bool TControlActionLink::IsCaptionLinked() const {
  return TActionLink::IsCaptionLinked() && control_->Caption() == CustomAction()->Caption();
}

bool TControlActionLink::IsEnabledLinked() const {
  return TActionLink::IsEnabledLinked() && control_->Enabled() == CustomAction()->Enabled();
}

bool TControlActionLink::IsHintLinked() const {
  return TActionLink::IsHintLinked() && control_->Hint() == CustomAction()->Hint();
}

bool TControlActionLink::IsVisibleLinked() const {
  return TActionLink::IsVisibleLinked() && control_->Visible() == CustomAction()->Visible();
}

void TControlActionLink::SetCaption(const std::string& value) {
  if (IsCaptionLinked()) control_->SetCaption(value);
}

void TControlActionLink::SetEnabled(bool value) {
  if (IsEnabledLinked()) control_->SetEnabled(value);
}

void TControlActionLink::SetHint(const std::string& value) {
  if (IsHintLinked()) control_->SetHint(value);
}

void TControlActionLink::SetVisible(bool value) {
  if (IsVisibleLinked()) control_->SetVisible(value);
}

// ---- TControl ----

TBasicAction* TControl::Action() const {
  return actionLink_ != nullptr ? actionLink_->Action() : nullptr;
}

void TControl::SetAction(TBasicAction* action) {
  TBasicAction* old = Action();
  if (action == old) return;
  if (old != nullptr) RemoveFreeNotification(old);
  if (action == nullptr) {
    actionLink_.reset();
    return;
  }
  // Later changes reach the control through the link's setters, each under its linked rule.
  if (actionLink_ == nullptr) actionLink_ = CreateActionLink();
  actionLink_->SetAction(action);
  action->FreeNotification(this);
  ActionChange(action, action->IsLoading());
}

std::unique_ptr<TControlActionLink> TControl::CreateActionLink() {
  return std::make_unique<TControlActionLink>(*this);
}

void TControl::ActionChange(TObject* sender, bool checkDefaults) {
  const auto* action = dynamic_cast<const TCustomAction*>(sender);
  if (action == nullptr) return;
  if (!checkDefaults || Caption().empty()) SetCaption(action->Caption());
  if (!checkDefaults || Enabled()) SetEnabled(action->Enabled());
  if (!checkDefaults || Hint().empty()) SetHint(action->Hint());
  if (!checkDefaults || Visible()) SetVisible(action->Visible());
}

bool TControl::StoresCaption() const {
  return actionLink_ == nullptr || !actionLink_->IsCaptionLinked();
}

bool TControl::StoresEnabled() const {
  return actionLink_ == nullptr || !actionLink_->IsEnabledLinked();
}

bool TControl::StoresHint() const {
  return actionLink_ == nullptr || !actionLink_->IsHintLinked();
}

bool TControl::StoresVisible() const {
  return actionLink_ == nullptr || !actionLink_->IsVisibleLinked();
}
