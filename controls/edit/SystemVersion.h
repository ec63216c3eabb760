// The platform version that the edit boxes adapt to.
#pragma once

#include <windows.h>

#include "controls/common/DvScopedOverride.h"

// True when GetVersion reports 4.0 (Windows 95 and NT 4), whose edit boxes need a little help;
// 4.10 (Windows 98), 4.90 (Me) and later versions answer false.
bool SystemReportsVersion40();

// Replaces what GetVersion reports, for a scope (tests: the prefix reports 6.1).
using SystemVersionOverride = ScopedOverride<DWORD, struct SystemVersionTag>;
