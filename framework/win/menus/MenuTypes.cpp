#include "framework/win/menus/MenuTypes.h"

const std::vector<std::string>& MenuBreakNames() {
  static const std::vector<std::string> names = {"mbNone", "mbBreak", "mbBarBreak"};
  return names;
}

const std::vector<std::string>& PopupAlignmentNames() {
  static const std::vector<std::string> names = {"paLeft", "paRight", "paCenter"};
  return names;
}
