// Holds the Wine desktop open for a whole test session. Wine closes a desktop a second after its
// last user goes and starts it again (explorer.exe, rpcss.exe) for the next program; with one
// short-lived test program after another that costs over a second per test. This program joins
// the desktop without a window of its own and waits until the session ends it.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  GetDesktopWindow();
  Sleep(INFINITE);
  return 0;
}
