// The registry calls of the accessor, behind a table that tests can replace for a while.
#pragma once

#include <windows.h>

#include "framework/core/CallTableScope.h"

// One pointer per advapi32 entry point the accessor uses; signatures are the platform's.
struct TRegistryApi {
  decltype(&::RegCreateKeyExA) CreateKeyEx;
  decltype(&::RegOpenKeyExA) OpenKeyEx;
  decltype(&::RegQueryValueExA) QueryValueEx;
  decltype(&::RegSetValueExA) SetValueEx;
  decltype(&::RegDeleteValueA) DeleteValue;
  decltype(&::RegCloseKey) CloseKey;
  // The wide forms, for text outside the system code page (such as a program's path).
  decltype(&::RegQueryValueExW) QueryValueExW;
  decltype(&::RegSetValueExW) SetValueExW;
};

// advapi32's own entry points.
const TRegistryApi& SystemRegistryApi();

// The table in force: the innermost live TRegistryApiScope, else SystemRegistryApi().
const TRegistryApi& RegistryApi();

// Puts a table in force for its lifetime and restores the previous one afterwards.
using TRegistryApiScope = TCallTableScope<TRegistryApi>;
