// Visual themes: whether they are active for this process, and themed drawing through uxtheme
// loaded at run time (a missing uxtheme or function means "no themes").
#pragma once

#include <windows.h>

#include <uxtheme.h>

// True only when uxtheme says so (IsThemeActive and IsAppThemed) and the process runs comctl32
// version 6 or later. Never throws.
bool ThemesActive();
// The major version of the comctl32 this process loads (6 with a common-controls manifest),
// 0 when it cannot be asked.
int CommonControlsMajorVersion();

// Forces the answer of ThemesActive() for its lifetime (tests). Scopes nest; the innermost wins.
class ThemesOverride {
 public:
  explicit ThemesOverride(bool active);
  ~ThemesOverride();
  ThemesOverride(const ThemesOverride&) = delete;
  ThemesOverride& operator=(const ThemesOverride&) = delete;

 private:
  const ThemesOverride* outer_;
  bool active_;
  friend bool ThemesActive();
};

// An open theme (OpenThemeData), closed with CloseThemeData. Empty when uxtheme is missing or
// has no theme data for the class list.
class ThemeData {
 public:
  ThemeData() = default;
  ThemeData(HWND window, const wchar_t* classList);
  ~ThemeData();
  ThemeData(ThemeData&& other) noexcept;
  ThemeData& operator=(ThemeData&& other) noexcept;
  ThemeData(const ThemeData&) = delete;
  ThemeData& operator=(const ThemeData&) = delete;

  HTHEME Get() const { return theme_; }
  explicit operator bool() const { return theme_ != nullptr; }
  // DrawThemeBackground of a part in a state; false without a theme or when the call fails.
  bool DrawBackground(HDC dc, int part, int state, const RECT& rect,
                      const RECT* clip = nullptr) const;

 private:
  void Close();
  HTHEME theme_ = nullptr;
};

// DrawThemeParentBackground; false when uxtheme lacks it or the call fails.
bool DrawParentBackground(HWND window, HDC dc, const RECT* rect);
