// Owned collections of items (form data: Items = <item ... end>).
// Portable: never includes windows.h.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/Classes.h"

class TCollection;

class TCollectionItem : public TPersistent {
  DV_CLASS(TCollectionItem)
 public:
  explicit TCollectionItem(TCollection* collection) : collection_(collection) {}
  ~TCollectionItem() override;

  TCollection* Collection() const { return collection_; }
  TPersistent* GetOwner() const override;
  int Index() const;
  // Moves the item to another index in its collection.
  virtual void SetIndex(int index);
  virtual std::string DisplayName() const;

 protected:
  // Tells the collection that this item changed (announced to the collection's owner).
  void Changed(bool allItems);

 private:
  friend class TCollection;
  TCollection* collection_;
};

class TCollection : public TPersistent {
  DV_CLASS(TCollection)
 public:
  using ItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection*)>;
  TCollection(TPersistent* owner, ItemFactory factory);
  ~TCollection() override;

  int Count() const { return static_cast<int>(items_.size()); }
  TCollectionItem* Items(int index) const;
  TCollectionItem& Add();
  void Delete(int index);
  void Clear();
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();
  TPersistent* GetOwner() const override { return owner_; }
  void Assign(const TPersistent* source) override;

 protected:
  // A change of one item (nullptr: of the whole collection), after updates end.
  virtual void Update(TCollectionItem* item);
  // An item is about to be added (opInsert) or removed (opRemove).
  virtual void Notify(TCollectionItem* item, TOperation operation);

 private:
  friend class TCollectionItem;
  void Changed();
  void MoveItem(int from, int to);

  TPersistent* owner_;
  ItemFactory factory_;
  std::vector<std::unique_ptr<TCollectionItem>> items_;
  int updateCount_ = 0;
};
