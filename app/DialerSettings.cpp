// The controller's registry work: its five settings and the per-user Internet settings that
// make automatic dialling possible.
#include "app/DialerController.h"

#include <windows.h>

#include "dialer/DorvFunctions.h"
#include "framework/win/platform/Registry.h"

namespace {

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
  TRegistry registry;
  const TSettingsStore::TSource source = settings_.OpenForLoad(registry);
  if (source == TSettingsStore::TSource::None) return;
  // The notice and the autodial settings it comes with are the user's own: shared values never
  // count as this user's first run being over.
  if (source == TSettingsStore::TSource::Own && registry.ValueExists(kFirstRun))
    firstRun_ = registry.ReadBool(kFirstRun);
  if (registry.ValueExists(kEnable)) view_.SetAutoDialChecked(registry.ReadBool(kEnable));
  if (registry.ValueExists(kUpdateInterval))
    view_.SetIntervalSeconds(registry.ReadInteger(kUpdateInterval));
  if (registry.ValueExists(kLeft)) view_.SetWindowLeft(registry.ReadInteger(kLeft));
  if (registry.ValueExists(kTop)) view_.SetWindowTop(registry.ReadInteger(kTop));
}

// A key that cannot be opened is silent: nothing is written.
void TDialerController::SaveSettings() {
  TRegistry registry;
  if (!settings_.OpenForSave(registry)) return;
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
