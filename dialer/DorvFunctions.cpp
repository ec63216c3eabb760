#include "dialer/DorvFunctions.h"

#include <algorithm>

#include <windows.h>
#include <wininet.h>

#include "framework/core/SysUtils.h"
#include "framework/win/platform/Registry.h"
#include "dialer/InternetApi.h"
#include "dialer/InternetHandle.h"

namespace DorvFunctions {

namespace {

constexpr DWORD kDialForceOnline = INTERNET_AUTODIAL_FORCE_ONLINE;          // 1
constexpr DWORD kDialForceUnattended = INTERNET_AUTODIAL_FORCE_UNATTENDED;  // 2
constexpr DWORD kOpenTypeDirect = INTERNET_OPEN_TYPE_DIRECT;                // 1
constexpr DWORD kOpenOffline = INTERNET_FLAG_OFFLINE;                       // 0x01000000
constexpr DWORD kOptionSettingsChanged = INTERNET_OPTION_SETTINGS_CHANGED;  // 39

}  // namespace

bool IsOnline() noexcept {
  try {
    DWORD flags = 0;
    return InternetApi().GetConnectedState(&flags, 0) != FALSE;
  } catch (...) {
    return false;
  }
}

bool DialDefaultConnection(bool Unattended) {
  const DWORD flags = Unattended ? (kDialForceOnline | kDialForceUnattended) : kDialForceOnline;
  return InternetApi().Autodial(flags, nullptr) != FALSE;
}

bool HangUpConnection() {
  return InternetApi().AutodialHangup(0) != FALSE;
}

std::string RunKeyPath(bool RunOnce) {
  std::string path = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  if (RunOnce) path += "Once";
  return path;
}

namespace {

// What the platform answers a standard account that asks to change a key for all users.
bool RefusedForLackOfRights(LSTATUS status) {
  return status == ERROR_ACCESS_DENIED;
}

// Equal when the texts differ at most in the case of the ASCII letters A-Z / a-z.
bool SameTextAscii(const std::wstring& a, const std::wstring& b) {
  const auto fold = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [&](wchar_t x, wchar_t y) { return fold(x) == fold(y); });
}

// Writes the entry under root; false when the account may not write there.
bool WriteEntry(HKEY root, const std::string& path, const std::string& name,
                const std::wstring& command) {
  TRegistry registry(root, KEY_ALL_ACCESS);
  try {
    registry.CreateKey(path);
  } catch (const ERegistryException&) {
    if (RefusedForLackOfRights(registry.LastError())) return false;
    throw;
  }
  if (!registry.OpenKey(path, false)) return !RefusedForLackOfRights(registry.LastError());
  registry.WriteWideString(name, command);
  return true;
}

// Deletes the entry under root; false when the account may not.
bool DeleteEntry(HKEY root, const std::string& path, const std::string& name) {
  TRegistry registry(root, KEY_ALL_ACCESS);
  if (!registry.OpenKey(path, false)) return !RefusedForLackOfRights(registry.LastError());
  // A missing value is no error.
  registry.DeleteValue(name);
  return true;
}

bool EntryExists(HKEY root, const std::string& path, const std::string& name) {
  TRegistry registry(root, KEY_READ);
  return registry.OpenKey(path, false) && registry.ValueExists(name);
}

// The entry's text under root, empty when the key or the value is missing.
std::wstring StoredEntry(HKEY root, const std::string& path, const std::string& name) {
  TRegistry registry(root, KEY_READ);
  if (!registry.OpenKey(path, false) || !registry.ValueExists(name)) return std::wstring();
  return registry.ReadWideString(name);
}

}  // namespace

void AddRunEntry(const std::string& EntryName, const std::wstring& Command, bool RunOnce) {
  const std::string path = RunKeyPath(RunOnce);
  if (WriteEntry(HKEY_LOCAL_MACHINE, path, EntryName, Command)) return;
  if (!WriteEntry(HKEY_CURRENT_USER, path, EntryName, Command))
    throw ERegistryException(Format("Failed to create key %s", path.c_str()));
}

bool RemoveRunEntry(const std::string& EntryName, bool RunOnce) {
  const std::string path = RunKeyPath(RunOnce);
  const bool machineRefused = !DeleteEntry(HKEY_LOCAL_MACHINE, path, EntryName);
  DeleteEntry(HKEY_CURRENT_USER, path, EntryName);
  return !(machineRefused && EntryExists(HKEY_LOCAL_MACHINE, path, EntryName));
}

bool RunEntryMatches(const std::string& EntryName, const std::wstring& Command, bool RunOnce) {
  const std::string path = RunKeyPath(RunOnce);
  return SameTextAscii(StoredEntry(HKEY_LOCAL_MACHINE, path, EntryName), Command) ||
         SameTextAscii(StoredEntry(HKEY_CURRENT_USER, path, EntryName), Command);
}

bool NotifyInternetSettingsChanged(const std::string& agent) noexcept {
  try {
    const TInternetHandle session(
        InternetApi().Open(agent.c_str(), kOpenTypeDirect, nullptr, nullptr, kOpenOffline));
    if (!session) return false;
    // The session is closed on leaving, whatever the option call answered.
    return InternetApi().SetOption(session.Get(), kOptionSettingsChanged, nullptr, 0) != FALSE;
  } catch (...) {
    return false;
  }
}

}  // namespace DorvFunctions
