#include "framework/win/platform/Themes.h"

#include <shlwapi.h>

#include <utility>

namespace {

// uxtheme's entry points, looked up once; the library stays loaded for the process's life.
struct ThemeApi {
  using IsThemeActiveProc = BOOL(WINAPI*)();
  using IsAppThemedProc = BOOL(WINAPI*)();
  using OpenThemeDataProc = HTHEME(WINAPI*)(HWND, LPCWSTR);
  using CloseThemeDataProc = HRESULT(WINAPI*)(HTHEME);
  using DrawThemeBackgroundProc = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, const RECT*);
  using DrawThemeParentBackgroundProc = HRESULT(WINAPI*)(HWND, HDC, const RECT*);

  IsThemeActiveProc isThemeActive = nullptr;
  IsAppThemedProc isAppThemed = nullptr;
  OpenThemeDataProc openThemeData = nullptr;
  CloseThemeDataProc closeThemeData = nullptr;
  DrawThemeBackgroundProc drawThemeBackground = nullptr;
  DrawThemeParentBackgroundProc drawThemeParentBackground = nullptr;

  template <class F>
  static F Find(HMODULE module, const char* name) {
    return module != nullptr
               ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)))
               : nullptr;
  }
};

const ThemeApi& Api() {
  static const ThemeApi api = [] {
    ThemeApi result;
    HMODULE module = LoadLibraryA("uxtheme.dll");
    result.isThemeActive = ThemeApi::Find<ThemeApi::IsThemeActiveProc>(module, "IsThemeActive");
    result.isAppThemed = ThemeApi::Find<ThemeApi::IsAppThemedProc>(module, "IsAppThemed");
    result.openThemeData = ThemeApi::Find<ThemeApi::OpenThemeDataProc>(module, "OpenThemeData");
    result.closeThemeData = ThemeApi::Find<ThemeApi::CloseThemeDataProc>(module, "CloseThemeData");
    result.drawThemeBackground =
        ThemeApi::Find<ThemeApi::DrawThemeBackgroundProc>(module, "DrawThemeBackground");
    result.drawThemeParentBackground = ThemeApi::Find<ThemeApi::DrawThemeParentBackgroundProc>(
        module, "DrawThemeParentBackground");
    return result;
  }();
  return api;
}

const ThemesOverride* innermostOverride = nullptr;

}  // namespace

int CommonControlsMajorVersion() {
  static const int version = [] {
    using DllGetVersionProc = HRESULT(CALLBACK*)(DLLVERSIONINFO*);
    HMODULE module = LoadLibraryA("comctl32.dll");
    const auto getVersion =
        module != nullptr ? reinterpret_cast<DllGetVersionProc>(
                                reinterpret_cast<void*>(GetProcAddress(module, "DllGetVersion")))
                          : nullptr;
    DLLVERSIONINFO info{};
    info.cbSize = sizeof info;
    if (getVersion == nullptr || FAILED(getVersion(&info))) return 0;
    return static_cast<int>(info.dwMajorVersion);
  }();
  return version;
}

bool ThemesActive() {
  if (innermostOverride != nullptr) return innermostOverride->active_;
  const ThemeApi& api = Api();
  if (api.isThemeActive == nullptr || api.isAppThemed == nullptr) return false;
  return api.isThemeActive() && api.isAppThemed() && CommonControlsMajorVersion() >= 6;
}

ThemesOverride::ThemesOverride(bool active) : outer_(innermostOverride), active_(active) {
  innermostOverride = this;
}

ThemesOverride::~ThemesOverride() {
  innermostOverride = outer_;
}

ThemeData::ThemeData(HWND window, const wchar_t* classList) {
  const ThemeApi& api = Api();
  if (api.openThemeData != nullptr && api.closeThemeData != nullptr)
    theme_ = api.openThemeData(window, classList);
}

ThemeData::~ThemeData() {
  Close();
}

ThemeData::ThemeData(ThemeData&& other) noexcept : theme_(std::exchange(other.theme_, nullptr)) {}

ThemeData& ThemeData::operator=(ThemeData&& other) noexcept {
  if (this != &other) {
    Close();
    theme_ = std::exchange(other.theme_, nullptr);
  }
  return *this;
}

void ThemeData::Close() {
  if (theme_ != nullptr) Api().closeThemeData(theme_);
  theme_ = nullptr;
}

bool ThemeData::DrawBackground(HDC dc, int part, int state, const RECT& rect,
                               const RECT* clip) const {
  const ThemeApi& api = Api();
  if (theme_ == nullptr || api.drawThemeBackground == nullptr) return false;
  return SUCCEEDED(api.drawThemeBackground(theme_, dc, part, state, &rect, clip));
}

bool DrawParentBackground(HWND window, HDC dc, const RECT* rect) {
  const ThemeApi& api = Api();
  if (api.drawThemeParentBackground == nullptr) return false;
  return SUCCEEDED(api.drawThemeParentBackground(window, dc, rect));
}
