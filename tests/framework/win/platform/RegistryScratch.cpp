#include "tests/framework/win/platform/RegistryScratch.h"

#include <functional>
#include <stdexcept>

#include <gtest/gtest.h>

namespace {

std::string TestName() {
  const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
  return info == nullptr ? std::string("NoTest")
                         : std::string(info->test_suite_name()) + "." + info->name();
}

}  // namespace

std::vector<BYTE> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

std::vector<BYTE> WideBytes(const std::wstring& text) {
  const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
  return {bytes, bytes + (text.size() + 1) * sizeof(wchar_t)};
}

TRegistryScratch::TRegistryScratch(HKEY root)
    : root_(root), path_("Software\\DorvTests\\" + TestName()) {
  RegDeleteTreeA(root_, path_.c_str());
}

TRegistryScratch::~TRegistryScratch() {
  RegDeleteTreeA(root_, path_.c_str());
  // Leaves Software\DorvTests behind only while other tests still use it.
  RegDeleteKeyA(root_, "Software\\DorvTests");
}

std::string TRegistryScratch::Full(const std::string& subKey) const {
  return subKey.empty() ? path_ : path_ + "\\" + subKey;
}

void TRegistryScratch::Store(const std::string& name, const std::string& subKey,
                             const std::function<LSTATUS(HKEY)>& set) const {
  HKEY key = nullptr;
  if (RegCreateKeyExA(root_, Full(subKey).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    throw std::runtime_error("cannot create " + Full(subKey));
  const LSTATUS status = set(key);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) throw std::runtime_error("cannot set " + name);
}

void TRegistryScratch::SetRaw(const std::string& name, DWORD type, const std::vector<BYTE>& data,
                              const std::string& subKey) const {
  Store(name, subKey, [&](HKEY key) {
    return RegSetValueExA(key, name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size()));
  });
}

void TRegistryScratch::SetDword(const std::string& name, uint32_t value,
                                const std::string& subKey) const {
  SetRaw(name, REG_DWORD, {BYTE(value), BYTE(value >> 8), BYTE(value >> 16), BYTE(value >> 24)},
         subKey);
}

TRegistryScratch::TRawValue TRegistryScratch::GetRaw(const std::string& name,
                                                     const std::string& subKey) const {
  TRawValue value;
  HKEY key = nullptr;
  if (RegOpenKeyExA(root_, Full(subKey).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return value;
  DWORD size = 0;
  if (RegQueryValueExA(key, name.c_str(), nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
    value.data.resize(size);
    value.exists = RegQueryValueExA(key, name.c_str(), nullptr, &value.type, value.data.data(),
                                    &size) == ERROR_SUCCESS;
    value.data.resize(size);
  }
  RegCloseKey(key);
  return value;
}

void TRegistryScratch::SetText(const std::string& name, const std::wstring& text,
                               const std::string& subKey) const {
  const std::wstring wideName(name.begin(), name.end());  // names are ASCII
  const std::vector<BYTE> data = WideBytes(text);
  Store(name, subKey, [&](HKEY key) {
    return RegSetValueExW(key, wideName.c_str(), 0, REG_SZ, data.data(),
                          static_cast<DWORD>(data.size()));
  });
}

TRegistryScratch::TRawValue TRegistryScratch::GetRawWide(const std::string& name,
                                                         const std::string& subKey) const {
  TRawValue value;
  HKEY key = nullptr;
  if (RegOpenKeyExA(root_, Full(subKey).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return value;
  const std::wstring wideName(name.begin(), name.end());
  DWORD size = 0;
  if (RegQueryValueExW(key, wideName.c_str(), nullptr, &value.type, nullptr, &size) ==
      ERROR_SUCCESS) {
    value.data.resize(size);
    value.exists = RegQueryValueExW(key, wideName.c_str(), nullptr, &value.type, value.data.data(),
                                    &size) == ERROR_SUCCESS;
    value.data.resize(size);
  }
  RegCloseKey(key);
  return value;
}

bool TRegistryScratch::KeyExists(const std::string& subKey) const {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root_, Full(subKey).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}
