// The Internet layer calls of DorvFunctions, behind a table that tests can replace for a while.
#pragma once

#include <windows.h>
#include <wininet.h>

#include "framework/core/CallTableScope.h"

// One pointer per wininet entry point used; signatures are the platform's.
struct TInternetApi {
  decltype(&::InternetGetConnectedState) GetConnectedState;
  decltype(&::InternetAutodial) Autodial;
  decltype(&::InternetAutodialHangup) AutodialHangup;
  decltype(&::InternetOpenA) Open;
  decltype(&::InternetSetOptionA) SetOption;
  decltype(&::InternetCloseHandle) CloseHandle;
};

// wininet's own entry points.
const TInternetApi& SystemInternetApi();

// The table in force: the innermost live TInternetApiScope, else SystemInternetApi().
const TInternetApi& InternetApi();

// Puts a table in force for its lifetime and restores the previous one afterwards.
using TInternetApiScope = TCallTableScope<TInternetApi>;
