#include "framework/core/SysUtils.h"

#include <cstdio>
#include <vector>

std::string FormatV(const char* format, va_list args) {
  va_list copy;
  va_copy(copy, args);
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (length <= 0) return std::string();
  std::string result(static_cast<size_t>(length) + 1, '\0');
  std::vsnprintf(result.data(), result.size(), format, args);
  result.resize(static_cast<size_t>(length));
  return result;
}

std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string result = FormatV(format, args);
  va_end(args);
  return result;
}

EInvalidPropertyIndex::EInvalidPropertyIndex(int index)
    : Exception(Format("Invalid property index %d.", index)) {}

void ThrowCannotAssign(const std::string& sourceClass, const std::string& targetClass) {
  throw EConvertError(
      Format("Cannot assign a %s to a %s", sourceClass.c_str(), targetClass.c_str()));
}

static char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

bool SameTextAscii(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}

bool IsIdentStartAscii(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsIdentCharAscii(char c) {
  return IsIdentStartAscii(c) || (c >= '0' && c <= '9');
}

bool IsValidIdentAscii(std::string_view text) {
  if (text.empty() || !IsIdentStartAscii(text.front())) return false;
  for (const char c : text)
    if (!IsIdentCharAscii(c)) return false;
  return true;
}

std::string LowerCaseAscii(std::string text) {
  for (char& c : text)
    c = LowerAscii(c);
  return text;
}

std::string TrimSpaces(const std::string& text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ')
    ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ')
    --end;
  return text.substr(begin, end - begin);
}
