// A storage component (INI file or registry key) that frame controllers may reference. Only its
// settings exist so far; nothing reads or writes through it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/Classes.h"

enum TDvPathType { ptIniFile, ptRegistry };
enum TDvRegKey {
  hkeyClassesRoot,
  hkeyCurrentUser,
  hkeyLocalMachine,
  hkeyUsers,
  hkeyPerformanceData,
  hkeyCurrentConfig,
  hkeyDynData
};
enum TDvRegAccessFlag {
  keyQueryValue,
  keySetValue,
  keyCreateSubKey,
  keyEnumerateSubKeys,
  keyNotify,
  keyCreateLink,
  keyRead,
  keyWrite,
  keyExecute,
  keyAllAccess
};
using TDvRegAccess = uint32_t;  // bit (1 << TDvRegAccessFlag)

const std::vector<std::string>& DvPathTypeNames();
const std::vector<std::string>& DvRegKeyNames();
const std::vector<std::string>& DvRegAccessNames();

class TDvRegIniFile : public TComponent {
  DV_CLASS(TDvRegIniFile)
 public:
  explicit TDvRegIniFile(TComponent* owner) : TComponent(owner) {}

  const std::string& Path() const { return path_; }
  void SetPath(const std::string& value);
  TDvPathType PathType() const { return pathType_; }
  void SetPathType(TDvPathType value);
  TDvRegKey RegKey() const { return regKey_; }
  void SetRegKey(TDvRegKey value);
  TDvRegAccess RegAccess() const { return regAccess_; }
  void SetRegAccess(TDvRegAccess value);
  // Set by every change: the storage has to be opened again before use.
  bool NeedsReopen() const { return needsReopen_; }

 private:
  std::string path_;
  TDvPathType pathType_ = ptIniFile;
  TDvRegKey regKey_ = hkeyCurrentUser;
  TDvRegAccess regAccess_ = 1u << keyAllAccess;
  bool needsReopen_ = true;
};
