// Scripts the Internet layer for in-process tests: while alive, every call of DorvFunctions goes
// to a TWininetScript (same script language and log lines as the wininet.dll double) instead of
// wininet. One fake at a time.
#pragma once

#include <string>
#include <vector>

#include "dialer/InternetApi.h"
#include "tests/dialer/wininet_double/WininetScript.h"

class TInternetFake {
 public:
  // Throws std::invalid_argument with the script's error messages when a line is bad.
  explicit TInternetFake(const std::string& script = std::string());
  ~TInternetFake();
  TInternetFake(const TInternetFake&) = delete;
  TInternetFake& operator=(const TInternetFake&) = delete;

  // Replaces the script; the log is kept.
  void SetScript(const std::string& script);
  // Every call so far, one line each, oldest first.
  const std::vector<std::string>& Log() const { return log_; }
  void ClearLog() { log_.clear(); }

 private:
  static BOOL WINAPI GetConnectedState(DWORD* flags, DWORD reserved);
  static BOOL WINAPI Autodial(DWORD flags, HWND parent);
  static BOOL WINAPI AutodialHangup(DWORD reserved);
  static HINTERNET WINAPI Open(LPCSTR agent, DWORD access, LPCSTR proxy, LPCSTR bypass,
                               DWORD flags);
  static BOOL WINAPI SetOption(HINTERNET handle, DWORD option, LPVOID buffer, DWORD length);
  static BOOL WINAPI CloseHandle(HINTERNET handle);
  static TInternetFake& Active();

  TWininetScript script_;
  std::vector<std::string> log_;
  TInternetFake* previous_;
  TInternetApiScope scope_;
};
