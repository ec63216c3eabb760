// A list of strings with change notification (form data: Lines.Strings = ('a' 'b')).
// Portable: never includes windows.h.
#pragma once

#include <string>
#include <vector>

#include "framework/core/Classes.h"

class TStringList : public TPersistent {
  DV_CLASS(TStringList)
 public:
  TStringList() = default;

  int Count() const { return static_cast<int>(lines_.size()); }
  const std::string& Strings(int index) const { return lines_.at(static_cast<size_t>(index)); }
  const std::vector<std::string>& Lines() const { return lines_; }
  void SetLines(std::vector<std::string> lines);
  void Add(const std::string& line);
  void Clear();
  // The lines joined with CR LF after each.
  std::string Text() const;
  // Splits at CR LF, LF or CR.
  void SetText(const std::string& text);
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();

  void Assign(const TPersistent* source) override;
  void DefineProperties(TFiler& filer) override;

  TNotifyEvent OnChange;

 private:
  void Changed();

  std::vector<std::string> lines_;
  int updateCount_ = 0;
  bool changedInUpdate_ = false;
};
