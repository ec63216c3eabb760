// Registry accessor: opens one key at a time under a root key and reads and writes its values.
//
// Paths: one that begins with a backslash is taken from the root key (the backslash removed);
// any other is taken from the open key, or from the root key when none is open.
// Value operations act on the open key, or on the root key when none is open.
// Types: strings are REG_SZ (REG_EXPAND_SZ is read as well), integers REG_DWORD (signed),
// truth values REG_DWORD 1 / 0, read as true when non-zero.
// Errors are ERegistryException with the messages "Failed to create key %s",
// "Failed to set data for '%s'", "Failed to get data for '%s'", "Invalid data type for '%s'".
// Text is in the system code page, except for the wide string values, which are UTF-16.
// Every call goes through RegistryApi(), so tests can record or fail it.
#pragma once

#include <cstdint>
#include <string>

#include <windows.h>

#include "framework/win/platform/RegistryKey.h"

class TRegistry {
 public:
  TRegistry() = default;  // HKEY_CURRENT_USER, KEY_ALL_ACCESS
  explicit TRegistry(REGSAM access) : access_(access) {}
  TRegistry(HKEY rootKey, REGSAM access) : rootKey_(rootKey), access_(access) {}
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  HKEY RootKey() const noexcept { return rootKey_; }
  // Closes the open key first, as its paths were relative to the old root.
  void SetRootKey(HKEY rootKey) noexcept;
  REGSAM Access() const noexcept { return access_; }
  // Applies to keys opened or created from now on.
  void SetAccess(REGSAM access) noexcept { access_ = access; }

  // The open key, or null when none is open.
  HKEY CurrentKey() const noexcept { return currentKey_.Get(); }
  // Path of the open key below the root, without a leading backslash; empty when none is open.
  const std::string& CurrentPath() const noexcept { return currentPath_; }

  // Opens (or, with canCreate, creates and opens) a key and makes it the open key.
  // Returns false on failure and never throws; the previously open key then stays open.
  bool OpenKey(const std::string& key, bool canCreate);
  // Closes the open key, if any. The destructor does the same.
  void CloseKey() noexcept;
  // Creates the key if it is missing and closes the new handle at once; the open key is
  // unchanged. Throws "Failed to create key %s" on failure.
  void CreateKey(const std::string& key);
  // The platform's status of the last OpenKey or CreateKey (ERROR_SUCCESS when it worked), so
  // that a caller can tell a refusal for lack of rights (ERROR_ACCESS_DENIED) from a missing key.
  LSTATUS LastError() const noexcept { return lastError_; }

  // Empty when the value is missing or has no data. Throws "Failed to get data for '%s'" when
  // the data cannot be read, "Invalid data type for '%s'" when it is not REG_SZ/REG_EXPAND_SZ.
  std::string ReadString(const std::string& name) const;
  // Throws "Failed to get data for '%s'" when the value is missing or not exactly 4 bytes long,
  // "Invalid data type for '%s'" when it is not REG_DWORD (the type is looked at first).
  int32_t ReadInteger(const std::string& name) const;
  // As ReadInteger; true for any non-zero value.
  bool ReadBool(const std::string& name) const;
  // As ReadString, through the wide entry points: the text as stored, whatever the code page.
  std::wstring ReadWideString(const std::string& name) const;

  // Each throws "Failed to set data for '%s'" when the write fails.
  void WriteString(const std::string& name, const std::string& value);
  void WriteInteger(const std::string& name, int32_t value);
  void WriteBool(const std::string& name, bool value);
  // REG_SZ through the wide entry points, with the terminating zero character.
  void WriteWideString(const std::string& name, const std::wstring& value);

  // Never throw.
  bool ValueExists(const std::string& name) const noexcept;
  bool DeleteValue(const std::string& name) noexcept;

 private:
  // Where a path leads: the key it is relative to, the sub-key path to pass on and the path
  // below the root that the key will have.
  struct TTarget {
    HKEY base = nullptr;
    std::string subKey;
    std::string path;
  };
  TTarget Resolve(const std::string& key) const;
  LSTATUS Create(const TTarget& target, HKEY& key) const;
  HKEY ValueKey() const noexcept;
  void WriteData(const std::string& name, DWORD type, const BYTE* data, DWORD size);

  HKEY rootKey_ = HKEY_CURRENT_USER;
  REGSAM access_ = KEY_ALL_ACCESS;
  TRegistryKey currentKey_;
  std::string currentPath_;
  LSTATUS lastError_ = ERROR_SUCCESS;
};
