// Sends every registry key the program uses into sub-keys of a test's scratch key, for both
// hives: "Settings" and "Run" for all users, "UserSettings" and "UserRun" for the current user,
// and "Internet Settings".
#pragma once

#include <string>

#include <windows.h>

#include "tests/framework/win/platform/RegistryRecorder.h"
#include "tests/framework/win/platform/RegistryScratch.h"

inline void ScratchProgramKeys(TRegistryRecorder& registry, const TRegistryScratch& scratch) {
  const std::string path = scratch.Path();
  const std::string settings = "Software\\Dorv Internet Auto-Dialer";
  const std::string run = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  registry.Redirect(HKEY_LOCAL_MACHINE, settings, HKEY_CURRENT_USER, path + "\\Settings");
  registry.Redirect(HKEY_LOCAL_MACHINE, run, HKEY_CURRENT_USER, path + "\\Run");
  registry.Redirect(HKEY_CURRENT_USER, settings, HKEY_CURRENT_USER, path + "\\UserSettings");
  registry.Redirect(HKEY_CURRENT_USER, run, HKEY_CURRENT_USER, path + "\\UserRun");
  registry.Redirect(HKEY_CURRENT_USER,
                    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
                    HKEY_CURRENT_USER, path + "\\Internet Settings");
}
