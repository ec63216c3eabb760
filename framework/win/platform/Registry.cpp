#include "framework/win/platform/Registry.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "framework/core/SysUtils.h"
#include "framework/win/platform/RegistryApi.h"

namespace {

[[noreturn]] void ThrowValueError(const char* format, const std::string& name) {
  throw ERegistryException(Format(format, name.c_str()));
}

bool IsAbsolute(const std::string& path) {
  return !path.empty() && path.front() == '\\';
}

// Value names are in the system code page, as the ANSI entry points take them.
std::wstring WideName(const std::string& name) {
  if (name.empty()) return std::wstring();
  const int length =
      MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()), wide.data(), length);
  return wide;
}

bool IsStringType(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ;
}

}  // namespace

void TRegistry::SetRootKey(HKEY rootKey) noexcept {
  if (rootKey == rootKey_) return;
  CloseKey();
  rootKey_ = rootKey;
}

TRegistry::TTarget TRegistry::Resolve(const std::string& key) const {
  TTarget target;
  const bool absolute = IsAbsolute(key);
  target.subKey = absolute ? key.substr(1) : key;
  if (absolute || !currentKey_) {
    target.base = rootKey_;
    target.path = target.subKey;
  } else {
    target.base = currentKey_.Get();
    target.path = target.subKey.empty() ? currentPath_ : currentPath_ + '\\' + target.subKey;
  }
  return target;
}

LSTATUS TRegistry::Create(const TTarget& target, HKEY& key) const {
  DWORD disposition = 0;
  return RegistryApi().CreateKeyEx(target.base, target.subKey.c_str(), 0, nullptr,
                                   REG_OPTION_NON_VOLATILE, access_, nullptr, &key, &disposition);
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
  TTarget target = Resolve(key);
  HKEY opened = nullptr;
  const LSTATUS status =
      canCreate ? Create(target, opened)
                : RegistryApi().OpenKeyEx(target.base, target.subKey.c_str(), 0, access_, &opened);
  lastError_ = status;
  if (status != ERROR_SUCCESS || opened == nullptr) return false;
  currentKey_.Reset(opened);
  currentPath_ = std::move(target.path);
  return true;
}

void TRegistry::CloseKey() noexcept {
  currentKey_.Reset();
  currentPath_.clear();
}

void TRegistry::CreateKey(const std::string& key) {
  HKEY created = nullptr;
  const LSTATUS status = Create(Resolve(key), created);
  lastError_ = status;
  const TRegistryKey owner(status == ERROR_SUCCESS ? created : nullptr);
  if (status != ERROR_SUCCESS || !owner)
    throw ERegistryException(Format("Failed to create key %s", key.c_str()));
}

HKEY TRegistry::ValueKey() const noexcept {
  return currentKey_ ? currentKey_.Get() : rootKey_;
}

std::string TRegistry::ReadString(const std::string& name) const {
  DWORD type = REG_NONE;
  DWORD size = 0;
  if (RegistryApi().QueryValueEx(ValueKey(), name.c_str(), nullptr, &type, nullptr, &size) !=
          ERROR_SUCCESS ||
      size == 0)
    return std::string();

  std::vector<BYTE> data(size);
  if (RegistryApi().QueryValueEx(ValueKey(), name.c_str(), nullptr, &type, data.data(), &size) !=
      ERROR_SUCCESS)
    ThrowValueError("Failed to get data for '%s'", name);
  if (!IsStringType(type)) ThrowValueError("Invalid data type for '%s'", name);

  // The platform may report fewer bytes on the second call; never read past them.
  const size_t length = std::min<size_t>(size, data.size());
  std::string text(reinterpret_cast<const char*>(data.data()), length);
  const size_t end = text.find('\0');
  if (end != std::string::npos) text.resize(end);
  return text;
}

int32_t TRegistry::ReadInteger(const std::string& name) const {
  BYTE data[4] = {};
  DWORD type = REG_NONE;
  DWORD size = sizeof data;
  if (RegistryApi().QueryValueEx(ValueKey(), name.c_str(), nullptr, &type, data, &size) !=
      ERROR_SUCCESS)
    ThrowValueError("Failed to get data for '%s'", name);
  if (type != REG_DWORD) ThrowValueError("Invalid data type for '%s'", name);
  // A number stored with fewer bytes (an empty one too) has no value to read: taken as 0 it
  // would become a 1-second poll or a window at the screen's corner that the user never chose.
  if (size != sizeof data) ThrowValueError("Failed to get data for '%s'", name);
  const uint32_t bits = static_cast<uint32_t>(data[0]) | static_cast<uint32_t>(data[1]) << 8 |
                        static_cast<uint32_t>(data[2]) << 16 | static_cast<uint32_t>(data[3]) << 24;
  return static_cast<int32_t>(bits);
}

bool TRegistry::ReadBool(const std::string& name) const {
  return ReadInteger(name) != 0;
}

std::wstring TRegistry::ReadWideString(const std::string& name) const {
  const std::wstring wideName = WideName(name);
  DWORD type = REG_NONE;
  DWORD size = 0;
  if (RegistryApi().QueryValueExW(ValueKey(), wideName.c_str(), nullptr, &type, nullptr, &size) !=
          ERROR_SUCCESS ||
      size == 0)
    return std::wstring();

  // Whole characters only: a stored odd byte count leaves its last byte out.
  std::vector<wchar_t> data((size + 1) / sizeof(wchar_t));
  DWORD read = static_cast<DWORD>(data.size() * sizeof(wchar_t));
  if (RegistryApi().QueryValueExW(ValueKey(), wideName.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(data.data()), &read) != ERROR_SUCCESS)
    ThrowValueError("Failed to get data for '%s'", name);
  if (!IsStringType(type)) ThrowValueError("Invalid data type for '%s'", name);

  const size_t length = std::min<size_t>(read / sizeof(wchar_t), data.size());
  std::wstring text(data.data(), length);
  const size_t end = text.find(L'\0');
  if (end != std::wstring::npos) text.resize(end);
  return text;
}

void TRegistry::WriteData(const std::string& name, DWORD type, const BYTE* data, DWORD size) {
  if (RegistryApi().SetValueEx(ValueKey(), name.c_str(), 0, type, data, size) != ERROR_SUCCESS)
    ThrowValueError("Failed to set data for '%s'", name);
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
  // c_str() carries the terminating zero byte, which is part of the stored data.
  WriteData(name, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
            static_cast<DWORD>(value.size() + 1));
}

void TRegistry::WriteWideString(const std::string& name, const std::wstring& value) {
  const DWORD size = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  if (RegistryApi().SetValueExW(ValueKey(), WideName(name).c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(value.c_str()),
                                size) != ERROR_SUCCESS)
    ThrowValueError("Failed to set data for '%s'", name);
}

void TRegistry::WriteInteger(const std::string& name, int32_t value) {
  const uint32_t bits = static_cast<uint32_t>(value);
  const BYTE data[4] = {static_cast<BYTE>(bits), static_cast<BYTE>(bits >> 8),
                        static_cast<BYTE>(bits >> 16), static_cast<BYTE>(bits >> 24)};
  WriteData(name, REG_DWORD, data, sizeof data);
}

void TRegistry::WriteBool(const std::string& name, bool value) {
  WriteInteger(name, value ? 1 : 0);
}

bool TRegistry::ValueExists(const std::string& name) const noexcept {
  return RegistryApi().QueryValueEx(ValueKey(), name.c_str(), nullptr, nullptr, nullptr, nullptr) ==
         ERROR_SUCCESS;
}

bool TRegistry::DeleteValue(const std::string& name) noexcept {
  return RegistryApi().DeleteValue(ValueKey(), name.c_str()) == ERROR_SUCCESS;
}
