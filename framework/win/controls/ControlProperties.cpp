// Class information of the control bases and the form data names of their enumerations.
#include <cctype>

#include "framework/core/TypInfo.h"
#include "framework/win/controls/ControlPublish.h"
#include "framework/win/controls/Controls.h"
#include "framework/win/controls/WinControl.h"

const std::vector<std::string>& AlignNames() {
  static const std::vector<std::string> names = {"alNone", "alTop",   "alBottom",
                                                 "alLeft", "alRight", "alClient"};
  return names;
}

const std::vector<std::string>& AnchorNames() {
  static const std::vector<std::string> names = {"akLeft", "akTop", "akRight", "akBottom"};
  return names;
}

const std::vector<std::string>& AlignmentNames() {
  static const std::vector<std::string> names = {"taLeftJustify", "taRightJustify", "taCenter"};
  return names;
}

const std::vector<std::string>& TextLayoutNames() {
  static const std::vector<std::string> names = {"tlTop", "tlCenter", "tlBottom"};
  return names;
}

const std::vector<std::string>& BorderStyleNames() {
  static const std::vector<std::string> names = {"bsNone",   "bsSingle",     "bsSizeable",
                                                 "bsDialog", "bsToolWindow", "bsSizeToolWin"};
  return names;
}

const std::vector<std::string>& HelpTypeNames() {
  static const std::vector<std::string> names = {"htKeyword", "htContext"};
  return names;
}

bool IsAccel(char key, const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;  // "&&" is a plain ampersand
      continue;
    }
    return std::toupper(static_cast<unsigned char>(caption[i + 1])) ==
           std::toupper(static_cast<unsigned char>(key));
  }
  return false;
}

std::string ShortHint(const std::string& hint) {
  const size_t bar = hint.find('|');
  return bar == std::string::npos ? hint : hint.substr(0, bar);
}

const TClassInfo& TControl::StaticClassInfo() {
  static const TClassInfo info =
      DefineClassInfo<TControl, TComponent>("TControl", [](TPropertyBuilder<TControl>& b) {
        b.Integer("Left", &TControl::Left, &TControl::SetLeft);
        b.Integer("Top", &TControl::Top, &TControl::SetTop);
        b.Integer("Width", &TControl::Width, &TControl::SetWidth);
        b.Integer("Height", &TControl::Height, &TControl::SetHeight);
        b.Integer("Cursor", &TControl::Cursor, &TControl::SetCursor, crDefault, {},
                  &CursorIdents());
        b.String("Hint", &TControl::Hint, &TControl::SetHint, std::string(),
                 [](const TControl& c) { return c.StoresHint(); });
        b.Enum("HelpType", &TControl::HelpType, &TControl::SetHelpType, HelpTypeNames(), htContext);
        b.String("HelpKeyword", &TControl::HelpKeyword, &TControl::SetHelpKeyword, std::string());
        b.Integer("HelpContext", &TControl::HelpContext, &TControl::SetHelpContext, 0);
        b.Integer("Tag", &TControl::Tag, &TControl::SetTag, 0);
      });
  return info;
}

const TClassInfo& TWinControl::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TWinControl, TControl>("TWinControl");
  return info;
}
