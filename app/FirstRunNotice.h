// The notice shown at every start until the settings have been saved once: in Hebrew, it asks the
// user to choose "always dial the default connection" in the Internet Explorer settings.
#pragma once

#include <string>

#include <windows.h>

// MB_OK | MB_ICONEXCLAMATION | MB_RIGHT | MB_RTLREADING.
inline constexpr UINT kFirstRunNoticeFlags = 0x180030;

const std::wstring& FirstRunNoticeCaption();
// Four lines joined by CR LF, the second one empty.
const std::wstring& FirstRunNoticeText();

// Shows the notice modally, owned by owner. UTF-16 so that the Hebrew reads correctly whatever
// the system's ANSI code page is.
void ShowFirstRunNotice(HWND owner);
