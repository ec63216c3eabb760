#include <cmath>
#include <cstdlib>
#include <limits>

#include "framework/core/FormData.h"
#include "framework/core/SysUtils.h"

namespace {

// Deep nesting is refused rather than recursed into.
constexpr int kMaxDepth = 100;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void AppendUtf8(std::string& out, uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  TFormObject ParseRoot() {
    SkipBlanks();
    TFormObject root = ParseObject(0);
    SkipBlanks();
    if (!AtEnd()) Fail("Text after the final 'end'");
    return root;
  }

  TFormValue ParseSingleValue() {
    SkipBlanks();
    TFormValue value = ParseValue(0);
    SkipBlanks();
    if (!AtEnd()) Fail("Unexpected text after the value");
    return value;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw EParserError(Format("Line %d: %s", line_, what.c_str()));
  }

  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek(size_t ahead = 0) const {
    return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
  }
  char Next() {
    const char c = text_[pos_++];
    if (c == '\n') ++line_;
    return c;
  }

  void SkipBlanks() {
    while (!AtEnd() && static_cast<unsigned char>(Peek()) <= ' ')
      Next();
  }

  void Expect(char c, const char* what) {
    SkipBlanks();
    if (Peek() != c || AtEnd()) Fail(Format("%s expected", what));
    Next();
  }

  std::string ReadIdent(const char* what) {
    SkipBlanks();
    if (!IsIdentStartAscii(Peek())) Fail(Format("%s expected", what));
    std::string ident;
    while (!AtEnd() && IsIdentCharAscii(Peek()))
      ident += Next();
    return ident;
  }

  // An identifier that may be qualified: Font.Style, Form1.Component.
  std::string ReadDottedIdent(const char* what) {
    std::string ident = ReadIdent(what);
    while (Peek() == '.' && IsIdentStartAscii(Peek(1))) {
      Next();
      ident += '.';
      ident += ReadIdent(what);
    }
    return ident;
  }

  bool NextWordIs(const char* word) {
    SkipBlanks();
    size_t i = 0;
    for (; word[i] != '\0'; ++i) {
      const char c = Peek(i);
      const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
      if (lower != word[i]) return false;
    }
    return !IsIdentCharAscii(Peek(i));
  }

  TFormObject ParseObject(int depth) {
    if (depth > kMaxDepth) Fail("Objects nested too deeply");
    TFormObject object;
    object.line = line_;
    const std::string keyword = LowerCaseAscii(ReadIdent("'object'"));
    if (keyword == "inherited") {
      object.inherited = true;
    } else if (keyword != "object" && keyword != "inline") {
      Fail("'object' expected");
    }
    std::string first = ReadIdent("Component name");
    SkipBlanks();
    if (Peek() == ':') {
      Next();
      object.name = first;
      object.className = ReadIdent("Class name");
    } else {
      object.className = first;
    }
    for (;;) {
      SkipBlanks();
      if (AtEnd()) Fail("'end' expected");
      if (NextWordIs("end")) {
        ReadIdent("'end'");
        return object;
      }
      if (NextWordIs("object") || NextWordIs("inherited") || NextWordIs("inline")) {
        object.children.push_back(ParseObject(depth + 1));
      } else {
        if (!object.children.empty()) Fail("'end' expected");
        object.properties.push_back(ParseProperty(depth));
      }
    }
  }

  TFormProperty ParseProperty(int depth) {
    TFormProperty property;
    property.line = line_;
    property.name = ReadDottedIdent("Property name");
    Expect('=', "'='");
    property.value = ParseValue(depth + 1);
    return property;
  }

  TFormValue ParseValue(int depth) {
    if (depth > kMaxDepth) Fail("Values nested too deeply");
    SkipBlanks();
    TFormValue value;
    value.line = line_;
    const char c = Peek();
    if (AtEnd()) Fail("Value expected");
    if (c == '\'' || c == '#') {
      value.kind = TFormValue::Kind::String;
      value.text = ParseString();
    } else if (IsDigit(c) || c == '-' || c == '+' || c == '$') {
      ParseNumber(value);
    } else if (IsIdentStartAscii(c)) {
      value.kind = TFormValue::Kind::Ident;
      value.text = ReadDottedIdent("Identifier");
    } else if (c == '[') {
      ParseSet(value);
    } else if (c == '(') {
      Next();
      value.kind = TFormValue::Kind::List;
      for (;;) {
        SkipBlanks();
        if (AtEnd()) Fail("')' expected");
        if (Peek() == ')') {
          Next();
          break;
        }
        value.list.push_back(ParseValue(depth + 1));
      }
    } else if (c == '<') {
      ParseCollection(value, depth);
    } else if (c == '{') {
      ParseBinary(value);
    } else {
      Fail(Format("Invalid character '%c' in a value", c >= ' ' && c < 127 ? c : '?'));
    }
    return value;
  }

  std::string ParseString() {
    std::string result;
    // Pieces join when adjacent ('a'#13'b') or with an explicit plus; blanks alone separate
    // list items.
    for (bool first = true;; first = false) {
      if (first) SkipBlanks();
      const char c = Peek();
      if (c == '\'') {
        Next();
        for (;;) {
          if (AtEnd() || Peek() == '\n' || Peek() == '\r') Fail("Unterminated string");
          const char ch = Next();
          if (ch == '\'') {
            if (Peek() == '\'') {
              Next();
              result += '\'';
            } else {
              break;
            }
          } else {
            result += ch;
          }
        }
      } else if (c == '#') {
        Next();
        uint32_t code = 0;
        if (!IsDigit(Peek())) Fail("Character code expected after '#'");
        while (IsDigit(Peek())) {
          code = code * 10 + static_cast<uint32_t>(Next() - '0');
          if (code > 0x10FFFF) Fail("Character code out of range");
        }
        if (code < 256)
          result += static_cast<char>(code);
        else
          AppendUtf8(result, code);
      } else if (PeekAfterBlanks(0) == '+' && IsStringStart(PeekAfterPlus())) {
        SkipBlanks();
        Next();
        SkipBlanks();
      } else {
        return result;
      }
    }
  }

  static bool IsStringStart(char c) { return c == '\'' || c == '#'; }
  char PeekAfterPlus() const {
    size_t i = pos_;
    while (i < text_.size() && static_cast<unsigned char>(text_[i]) <= ' ')
      ++i;
    if (i >= text_.size() || text_[i] != '+') return '\0';
    ++i;
    while (i < text_.size() && static_cast<unsigned char>(text_[i]) <= ' ')
      ++i;
    return i < text_.size() ? text_[i] : '\0';
  }
  // The first non-blank character from offset ahead on, without consuming anything.
  char PeekAfterBlanks(size_t ahead) const {
    size_t i = pos_ + ahead;
    while (i < text_.size() && static_cast<unsigned char>(text_[i]) <= ' ')
      ++i;
    return i < text_.size() ? text_[i] : '\0';
  }

  void ParseNumber(TFormValue& value) {
    std::string digits;
    bool negative = false;
    if (Peek() == '-' || Peek() == '+') negative = Next() == '-';
    if (Peek() == '$') {
      Next();
      uint64_t number = 0;
      int count = 0;
      while (HexDigit(Peek()) >= 0) {
        if (++count > 16) Fail("Hexadecimal number too long");
        number = number * 16 + static_cast<uint64_t>(HexDigit(Next()));
      }
      if (count == 0) Fail("Hexadecimal digits expected");
      value.kind = TFormValue::Kind::Integer;
      value.integer = static_cast<int64_t>(number);
      if (negative) value.integer = static_cast<int64_t>(0 - number);
      return;
    }
    if (!IsDigit(Peek())) Fail("Number expected");
    bool isFloat = false;
    while (IsDigit(Peek()))
      digits += Next();
    if (Peek() == '.' && IsDigit(Peek(1))) {
      isFloat = true;
      digits += Next();
      while (IsDigit(Peek()))
        digits += Next();
    }
    if ((Peek() == 'e' || Peek() == 'E') &&
        (IsDigit(Peek(1)) || ((Peek(1) == '-' || Peek(1) == '+') && IsDigit(Peek(2))))) {
      isFloat = true;
      digits += Next();
      if (Peek() == '-' || Peek() == '+') digits += Next();
      while (IsDigit(Peek()))
        digits += Next();
    }
    if (digits.size() > 400) Fail("Number too long");
    if (isFloat) {
      value.kind = TFormValue::Kind::Float;
      value.real = std::strtold(digits.c_str(), nullptr);
      if (!std::isfinite(value.real)) Fail("Number out of range");
      if (negative) value.real = -value.real;
      return;
    }
    uint64_t number = 0;
    for (char d : digits) {
      const uint64_t next = number * 10 + static_cast<uint64_t>(d - '0');
      if (number > (std::numeric_limits<uint64_t>::max() - 9) / 10) Fail("Integer out of range");
      number = next;
    }
    const uint64_t limit = negative ? uint64_t{1} << 63 : (uint64_t{1} << 63) - 1;
    if (number > limit) Fail("Integer out of range");
    value.kind = TFormValue::Kind::Integer;
    value.integer = negative ? static_cast<int64_t>(0 - number) : static_cast<int64_t>(number);
  }

  void ParseSet(TFormValue& value) {
    Next();
    value.kind = TFormValue::Kind::Set;
    SkipBlanks();
    if (Peek() == ']') {
      Next();
      return;
    }
    for (;;) {
      value.names.push_back(ReadIdent("Set element"));
      SkipBlanks();
      if (Peek() == ']') {
        Next();
        return;
      }
      Expect(',', "',' or ']'");
    }
  }

  void ParseCollection(TFormValue& value, int depth) {
    Next();
    value.kind = TFormValue::Kind::Collection;
    for (;;) {
      SkipBlanks();
      if (AtEnd()) Fail("'>' expected");
      if (Peek() == '>') {
        Next();
        return;
      }
      if (!NextWordIs("item")) Fail("'item' expected");
      TFormItem item;
      item.line = line_;
      ReadIdent("'item'");
      for (;;) {
        SkipBlanks();
        if (AtEnd()) Fail("'end' expected");
        if (NextWordIs("end")) {
          ReadIdent("'end'");
          break;
        }
        item.properties.push_back(ParseProperty(depth + 1));
      }
      value.items.push_back(std::move(item));
    }
  }

  void ParseBinary(TFormValue& value) {
    Next();
    value.kind = TFormValue::Kind::Binary;
    int high = -1;
    for (;;) {
      if (AtEnd()) Fail("'}' expected");
      const char c = Next();
      if (c == '}') break;
      if (static_cast<unsigned char>(c) <= ' ') continue;
      const int digit = HexDigit(c);
      if (digit < 0) Fail("Invalid binary data");
      if (high < 0) {
        high = digit;
      } else {
        value.bytes.push_back(static_cast<uint8_t>(high * 16 + digit));
        high = -1;
      }
    }
    if (high >= 0) Fail("Odd number of hexadecimal digits in binary data");
  }

  std::string_view text_;
  size_t pos_ = 0;
  int line_ = 1;
};

void AppendIndent(std::string& out, int indent) {
  out.append(static_cast<size_t>(indent), ' ');
}

std::string FormatFloat(long double value) {
  // The shortest form that reads back to the same value.
  for (int digits = 15; digits <= 21; ++digits) {
    std::string text = Format("%.*Lg", digits, value);
    if (std::strtold(text.c_str(), nullptr) == value) {
      if (text.find_first_of(".eEn") == std::string::npos) text += ".0";
      return text;
    }
  }
  return Format("%.21Lg", value);
}

}  // namespace

namespace FormData {

TFormObject Parse(std::string_view text) {
  return Parser(text).ParseRoot();
}

TFormValue ParseValue(std::string_view text) {
  return Parser(text).ParseSingleValue();
}

std::string QuoteString(const std::string& bytes) {
  if (bytes.empty()) return "''";
  std::string out;
  bool quoted = false;
  for (char ch : bytes) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c >= 32 && c < 127) {
      if (!quoted) {
        out += '\'';
        quoted = true;
      }
      if (c == '\'') out += '\'';
      out += ch;
    } else {
      if (quoted) {
        out += '\'';
        quoted = false;
      }
      out += '#';
      out += std::to_string(c);
    }
  }
  if (quoted) out += '\'';
  return out;
}

std::string FormatValue(const TFormValue& value, int indent) {
  std::string out;
  switch (value.kind) {
    case TFormValue::Kind::Integer:
      return std::to_string(value.integer);
    case TFormValue::Kind::Float:
      return FormatFloat(value.real);
    case TFormValue::Kind::String:
      return QuoteString(value.text);
    case TFormValue::Kind::Ident:
      return value.text;
    case TFormValue::Kind::Set: {
      out = "[";
      for (size_t i = 0; i < value.names.size(); ++i) {
        if (i > 0) out += ", ";
        out += value.names[i];
      }
      return out + "]";
    }
    case TFormValue::Kind::List:
      out = "(";
      for (const TFormValue& item : value.list) {
        out += '\n';
        AppendIndent(out, indent + 2);
        out += FormatValue(item, indent + 2);
      }
      return out + ")";
    case TFormValue::Kind::Collection:
      out = "<";
      for (const TFormItem& item : value.items) {
        out += '\n';
        AppendIndent(out, indent + 2);
        out += "item";
        for (const TFormProperty& property : item.properties) {
          out += '\n';
          AppendIndent(out, indent + 4);
          out += property.name + " = " + FormatValue(property.value, indent + 4);
        }
        out += '\n';
        AppendIndent(out, indent + 2);
        out += "end";
      }
      return out + ">";
    case TFormValue::Kind::Binary: {
      static const char kHex[] = "0123456789ABCDEF";
      out = "{";
      for (size_t i = 0; i < value.bytes.size(); ++i) {
        if (i % 32 == 0) {
          out += '\n';
          AppendIndent(out, indent + 2);
        }
        out += kHex[value.bytes[i] >> 4];
        out += kHex[value.bytes[i] & 15];
      }
      return out + "}";
    }
  }
  return out;
}

}  // namespace FormData
