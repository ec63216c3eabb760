// Published properties: each class declares its properties once, beside the class, with their
// defaults and stored rules; the form reader and writer and the by-name access all work from that
// one table. Portable: never includes windows.h.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "framework/core/Classes.h"

class TReader;
class TWriter;

// Names of ordinal values that form data may use instead of numbers (colours, charsets, ...).
class TIdentMap {
 public:
  TIdentMap(std::initializer_list<std::pair<int64_t, const char*>> entries);
  bool ToIdent(int64_t value, std::string& ident) const;
  bool ToValue(const std::string& ident, int64_t& value) const;

 private:
  std::vector<std::pair<int64_t, std::string>> entries_;
};

enum class TPropKind {
  pkInteger,
  pkFloat,
  pkString,
  pkBool,
  pkEnum,
  pkSet,
  pkObject,
  pkComponent,
  pkEvent
};

class TPropInfo {
 public:
  explicit TPropInfo(std::string name) : name_(std::move(name)) {}
  virtual ~TPropInfo() = default;
  TPropInfo(const TPropInfo&) = delete;
  TPropInfo& operator=(const TPropInfo&) = delete;

  const std::string& Name() const { return name_; }
  virtual TPropKind Kind() const = 0;
  // Applies the reader's current value; failures raise EParserError or the setter's own error.
  virtual void Read(TObject& instance, TReader& reader) const = 0;
  // Whether the value goes to form data: the stored rule, then the comparison with the default.
  virtual bool IsStored(const TObject& instance) const = 0;
  virtual void Write(const TObject& instance, TWriter& writer) const = 0;
  // The value in form-data syntax ("clBtnFace", "True", "[sdLeft, sdTop]", "'text'") and back.
  virtual std::string GetAsText(const TObject& instance) const;
  virtual void SetAsText(TObject& instance, const std::string& text) const;
  // The owned sub-object of an object property (for paths such as Font.Style), else nullptr.
  virtual TPersistent* GetObject(const TObject&) const { return nullptr; }

 private:
  std::string name_;
};

class TClassInfo {
 public:
  using Factory = std::function<std::unique_ptr<TComponent>(TComponent* owner)>;
  using PropList = std::vector<std::unique_ptr<TPropInfo>>;

  TClassInfo(std::string name, const TClassInfo* parent, PropList properties = {},
             Factory factory = nullptr);
  ~TClassInfo();
  TClassInfo(const TClassInfo&) = delete;
  TClassInfo& operator=(const TClassInfo&) = delete;

  const std::string& Name() const { return name_; }
  const TClassInfo* Parent() const { return parent_; }
  bool InheritsFrom(const TClassInfo& other) const;
  // The published property of that name (ASCII case-insensitive), most derived class first.
  const TPropInfo* FindProperty(const std::string& name) const;
  // Every published property in declaration order, base class first; a redeclared property
  // (another default) takes the place of the base class's one.
  const std::vector<const TPropInfo*>& Properties() const;
  bool CanCreate() const { return static_cast<bool>(factory_); }
  std::unique_ptr<TComponent> CreateComponent(TComponent* owner) const;

 private:
  std::string name_;
  const TClassInfo* parent_;
  PropList own_;
  Factory factory_;
  mutable std::vector<const TPropInfo*> all_;
  mutable bool allBuilt_ = false;
};

// The process-wide list of classes that form data may name.
// (Not "RegisterClass": windows.h makes that name a macro.)
namespace ClassRegistry {
void Register(const TClassInfo& info);
void Unregister(const TClassInfo& info);
// nullptr when no class of that name is registered.
const TClassInfo* FindClass(const std::string& name);
}  // namespace ClassRegistry

// ---- value codecs shared by the property kinds (defined in TypInfo.cpp) ----
namespace PropCodec {
int64_t ReadInteger(TReader& reader, const TIdentMap* idents);
void WriteInteger(TWriter& writer, int64_t value, const TIdentMap* idents);
long double ReadFloat(TReader& reader);
void WriteFloat(TWriter& writer, long double value);
std::string ReadString(TReader& reader);
void WriteString(TWriter& writer, const std::string& value);
bool ReadBool(TReader& reader);
void WriteBool(TWriter& writer, bool value);
int ReadEnum(TReader& reader, const std::vector<std::string>& names);
void WriteEnum(TWriter& writer, int value, const std::vector<std::string>& names);
uint32_t ReadSet(TReader& reader, const std::vector<std::string>& names);
void WriteSet(TWriter& writer, uint32_t value, const std::vector<std::string>& names);
std::string ReadIdent(TReader& reader);
void WriteIdent(TWriter& writer, const std::string& ident);
// A reference written as the component's name (qualified by its owner outside the root).
void ReadComponentRef(TReader& reader, std::function<void(TComponent*)> assign);
void WriteComponentRef(TWriter& writer, const TComponent* component);
// The handler name of an event value, and the root's method table (nullptr when it has none).
std::string ReadMethodName(TReader& reader);
const TMethodTable* RootMethods(TReader& reader);
[[noreturn]] void ThrowMethodNotFound(TReader& reader, const std::string& name);
// A whole-object value (a collection); other objects are reached through property paths.
void ReadObject(TPersistent* object, TReader& reader);
}  // namespace PropCodec

// ---- typed properties ----
template <class C, class V>
class TValueProp : public TPropInfo {
 public:
  using Getter = std::function<V(const C&)>;
  using Setter = std::function<void(C&, V)>;
  using Stored = std::function<bool(const C&)>;

  TValueProp(std::string name, Getter get, Setter set, std::optional<V> defaultValue, Stored stored)
      : TPropInfo(std::move(name)),
        get_(std::move(get)),
        set_(std::move(set)),
        default_(std::move(defaultValue)),
        stored_(std::move(stored)) {}

  bool IsStored(const TObject& instance) const override {
    const C& object = static_cast<const C&>(instance);
    if (stored_ && !stored_(object)) return false;
    if (default_) return !(get_(object) == *default_);
    // A declared stored rule without a default decides alone.
    if (stored_) return true;
    return StoredWithoutDefault(get_(object));
  }
  V Get(const TObject& instance) const { return get_(static_cast<const C&>(instance)); }
  void Set(TObject& instance, V value) const { set_(static_cast<C&>(instance), std::move(value)); }

 protected:
  // Without a declared default, numbers are stored when not zero and strings when not empty;
  // truth values and ordinals are always stored.
  virtual bool StoredWithoutDefault(const V& value) const = 0;

 private:
  Getter get_;
  Setter set_;
  std::optional<V> default_;
  Stored stored_;
};

template <class C>
class TIntegerProp : public TValueProp<C, int64_t> {
 public:
  using Base = TValueProp<C, int64_t>;
  TIntegerProp(std::string name, typename Base::Getter get, typename Base::Setter set,
               std::optional<int64_t> def, typename Base::Stored stored, const TIdentMap* idents)
      : Base(std::move(name), std::move(get), std::move(set), def, std::move(stored)),
        idents_(idents) {}
  TPropKind Kind() const override { return TPropKind::pkInteger; }
  void Read(TObject& instance, TReader& reader) const override {
    this->Set(instance, PropCodec::ReadInteger(reader, idents_));
  }
  void Write(const TObject& instance, TWriter& writer) const override {
    PropCodec::WriteInteger(writer, this->Get(instance), idents_);
  }

 protected:
  bool StoredWithoutDefault(const int64_t&) const override { return true; }

 private:
  const TIdentMap* idents_;
};

template <class C>
class TFloatProp : public TValueProp<C, long double> {
 public:
  using TValueProp<C, long double>::TValueProp;
  TPropKind Kind() const override { return TPropKind::pkFloat; }
  void Read(TObject& instance, TReader& reader) const override {
    this->Set(instance, PropCodec::ReadFloat(reader));
  }
  void Write(const TObject& instance, TWriter& writer) const override {
    PropCodec::WriteFloat(writer, this->Get(instance));
  }

 protected:
  bool StoredWithoutDefault(const long double& value) const override { return value != 0; }
};

template <class C>
class TStringProp : public TValueProp<C, std::string> {
 public:
  using TValueProp<C, std::string>::TValueProp;
  TPropKind Kind() const override { return TPropKind::pkString; }
  void Read(TObject& instance, TReader& reader) const override {
    this->Set(instance, PropCodec::ReadString(reader));
  }
  void Write(const TObject& instance, TWriter& writer) const override {
    PropCodec::WriteString(writer, this->Get(instance));
  }

 protected:
  bool StoredWithoutDefault(const std::string& value) const override { return !value.empty(); }
};

template <class C>
class TBoolProp : public TValueProp<C, bool> {
 public:
  using TValueProp<C, bool>::TValueProp;
  TPropKind Kind() const override { return TPropKind::pkBool; }
  void Read(TObject& instance, TReader& reader) const override {
    this->Set(instance, PropCodec::ReadBool(reader));
  }
  void Write(const TObject& instance, TWriter& writer) const override {
    PropCodec::WriteBool(writer, this->Get(instance));
  }

 protected:
  bool StoredWithoutDefault(const bool&) const override { return true; }
};

template <class C>
class TEnumProp : public TValueProp<C, int> {
 public:
  using Base = TValueProp<C, int>;
  TEnumProp(std::string name, typename Base::Getter get, typename Base::Setter set,
            std::optional<int> def, typename Base::Stored stored,
            const std::vector<std::string>& names)
      : Base(std::move(name), std::move(get), std::move(set), def, std::move(stored)),
        names_(names) {}
  TPropKind Kind() const override { return TPropKind::pkEnum; }
  void Read(TObject& instance, TReader& reader) const override {
    this->Set(instance, PropCodec::ReadEnum(reader, names_));
  }
  void Write(const TObject& instance, TWriter& writer) const override {
    PropCodec::WriteEnum(writer, this->Get(instance), names_);
  }

 protected:
  bool StoredWithoutDefault(const int&) const override { return true; }

 private:
  const std::vector<std::string>& names_;
};

template <class C>
class TSetProp : public TValueProp<C, uint32_t> {
 public:
  using Base = TValueProp<C, uint32_t>;
  TSetProp(std::string name, typename Base::Getter get, typename Base::Setter set,
           std::optional<uint32_t> def, typename Base::Stored stored,
           const std::vector<std::string>& names)
      : Base(std::move(name), std::move(get), std::move(set), def, std::move(stored)),
        names_(names) {}
  TPropKind Kind() const override { return TPropKind::pkSet; }
  void Read(TObject& instance, TReader& reader) const override {
    this->Set(instance, PropCodec::ReadSet(reader, names_));
  }
  void Write(const TObject& instance, TWriter& writer) const override {
    PropCodec::WriteSet(writer, this->Get(instance), names_);
  }

 protected:
  bool StoredWithoutDefault(const uint32_t&) const override { return true; }

 private:
  const std::vector<std::string>& names_;
};

// An owned sub-object (Font, Picture, Items, ...): form data reaches its properties through
// paths such as Font.Style; a collection is read and written as a whole.
template <class C>
class TObjectProp : public TPropInfo {
 public:
  using Getter = std::function<TPersistent*(const C&)>;
  using Stored = std::function<bool(const C&)>;
  TObjectProp(std::string name, Getter get, Stored stored)
      : TPropInfo(std::move(name)), get_(std::move(get)), stored_(std::move(stored)) {}
  TPropKind Kind() const override { return TPropKind::pkObject; }
  TPersistent* GetObject(const TObject& instance) const override {
    return get_(static_cast<const C&>(instance));
  }
  bool IsStored(const TObject& instance) const override {
    return !stored_ || stored_(static_cast<const C&>(instance));
  }
  void Read(TObject& instance, TReader& reader) const override {
    PropCodec::ReadObject(GetObject(instance), reader);
  }
  // The form writer walks into sub-objects itself.
  void Write(const TObject&, TWriter&) const override {}

 private:
  Getter get_;
  Stored stored_;
};

// A reference to another component, resolved by name after the whole form is read.
template <class C>
class TComponentProp : public TPropInfo {
 public:
  using Getter = std::function<TComponent*(const C&)>;
  using Setter = std::function<void(C&, TComponent*)>;
  TComponentProp(std::string name, Getter get, Setter set)
      : TPropInfo(std::move(name)), get_(std::move(get)), set_(std::move(set)) {}
  TPropKind Kind() const override { return TPropKind::pkComponent; }
  bool IsStored(const TObject& instance) const override {
    return get_(static_cast<const C&>(instance)) != nullptr;
  }
  void Read(TObject& instance, TReader& reader) const override {
    C* object = &static_cast<C&>(instance);
    Setter set = set_;
    PropCodec::ReadComponentRef(reader,
                                [object, set](TComponent* target) { set(*object, target); });
  }
  void Write(const TObject& instance, TWriter& writer) const override {
    PropCodec::WriteComponentRef(writer, get_(static_cast<const C&>(instance)));
  }

 private:
  Getter get_;
  Setter set_;
};

template <class C, class... Args>
class TEventProp : public TPropInfo {
 public:
  using Member = TEvent<Args...> C::*;
  TEventProp(std::string name, Member member) : TPropInfo(std::move(name)), member_(member) {}
  TPropKind Kind() const override { return TPropKind::pkEvent; }
  bool IsStored(const TObject& instance) const override {
    return !(static_cast<const C&>(instance).*member_).HandlerName().empty();
  }
  void Read(TObject& instance, TReader& reader) const override {
    const std::string name = PropCodec::ReadMethodName(reader);
    const TMethodTable* methods = PropCodec::RootMethods(reader);
    const auto* handler = methods != nullptr ? methods->Find<Args...>(name) : nullptr;
    if (handler == nullptr) PropCodec::ThrowMethodNotFound(reader, name);
    static_cast<C&>(instance).*member_ = TEvent<Args...>(*handler, name);
  }
  void Write(const TObject& instance, TWriter& writer) const override {
    PropCodec::WriteIdent(writer, (static_cast<const C&>(instance).*member_).HandlerName());
  }

 private:
  Member member_;
};

// Declares the published properties of class C, in order:
//   b.Integer("Width", &C::Width, &C::SetWidth, 36);
// Getters and setters are any callables (member pointers of C or of a base, lambdas).
template <class C>
class TPropertyBuilder {
 public:
  using Stored = std::function<bool(const C&)>;

  template <class G, class S>
  TPropertyBuilder& Integer(std::string name, G get, S set, std::optional<int64_t> def = {},
                            Stored stored = {}, const TIdentMap* idents = nullptr) {
    props_.push_back(std::make_unique<TIntegerProp<C>>(
        std::move(name), [get](const C& c) { return static_cast<int64_t>(std::invoke(get, c)); },
        MakeSetter<int64_t>(set), def, std::move(stored), idents));
    return *this;
  }
  template <class G, class S>
  TPropertyBuilder& Float(std::string name, G get, S set, std::optional<long double> def = {},
                          Stored stored = {}) {
    props_.push_back(std::make_unique<TFloatProp<C>>(
        std::move(name),
        [get](const C& c) { return static_cast<long double>(std::invoke(get, c)); },
        MakeSetter<long double>(set), def, std::move(stored)));
    return *this;
  }
  template <class G, class S>
  TPropertyBuilder& String(std::string name, G get, S set, std::optional<std::string> def = {},
                           Stored stored = {}) {
    props_.push_back(std::make_unique<TStringProp<C>>(
        std::move(name), [get](const C& c) { return std::string(std::invoke(get, c)); },
        MakeSetter<std::string>(set), std::move(def), std::move(stored)));
    return *this;
  }
  template <class G, class S>
  TPropertyBuilder& Bool(std::string name, G get, S set, std::optional<bool> def = {},
                         Stored stored = {}) {
    props_.push_back(std::make_unique<TBoolProp<C>>(
        std::move(name), [get](const C& c) { return static_cast<bool>(std::invoke(get, c)); },
        MakeSetter<bool>(set), def, std::move(stored)));
    return *this;
  }
  // names: the enumeration's value names by ordinal; must outlive the class information.
  template <class E, class G, class S>
  TPropertyBuilder& Enum(std::string name, G get, S set, const std::vector<std::string>& names,
                         E def, Stored stored = {}) {
    return AddEnum<E>(std::move(name), get, set, names, static_cast<int>(def), std::move(stored));
  }
  template <class E, class G, class S>
  TPropertyBuilder& EnumNoDefault(std::string name, G get, S set,
                                  const std::vector<std::string>& names, Stored stored = {}) {
    return AddEnum<E>(std::move(name), get, set, names, std::nullopt, std::move(stored));
  }
  // A set held as a bit mask: bit i stands for names[i].
  template <class G, class S>
  TPropertyBuilder& Set(std::string name, G get, S set, const std::vector<std::string>& names,
                        std::optional<uint32_t> def = {}, Stored stored = {}) {
    props_.push_back(std::make_unique<TSetProp<C>>(
        std::move(name), [get](const C& c) { return static_cast<uint32_t>(std::invoke(get, c)); },
        MakeSetter<uint32_t>(set), def, std::move(stored), names));
    return *this;
  }
  // G returns a pointer to the owned sub-object.
  template <class G>
  TPropertyBuilder& Object(std::string name, G get, Stored stored = {}) {
    props_.push_back(std::make_unique<TObjectProp<C>>(
        std::move(name),
        [get](const C& c) -> TPersistent* { return std::invoke(get, const_cast<C&>(c)); },
        std::move(stored)));
    return *this;
  }
  // S takes a pointer of the referenced class T; a component of another class is refused.
  template <class T, class G, class S>
  TPropertyBuilder& Component(std::string name, G get, S set) {
    props_.push_back(std::make_unique<TComponentProp<C>>(
        std::move(name), [get](const C& c) -> TComponent* { return std::invoke(get, c); },
        [set](C& c, TComponent* target) {
          T* typed = dynamic_cast<T*>(target);
          if (target && !typed) ThrowInvalidReference(target);
          std::invoke(set, c, typed);
        }));
    return *this;
  }
  template <class Owner, class... Args>
  TPropertyBuilder& Event(std::string name, TEvent<Args...> Owner::*member) {
    props_.push_back(std::make_unique<TEventProp<C, Args...>>(
        std::move(name), static_cast<TEvent<Args...> C::*>(member)));
    return *this;
  }

  TClassInfo::PropList Take() { return std::move(props_); }

 private:
  template <class V, class S>
  static std::function<void(C&, V)> MakeSetter(S set) {
    return [set](C& c, V value) { InvokeSetter(set, c, std::move(value)); };
  }
  template <class S, class V>
  static void InvokeSetter(const S& set, C& c, V value) {
    if constexpr (std::is_member_function_pointer_v<S>) {
      using Arg = typename SetterArg<S>::type;
      std::invoke(set, c, static_cast<Arg>(value));
    } else {
      std::invoke(set, c, value);
    }
  }
  template <class E, class G, class S>
  TPropertyBuilder& AddEnum(std::string name, G get, S set, const std::vector<std::string>& names,
                            std::optional<int> def, Stored stored) {
    props_.push_back(std::make_unique<TEnumProp<C>>(
        std::move(name), [get](const C& c) { return static_cast<int>(std::invoke(get, c)); },
        [set](C& c, int value) { std::invoke(set, c, static_cast<E>(value)); }, def,
        std::move(stored), names));
    return *this;
  }
  template <class S>
  struct SetterArg;
  template <class R, class K, class A>
  struct SetterArg<R (K::*)(A)> {
    using type = std::decay_t<A>;
  };
  template <class R, class K, class A>
  struct SetterArg<R (K::*)(A) noexcept> {
    using type = std::decay_t<A>;
  };
  [[noreturn]] static void ThrowInvalidReference(TComponent* target);

  TClassInfo::PropList props_;
};

// Defines the class information of T with base class Base:
//   const TClassInfo& TFoo::StaticClassInfo() {
//     static const TClassInfo info = DefineClass<TFoo, TBar>("TFoo", [](auto& b) { ... });
//     return info;
//   }
template <class T, class Base, class Build>
TClassInfo DefineClassInfo(const char* name, Build build) {
  TPropertyBuilder<T> builder;
  build(builder);
  TClassInfo::Factory factory;
  if constexpr (std::is_base_of_v<TComponent, T> && std::is_constructible_v<T, TComponent*> &&
                !std::is_abstract_v<T>)
    factory = [](TComponent* owner) -> std::unique_ptr<TComponent> {
      return std::make_unique<T>(owner);
    };
  return TClassInfo(name, &Base::StaticClassInfo(), builder.Take(), std::move(factory));
}

template <class T, class Base>
TClassInfo DefineClassInfo(const char* name) {
  return DefineClassInfo<T, Base>(name, [](TPropertyBuilder<T>&) {});
}

[[noreturn]] void ThrowInvalidComponentReference(const std::string& targetName,
                                                 const std::string& className);

template <class C>
void TPropertyBuilder<C>::ThrowInvalidReference(TComponent* target) {
  ThrowInvalidComponentReference(target->Name(), target->ClassName());
}
