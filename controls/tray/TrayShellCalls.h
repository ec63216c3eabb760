// The two shell calls of the tray icon, behind a replaceable table: Shell_NotifyIconA and shell32's
// DllGetVersion. Tests install their own table for a scope to record the records sent and to
// script the shell's answers; the default table calls shell32.
#pragma once

#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include "framework/core/CallTableScope.h"

struct TTrayShellCalls {
  // Shell_NotifyIconA: TRUE when the shell accepted the request.
  BOOL(WINAPI* notifyIcon)(DWORD message, PNOTIFYICONDATAA data);
  // shell32's DllGetVersion; nullptr stands for a shell without it.
  HRESULT(CALLBACK* dllGetVersion)(DLLVERSIONINFO* info);
};

// The table in force. Never throws.
const TTrayShellCalls& TrayShellCalls() noexcept;
// shell32's own entries: Shell_NotifyIconA, and DllGetVersion looked up at run time (it answers
// E_NOTIMPL when shell32 is not loaded or does not export it).
const TTrayShellCalls& DefaultTrayShellCalls() noexcept;

// Puts a table in force for its lifetime and restores the previous one afterwards.
using TTrayShellCallsScope = TCallTableScope<TTrayShellCalls>;

// The shell's major version through the table's DllGetVersion (cbSize 20); 0 when it is missing
// or fails. Never throws.
DWORD ShellMajorVersion() noexcept;
