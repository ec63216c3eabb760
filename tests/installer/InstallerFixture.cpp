#include "tests/installer/InstallerFixture.h"

#include <shlobj.h>

#include "tests/installer/JobProcess.h"

namespace {

std::wstring Widen(const char* text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
  wide.resize(wide.size() - 1);
  return wide;
}

std::wstring FolderPath(int folder) {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path)))
    ADD_FAILURE() << "no special folder " << folder;
  return path;
}

void DeleteTree(HKEY root, const wchar_t* path) {
  RegDeleteTreeW(root, path);
  RegDeleteKeyW(root, path);
}

void Restore(const wchar_t* name, const std::optional<TRegistryValue>& value) {
  if (value)
    WriteNumber(HKEY_CURRENT_USER, kInternetKey, name, value->number);
  else
    DeleteValue(HKEY_CURRENT_USER, kInternetKey, name);
}

}  // namespace

std::optional<TRegistryValue> ReadValue(HKEY root, const wchar_t* path, const wchar_t* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
  TRegistryValue value;
  DWORD size = 0;
  std::optional<TRegistryValue> result;
  if (RegQueryValueExW(key, name, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
    std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key, name, nullptr, &value.type, reinterpret_cast<BYTE*>(data.data()),
                         &size) == ERROR_SUCCESS) {
      if (value.type == REG_DWORD && size == sizeof(DWORD)) {
        value.number = *reinterpret_cast<const DWORD*>(data.data());
      } else if (value.type == REG_SZ) {
        data.resize(size / sizeof(wchar_t));
        while (!data.empty() && data.back() == L'\0')
          data.pop_back();
        value.text = data;
      }
      result = value;
    }
  }
  RegCloseKey(key);
  return result;
}

std::optional<DWORD> ReadNumber(HKEY root, const wchar_t* path, const wchar_t* name) {
  const auto value = ReadValue(root, path, name);
  if (!value || value->type != REG_DWORD) return std::nullopt;
  return value->number;
}

std::optional<std::wstring> ReadString(HKEY root, const wchar_t* path, const wchar_t* name) {
  const auto value = ReadValue(root, path, name);
  if (!value || value->type != REG_SZ) return std::nullopt;
  return value->text;
}

bool KeyExists(HKEY root, const wchar_t* path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

namespace {

void WriteValue(HKEY root, const wchar_t* path, const wchar_t* name, DWORD type, const void* data,
                DWORD size) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

}  // namespace

void WriteString(HKEY root, const wchar_t* path, const wchar_t* name, const std::wstring& text) {
  WriteValue(root, path, name, REG_SZ, text.c_str(),
             static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void WriteNumber(HKEY root, const wchar_t* path, const wchar_t* name, DWORD number) {
  WriteValue(root, path, name, REG_DWORD, &number, sizeof number);
}

void DeleteValue(HKEY root, const wchar_t* path, const wchar_t* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
  RegDeleteValueW(key, name);
  RegCloseKey(key);
}

std::wstring InstallFolder() {
  return FolderPath(CSIDL_LOCAL_APPDATA) + L"\\Programs\\Dorv Internet Auto-Dialer";
}

std::wstring InstalledProgram() {
  return InstallFolder() + L"\\DorvAutoDialer.exe";
}

std::wstring InstalledUninstaller() {
  return InstallFolder() + L"\\Uninstall.exe";
}

std::wstring ShortcutPath() {
  return FolderPath(CSIDL_PROGRAMS) + L"\\Dorv Internet Auto-Dialer.lnk";
}

std::string Narrow(const std::wstring& text) {
  return std::string(text.begin(), text.end());
}

bool FileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string FileBytes(const std::wstring& path) {
  const HANDLE file =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  std::string bytes;
  char block[65536];
  DWORD count = 0;
  while (ReadFile(file, block, sizeof block, &count, nullptr) && count > 0)
    bytes.append(block, count);
  CloseHandle(file);
  return bytes;
}

std::optional<DWORD> RunAndWait(const std::wstring& commandLine, int timeoutMs) {
  TJobProcess process(commandLine);
  return process.Wait(timeoutMs);
}

std::wstring BuiltProgram() {
  return Widen(DV_PROGRAM_PATH);
}

std::wstring CurrentInstaller() {
  return Widen(DV_INSTALLER_PATH);
}

std::optional<TOlderInstaller> FindOlderInstaller() {
  const std::wstring folder = Widen(DV_OLDER_PACKAGE_DIR);
  const std::wstring prefix = L"DorvAutoDialer-";
  const std::wstring suffix = std::wstring(L"-") + Widen(DV_ARCH) + L"-setup.exe";
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW((folder + L"\\" + prefix + L"*" + suffix).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return std::nullopt;
  FindClose(search);
  const std::wstring name = found.cFileName;
  return TOlderInstaller{folder + L"\\" + name,
                         name.substr(prefix.size(), name.size() - prefix.size() - suffix.size())};
}

InstallerTest::InstallerTest()
    : savedEnableAutodial_(ReadValue(HKEY_CURRENT_USER, kInternetKey, L"EnableAutodial")),
      savedNoNetAutodial_(ReadValue(HKEY_CURRENT_USER, kInternetKey, L"NoNetAutodial")) {
  RemoveTraces();
}

InstallerTest::~InstallerTest() {
  RemoveTraces();
  Restore(L"EnableAutodial", savedEnableAutodial_);
  Restore(L"NoNetAutodial", savedNoNetAutodial_);
}

void InstallerTest::InstallSilently(const std::wstring& installer) const {
  EXPECT_EQ(RunAndWait(L"\"" + installer + L"\" /S"), 0u) << "installing " << Narrow(installer);
}

void InstallerTest::UninstallSilently() const {
  const auto command = ReadString(HKEY_CURRENT_USER, kUninstallKey, L"QuietUninstallString");
  ASSERT_TRUE(command) << "no uninstall entry";
  EXPECT_EQ(RunAndWait(*command), 0u);
}

void InstallerTest::RemoveTraces() const {
  DeleteFileW(InstalledProgram().c_str());
  DeleteFileW(InstalledUninstaller().c_str());
  RemoveDirectoryW(InstallFolder().c_str());
  DeleteFileW(ShortcutPath().c_str());
  DeleteTree(HKEY_CURRENT_USER, kUninstallKey);
  for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    DeleteValue(root, kRunKey, kProduct);
    DeleteTree(root, kSettingsKey);
  }
}
