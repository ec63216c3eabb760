#include "framework/core/Filer.h"

#include "framework/core/Collections.h"
#include "framework/core/FormReader.h"
#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "framework/core/TypInfo.h"

using Kind = TFormValue::Kind;

TReader::TReader(TFormLoader* loader, TComponent* root, const TFormValue& value,
                 std::string propertyName)
    : loader_(loader), root_(root), value_(value), propertyName_(std::move(propertyName)) {}

void TReader::InvalidValue() const {
  throw Exception("Invalid property value");
}

bool TReader::ReadBoolean() {
  return PropCodec::ReadBool(*this);
}

int64_t TReader::ReadInteger() {
  return PropCodec::ReadInteger(*this, nullptr);
}

long double TReader::ReadFloat() {
  return PropCodec::ReadFloat(*this);
}

std::string TReader::ReadString() {
  return PropCodec::ReadString(*this);
}

std::string TReader::ReadIdent() {
  if (value_.kind != Kind::Ident) InvalidValue();
  return value_.text;
}

std::vector<std::string> TReader::ReadStrings() {
  if (value_.kind != Kind::List) InvalidValue();
  std::vector<std::string> lines;
  for (const TFormValue& item : value_.list) {
    if (item.kind != Kind::String) InvalidValue();
    lines.push_back(item.text);
  }
  return lines;
}

void TReader::ReadCollection(TCollection& collection) {
  if (value_.kind != Kind::Collection) InvalidValue();
  collection.BeginUpdate();
  try {
    collection.Clear();
    for (const TFormItem& node : value_.items) {
      TCollectionItem& item = collection.Add();
      loader_->ApplyProperties(item, node.properties);
    }
  } catch (...) {
    collection.EndUpdate();
    throw;
  }
  collection.EndUpdate();
}

void TReader::AddFixup(const std::string& name, std::function<void(TComponent*)> assign) {
  loader_->AddFixup(name, Line(), std::move(assign));
}

void TReader::DefineProperty(const std::string& name, const ReadProc& read, const WriteProc&,
                             bool) {
  if (handled_ || !read || !SameTextAscii(name, propertyName_)) return;
  read(*this);
  handled_ = true;
}

void TReader::DefineBinaryProperty(const std::string& name, const StreamProc& read,
                                   const StreamProc&, bool) {
  if (handled_ || !read || !SameTextAscii(name, propertyName_)) return;
  if (value_.kind != Kind::Binary) InvalidValue();
  TReadOnlyMemoryStream stream(value_.bytes.data(), static_cast<int64_t>(value_.bytes.size()));
  read(stream);
  handled_ = true;
}

TFormObject TWriter::WriteComponent(TComponent& component) {
  TFormObject object;
  object.name = component.Name();
  object.className = component.ClassName();
  WriteProperties(component, std::string(), object.properties);
  component.GetChildren(
      [&](TComponent* child) { object.children.push_back(WriteComponent(*child)); }, root_);
  return object;
}

void TWriter::WriteProperties(TPersistent& instance, const std::string& prefix,
                              std::vector<TFormProperty>& out) {
  for (const TPropInfo* property : instance.ClassInfo().Properties()) {
    if (!property->IsStored(instance)) continue;
    const std::string path = prefix + property->Name();
    if (property->Kind() == TPropKind::pkObject) {
      if (TPersistent* sub = property->GetObject(instance)) WriteObjectProperty(*sub, path, out);
      continue;
    }
    value_ = TFormValue();
    property->Write(instance, *this);
    out.push_back(TFormProperty{path, TakeValue(), 0});
  }
  const std::string savedPrefix = definePrefix_;
  std::vector<TFormProperty>* savedOut = defineOut_;
  definePrefix_ = prefix;
  defineOut_ = &out;
  instance.DefineProperties(*this);
  definePrefix_ = savedPrefix;
  defineOut_ = savedOut;
}

void TWriter::WriteObjectProperty(TPersistent& sub, const std::string& path,
                                  std::vector<TFormProperty>& out) {
  if (auto* collection = dynamic_cast<TCollection*>(&sub)) {
    if (collection->Count() == 0) return;
    TFormValue value;
    value.kind = Kind::Collection;
    for (int i = 0; i < collection->Count(); ++i) {
      TFormItem item;
      WriteProperties(*collection->Items(i), std::string(), item.properties);
      value.items.push_back(std::move(item));
    }
    out.push_back(TFormProperty{path, std::move(value), 0});
    return;
  }
  // A component reached through an object property is written where it is owned.
  if (dynamic_cast<TComponent*>(&sub) != nullptr) return;
  WriteProperties(sub, path + ".", out);
}

void TWriter::WriteInteger(int64_t value) {
  value_ = TFormValue();
  value_.kind = Kind::Integer;
  value_.integer = value;
}

void TWriter::WriteFloat(long double value) {
  value_ = TFormValue();
  value_.kind = Kind::Float;
  value_.real = value;
}

void TWriter::WriteString(const std::string& value) {
  value_ = TFormValue();
  value_.kind = Kind::String;
  value_.text = value;
}

void TWriter::WriteIdent(const std::string& ident) {
  value_ = TFormValue();
  value_.kind = Kind::Ident;
  value_.text = ident;
}

void TWriter::WriteSet(const std::vector<std::string>& names) {
  value_ = TFormValue();
  value_.kind = Kind::Set;
  value_.names = names;
}

void TWriter::WriteStrings(const std::vector<std::string>& lines) {
  value_ = TFormValue();
  value_.kind = Kind::List;
  for (const std::string& line : lines) {
    TFormValue item;
    item.kind = Kind::String;
    item.text = line;
    value_.list.push_back(std::move(item));
  }
}

void TWriter::WriteBinary(std::vector<uint8_t> bytes) {
  value_ = TFormValue();
  value_.kind = Kind::Binary;
  value_.bytes = std::move(bytes);
}

void TWriter::DefineProperty(const std::string& name, const ReadProc&, const WriteProc& write,
                             bool hasData) {
  if (!hasData || !write || defineOut_ == nullptr) return;
  value_ = TFormValue();
  write(*this);
  defineOut_->push_back(TFormProperty{definePrefix_ + name, TakeValue(), 0});
}

void TWriter::DefineBinaryProperty(const std::string& name, const StreamProc&,
                                   const StreamProc& write, bool hasData) {
  if (!hasData || !write || defineOut_ == nullptr) return;
  TMemoryStream stream;
  write(stream);
  WriteBinary(stream.TakeBytes());
  defineOut_->push_back(TFormProperty{definePrefix_ + name, TakeValue(), 0});
}
