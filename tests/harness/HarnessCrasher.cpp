// Crashes on purpose, for the harness test that proves a crash fails fast under Wine.
#include <windows.h>

int main() {
  RaiseException(EXCEPTION_ACCESS_VIOLATION, EXCEPTION_NONCONTINUABLE, 0, nullptr);
  return 0;
}
