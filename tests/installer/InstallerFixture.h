// The installer and its uninstaller run under Wine as a user would run them, and what they leave
// in the prefix: the program's folder, its Start-menu shortcut, its uninstall entry, its Run
// entries and its settings in both hives. Each test starts and ends without any of them.
#pragma once

#include <optional>
#include <string>

#include <gtest/gtest.h>
#include <windows.h>

inline const wchar_t kProduct[] = L"Dorv Internet Auto-Dialer";
inline const wchar_t kUninstallKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Dorv Internet Auto-Dialer";
inline const wchar_t kSettingsKey[] = L"Software\\Dorv Internet Auto-Dialer";
inline const wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline const wchar_t kInternetKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

// One registry value as read: a string (REG_SZ) or a number (REG_DWORD).
struct TRegistryValue {
  DWORD type = REG_NONE;
  std::wstring text;
  DWORD number = 0;
};

std::optional<TRegistryValue> ReadValue(HKEY root, const wchar_t* path, const wchar_t* name);
// Nullopt when the value is missing or of another type.
std::optional<DWORD> ReadNumber(HKEY root, const wchar_t* path, const wchar_t* name);
std::optional<std::wstring> ReadString(HKEY root, const wchar_t* path, const wchar_t* name);
bool KeyExists(HKEY root, const wchar_t* path);
void WriteString(HKEY root, const wchar_t* path, const wchar_t* name, const std::wstring& text);
void WriteNumber(HKEY root, const wchar_t* path, const wchar_t* name, DWORD number);
void DeleteValue(HKEY root, const wchar_t* path, const wchar_t* name);

// Where the installer puts things for the current user.
std::wstring InstallFolder();
std::wstring InstalledProgram();
std::wstring InstalledUninstaller();
std::wstring ShortcutPath();

// Paths here are ASCII: the prefix's user folders and the build folders.
std::string Narrow(const std::wstring& text);
bool FileExists(const std::wstring& path);
std::string FileBytes(const std::wstring& path);

// Runs a command line and waits up to timeoutMs for it and every process it started (an
// uninstaller goes on in a copy of itself); the first process's exit code, or nullopt when the
// time ran out.
std::optional<DWORD> RunAndWait(const std::wstring& commandLine, int timeoutMs = 60000);

// The program as this build made it.
std::wstring BuiltProgram();

// The installers under test. The older one, made by scripts/package.sh --version, is found by
// its name, DorvAutoDialer-<version>-<arch>-setup.exe, in the build's installer/older folder.
std::wstring CurrentInstaller();
struct TOlderInstaller {
  std::wstring path;
  std::wstring version;  // as the name shows it, "0.0.1"
};
std::optional<TOlderInstaller> FindOlderInstaller();

class InstallerTest : public testing::Test {
 protected:
  InstallerTest();
  ~InstallerTest() override;

  // Installs silently; fails the test when the installer does not end with 0.
  void InstallSilently(const std::wstring& installer) const;
  // Uninstalls through the uninstall entry's quiet command, as a management tool would.
  void UninstallSilently() const;

 private:
  // Removes every trace of an installation and the program's registry entries.
  void RemoveTraces() const;

  std::optional<TRegistryValue> savedEnableAutodial_;
  std::optional<TRegistryValue> savedNoNetAutodial_;
};
