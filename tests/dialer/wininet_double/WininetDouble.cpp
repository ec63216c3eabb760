// A stand-in wininet.dll: answers from the script named by DV_WININET_SCRIPT and appends every
// call to the file named by DV_WININET_LOG. Load it by placing it beside a program and running
// with WINEDLLOVERRIDES="wininet=n,b". The script is read again at every call; when its text has
// changed, every answer list starts again from its beginning.
#include <cstdio>
#include <string>

#include <windows.h>

#include "tests/dialer/wininet_double/WininetScript.h"

using HINTERNET = void*;

namespace {

SRWLOCK lock = SRWLOCK_INIT;
TWininetScript script;
std::string loadedText;
bool loaded = false;

std::string Environment(const char* name) {
  char value[MAX_PATH * 2];
  const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  return (length == 0 || length >= sizeof value) ? std::string() : std::string(value, length);
}

// ctest hands over host paths; under Wine "/x" must be read as "Z:/x".
std::string NativePath(const std::string& path) {
  return (!path.empty() && path[0] == '/') ? "Z:" + path : path;
}

std::string ReadWholeFile(const std::string& path) {
  std::string text;
  if (path.empty()) return text;
  if (FILE* file = std::fopen(NativePath(path).c_str(), "rb")) {
    char buffer[4096];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
      text.append(buffer, count);
    std::fclose(file);
  }
  return text;
}

void AppendLog(const std::string& line) {
  const std::string path = Environment("DV_WININET_LOG");
  if (path.empty()) return;
  if (FILE* file = std::fopen(NativePath(path).c_str(), "ab")) {
    std::fputs((line + "\n").c_str(), file);
    std::fclose(file);
  }
}

// Holds the lock for one call and brings the script up to date first.
class TCall {
 public:
  TCall() {
    AcquireSRWLockExclusive(&lock);
    const std::string text = ReadWholeFile(Environment("DV_WININET_SCRIPT"));
    if (!loaded || text != loadedText) {
      for (const std::string& error : script.Load(text))
        AppendLog("script error: " + error);
      loadedText = text;
      loaded = true;
    }
  }
  ~TCall() { ReleaseSRWLockExclusive(&lock); }
  TCall(const TCall&) = delete;
  TCall& operator=(const TCall&) = delete;
};

}  // namespace

extern "C" {

BOOL WINAPI InternetGetConnectedState(DWORD* flags, DWORD reserved) {
  TCall call;
  const uint32_t result = script.ConnectedState();
  if (flags != nullptr) *flags = script.ConnectionFlags();
  AppendLog(WininetLog::ConnectedState(flags != nullptr, reserved, result));
  return static_cast<BOOL>(result);
}

BOOL WINAPI InternetAutodial(DWORD flags, HWND parent) {
  TCall call;
  Sleep(script.DialDelayMs());
  const uint32_t result = script.Dial();
  AppendLog(WininetLog::Autodial(flags, reinterpret_cast<uintptr_t>(parent), result));
  return static_cast<BOOL>(result);
}

BOOL WINAPI InternetAutodialHangup(DWORD reserved) {
  TCall call;
  Sleep(script.HangUpDelayMs());
  const uint32_t result = script.HangUp();
  AppendLog(WininetLog::AutodialHangup(reserved, result));
  return static_cast<BOOL>(result);
}

HINTERNET WINAPI InternetOpenA(const char* agent, DWORD access, const char* proxy,
                               const char* bypass, DWORD flags) {
  TCall call;
  const uintptr_t handle = script.Open();
  AppendLog(WininetLog::Open(agent, access, proxy, bypass, flags, handle));
  // ERROR_INTERNET_INTERNAL_ERROR, as the real layer reports an unusable session.
  if (handle == 0) SetLastError(12004);
  return reinterpret_cast<HINTERNET>(handle);
}

BOOL WINAPI InternetSetOptionA(HINTERNET handle, DWORD option, void* buffer, DWORD length) {
  TCall call;
  const uint32_t result = script.SetOption();
  AppendLog(WininetLog::SetOption(reinterpret_cast<uintptr_t>(handle), option, buffer != nullptr,
                                  length, result));
  return static_cast<BOOL>(result);
}

BOOL WINAPI InternetCloseHandle(HINTERNET handle) {
  TCall call;
  const uint32_t result = script.Close();
  AppendLog(WininetLog::CloseHandle(reinterpret_cast<uintptr_t>(handle), result));
  return static_cast<BOOL>(result);
}

}  // extern "C"
