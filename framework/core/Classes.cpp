#include "framework/core/Classes.h"

#include <algorithm>

#include "framework/core/SysUtils.h"
#include "framework/core/TypInfo.h"

const TClassInfo& TObject::StaticClassInfo() {
  static const TClassInfo info("TObject", nullptr);
  return info;
}

const std::string& TObject::ClassName() const {
  return ClassInfo().Name();
}

bool TObject::InheritsFrom(const TClassInfo& info) const {
  return ClassInfo().InheritsFrom(info);
}

const TClassInfo& TPersistent::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TPersistent, TObject>("TPersistent");
  return info;
}

void TPersistent::Assign(const TPersistent* source) {
  if (source != nullptr) {
    source->AssignTo(this);
  } else {
    ThrowCannotAssign("nil", ClassName());
  }
}

void TPersistent::AssignTo(TPersistent* dest) const {
  ThrowCannotAssign(ClassName(), dest->ClassName());
}

void TPersistent::DefineProperties(TFiler&) {}

bool TMethodTable::Contains(const std::string& name) const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [&](const Entry& entry) { return entry.name == name; });
}

const TClassInfo& TComponent::StaticClassInfo() {
  static const TClassInfo info =
      DefineClassInfo<TComponent, TPersistent>("TComponent", [](TPropertyBuilder<TComponent>& b) {
        b.String("Name", &TComponent::Name, &TComponent::SetName, std::nullopt,
                 [](const TComponent&) { return false; });
      });
  return info;
}

TComponent::TComponent(TComponent* owner) : owner_(owner) {}

TComponent::~TComponent() {
  state_ |= csDestroying;
  // Everyone holding a reference to this component drops it first.
  const std::vector<TComponent*> notifies = freeNotifies_;
  freeNotifies_.clear();
  for (TComponent* other : notifies) {
    auto& list = other->freeNotifies_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    other->Notification(this, TOperation::opRemove);
  }
  DestroyComponents();
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    std::unique_ptr<TComponent> last = std::move(components_.back());
    components_.pop_back();
    last->owner_ = nullptr;
    NotifyRemoval(last.get());
    last.reset();
  }
}

void TComponent::Destroy(TComponent& component) {
  TComponent* owner = component.owner_;
  if (owner == nullptr)
    throw EInvalidOperation("A component without owner is destroyed by its holder");
  std::unique_ptr<TComponent> removed = owner->RemoveComponent(component);
  removed.reset();
}

void TComponent::SetName(const std::string& name) {
  if (name == name_) return;
  // Only an identifier can be written back as an object's name and read again.
  if (!name.empty() && !IsValidIdentAscii(name))
    throw EInvalidOperation(Format("'%s' is not a valid component name", name.c_str()));
  if (!name.empty() && owner_ != nullptr) {
    TComponent* existing = owner_->FindComponent(name);
    if (existing != nullptr && existing != this)
      throw EInvalidOperation(Format("A component named %s already exists", name.c_str()));
  }
  name_ = name;
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  for (const auto& component : components_)
    if (SameTextAscii(component->name_, name)) return component.get();
  return nullptr;
}

int TComponent::ComponentIndex() const {
  if (owner_ == nullptr) return -1;
  for (size_t i = 0; i < owner_->components_.size(); ++i)
    if (owner_->components_[i].get() == this) return static_cast<int>(i);
  return -1;
}

void TComponent::InsertComponent(std::unique_ptr<TComponent> component) {
  if (!component->name_.empty() && FindComponent(component->name_) != nullptr)
    throw EInvalidOperation(
        Format("A component named %s already exists", component->name_.c_str()));
  component->owner_ = this;
  TComponent* inserted = component.get();
  components_.push_back(std::move(component));
  Notification(inserted, TOperation::opInsert);
}

std::unique_ptr<TComponent> TComponent::RemoveComponent(TComponent& component) {
  auto it = std::find_if(components_.begin(), components_.end(),
                         [&](const auto& owned) { return owned.get() == &component; });
  if (it == components_.end()) return nullptr;
  std::unique_ptr<TComponent> removed = std::move(*it);
  components_.erase(it);
  removed->owner_ = nullptr;
  NotifyRemoval(removed.get());
  return removed;
}

void TComponent::NotifyRemoval(TComponent* component) {
  Notification(component, TOperation::opRemove);
}

void TComponent::SetLoadingState(bool loading) {
  if (loading)
    state_ |= csLoading | csReading;
  else
    state_ &= ~(csLoading | csReading);
}

void TComponent::FreeNotification(TComponent* other) {
  if (other == nullptr || other == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), other) == freeNotifies_.end())
    freeNotifies_.push_back(other);
  auto& theirs = other->freeNotifies_;
  if (std::find(theirs.begin(), theirs.end(), this) == theirs.end()) theirs.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* other) {
  if (other == nullptr) return;
  freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), other),
                      freeNotifies_.end());
  auto& theirs = other->freeNotifies_;
  theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::GetChildren(const std::function<void(TComponent*)>&, TComponent*) const {}

void TComponent::Loaded() {
  SetLoadingState(false);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  // Siblings hear of a removal too, so that references within one owner are cleared.
  if (operation == TOperation::opRemove && component != nullptr) {
    for (const auto& owned : components_)
      if (owned.get() != component) owned->Notification(component, operation);
  }
}
