#include "framework/win/DragTypes.h"

#include "framework/core/TypInfo.h"

const std::vector<std::string>& DragModeNames() {
  static const std::vector<std::string> names = {"dmManual", "dmAutomatic"};
  return names;
}

const TIdentMap& DragCursorIdents() {
  static const TIdentMap idents = {
      {crDefault, "crDefault"},
      {crNone, "crNone"},
      {crArrow, "crArrow"},
      {crCross, "crCross"},
      {crIBeam, "crIBeam"},
      {crSizeNESW, "crSizeNESW"},
      {crSizeNS, "crSizeNS"},
      {crSizeNWSE, "crSizeNWSE"},
      {crSizeWE, "crSizeWE"},
      {crUpArrow, "crUpArrow"},
      {crHourGlass, "crHourGlass"},
      {crDrag, "crDrag"},
      {crNo, "crNo"},
      {crAppStart, "crAppStart"},
      {crHelp, "crHelp"},
      {crHandPoint, "crHandPoint"},
      {crSizeAll, "crSizeAll"},
  };
  return idents;
}
