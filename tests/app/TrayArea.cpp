#include "tests/app/TrayArea.h"

#include <algorithm>

#include "tests/app/WindowQueries.h"

std::vector<HWND> TrayIconWindows() {
  std::vector<HWND> icons;
  HWND tray = nullptr;
  while ((tray = FindWindowExA(nullptr, tray, "__winex11_standalone_tray", nullptr)) != nullptr) {
    for (HWND icon : ChildWindows(tray, "__winex11_tray_icon")) {
      if (IsWindowVisible(icon)) icons.push_back(icon);
    }
  }
  return icons;
}

std::vector<HWND> AddedTrayIcons(const std::vector<HWND>& before, const std::vector<HWND>& now) {
  std::vector<HWND> added;
  for (HWND icon : now) {
    if (std::find(before.begin(), before.end(), icon) == before.end()) added.push_back(icon);
  }
  return added;
}
