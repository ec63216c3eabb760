#include "tests/app/ProgramRegistry.h"

#include <cstring>
#include <stdexcept>

namespace {

const char kSettingsKey[] = "Software\\Dorv Internet Auto-Dialer";
const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kEntryName[] = "Dorv Internet Auto-Dialer";
const char kInternetKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

TRegValue Read(HKEY root, const char* path, const std::string& name) {
  TRegValue value;
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return value;
  DWORD size = 0;
  if (RegQueryValueExA(key, name.c_str(), nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
    value.data.resize(size);
    value.exists = RegQueryValueExA(key, name.c_str(), nullptr, &value.type, value.data.data(),
                                    &size) == ERROR_SUCCESS;
  }
  RegCloseKey(key);
  return value;
}

void Write(HKEY root, const char* path, const std::string& name, DWORD type,
           const std::vector<BYTE>& data) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    throw std::runtime_error(std::string("cannot create ") + path);
  const LSTATUS status =
      RegSetValueExA(key, name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size()));
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) throw std::runtime_error("cannot set " + name);
}

void Delete(HKEY root, const char* path, const std::string& name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
  RegDeleteValueA(key, name.c_str());
  RegCloseKey(key);
}

void Restore(const char* name, const TRegValue& value) {
  if (value.exists) {
    Write(HKEY_CURRENT_USER, kInternetKey, name, value.type, value.data);
  } else {
    Delete(HKEY_CURRENT_USER, kInternetKey, name);
  }
}

}  // namespace

std::vector<BYTE> DwordBytes(uint32_t value) {
  return {BYTE(value), BYTE(value >> 8), BYTE(value >> 16), BYTE(value >> 24)};
}

std::vector<BYTE> StringBytes(const std::string& text) {
  std::vector<BYTE> bytes(text.begin(), text.end());
  bytes.push_back(0);
  return bytes;
}

std::vector<BYTE> WideStringBytes(const std::wstring& text) {
  const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
  return {bytes, bytes + (text.size() + 1) * sizeof(wchar_t)};
}

TProgramRegistry::TProgramRegistry()
    : savedEnableAutodial_(InternetSetting("EnableAutodial")),
      savedNoNetAutodial_(InternetSetting("NoNetAutodial")) {
  Clear();
}

TProgramRegistry::~TProgramRegistry() {
  Clear();
  Restore("EnableAutodial", savedEnableAutodial_);
  Restore("NoNetAutodial", savedNoNetAutodial_);
}

void TProgramRegistry::Clear() const {
  // A standard account keeps both under the current user.
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    RegDeleteTreeA(root, kSettingsKey);
    RegDeleteKeyA(root, kSettingsKey);
    Delete(root, kRunKey, kEntryName);
  }
  DeleteInternetSettings();
}

void TProgramRegistry::SetSetting(const std::string& name, DWORD type,
                                  const std::vector<BYTE>& data) const {
  Write(HKEY_LOCAL_MACHINE, kSettingsKey, name, type, data);
}

void TProgramRegistry::SetSetting(const std::string& name, uint32_t value) const {
  SetSetting(name, REG_DWORD, DwordBytes(value));
}

TRegValue TProgramRegistry::Setting(const std::string& name) const {
  return Read(HKEY_LOCAL_MACHINE, kSettingsKey, name);
}

bool TProgramRegistry::SettingsKeyExists() const {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

std::vector<std::string> TProgramRegistry::Settings() const {
  std::vector<std::string> lines;
  for (const char* name : {"FirstRun", "Enable", "UpdateInterval", "Left", "Top"}) {
    const TRegValue value = Setting(name);
    if (!value.exists) {
      lines.push_back(std::string(name) + " missing");
    } else if (value.type == REG_DWORD && value.data.size() == 4) {
      int32_t number;
      std::memcpy(&number, value.data.data(), sizeof number);
      lines.push_back(std::string(name) + " = " + std::to_string(number));
    } else {
      lines.push_back(std::string(name) + " of type " + std::to_string(value.type));
    }
  }
  return lines;
}

void TProgramRegistry::SetRunEntry(DWORD type, const std::vector<BYTE>& data) const {
  Write(HKEY_LOCAL_MACHINE, kRunKey, kEntryName, type, data);
}

TRegValue TProgramRegistry::RunEntry() const {
  return Read(HKEY_LOCAL_MACHINE, kRunKey, kEntryName);
}

TRegValue TProgramRegistry::WideRunEntry() const {
  TRegValue value;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return value;
  const wchar_t name[] = L"Dorv Internet Auto-Dialer";
  DWORD size = 0;
  if (RegQueryValueExW(key, name, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
    value.data.resize(size);
    value.exists = RegQueryValueExW(key, name, nullptr, &value.type, value.data.data(), &size) ==
                   ERROR_SUCCESS;
  }
  RegCloseKey(key);
  return value;
}

TRegValue TProgramRegistry::InternetSetting(const std::string& name) const {
  return Read(HKEY_CURRENT_USER, kInternetKey, name);
}

void TProgramRegistry::DeleteInternetSettings() const {
  Delete(HKEY_CURRENT_USER, kInternetKey, "EnableAutodial");
  Delete(HKEY_CURRENT_USER, kInternetKey, "NoNetAutodial");
}
