// Reads a shell shortcut (.lnk) through the shell's own link object, as Explorer would.
#pragma once

#include <optional>
#include <string>

struct TShortcut {
  std::wstring target;
  std::wstring workingFolder;
  std::wstring iconFile;
  int iconIndex = 0;
};

// Nullopt when the file is missing or no shortcut.
std::optional<TShortcut> ReadShortcut(const std::wstring& path);
