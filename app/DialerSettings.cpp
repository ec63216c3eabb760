// The controller's registry work: its five settings and the per-user Internet settings that
// make automatic dialling possible.
#include "app/DialerController.h"

#include <windows.h>

#include "dialer/DorvFunctions.h"
#include "framework/win/Registry.h"

namespace {

const char kSettingsKey[] = "\\Software\\Dorv Internet Auto-Dialer";
const char kFirstRun[] = "FirstRun";
const char kEnable[] = "Enable";
const char kUpdateInterval[] = "UpdateInterval";
const char kLeft[] = "Left";
const char kTop[] = "Top";

const char kInternetSettingsKey[] =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

}  // namespace

// A missing key or value keeps what the form definition gave; values are read in table order.
void TDialerController::LoadSettings() {
  TRegistry registry(HKEY_LOCAL_MACHINE, KEY_ALL_ACCESS);
  if (!registry.OpenKey(kSettingsKey, true)) return;
  if (registry.ValueExists(kFirstRun)) firstRun_ = registry.ReadBool(kFirstRun);
  if (registry.ValueExists(kEnable)) view_.SetAutoDialChecked(registry.ReadBool(kEnable));
  if (registry.ValueExists(kUpdateInterval))
    view_.SetIntervalSeconds(registry.ReadInteger(kUpdateInterval));
  if (registry.ValueExists(kLeft)) view_.SetWindowLeft(registry.ReadInteger(kLeft));
  if (registry.ValueExists(kTop)) view_.SetWindowTop(registry.ReadInteger(kTop));
}

// A key that cannot be opened (no rights) is silent: nothing is written.
void TDialerController::SaveSettings() {
  TRegistry registry(HKEY_LOCAL_MACHINE, KEY_ALL_ACCESS);
  if (!registry.OpenKey(kSettingsKey, true)) return;
  registry.WriteBool(kFirstRun, false);
  registry.WriteBool(kEnable, view_.AutoDialChecked());
  registry.WriteInteger(kUpdateInterval, view_.IntervalSeconds());
  registry.WriteInteger(kLeft, view_.WindowLeft());
  registry.WriteInteger(kTop, view_.WindowTop());
}

void TDialerController::EnableSystemAutodial() {
  {
    TRegistry registry(HKEY_CURRENT_USER, KEY_ALL_ACCESS);
    if (registry.OpenKey(kInternetSettingsKey, true)) {
      registry.WriteInteger("EnableAutodial", 1);
      registry.WriteInteger("NoNetAutodial", 0);
    }
  }
  DorvFunctions::NotifyInternetSettingsChanged(view_.ApplicationTitle());
}
