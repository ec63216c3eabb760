// Source encoding is UTF-8; the wide literals are UTF-16 in the program.
#include "app/FirstRunNotice.h"

const std::wstring& FirstRunNoticeCaption() {
  static const std::wstring caption = L"שים לב..";
  return caption;
}

const std::wstring& FirstRunNoticeText() {
  static const std::wstring text =
      L"שים לב:"
      L"\r\n"
      L"\r\n"
      L"עלייך לבחור באפשרות \"חייג תמיד לברירת מחדל\""
      L"\r\n"
      L"בסייר האינטרנט על-מנת שהתוכנה תפעל כראוי !";
  return text;
}

void ShowFirstRunNotice(HWND owner) {
  MessageBoxW(owner, FirstRunNoticeText().c_str(), FirstRunNoticeCaption().c_str(),
              kFirstRunNoticeFlags);
}
