#include "framework/win/platform/RegistryApi.h"

namespace {

const TRegistryApi*& CurrentRegistryApi() {
  static const TRegistryApi* current = &SystemRegistryApi();
  return current;
}

}  // namespace

const TRegistryApi& SystemRegistryApi() {
  static const TRegistryApi system{&::RegCreateKeyExA,  &::RegOpenKeyExA,   &::RegQueryValueExA,
                                   &::RegSetValueExA,   &::RegDeleteValueA, &::RegCloseKey,
                                   &::RegQueryValueExW, &::RegSetValueExW};
  return system;
}

const TRegistryApi& RegistryApi() {
  return *CurrentRegistryApi();
}

TRegistryApiScope::TRegistryApiScope(const TRegistryApi& api)
    : api_(api), previous_(CurrentRegistryApi()) {
  CurrentRegistryApi() = &api_;
}

TRegistryApiScope::~TRegistryApiScope() {
  CurrentRegistryApi() = previous_;
}
