// The object model shared by every component: run-time class information, persistent objects
// with assignment, and components with owners, names, removal notification and the loading state.
// Portable: never includes windows.h.
#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <typeindex>
#include <vector>

#include "framework/core/Events.h"

class TClassInfo;
class TFiler;
class TComponent;

// Declares the run-time class information of a class; define StaticClassInfo() in the .cpp.
#define DV_CLASS(ClassName)                      \
 public:                                         \
  static const TClassInfo& StaticClassInfo();    \
  const TClassInfo& ClassInfo() const override { \
    return ClassName::StaticClassInfo();         \
  }

class TObject {
 public:
  virtual ~TObject() = default;
  static const TClassInfo& StaticClassInfo();
  virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }
  const std::string& ClassName() const;
  bool InheritsFrom(const TClassInfo& info) const;
};

// An object that can be assigned from another and streamed through its published properties.
class TPersistent : public TObject {
  DV_CLASS(TPersistent)
 public:
  TPersistent() = default;
  TPersistent(const TPersistent&) = delete;
  TPersistent& operator=(const TPersistent&) = delete;

  // Copies source into this object; unsupported sources fail with "Cannot assign a %s to a %s".
  virtual void Assign(const TPersistent* source);
  // Extra stored values that are not published properties (obsolete names, binary blocks).
  virtual void DefineProperties(TFiler& filer);
  // The object that owns this one inside a component, for messages and name paths.
  virtual TPersistent* GetOwner() const { return nullptr; }

 protected:
  virtual void AssignTo(TPersistent* dest) const;
};

enum class TOperation { opInsert, opRemove };

enum TComponentStateFlag : uint32_t {
  csLoading = 1u << 0,
  csReading = 1u << 1,
  csDestroying = 1u << 2,
  csDesigning = 1u << 3,
  csFreeNotification = 1u << 4,
  csUpdating = 1u << 5,
};

// Handlers of a form by name, for binding event properties while form data is read.
class TMethodTable {
 public:
  template <class Root, class... Args>
  void Add(const std::string& name, Root* root, void (Root::*method)(Args...)) {
    std::function<void(Args...)> handler = [root, method](Args... args) {
      (root->*method)(std::forward<Args>(args)...);
    };
    entries_.push_back(Entry{name, std::type_index(typeid(handler)), std::move(handler)});
  }
  // The handler of that name and signature, or nullptr when there is none.
  template <class... Args>
  const std::function<void(Args...)>* Find(const std::string& name) const {
    const std::type_index wanted(typeid(std::function<void(Args...)>));
    for (const Entry& entry : entries_)
      if (entry.type == wanted && entry.name == name)
        return std::any_cast<std::function<void(Args...)>>(&entry.handler);
    return nullptr;
  }
  bool Contains(const std::string& name) const;

 private:
  struct Entry {
    std::string name;
    std::type_index type;
    std::any handler;
  };
  std::vector<Entry> entries_;
};

class TComponent : public TPersistent {
  DV_CLASS(TComponent)
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  // Creates a component owned by owner; the owner destroys it.
  template <class T, class... Args>
  static T& Create(TComponent& owner, Args&&... args) {
    auto component = std::make_unique<T>(&owner, std::forward<Args>(args)...);
    T& result = *component;
    owner.InsertComponent(std::move(component));
    return result;
  }
  // Destroys a component that has an owner (the owner gives up its ownership first).
  static void Destroy(TComponent& component);

  TComponent* Owner() const { return owner_; }
  TPersistent* GetOwner() const override { return owner_; }
  const std::string& Name() const { return name_; }
  virtual void SetName(const std::string& name);
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const {
    return components_.at(static_cast<size_t>(index)).get();
  }
  // The owned component of that name (ASCII case-insensitive), or nullptr.
  TComponent* FindComponent(const std::string& name) const;
  int ComponentIndex() const;

  void InsertComponent(std::unique_ptr<TComponent> component);
  std::unique_ptr<TComponent> RemoveComponent(TComponent& component);

  uint32_t ComponentState() const { return state_; }
  bool IsLoading() const { return (state_ & csLoading) != 0; }
  bool IsDestroying() const { return (state_ & csDestroying) != 0; }
  bool IsDesigning() const { return (state_ & csDesigning) != 0; }
  void SetLoadingState(bool loading);
  bool IsSubComponent() const { return subComponent_; }
  void SetSubComponent(bool value) { subComponent_ = value; }

  // Asks to be told (Notification with opRemove) when other is destroyed.
  void FreeNotification(TComponent* other);
  void RemoveFreeNotification(TComponent* other);

  // Form data: the parent that a streamed child is placed into, and the children to write.
  virtual bool HasParent() const { return false; }
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent* parent);
  virtual void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const;

  // Handlers that event properties of owned components may be bound to by name.
  virtual const TMethodTable* Methods() const { return nullptr; }

  // The end of loading: runs after every property and reference of the form is set.
  virtual void Loaded();
  // Another component is inserted into or removed from this one's owner, or destroyed.
  virtual void Notification(TComponent* component, TOperation operation);

 protected:
  void DestroyComponents();

 private:
  void NotifyRemoval(TComponent* component);

  TComponent* owner_;
  std::string name_;
  std::vector<std::unique_ptr<TComponent>> components_;
  std::vector<TComponent*> freeNotifies_;
  uint32_t state_ = 0;
  bool subComponent_ = false;
};
