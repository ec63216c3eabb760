#include "app/SettingsStore.h"

#include <windows.h>

#include "framework/win/platform/Registry.h"

namespace {

const char kSettingsKey[] = "\\Software\\Dorv Internet Auto-Dialer";

bool Open(TRegistry& registry, HKEY root, REGSAM access, bool canCreate) {
  registry.SetRootKey(root);
  registry.SetAccess(access);
  return registry.OpenKey(kSettingsKey, canCreate);
}

}  // namespace

bool TSettingsStore::OpenMachineKey(TRegistry& registry) {
  if (Open(registry, HKEY_LOCAL_MACHINE, KEY_ALL_ACCESS, true)) return true;
  if (registry.LastError() == ERROR_ACCESS_DENIED) perUser_ = true;
  return false;
}

TSettingsStore::TSource TSettingsStore::OpenForLoad(TRegistry& registry) {
  if (!perUser_) {
    if (OpenMachineKey(registry)) return TSource::Own;
    if (!perUser_) return TSource::None;
  }
  if (Open(registry, HKEY_CURRENT_USER, KEY_ALL_ACCESS, false)) return TSource::Own;
  // A user's first start on a machine an administrator set up: begin with the shared values.
  if (Open(registry, HKEY_LOCAL_MACHINE, KEY_READ, false)) return TSource::SharedDefaults;
  return Open(registry, HKEY_CURRENT_USER, KEY_ALL_ACCESS, true) ? TSource::Own : TSource::None;
}

bool TSettingsStore::OpenForSave(TRegistry& registry) {
  if (!perUser_) {
    if (OpenMachineKey(registry)) return true;
    if (!perUser_) return false;
  }
  return Open(registry, HKEY_CURRENT_USER, KEY_ALL_ACCESS, true);
}
