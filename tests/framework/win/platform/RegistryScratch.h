// A scratch registry key for one test, under HKEY_CURRENT_USER\Software\DorvTests\<test name>
// (or another root), deleted with everything below it when the test ends. Raw advapi32 calls,
// independent of the accessor under test.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <windows.h>

class TRegistryScratch {
 public:
  explicit TRegistryScratch(HKEY root = HKEY_CURRENT_USER);
  ~TRegistryScratch();
  TRegistryScratch(const TRegistryScratch&) = delete;
  TRegistryScratch& operator=(const TRegistryScratch&) = delete;

  HKEY Root() const { return root_; }
  // "Software\DorvTests\<suite>.<test>", without a leading backslash.
  const std::string& Path() const { return path_; }

  // Stores raw bytes under Path()\subKey (created when missing).
  void SetRaw(const std::string& name, DWORD type, const std::vector<BYTE>& data,
              const std::string& subKey = std::string()) const;
  void SetDword(const std::string& name, uint32_t value,
                const std::string& subKey = std::string()) const;

  struct TRawValue {
    bool exists = false;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
  };
  TRawValue GetRaw(const std::string& name, const std::string& subKey = std::string()) const;
  // Through the wide entry points, so that text outside the system code page survives: REG_SZ
  // text with its terminating zero, and the value's bytes as stored (UTF-16 for text).
  void SetText(const std::string& name, const std::wstring& text,
               const std::string& subKey = std::string()) const;
  TRawValue GetRawWide(const std::string& name, const std::string& subKey = std::string()) const;
  bool KeyExists(const std::string& subKey) const;

 private:
  std::string Full(const std::string& subKey) const;
  // Creates Path()\subKey when missing and runs set on it; throws when either fails.
  void Store(const std::string& name, const std::string& subKey,
             const std::function<LSTATUS(HKEY)>& set) const;

  HKEY root_;
  std::string path_;
};

std::vector<BYTE> Bytes(const std::string& text);
// The UTF-16 bytes of text and of its terminating zero, as REG_SZ stores it.
std::vector<BYTE> WideBytes(const std::wstring& text);
