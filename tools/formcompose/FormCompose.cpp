#include "tools/formcompose/FormCompose.h"

#include "framework/core/FormData.h"
#include "framework/core/SysUtils.h"

namespace {

bool IsNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

std::string_view WithoutLineEnd(std::string_view line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
    line.remove_suffix(1);
  return line;
}

// The binary block as the form writer lays it out, with the template's own line ending.
std::string Block(const std::vector<uint8_t>& bytes, size_t indent, std::string_view lineEnd) {
  TFormValue value;
  value.kind = TFormValue::Kind::Binary;
  value.bytes = bytes;
  const std::string text = FormData::FormatValue(value, static_cast<int>(indent));
  std::string out(indent, ' ');
  for (char c : text) {
    if (c == '\n') {
      out += lineEnd.empty() ? std::string_view("\n") : lineEnd;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

std::string PlaceholderName(std::string_view line) {
  line = WithoutLineEnd(line);
  const size_t start = line.find_first_not_of(" \t");
  if (start == std::string_view::npos) return {};
  const std::string_view body = line.substr(start);
  if (body.size() < 5 || body.substr(0, 2) != "{{" || body.substr(body.size() - 2) != "}}")
    return {};
  const std::string_view name = body.substr(2, body.size() - 4);
  for (char c : name) {
    if (!IsNameChar(c)) return {};
  }
  return std::string(name);
}

std::string ComposeForm(std::string_view templateText, const TFormBlocks& blocks) {
  std::string out;
  out.reserve(templateText.size());
  int lineNumber = 0;
  while (!templateText.empty()) {
    ++lineNumber;
    const size_t end = templateText.find('\n');
    const size_t length = end == std::string_view::npos ? templateText.size() : end + 1;
    const std::string_view line = templateText.substr(0, length);
    templateText.remove_prefix(length);

    const std::string name = PlaceholderName(line);
    if (name.empty()) {
      out += line;
      continue;
    }
    const auto block = blocks.find(name);
    if (block == blocks.end()) {
      throw Exception(Format("Line %d: no data given for {{%s}}", lineNumber, name.c_str()));
    }
    const size_t indent = line.find_first_not_of(' ');
    if (line[indent] != '{') {
      throw Exception(
          Format("Line %d: {{%s}} must be indented with spaces", lineNumber, name.c_str()));
    }
    const std::string_view lineEnd = line.substr(WithoutLineEnd(line).size());
    out += Block(block->second, indent, lineEnd);
    out += lineEnd;
  }
  return out;
}
