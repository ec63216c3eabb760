// The remote access calls of the link-drop watch, behind a table that tests can replace for a
// while (the rasapi32 counterpart of InternetApi).
#pragma once

#include <windows.h>
#include <ras.h>

#include "framework/core/CallTableScope.h"

// One pointer per rasapi32 entry point used; signatures are the platform's.
struct TRasApi {
  decltype(&::RasConnectionNotificationW) ConnectionNotification;
};

// rasapi32's own entry points.
const TRasApi& SystemRasApi();

// The table in force: the innermost live TRasApiScope, else SystemRasApi().
const TRasApi& RasApi();

// Puts a table in force for its lifetime and restores the previous one afterwards.
using TRasApiScope = TCallTableScope<TRasApi>;
