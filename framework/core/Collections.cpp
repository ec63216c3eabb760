#include "framework/core/Collections.h"

#include <algorithm>

#include "framework/core/SysUtils.h"
#include "framework/core/TypInfo.h"

const TClassInfo& TCollectionItem::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TCollectionItem, TPersistent>("TCollectionItem");
  return info;
}

TCollectionItem::~TCollectionItem() = default;

TPersistent* TCollectionItem::GetOwner() const {
  return collection_;
}

int TCollectionItem::Index() const {
  if (collection_ == nullptr) return -1;
  const auto& items = collection_->items_;
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i].get() == this) return static_cast<int>(i);
  return -1;
}

void TCollectionItem::SetIndex(int index) {
  const int current = Index();
  if (current < 0 || index == current || collection_ == nullptr) return;
  collection_->MoveItem(current, index);
}

std::string TCollectionItem::DisplayName() const {
  return ClassName();
}

void TCollectionItem::Changed(bool allItems) {
  if (collection_ == nullptr || collection_->updateCount_ > 0) return;
  collection_->Update(allItems ? nullptr : this);
}

const TClassInfo& TCollection::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TCollection, TPersistent>("TCollection");
  return info;
}

TCollection::TCollection(TPersistent* owner, ItemFactory factory)
    : owner_(owner), factory_(std::move(factory)) {}

TCollection::~TCollection() {
  // Items may look at their collection while they are destroyed.
  updateCount_ = 1;
  while (!items_.empty()) {
    std::unique_ptr<TCollectionItem> last = std::move(items_.back());
    items_.pop_back();
    last.reset();
  }
}

TCollectionItem* TCollection::Items(int index) const {
  if (index < 0 || index >= Count())
    throw EListError(Format("List index out of bounds (%d)", index));
  return items_[static_cast<size_t>(index)].get();
}

TCollectionItem& TCollection::Add() {
  std::unique_ptr<TCollectionItem> item = factory_(this);
  TCollectionItem& added = *item;
  items_.push_back(std::move(item));
  Notify(&added, TOperation::opInsert);
  Changed();
  return added;
}

void TCollection::Delete(int index) {
  TCollectionItem* item = Items(index);
  Notify(item, TOperation::opRemove);
  std::unique_ptr<TCollectionItem> removed = std::move(items_[static_cast<size_t>(index)]);
  items_.erase(items_.begin() + index);
  removed.reset();
  Changed();
}

void TCollection::Clear() {
  if (items_.empty()) return;
  BeginUpdate();
  try {
    while (!items_.empty())
      Delete(Count() - 1);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TCollection::EndUpdate() {
  if (updateCount_ > 0) --updateCount_;
  Changed();
}

void TCollection::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TCollection*>(source);
  if (other == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  BeginUpdate();
  try {
    Clear();
    for (const auto& item : other->items_)
      Add().Assign(item.get());
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Notify(TCollectionItem*, TOperation) {}

void TCollection::Changed() {
  if (updateCount_ == 0) Update(nullptr);
}

void TCollection::MoveItem(int from, int to) {
  to = std::clamp(to, 0, Count() - 1);
  std::unique_ptr<TCollectionItem> item = std::move(items_[static_cast<size_t>(from)]);
  items_.erase(items_.begin() + from);
  items_.insert(items_.begin() + to, std::move(item));
  Changed();
}
