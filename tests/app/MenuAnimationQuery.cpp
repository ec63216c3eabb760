// Answers with its exit code whether menu animation is on (1) or off (0): a process that has not
// asked before reads the session's current setting, where a process that asked once may keep
// answering what it read then (Wine keeps the answer per process).
#include <windows.h>

int main() {
  BOOL on = FALSE;
  if (!SystemParametersInfoA(SPI_GETMENUANIMATION, 0, &on, 0)) return 2;
  return on ? 1 : 0;
}
