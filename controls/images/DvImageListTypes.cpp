#include "controls/images/DvImageListTypes.h"

const std::vector<std::string>& DvImageListModeNames() {
  static const std::vector<std::string> names = {"imClassic", "imPicture", "imResourceIds",
                                                 "imItemList"};
  return names;
}

const std::vector<std::string>& DvTransparentModeNames() {
  static const std::vector<std::string> names = {"tmNone", "tmAuto", "tmColor"};
  return names;
}

const std::vector<std::string>& DvImageListItemKindNames() {
  static const std::vector<std::string> names = {"ikResourceBitmap", "ikMappedResourceBitmap",
                                                 "ikInlineBitmap"};
  return names;
}
