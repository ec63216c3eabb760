#include "controls/edit/DvRegIniFile.h"

#include "framework/core/TypInfo.h"

const std::vector<std::string>& DvPathTypeNames() {
  static const std::vector<std::string> names = {"ptIniFile", "ptRegistry"};
  return names;
}

const std::vector<std::string>& DvRegKeyNames() {
  static const std::vector<std::string> names = {
      "hkeyClassesRoot",     "hkeyCurrentUser",   "hkeyLocalMachine", "hkeyUsers",
      "hkeyPerformanceData", "hkeyCurrentConfig", "hkeyDynData"};
  return names;
}

const std::vector<std::string>& DvRegAccessNames() {
  static const std::vector<std::string> names = {
      "keyQueryValue", "keySetValue", "keyCreateSubKey", "keyEnumerateSubKeys", "keyNotify",
      "keyCreateLink", "keyRead",     "keyWrite",        "keyExecute",          "keyAllAccess"};
  return names;
}

const TClassInfo& TDvRegIniFile::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TDvRegIniFile, TComponent>(
      "TDvRegIniFile", [](TPropertyBuilder<TDvRegIniFile>& b) {
        b.String("Path", &TDvRegIniFile::Path, &TDvRegIniFile::SetPath);
        b.Enum("PathType", &TDvRegIniFile::PathType, &TDvRegIniFile::SetPathType, DvPathTypeNames(),
               ptIniFile);
        b.Enum("RegKey", &TDvRegIniFile::RegKey, &TDvRegIniFile::SetRegKey, DvRegKeyNames(),
               hkeyCurrentUser);
        b.Set("RegAccess", &TDvRegIniFile::RegAccess, &TDvRegIniFile::SetRegAccess,
              DvRegAccessNames(), 1u << keyAllAccess);
      });
  return info;
}

void TDvRegIniFile::SetPath(const std::string& value) {
  path_ = value;
  needsReopen_ = true;
}

void TDvRegIniFile::SetPathType(TDvPathType value) {
  pathType_ = value;
  needsReopen_ = true;
}

void TDvRegIniFile::SetRegKey(TDvRegKey value) {
  regKey_ = value;
  needsReopen_ = true;
}

void TDvRegIniFile::SetRegAccess(TDvRegAccess value) {
  regAccess_ = value;
  needsReopen_ = true;
}
