// The program's footprint in the prefix's registry, through raw advapi32 calls: its settings key,
// its Run entry and the per-user autodial values. Made empty when constructed; on destruction the
// settings key and the Run entry are removed and the autodial values put back as they were.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <windows.h>

struct TRegValue {
  bool exists = false;
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

std::vector<BYTE> DwordBytes(uint32_t value);
// The characters and the terminating zero.
std::vector<BYTE> StringBytes(const std::string& text);
// The same in UTF-16, as REG_SZ stores text.
std::vector<BYTE> WideStringBytes(const std::wstring& text);

class TProgramRegistry {
 public:
  TProgramRegistry();
  ~TProgramRegistry();
  TProgramRegistry(const TProgramRegistry&) = delete;
  TProgramRegistry& operator=(const TProgramRegistry&) = delete;

  void SetSetting(const std::string& name, DWORD type, const std::vector<BYTE>& data) const;
  void SetSetting(const std::string& name, uint32_t value) const;
  TRegValue Setting(const std::string& name) const;
  bool SettingsKeyExists() const;
  // The settings by name, in the order asked, as "name = number" or "name missing".
  std::vector<std::string> Settings() const;

  void SetRunEntry(DWORD type, const std::vector<BYTE>& data) const;
  TRegValue RunEntry() const;
  // The entry's bytes as stored, read with the wide functions (UTF-16 for text).
  TRegValue WideRunEntry() const;

  TRegValue InternetSetting(const std::string& name) const;
  void DeleteInternetSettings() const;

 private:
  void Clear() const;

  TRegValue savedEnableAutodial_;
  TRegValue savedNoNetAutodial_;
};
