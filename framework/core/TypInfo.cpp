#include "framework/core/TypInfo.h"

#include <algorithm>

#include "framework/core/Collections.h"
#include "framework/core/Filer.h"
#include "framework/core/FormData.h"
#include "framework/core/FormReader.h"
#include "framework/core/SysUtils.h"

TIdentMap::TIdentMap(std::initializer_list<std::pair<int64_t, const char*>> entries) {
  for (const auto& [value, name] : entries)
    entries_.emplace_back(value, name);
}

bool TIdentMap::ToIdent(int64_t value, std::string& ident) const {
  for (const auto& [v, name] : entries_)
    if (v == value) {
      ident = name;
      return true;
    }
  return false;
}

bool TIdentMap::ToValue(const std::string& ident, int64_t& value) const {
  for (const auto& [v, name] : entries_)
    if (SameTextAscii(name, ident)) {
      value = v;
      return true;
    }
  return false;
}

std::string TPropInfo::GetAsText(const TObject& instance) const {
  TWriter writer(nullptr);
  Write(instance, writer);
  return FormData::FormatValue(writer.TakeValue());
}

void TPropInfo::SetAsText(TObject& instance, const std::string& text) const {
  const TFormValue value = FormData::ParseValue(text);
  TComponent* root = dynamic_cast<TComponent*>(&instance);
  while (root != nullptr && root->Owner() != nullptr)
    root = root->Owner();
  TFormLoader loader(root);
  TReader reader(&loader, root, value, Name());
  Read(instance, reader);
  loader.ResolveFixups();
}

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent, PropList properties,
                       Factory factory)
    : name_(std::move(name)),
      parent_(parent),
      own_(std::move(properties)),
      factory_(std::move(factory)) {}

TClassInfo::~TClassInfo() = default;

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* info = this; info != nullptr; info = info->parent_)
    if (info == &other) return true;
  return false;
}

const TPropInfo* TClassInfo::FindProperty(const std::string& name) const {
  for (const TClassInfo* info = this; info != nullptr; info = info->parent_)
    for (const auto& property : info->own_)
      if (SameTextAscii(property->Name(), name)) return property.get();
  return nullptr;
}

const std::vector<const TPropInfo*>& TClassInfo::Properties() const {
  if (!allBuilt_) {
    if (parent_ != nullptr) all_ = parent_->Properties();
    for (const auto& property : own_) {
      auto same = std::find_if(all_.begin(), all_.end(), [&](const TPropInfo* existing) {
        return SameTextAscii(existing->Name(), property->Name());
      });
      if (same != all_.end())
        *same = property.get();
      else
        all_.push_back(property.get());
    }
    allBuilt_ = true;
  }
  return all_;
}

std::unique_ptr<TComponent> TClassInfo::CreateComponent(TComponent* owner) const {
  if (!factory_) throw EInvalidOperation(Format("Class %s cannot be created", name_.c_str()));
  return factory_(owner);
}

namespace {
std::vector<const TClassInfo*>& Registry() {
  static std::vector<const TClassInfo*> classes;
  return classes;
}
}  // namespace

namespace ClassRegistry {
void Register(const TClassInfo& info) {
  auto& classes = Registry();
  if (std::find(classes.begin(), classes.end(), &info) == classes.end()) classes.push_back(&info);
}

void Unregister(const TClassInfo& info) {
  auto& classes = Registry();
  classes.erase(std::remove(classes.begin(), classes.end(), &info), classes.end());
}

const TClassInfo* FindClass(const std::string& name) {
  const auto& classes = Registry();
  for (auto it = classes.rbegin(); it != classes.rend(); ++it)
    if (SameTextAscii((*it)->Name(), name)) return *it;
  return nullptr;
}
}  // namespace ClassRegistry

void ThrowInvalidComponentReference(const std::string& targetName, const std::string& className) {
  throw EInvalidOperation(Format("Invalid reference to %s: a %s does not fit here",
                                 targetName.c_str(), className.c_str()));
}

namespace PropCodec {

using Kind = TFormValue::Kind;

int64_t ReadInteger(TReader& reader, const TIdentMap* idents) {
  const TFormValue& value = reader.Value();
  if (value.kind == Kind::Integer) return value.integer;
  int64_t result = 0;
  if (value.kind == Kind::Ident && idents != nullptr && idents->ToValue(value.text, result))
    return result;
  reader.InvalidValue();
}

void WriteInteger(TWriter& writer, int64_t value, const TIdentMap* idents) {
  std::string ident;
  if (idents != nullptr && idents->ToIdent(value, ident))
    writer.WriteIdent(ident);
  else
    writer.WriteInteger(value);
}

long double ReadFloat(TReader& reader) {
  const TFormValue& value = reader.Value();
  if (value.kind == Kind::Float) return value.real;
  if (value.kind == Kind::Integer) return static_cast<long double>(value.integer);
  reader.InvalidValue();
}

void WriteFloat(TWriter& writer, long double value) {
  writer.WriteFloat(value);
}

std::string ReadString(TReader& reader) {
  const TFormValue& value = reader.Value();
  if (value.kind != Kind::String) reader.InvalidValue();
  return value.text;
}

void WriteString(TWriter& writer, const std::string& value) {
  writer.WriteString(value);
}

bool ReadBool(TReader& reader) {
  const TFormValue& value = reader.Value();
  if (value.kind == Kind::Ident) {
    if (SameTextAscii(value.text, "True")) return true;
    if (SameTextAscii(value.text, "False")) return false;
  }
  reader.InvalidValue();
}

void WriteBool(TWriter& writer, bool value) {
  writer.WriteBoolean(value);
}

int ReadEnum(TReader& reader, const std::vector<std::string>& names) {
  const TFormValue& value = reader.Value();
  if (value.kind == Kind::Ident)
    for (size_t i = 0; i < names.size(); ++i)
      if (SameTextAscii(names[i], value.text)) return static_cast<int>(i);
  reader.InvalidValue();
}

void WriteEnum(TWriter& writer, int value, const std::vector<std::string>& names) {
  if (value >= 0 && static_cast<size_t>(value) < names.size())
    writer.WriteIdent(names[static_cast<size_t>(value)]);
  else
    writer.WriteInteger(value);
}

uint32_t ReadSet(TReader& reader, const std::vector<std::string>& names) {
  const TFormValue& value = reader.Value();
  if (value.kind != Kind::Set) reader.InvalidValue();
  uint32_t bits = 0;
  for (const std::string& element : value.names) {
    bool found = false;
    for (size_t i = 0; i < names.size() && i < 32; ++i)
      if (SameTextAscii(names[i], element)) {
        bits |= 1u << i;
        found = true;
      }
    if (!found) reader.InvalidValue();
  }
  return bits;
}

void WriteSet(TWriter& writer, uint32_t value, const std::vector<std::string>& names) {
  std::vector<std::string> elements;
  for (size_t i = 0; i < names.size() && i < 32; ++i)
    if (value & (1u << i)) elements.push_back(names[i]);
  writer.WriteSet(elements);
}

std::string ReadIdent(TReader& reader) {
  return reader.ReadIdent();
}

void WriteIdent(TWriter& writer, const std::string& ident) {
  writer.WriteIdent(ident);
}

void ReadComponentRef(TReader& reader, std::function<void(TComponent*)> assign) {
  const std::string name = reader.ReadIdent();
  if (SameTextAscii(name, "nil")) {
    assign(nullptr);
    return;
  }
  reader.AddFixup(name, std::move(assign));
}

void WriteComponentRef(TWriter& writer, const TComponent* component) {
  if (component == nullptr) {
    writer.WriteIdent("nil");
  } else if (component == writer.Root() || component->Owner() == writer.Root() ||
             component->Owner() == nullptr) {
    writer.WriteIdent(component->Name());
  } else {
    writer.WriteIdent(component->Owner()->Name() + "." + component->Name());
  }
}

std::string ReadMethodName(TReader& reader) {
  return reader.ReadIdent();
}

const TMethodTable* RootMethods(TReader& reader) {
  return reader.Root() != nullptr ? reader.Root()->Methods() : nullptr;
}

void ThrowMethodNotFound(TReader&, const std::string& name) {
  throw Exception(Format("Method %s not found", name.c_str()));
}

void ReadObject(TPersistent* object, TReader& reader) {
  auto* collection = dynamic_cast<TCollection*>(object);
  if (collection == nullptr || reader.Value().kind != Kind::Collection) reader.InvalidValue();
  reader.ReadCollection(*collection);
}

}  // namespace PropCodec

// ---- typed properties ----

template class TValueProp<int64_t>;
template class TValueProp<long double>;
template class TValueProp<std::string>;
template class TValueProp<bool>;
template class TValueProp<int>;
template class TValueProp<uint32_t>;

TIntegerProp::TIntegerProp(std::string name, Getter get, Setter set, std::optional<int64_t> def,
                           Stored stored, const TIdentMap* idents)
    : TValueProp(std::move(name), std::move(get), std::move(set), def, std::move(stored)),
      idents_(idents) {}

void TIntegerProp::Read(TObject& instance, TReader& reader) const {
  Set(instance, PropCodec::ReadInteger(reader, idents_));
}

void TIntegerProp::Write(const TObject& instance, TWriter& writer) const {
  PropCodec::WriteInteger(writer, Get(instance), idents_);
}

void TFloatProp::Read(TObject& instance, TReader& reader) const {
  Set(instance, PropCodec::ReadFloat(reader));
}

void TFloatProp::Write(const TObject& instance, TWriter& writer) const {
  PropCodec::WriteFloat(writer, Get(instance));
}

void TStringProp::Read(TObject& instance, TReader& reader) const {
  Set(instance, PropCodec::ReadString(reader));
}

void TStringProp::Write(const TObject& instance, TWriter& writer) const {
  PropCodec::WriteString(writer, Get(instance));
}

void TBoolProp::Read(TObject& instance, TReader& reader) const {
  Set(instance, PropCodec::ReadBool(reader));
}

void TBoolProp::Write(const TObject& instance, TWriter& writer) const {
  PropCodec::WriteBool(writer, Get(instance));
}

TEnumProp::TEnumProp(std::string name, Getter get, Setter set, std::optional<int> def,
                     Stored stored, const std::vector<std::string>& names)
    : TValueProp(std::move(name), std::move(get), std::move(set), def, std::move(stored)),
      names_(names) {}

void TEnumProp::Read(TObject& instance, TReader& reader) const {
  Set(instance, PropCodec::ReadEnum(reader, names_));
}

void TEnumProp::Write(const TObject& instance, TWriter& writer) const {
  PropCodec::WriteEnum(writer, Get(instance), names_);
}

TSetProp::TSetProp(std::string name, Getter get, Setter set, std::optional<uint32_t> def,
                   Stored stored, const std::vector<std::string>& names)
    : TValueProp(std::move(name), std::move(get), std::move(set), def, std::move(stored)),
      names_(names) {}

void TSetProp::Read(TObject& instance, TReader& reader) const {
  Set(instance, PropCodec::ReadSet(reader, names_));
}

void TSetProp::Write(const TObject& instance, TWriter& writer) const {
  PropCodec::WriteSet(writer, Get(instance), names_);
}

TObjectProp::TObjectProp(std::string name, Getter get, Stored stored)
    : TPropInfo(std::move(name)), get_(std::move(get)), stored_(std::move(stored)) {}

void TObjectProp::Read(TObject& instance, TReader& reader) const {
  PropCodec::ReadObject(GetObject(instance), reader);
}

TComponentProp::TComponentProp(std::string name, Getter get, Setter set)
    : TPropInfo(std::move(name)), get_(std::move(get)), set_(std::move(set)) {}

void TComponentProp::Read(TObject& instance, TReader& reader) const {
  // The reference is resolved once the whole form is read: the setter goes with it.
  TObject* object = &instance;
  Setter set = set_;
  PropCodec::ReadComponentRef(reader, [object, set](TComponent* target) { set(*object, target); });
}

void TComponentProp::Write(const TObject& instance, TWriter& writer) const {
  PropCodec::WriteComponentRef(writer, get_(instance));
}
