#include "tests/framework/win/menus/MenuTestSupport.h"

#include "framework/win/platform/EventDispatch.h"

MenuEntry ReadMenuEntry(HMENU menu, int position) {
  char buffer[256] = {};
  MENUITEMINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
  info.dwTypeData = buffer;
  info.cch = sizeof(buffer) - 1;
  MenuEntry entry;
  if (!GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) return entry;
  entry.text = (info.fType & (MFT_OWNERDRAW | MFT_SEPARATOR)) ? std::string() : buffer;
  entry.type = info.fType;
  entry.state = info.fState;
  entry.id = info.wID;
  entry.subMenu = info.hSubMenu;
  return entry;
}

std::vector<std::string> MenuTexts(HMENU menu) {
  std::vector<std::string> texts;
  for (int i = 0; i < GetMenuItemCount(menu); ++i)
    texts.push_back(ReadMenuEntry(menu, i).text);
  return texts;
}

EventErrorRecorder::EventErrorRecorder() {
  SetEventExceptionHandler([this](TObject* sender, std::exception_ptr error) {
    senders.push_back(sender);
    try {
      std::rethrow_exception(error);
    } catch (const std::exception& e) {
      messages.push_back(e.what());
    }
  });
}

EventErrorRecorder::~EventErrorRecorder() {
  SetEventExceptionHandler(nullptr);
}
