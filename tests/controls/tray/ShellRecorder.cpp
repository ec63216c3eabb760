#include "tests/controls/tray/ShellRecorder.h"

#include <algorithm>

#include "controls/tray/TrayNotifyRecord.h"
#include "framework/win/graphics/Icon.h"
#include "tests/framework/win/graphics/GraphicsTestSupport.h"

namespace {

ShellRecorder*& Active() {
  static ShellRecorder* active = nullptr;
  return active;
}

TTrayShellCalls CallsFor(DWORD majorVersion, BOOL(WINAPI* notify)(DWORD, PNOTIFYICONDATAA),
                         HRESULT(CALLBACK* version)(DLLVERSIONINFO*)) {
  return TTrayShellCalls{notify, majorVersion == 0 ? nullptr : version};
}

}  // namespace

ShellRecorder::ShellRecorder(DWORD majorVersion)
    : majorVersion_(majorVersion),
      scope_(CallsFor(majorVersion, &ShellRecorder::NotifyIcon, &ShellRecorder::DllGetVersion)) {
  Active() = this;
}

ShellRecorder::~ShellRecorder() {
  Active() = nullptr;
}

BOOL WINAPI ShellRecorder::NotifyIcon(DWORD message, PNOTIFYICONDATAA data) {
  ShellRecorder* self = Active();
  if (self == nullptr) return FALSE;
  ShellCall call;
  call.message = message;
  call.cbSize = data->cbSize;
  call.window = data->hWnd;
  call.id = data->uID;
  call.flags = data->uFlags;
  call.callbackMessage = data->uCallbackMessage;
  call.icon = data->hIcon;
  // Only the part of the tip buffer that the record's layout carries.
  const size_t limit = data->cbSize == TTrayNotifyRecord::kLargeSize ? 128 : 64;
  call.tip.assign(data->szTip, strnlen(data->szTip, limit));
  self->calls.push_back(call);
  return message == NIM_ADD && self->refuseAdd ? FALSE : TRUE;
}

HRESULT CALLBACK ShellRecorder::DllGetVersion(DLLVERSIONINFO* info) {
  ShellRecorder* self = Active();
  if (self == nullptr) return E_FAIL;
  self->versionInfoSize = info->cbSize;
  info->dwMajorVersion = self->majorVersion_;
  info->dwMinorVersion = 0;
  return S_OK;
}

int ShellRecorder::Count(DWORD message) const {
  return static_cast<int>(std::count_if(calls.begin(), calls.end(),
                                        [&](const ShellCall& c) { return c.message == message; }));
}

std::vector<DWORD> ShellRecorder::Messages() const {
  std::vector<DWORD> messages;
  for (const ShellCall& call : calls)
    messages.push_back(call.message);
  return messages;
}

TColor IconCentreColor(HICON icon) {
  DibSurface surface(16, 16, clWhite);
  DrawIconEx(surface.DC(), 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
  return surface.At(8, 8);
}
