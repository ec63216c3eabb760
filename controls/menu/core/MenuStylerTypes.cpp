#include "controls/menu/core/MenuStylerTypes.h"

#include "framework/core/SysUtils.h"

const std::vector<std::string>& GradientDirectionNames() {
  static const std::vector<std::string> names = {"gdVertical", "gdHorizontal"};
  return names;
}

const std::vector<std::string>& GradientTypeNames() {
  static const std::vector<std::string> names = {"gtLeft", "gtRight", "gtBoth"};
  return names;
}

const std::vector<std::string>& SideBarVisibleInNames() {
  static const std::vector<std::string> names = {"viFirstVisible", "viFirstLevel", "viAnyLevel"};
  return names;
}

const std::vector<std::string>& DirectionNames() {
  static const std::vector<std::string> names = {"dDownToUp", "dUpToDown"};
  return names;
}

const std::vector<std::string>& BackgroundPositionNames() {
  static const std::vector<std::string> names = {
      "bpTopLeft",      "bpTopRight", "bpBottomLeft", "bpBottomRight", "bpTopCenter",
      "bpBottomCenter", "bpTiled",    "bpStretched",  "bpCenter",      "bpXY"};
  return names;
}

const std::vector<std::string>& FantasyStyleNames() {
  static const std::vector<std::string> names = {
      "fsArctic",   "fsAquaBlue",      "fsChocolate", "fsMacOS",         "fsSilverFox",
      "fsSoftSand", "fsTerminalGreen", "fsTextured",  "fsWindowsClassic"};
  return names;
}

TColor TColorPair::Get(int index) const {
  if (index < 0 || index > 1) throw EInvalidPropertyIndex(index);
  return colors_[index];
}

void TColorPair::Set(int index, TColor color) {
  if (index < 0 || index > 1) throw EInvalidPropertyIndex(index);
  colors_[index] = color;
}
