#include "controls/tray/TrayShellCalls.h"

namespace {

HRESULT CALLBACK Shell32DllGetVersion(DLLVERSIONINFO* info) {
  HMODULE shell = GetModuleHandleA("shell32.dll");
  if (shell == nullptr) return E_NOTIMPL;
  // GetProcAddress answers a generic function pointer; the export has DllGetVersion's type.
  const auto proc = reinterpret_cast<DLLGETVERSIONPROC>(
      reinterpret_cast<void*>(GetProcAddress(shell, "DllGetVersion")));
  if (proc == nullptr) return E_NOTIMPL;
  return proc(info);
}

}  // namespace

const TTrayShellCalls& DefaultTrayShellCalls() noexcept {
  static const TTrayShellCalls calls{&Shell_NotifyIconA, &Shell32DllGetVersion};
  return calls;
}

const TTrayShellCalls& TrayShellCalls() noexcept {
  return TTrayShellCallsScope::InForce(DefaultTrayShellCalls());
}

DWORD ShellMajorVersion() noexcept {
  const TTrayShellCalls& calls = TrayShellCalls();
  if (calls.dllGetVersion == nullptr) return 0;
  DLLVERSIONINFO info{};
  info.cbSize = sizeof(info);
  if (FAILED(calls.dllGetVersion(&info))) return 0;
  return info.dwMajorVersion;
}
