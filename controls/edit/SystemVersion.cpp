#include "controls/edit/SystemVersion.h"

bool SystemReportsVersion40() {
  const DWORD* forced = SystemVersionOverride::Current();
  const DWORD version = forced != nullptr ? *forced : GetVersion();
  return LOBYTE(LOWORD(version)) == 4 && HIBYTE(LOWORD(version)) == 0;
}
