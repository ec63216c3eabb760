#include "framework/core/BiDiMode.h"

const std::vector<std::string>& BiDiModeNames() {
  static const std::vector<std::string> names = {
      "bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"};
  return names;
}
