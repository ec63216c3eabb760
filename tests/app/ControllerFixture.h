// The dialer controller on a fake view, with the Internet layer scripted and the registry keys it
// uses redirected into a scratch key of the test.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "app/DialerController.h"
#include "tests/app/FakeDialerView.h"
#include "tests/app/ScratchProgramKeys.h"
#include "tests/dialer/InternetFake.h"
#include "tests/framework/win/platform/RegistryRecorder.h"
#include "tests/framework/win/platform/RegistryScratch.h"

using Lines = std::vector<std::string>;

inline const std::string kSettings = "HKEY_LOCAL_MACHINE\\Software\\Dorv Internet Auto-Dialer\\";
inline const std::string kInternetSettings =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\";
inline const std::string kRunKey =
    "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\";
// The current user's keys, where a standard account keeps what it may not write for all users.
inline const std::string kUserSettings = "HKEY_CURRENT_USER\\Software\\Dorv Internet Auto-Dialer\\";
inline const std::string kUserRunKey =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\";
inline const std::string kTitle = "Dorv Internet Auto-Dialer";

// The Internet calls of telling the layer that its settings changed (first session handle).
inline Lines SettingsChangedCalls(const std::string& handle = "0xD0001") {
  return {
      "InternetOpenA(agent=\"Dorv Internet Auto-Dialer\", access=1, proxy=null, bypass=null, "
      "flags=0x01000000) = " +
          handle,
      "InternetSetOptionA(handle=" + handle + ", option=39, buffer=null, length=0) = 1",
      "InternetCloseHandle(handle=" + handle + ") = 1"};
}

inline Lines AutodialWrites() {
  return {kInternetSettings + "EnableAutodial = REG_DWORD 1",
          kInternetSettings + "NoNetAutodial = REG_DWORD 0"};
}

// The three journal lines of one shown state.
inline Lines State(int index, const std::string& text) {
  const std::string number = std::to_string(index);
  return {"tray " + number, "image " + number, "label " + text};
}

inline const char kOnline[] = "InternetGetConnectedState(flags=ptr, reserved=0) = 1";
inline const char kOffline[] = "InternetGetConnectedState(flags=ptr, reserved=0) = 0";

// Joins line groups into one expected journal.
inline Lines Join(std::initializer_list<Lines> groups) {
  Lines all;
  for (const Lines& group : groups)
    all.insert(all.end(), group.begin(), group.end());
  return all;
}

// The whole dial sequence up to the dial call.
inline Lines DialStart(const std::string& dialResult) {
  return Join({AutodialWrites(),
               SettingsChangedCalls(),
               State(1, "Connecting.."),
               {"InternetAutodial(flags=3, parent=0) = " + dialResult}});
}

// One save of the settings for all users, in table order.
inline Lines SavedSettings(int enable, int interval, int left = 478, int top = 441) {
  return {kSettings + "FirstRun = REG_DWORD 0",
          kSettings + "Enable = REG_DWORD " + std::to_string(enable),
          kSettings + "UpdateInterval = REG_DWORD " + std::to_string(interval),
          kSettings + "Left = REG_DWORD " + std::to_string(left),
          kSettings + "Top = REG_DWORD " + std::to_string(top)};
}

// The last count lines (all of them when there are fewer).
inline Lines Tail(const Lines& lines, size_t count) {
  return Lines(lines.end() - static_cast<std::ptrdiff_t>(std::min(count, lines.size())),
               lines.end());
}

class ControllerTest : public testing::Test {
 protected:
  ControllerTest() {
    view.controller = &controller;
    ScratchProgramKeys(registry, scratch);
  }

  void StoreSetting(const std::string& name, uint32_t value) const {
    scratch.SetDword(name, value, "Settings");
  }
  // Marks the notice as seen, as a first save does.
  void StoreNotFirstRun() const { StoreSetting("FirstRun", 0); }

  TRegistryScratch scratch;
  TRegistryRecorder registry;
  TInternetFake internet;
  TFakeDialerView view{internet, registry};
  TDialerController controller{view};
};
