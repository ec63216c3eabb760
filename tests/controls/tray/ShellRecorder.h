// A scripted shell for the tray icon tests: installs a call table that records every record sent
// to Shell_NotifyIconA and answers DllGetVersion with a chosen major version.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "controls/tray/TrayShellCalls.h"
#include "framework/core/Colors.h"

struct ShellCall {
  DWORD message = 0;  // NIM_ADD, NIM_MODIFY, NIM_DELETE
  DWORD cbSize = 0;
  HWND window = nullptr;
  UINT id = 0;
  UINT flags = 0;
  UINT callbackMessage = 0;
  HICON icon = nullptr;
  std::string tip;
};

class ShellRecorder {
 public:
  // majorVersion 0: a shell without DllGetVersion.
  explicit ShellRecorder(DWORD majorVersion = 6);
  ~ShellRecorder();
  ShellRecorder(const ShellRecorder&) = delete;
  ShellRecorder& operator=(const ShellRecorder&) = delete;

  int Count(DWORD message) const;
  const ShellCall& Last() const { return calls.back(); }
  std::vector<DWORD> Messages() const;

  std::vector<ShellCall> calls;
  bool refuseAdd = false;
  DWORD versionInfoSize = 0;  // cbSize the last DllGetVersion call carried

 private:
  static BOOL WINAPI NotifyIcon(DWORD message, PNOTIFYICONDATAA data);
  static HRESULT CALLBACK DllGetVersion(DLLVERSIONINFO* info);

  DWORD majorVersion_;
  TTrayShellCallsScope scope_;
};

// The colour at the centre of an icon drawn on white.
TColor IconCentreColor(HICON icon);
