// The parsed form definition: a tree of objects with property values, before any component exists.
// Portable: never includes windows.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TFormItem;

struct TFormValue {
  enum class Kind { Integer, Float, String, Ident, Set, List, Collection, Binary };
  Kind kind = Kind::Integer;
  int line = 0;
  int64_t integer = 0;
  long double real = 0;
  std::string text;                // String: the bytes; Ident: the identifier
  std::vector<std::string> names;  // Set
  std::vector<TFormValue> list;    // List
  std::vector<TFormItem> items;    // Collection
  std::vector<uint8_t> bytes;      // Binary
};

struct TFormProperty {
  std::string name;  // may be a path: Font.Style
  TFormValue value;
  int line = 0;
};

struct TFormItem {
  std::vector<TFormProperty> properties;
  int line = 0;
};

struct TFormObject {
  std::string name;
  std::string className;
  bool inherited = false;
  std::vector<TFormProperty> properties;
  std::vector<TFormObject> children;
  int line = 0;
};

namespace FormData {
// Parses form-definition text; malformed text fails with EParserError "Line N: ...".
TFormObject Parse(std::string_view text);
// Parses one property value in form-data syntax (for by-name property access).
TFormValue ParseValue(std::string_view text);
// Text of one value in form-data syntax, as the writer lays it out (indent for continuation lines).
std::string FormatValue(const TFormValue& value, int indent = 0);
// A string literal: printable ASCII in quotes, other bytes as #n.
std::string QuoteString(const std::string& bytes);
}  // namespace FormData
