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
// The property classes know the instance only as a TObject: the getters and setters that the
// builder makes cast it to their class. So each kind of property is compiled once for the whole
// program, not once for every class that publishes one (which made half of the program's size).
template <class V>
class TValueProp : public TPropInfo {
 public:
  using Getter = std::function<V(const TObject&)>;
  using Setter = std::function<void(TObject&, V)>;
  using Stored = std::function<bool(const TObject&)>;

  TValueProp(std::string name, Getter get, Setter set, std::optional<V> defaultValue, Stored stored)
      : TPropInfo(std::move(name)),
        get_(std::move(get)),
        set_(std::move(set)),
        default_(std::move(defaultValue)),
        stored_(std::move(stored)) {}

  bool IsStored(const TObject& instance) const override {
    if (stored_ && !stored_(instance)) return false;
    if (default_) return !(get_(instance) == *default_);
    // A declared stored rule without a default decides alone.
    if (stored_) return true;
    return StoredWithoutDefault(get_(instance));
  }
  V Get(const TObject& instance) const { return get_(instance); }
  void Set(TObject& instance, V value) const { set_(instance, std::move(value)); }

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

extern template class TValueProp<int64_t>;
extern template class TValueProp<long double>;
extern template class TValueProp<std::string>;
extern template class TValueProp<bool>;
extern template class TValueProp<int>;
extern template class TValueProp<uint32_t>;

class TIntegerProp : public TValueProp<int64_t> {
 public:
  TIntegerProp(std::string name, Getter get, Setter set, std::optional<int64_t> def, Stored stored,
               const TIdentMap* idents);
  TPropKind Kind() const override { return TPropKind::pkInteger; }
  void Read(TObject& instance, TReader& reader) const override;
  void Write(const TObject& instance, TWriter& writer) const override;

 protected:
  bool StoredWithoutDefault(const int64_t&) const override { return true; }

 private:
  const TIdentMap* idents_;
};

class TFloatProp : public TValueProp<long double> {
 public:
  using TValueProp<long double>::TValueProp;
  TPropKind Kind() const override { return TPropKind::pkFloat; }
  void Read(TObject& instance, TReader& reader) const override;
  void Write(const TObject& instance, TWriter& writer) const override;

 protected:
  bool StoredWithoutDefault(const long double& value) const override { return value != 0; }
};

class TStringProp : public TValueProp<std::string> {
 public:
  using TValueProp<std::string>::TValueProp;
  TPropKind Kind() const override { return TPropKind::pkString; }
  void Read(TObject& instance, TReader& reader) const override;
  void Write(const TObject& instance, TWriter& writer) const override;

 protected:
  bool StoredWithoutDefault(const std::string& value) const override { return !value.empty(); }
};

class TBoolProp : public TValueProp<bool> {
 public:
  using TValueProp<bool>::TValueProp;
  TPropKind Kind() const override { return TPropKind::pkBool; }
  void Read(TObject& instance, TReader& reader) const override;
  void Write(const TObject& instance, TWriter& writer) const override;

 protected:
  bool StoredWithoutDefault(const bool&) const override { return true; }
};

class TEnumProp : public TValueProp<int> {
 public:
  TEnumProp(std::string name, Getter get, Setter set, std::optional<int> def, Stored stored,
            const std::vector<std::string>& names);
  TPropKind Kind() const override { return TPropKind::pkEnum; }
  void Read(TObject& instance, TReader& reader) const override;
  void Write(const TObject& instance, TWriter& writer) const override;

 protected:
  bool StoredWithoutDefault(const int&) const override { return true; }

 private:
  const std::vector<std::string>& names_;
};

class TSetProp : public TValueProp<uint32_t> {
 public:
  TSetProp(std::string name, Getter get, Setter set, std::optional<uint32_t> def, Stored stored,
           const std::vector<std::string>& names);
  TPropKind Kind() const override { return TPropKind::pkSet; }
  void Read(TObject& instance, TReader& reader) const override;
  void Write(const TObject& instance, TWriter& writer) const override;

 protected:
  bool StoredWithoutDefault(const uint32_t&) const override { return true; }

 private:
  const std::vector<std::string>& names_;
};

// An owned sub-object (Font, Picture, Items, ...): form data reaches its properties through
// paths such as Font.Style; a collection is read and written as a whole.
class TObjectProp : public TPropInfo {
 public:
  using Getter = std::function<TPersistent*(const TObject&)>;
  using Stored = std::function<bool(const TObject&)>;
  TObjectProp(std::string name, Getter get, Stored stored);
  TPropKind Kind() const override { return TPropKind::pkObject; }
  TPersistent* GetObject(const TObject& instance) const override { return get_(instance); }
  bool IsStored(const TObject& instance) const override { return !stored_ || stored_(instance); }
  void Read(TObject& instance, TReader& reader) const override;
  // The form writer walks into sub-objects itself.
  void Write(const TObject&, TWriter&) const override {}

 private:
  Getter get_;
  Stored stored_;
};

// A reference to another component, resolved by name after the whole form is read.
class TComponentProp : public TPropInfo {
 public:
  using Getter = std::function<TComponent*(const TObject&)>;
  using Setter = std::function<void(TObject&, TComponent*)>;
  TComponentProp(std::string name, Getter get, Setter set);
  TPropKind Kind() const override { return TPropKind::pkComponent; }
  bool IsStored(const TObject& instance) const override { return get_(instance) != nullptr; }
  void Read(TObject& instance, TReader& reader) const override;
  void Write(const TObject& instance, TWriter& writer) const override;

 private:
  Getter get_;
  Setter set_;
};

// An event, reached through a pointer to the member of the publishing class as one of TObject.
template <class... Args>
class TEventProp : public TPropInfo {
 public:
  using Member = TEvent<Args...> TObject::*;
  TEventProp(std::string name, Member member) : TPropInfo(std::move(name)), member_(member) {}
  TPropKind Kind() const override { return TPropKind::pkEvent; }
  bool IsStored(const TObject& instance) const override {
    return !(instance.*member_).HandlerName().empty();
  }
  void Read(TObject& instance, TReader& reader) const override {
    const std::string name = PropCodec::ReadMethodName(reader);
    const TMethodTable* methods = PropCodec::RootMethods(reader);
    const auto* handler = methods != nullptr ? methods->Find<Args...>(name) : nullptr;
    if (handler == nullptr) PropCodec::ThrowMethodNotFound(reader, name);
    instance.*member_ = TEvent<Args...>(*handler, name);
  }
  void Write(const TObject& instance, TWriter& writer) const override {
    PropCodec::WriteIdent(writer, (instance.*member_).HandlerName());
  }

 private:
  Member member_;
};

// Declares the published properties of class C, in order:
//   b.Integer("Width", &C::Width, &C::SetWidth, 36);
// Getters and setters are any callables (member pointers of C or of a base, lambdas).
// A stored rule (ST) is a callable taking const C&, or nothing ({}): each is made a function of
// TObject once, without a function object of C's in between.
template <class C>
class TPropertyBuilder {
 public:
  template <class G, class S, class ST = std::nullptr_t>
  TPropertyBuilder& Integer(std::string name, G get, S set, std::optional<int64_t> def = {},
                            ST stored = {}, const TIdentMap* idents = nullptr) {
    props_.push_back(std::make_unique<TIntegerProp>(std::move(name), MakeGetter<int64_t>(get),
                                                    MakeSetter<int64_t>(set), def,
                                                    EraseStored(std::move(stored)), idents));
    return *this;
  }
  template <class G, class S, class ST = std::nullptr_t>
  TPropertyBuilder& Float(std::string name, G get, S set, std::optional<long double> def = {},
                          ST stored = {}) {
    props_.push_back(std::make_unique<TFloatProp>(std::move(name), MakeGetter<long double>(get),
                                                  MakeSetter<long double>(set), def,
                                                  EraseStored(std::move(stored))));
    return *this;
  }
  template <class G, class S, class ST = std::nullptr_t>
  TPropertyBuilder& String(std::string name, G get, S set, std::optional<std::string> def = {},
                           ST stored = {}) {
    props_.push_back(std::make_unique<TStringProp>(std::move(name), MakeGetter<std::string>(get),
                                                   MakeSetter<std::string>(set), std::move(def),
                                                   EraseStored(std::move(stored))));
    return *this;
  }
  template <class G, class S, class ST = std::nullptr_t>
  TPropertyBuilder& Bool(std::string name, G get, S set, std::optional<bool> def = {},
                         ST stored = {}) {
    props_.push_back(std::make_unique<TBoolProp>(std::move(name), MakeGetter<bool>(get),
                                                 MakeSetter<bool>(set), def,
                                                 EraseStored(std::move(stored))));
    return *this;
  }
  // names: the enumeration's value names by ordinal; must outlive the class information.
  template <class E, class G, class S, class ST = std::nullptr_t>
  TPropertyBuilder& Enum(std::string name, G get, S set, const std::vector<std::string>& names,
                         E def, ST stored = {}) {
    return AddEnum<E>(std::move(name), get, set, names, static_cast<int>(def), std::move(stored));
  }
  template <class E, class G, class S, class ST = std::nullptr_t>
  TPropertyBuilder& EnumNoDefault(std::string name, G get, S set,
                                  const std::vector<std::string>& names, ST stored = {}) {
    return AddEnum<E>(std::move(name), get, set, names, std::nullopt, std::move(stored));
  }
  // A set held as a bit mask: bit i stands for names[i].
  template <class G, class S, class ST = std::nullptr_t>
  TPropertyBuilder& Set(std::string name, G get, S set, const std::vector<std::string>& names,
                        std::optional<uint32_t> def = {}, ST stored = {}) {
    props_.push_back(std::make_unique<TSetProp>(std::move(name), MakeGetter<uint32_t>(get),
                                                MakeSetter<uint32_t>(set), def,
                                                EraseStored(std::move(stored)), names));
    return *this;
  }
  // G returns a pointer to the owned sub-object.
  template <class G, class ST = std::nullptr_t>
  TPropertyBuilder& Object(std::string name, G get, ST stored = {}) {
    TObjectProp::Getter getter = [get](const TObject& o) -> TPersistent* {
      return std::invoke(get, const_cast<C&>(static_cast<const C&>(o)));
    };
    props_.push_back(std::make_unique<TObjectProp>(std::move(name), std::move(getter),
                                                   EraseStored(std::move(stored))));
    return *this;
  }
  // S takes a pointer of the referenced class T; a component of another class is refused.
  template <class T, class G, class S>
  TPropertyBuilder& Component(std::string name, G get, S set) {
    TComponentProp::Getter getter = [get](const TObject& o) -> TComponent* {
      return std::invoke(get, static_cast<const C&>(o));
    };
    TComponentProp::Setter setter = [set](TObject& o, TComponent* target) {
      T* typed = dynamic_cast<T*>(target);
      if (target && !typed) ThrowInvalidReference(target);
      std::invoke(set, static_cast<C&>(o), typed);
    };
    props_.push_back(
        std::make_unique<TComponentProp>(std::move(name), std::move(getter), std::move(setter)));
    return *this;
  }
  template <class Owner, class... Args>
  TPropertyBuilder& Event(std::string name, TEvent<Args...> Owner::*member) {
    // C derives from TObject without virtual bases, so its member is one of TObject's too.
    const auto ofClass = static_cast<TEvent<Args...> C::*>(member);
    props_.push_back(std::make_unique<TEventProp<Args...>>(
        std::move(name), static_cast<TEvent<Args...> TObject::*>(ofClass)));
    return *this;
  }

  // Properties built for a base class of C (one copy of their code serves every class that
  // publishes them), in order after those declared so far.
  TPropertyBuilder& Append(TClassInfo::PropList props) {
    for (auto& prop : props)
      props_.push_back(std::move(prop));
    return *this;
  }

  TClassInfo::PropList Take() { return std::exchange(props_, {}); }

 private:
  template <class V, class G>
  static std::function<V(const TObject&)> MakeGetter(G get) {
    return [get](const TObject& o) {
      return static_cast<V>(std::invoke(get, static_cast<const C&>(o)));
    };
  }
  template <class V, class S>
  static std::function<void(TObject&, V)> MakeSetter(S set) {
    return [set](TObject& o, V value) { InvokeSetter(set, static_cast<C&>(o), std::move(value)); };
  }
  template <class ST>
  static std::function<bool(const TObject&)> EraseStored(ST stored) {
    if constexpr (std::is_same_v<ST, std::nullptr_t>) {
      return {};
    } else {
      // An empty function object or a null function pointer: no rule.
      if constexpr (std::is_pointer_v<ST> || requires(const ST& rule) { rule.target_type(); })
        if (!static_cast<bool>(stored)) return {};
      return [stored = std::move(stored)](const TObject& o) {
        return stored(static_cast<const C&>(o));
      };
    }
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
  template <class E, class G, class S, class ST>
  TPropertyBuilder& AddEnum(std::string name, G get, S set, const std::vector<std::string>& names,
                            std::optional<int> def, ST stored) {
    // A function object first, so that one construction of the property serves every enumeration.
    TEnumProp::Setter setter = [set](TObject& o, int value) {
      std::invoke(set, static_cast<C&>(o), static_cast<E>(value));
    };
    props_.push_back(std::make_unique<TEnumProp>(std::move(name), MakeGetter<int>(get),
                                                 std::move(setter), def,
                                                 EraseStored(std::move(stored)), names));
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
