#include "dialer/DorvFunctions.h"

#include <windows.h>
#include <wininet.h>

#include "framework/core/SysUtils.h"
#include "framework/win/Registry.h"
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

void AddRunEntry(const std::string& EntryName, const std::string& Command, bool RunOnce) {
  const std::string path = RunKeyPath(RunOnce);
  TRegistry registry(HKEY_LOCAL_MACHINE, KEY_ALL_ACCESS);
  registry.CreateKey(path);
  if (!registry.OpenKey(path, false)) return;
  registry.WriteString(EntryName, Command);
}

void RemoveRunEntry(const std::string& EntryName, bool RunOnce) {
  TRegistry registry(HKEY_LOCAL_MACHINE, KEY_ALL_ACCESS);
  if (!registry.OpenKey(RunKeyPath(RunOnce), false)) return;
  registry.DeleteValue(EntryName);
}

bool RunEntryMatches(const std::string& EntryName, const std::string& Command, bool RunOnce) {
  std::string stored;
  {
    TRegistry registry(HKEY_LOCAL_MACHINE, KEY_ALL_ACCESS);
    if (registry.OpenKey(RunKeyPath(RunOnce), false) && registry.ValueExists(EntryName))
      stored = registry.ReadString(EntryName);
  }
  return SameTextAscii(stored, Command);
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
