#include "framework/core/StringList.h"

#include "framework/core/Filer.h"
#include "framework/core/TypInfo.h"

const TClassInfo& TStringList::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TStringList, TPersistent>("TStringList");
  return info;
}

void TStringList::SetLines(std::vector<std::string> lines) {
  if (lines == lines_) return;
  lines_ = std::move(lines);
  Changed();
}

void TStringList::Add(const std::string& line) {
  lines_.push_back(line);
  Changed();
}

void TStringList::Clear() {
  if (lines_.empty()) return;
  lines_.clear();
  Changed();
}

std::string TStringList::Text() const {
  std::string text;
  for (const std::string& line : lines_)
    text += line + "\r\n";
  return text;
}

void TStringList::SetText(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
      ++end;
    start = end + 1;
  }
  SetLines(std::move(lines));
}

void TStringList::EndUpdate() {
  if (updateCount_ > 0) --updateCount_;
  if (updateCount_ == 0 && changedInUpdate_) {
    changedInUpdate_ = false;
    OnChange(this);
  }
}

void TStringList::Assign(const TPersistent* source) {
  if (const auto* other = dynamic_cast<const TStringList*>(source)) {
    SetLines(other->lines_);
    return;
  }
  TPersistent::Assign(source);
}

void TStringList::DefineProperties(TFiler& filer) {
  filer.DefineProperty(
      "Strings", [this](TReader& reader) { SetLines(reader.ReadStrings()); },
      [this](TWriter& writer) { writer.WriteStrings(lines_); }, !lines_.empty());
}

void TStringList::Changed() {
  if (updateCount_ > 0) {
    changedInUpdate_ = true;
    return;
  }
  OnChange(this);
}
