#include "framework/win/platform/RegistryApi.h"

const TRegistryApi& SystemRegistryApi() {
  static const TRegistryApi system{&::RegCreateKeyExA,  &::RegOpenKeyExA,   &::RegQueryValueExA,
                                   &::RegSetValueExA,   &::RegDeleteValueA, &::RegCloseKey,
                                   &::RegQueryValueExW, &::RegSetValueExW};
  return system;
}

const TRegistryApi& RegistryApi() {
  return TRegistryApiScope::InForce(SystemRegistryApi());
}
