#include "controls/common/DvCommonTypes.h"

const std::vector<std::string>& FrameStyleExNames() {
  static const std::vector<std::string> names = {
      "fsNone",   "fsFlat",     "fsGroove", "fsBump",  "fsLowered",  "fsButtonDown",
      "fsRaised", "fsButtonUp", "fsStatus", "fsPopup", "fsFlatBold", "fsFlatRounded"};
  return names;
}

const std::vector<std::string>& FrameStyleNames() {
  static const std::vector<std::string> names(FrameStyleExNames().begin(),
                                              FrameStyleExNames().begin() + fsFlatBold + 1);
  return names;
}

const std::vector<std::string>& SideNames() {
  static const std::vector<std::string> names = {"sdLeft", "sdTop", "sdRight", "sdBottom"};
  return names;
}

const std::vector<std::string>& FramingPreferenceNames() {
  static const std::vector<std::string> names = {"fpCustomFraming", "fpXPThemes"};
  return names;
}

const std::vector<std::string>& TextStyleNames() {
  static const std::vector<std::string> names = {"tsNormal", "tsRaised", "tsRecessed", "tsShadow"};
  return names;
}

const std::vector<std::string>& OrientationNames() {
  static const std::vector<std::string> names = {"orHorizontal", "orVertical"};
  return names;
}

const std::vector<std::string>& LeftRightNames() {
  static const std::vector<std::string> names = {"taLeftJustify", "taRightJustify"};
  return names;
}
