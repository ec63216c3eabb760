// Helpers for the timer and menu tests: reading platform menu entries and catching event errors.
#pragma once

#include <windows.h>

#include <exception>
#include <string>
#include <vector>

class TObject;

// One entry of a platform menu as GetMenuItemInfoA reports it.
struct MenuEntry {
  std::string text;
  UINT type = 0;
  UINT state = 0;
  UINT id = 0;
  HMENU subMenu = nullptr;
};
MenuEntry ReadMenuEntry(HMENU menu, int position);
std::vector<std::string> MenuTexts(HMENU menu);

// Records what reaches the event error handler (instead of message boxes) while it lives.
class EventErrorRecorder {
 public:
  EventErrorRecorder();
  ~EventErrorRecorder();
  EventErrorRecorder(const EventErrorRecorder&) = delete;
  EventErrorRecorder& operator=(const EventErrorRecorder&) = delete;

  std::vector<TObject*> senders;
  std::vector<std::string> messages;
};
