// Reading and writing one object's values in form data. The form reader hands a TReader to each
// property and to DefineProperties; the form writer hands a TWriter.
// Portable: never includes windows.h.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/core/Classes.h"
#include "framework/core/FormData.h"

class TStream;
class TFormLoader;
class TReader;
class TWriter;
class TCollection;

class TFiler {
 public:
  using ReadProc = std::function<void(TReader&)>;
  using WriteProc = std::function<void(TWriter&)>;
  using StreamProc = std::function<void(TStream&)>;

  virtual ~TFiler() = default;
  // A stored value that is not a published property: read by read, written by write when hasData.
  virtual void DefineProperty(const std::string& name, const ReadProc& read, const WriteProc& write,
                              bool hasData) = 0;
  // An opaque block of bytes, written in hexadecimal.
  virtual void DefineBinaryProperty(const std::string& name, const StreamProc& read,
                                    const StreamProc& write, bool hasData) = 0;
  virtual TComponent* Root() const = 0;
};

class TReader : public TFiler {
 public:
  // loader may be null when a value is set by name outside form reading (no fixups then).
  TReader(TFormLoader* loader, TComponent* root, const TFormValue& value, std::string propertyName);

  const TFormValue& Value() const { return value_; }
  int Line() const { return value_.line; }
  const std::string& PropertyName() const { return propertyName_; }
  TComponent* Root() const override { return root_; }

  bool ReadBoolean();
  int64_t ReadInteger();
  long double ReadFloat();
  std::string ReadString();
  std::string ReadIdent();
  std::vector<std::string> ReadStrings();
  // Clears the collection and adds one item per item of the value.
  void ReadCollection(TCollection& collection);

  // Resolves name among the root's components once the whole form is read.
  void AddFixup(const std::string& name, std::function<void(TComponent*)> assign);

  void DefineProperty(const std::string& name, const ReadProc& read, const WriteProc& write,
                      bool hasData) override;
  void DefineBinaryProperty(const std::string& name, const StreamProc& read,
                            const StreamProc& write, bool hasData) override;
  bool Handled() const { return handled_; }

  // EParserError "Invalid property value" (the form reader adds line and path).
  [[noreturn]] void InvalidValue() const;

 private:
  TFormLoader* loader_;
  TComponent* root_;
  const TFormValue& value_;
  std::string propertyName_;
  bool handled_ = false;
};

class TWriter : public TFiler {
 public:
  explicit TWriter(TComponent* root) : root_(root) {}
  TComponent* Root() const override { return root_; }

  // The form data of a component tree: root, its properties, its children.
  // (Writing asks each object for its defined properties, which is not a const operation.)
  TFormObject WriteComponent(TComponent& component);
  // The stored properties of an object (published ones by their rules, then defined ones).
  void WriteProperties(TPersistent& instance, const std::string& prefix,
                       std::vector<TFormProperty>& out);

  // Called by a property's Write: sets the value of the property being written.
  void SetValue(TFormValue value) { value_ = std::move(value); }
  TFormValue TakeValue() { return std::move(value_); }
  void WriteInteger(int64_t value);
  void WriteFloat(long double value);
  void WriteString(const std::string& value);
  void WriteIdent(const std::string& ident);
  void WriteBoolean(bool value) { WriteIdent(value ? "True" : "False"); }
  void WriteSet(const std::vector<std::string>& names);
  void WriteStrings(const std::vector<std::string>& lines);
  void WriteBinary(std::vector<uint8_t> bytes);

  void DefineProperty(const std::string& name, const ReadProc& read, const WriteProc& write,
                      bool hasData) override;
  void DefineBinaryProperty(const std::string& name, const StreamProc& read,
                            const StreamProc& write, bool hasData) override;

 private:
  void WriteObjectProperty(TPersistent& sub, const std::string& path,
                           std::vector<TFormProperty>& out);

  TComponent* root_;
  TFormValue value_;
  std::string definePrefix_;
  std::vector<TFormProperty>* defineOut_ = nullptr;
};
