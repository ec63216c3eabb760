// A stand-in rasapi32.dll for the program tests: answers RasConnectionNotificationW with the
// number in DV_RASAPI32_RESULT (default 0, accepted) and appends each call to the file named by
// DV_RASAPI32_LOG. An accepted registration is signalled, as the remote access service signals it
// when a link drops, each time the test sets the named auto-reset event DV_RASAPI32_SIGNAL.
// Load it by placing it beside a program and overriding rasapi32 to "native,builtin".
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include <windows.h>

namespace {

std::string Environment(const char* name) {
  char value[MAX_PATH * 2];
  const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  return (length == 0 || length >= sizeof value) ? std::string() : std::string(value, length);
}

void AppendLog(const std::string& line) {
  std::string path = Environment("DV_RASAPI32_LOG");
  if (path.empty()) return;
  // ctest hands over host paths; under Wine "/x" must be read as "Z:/x".
  if (path[0] == '/') path = "Z:" + path;
  if (FILE* file = std::fopen(path.c_str(), "ab")) {
    std::fputs((line + "\n").c_str(), file);
    std::fclose(file);
  }
}

struct TRelay {
  HANDLE from;
  HANDLE to;
};

// Passes each signal of the test's event on to the registered one, for the life of the process.
DWORD WINAPI Relay(void* parameter) {
  const std::unique_ptr<TRelay> relay(static_cast<TRelay*>(parameter));
  while (WaitForSingleObject(relay->from, INFINITE) == WAIT_OBJECT_0)
    SetEvent(relay->to);
  return 0;
}

}  // namespace

extern "C" DWORD WINAPI RasConnectionNotificationW(HANDLE connection, HANDLE event, DWORD flags) {
  const std::string answerText = Environment("DV_RASAPI32_RESULT");
  const DWORD answer =
      answerText.empty() ? 0 : static_cast<DWORD>(std::strtoul(answerText.c_str(), nullptr, 10));
  AppendLog(std::string("RasConnectionNotificationW(connection=") +
            (connection == INVALID_HANDLE_VALUE ? "any" : "one") +
            ", event=" + (event != nullptr ? "ptr" : "null") + ", flags=" + std::to_string(flags) +
            ") = " + std::to_string(answer));
  const std::string signal = Environment("DV_RASAPI32_SIGNAL");
  if (answer != 0 || signal.empty()) return answer;

  // The service keeps its own handle: the program may close its handle whenever it likes.
  auto relay = std::make_unique<TRelay>(
      TRelay{CreateEventA(nullptr, FALSE, FALSE, signal.c_str()), nullptr});
  DuplicateHandle(GetCurrentProcess(), event, GetCurrentProcess(), &relay->to, 0, FALSE,
                  DUPLICATE_SAME_ACCESS);
  // The thread owns the relay from here on.
  if (HANDLE thread = CreateThread(nullptr, 0, &Relay, relay.get(), 0, nullptr)) {
    relay.release();
    CloseHandle(thread);
  }
  return answer;
}
