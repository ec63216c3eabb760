#include "framework/core/Actions.h"

#include <algorithm>

#include "framework/core/TypInfo.h"

const TClassInfo& TBasicAction::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TBasicAction, TComponent>("TBasicAction");
  return info;
}

const TClassInfo& TCustomAction::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TCustomAction, TBasicAction>("TCustomAction");
  return info;
}

const TClassInfo& TAction::StaticClassInfo() {
  using C = TAction;
  static const TClassInfo info =
      DefineClassInfo<C, TCustomAction>("TAction", [](TPropertyBuilder<C>& b) {
        b.Bool("AutoCheck", &C::AutoCheck, &C::SetAutoCheck, false);
        b.String("Caption", &C::Caption, &C::SetCaption, std::string());
        b.Bool("Checked", &C::Checked, &C::SetChecked, false);
        b.Bool("Enabled", &C::Enabled, &C::SetEnabled, true);
        b.String("Hint", &C::Hint, &C::SetHint, std::string());
        b.Integer("ImageIndex", &C::ImageIndex, &C::SetImageIndex, -1);
        b.Bool("Visible", &C::Visible, &C::SetVisible, true);
        b.Event("OnExecute", &C::OnExecute);
      });
  return info;
}

void RegisterActionClasses() {
  ClassRegistry::Register(TAction::StaticClassInfo());
}

// ---- TBasicAction ----

TBasicAction::TBasicAction(TComponent* owner) : TComponent(owner) {}

TBasicAction::~TBasicAction() {
  // The links stay with their clients; they only forget this action.
  for (TBasicActionLink* link : clients_)
    link->action_ = nullptr;
  clients_.clear();
}

bool TBasicAction::Execute() {
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

void TBasicAction::RegisterChanges(TBasicActionLink& link) {
  if (std::find(clients_.begin(), clients_.end(), &link) == clients_.end())
    clients_.push_back(&link);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink& link) {
  clients_.erase(std::remove(clients_.begin(), clients_.end(), &link), clients_.end());
}

void TBasicAction::Change() {
  // A client may drop its link while it is told.
  const std::vector<TBasicActionLink*> links = clients_;
  for (TBasicActionLink* link : links)
    if (std::find(clients_.begin(), clients_.end(), link) != clients_.end()) link->Change();
  OnChange(this);
}

// ---- TCustomAction ----

TCustomAction::TCustomAction(TComponent* owner) : TBasicAction(owner) {}

template <class T, class Tell>
void TCustomAction::ChangeValue(T& field, const T& value, Tell&& tell) {
  if (value == field) return;
  // The links hear first, while the action still holds the old value.
  const std::vector<TBasicActionLink*> links = Clients();
  for (TBasicActionLink* link : links)
    if (auto* actionLink = dynamic_cast<TActionLink*>(link)) tell(*actionLink);
  field = value;
  Change();
}

void TCustomAction::SetCaption(const std::string& value) {
  ChangeValue(caption_, value, [&](TActionLink& link) { link.SetCaption(value); });
}

void TCustomAction::SetChecked(bool value) {
  ChangeValue(checked_, value, [&](TActionLink& link) { link.SetChecked(value); });
}

void TCustomAction::SetEnabled(bool value) {
  ChangeValue(enabled_, value, [&](TActionLink& link) { link.SetEnabled(value); });
}

void TCustomAction::SetHint(const std::string& value) {
  ChangeValue(hint_, value, [&](TActionLink& link) { link.SetHint(value); });
}

void TCustomAction::SetImageIndex(int value) {
  ChangeValue(imageIndex_, value, [&](TActionLink& link) { link.SetImageIndex(value); });
}

void TCustomAction::SetVisible(bool value) {
  ChangeValue(visible_, value, [&](TActionLink& link) { link.SetVisible(value); });
}

bool TCustomAction::Execute() {
  if (!enabled_) return false;
  if (autoCheck_) SetChecked(!checked_);
  return TBasicAction::Execute();
}

// ---- links ----

TBasicActionLink::~TBasicActionLink() {
  if (action_ != nullptr) action_->UnRegisterChanges(*this);
}

void TBasicActionLink::SetAction(TBasicAction* action) {
  if (action == action_) return;
  if (action_ != nullptr) action_->UnRegisterChanges(*this);
  action_ = action;
  if (action_ != nullptr) action_->RegisterChanges(*this);
}

bool TBasicActionLink::Execute(TComponent* component) {
  TBasicAction* action = action_;
  if (action == nullptr) return false;
  TComponent* previous = action->actionComponent_;
  action->actionComponent_ = component;
  try {
    const bool ran = action->Execute();
    action->actionComponent_ = previous;
    return ran;
  } catch (...) {
    action->actionComponent_ = previous;
    throw;
  }
}
