// The common control properties, declared once: a control class publishes the ones it shows in
// form data with one line in its class information:
//   PublishControlProperties(b, {"Align", "Anchors", "Color", "Font", "OnClick", ...});
// Left, Top, Width, Height, Cursor, Hint, HelpType, HelpKeyword, HelpContext and Tag are
// published by TControl itself.
// Values that follow the control's action (Caption, Enabled, Visible) are not stored while they
// do.
#pragma once

#include <initializer_list>
#include <string_view>
#include <type_traits>

#include "framework/core/TypInfo.h"
#include "framework/win/controls/Controls.h"
#include "framework/win/controls/WinControl.h"

// The PopupMenu reference as a component (the menu class lives with the menus); assigning a
// component that is not a popup menu fails as any reference of the wrong class does.
TComponent* PopupMenuComponent(const TControl& control);
void AssignPopupMenuComponent(TControl& control, TComponent* menu);

// The named common properties, built once for TControl (windowed: for TWinControl, which adds
// TabOrder, TabStop, Ctl3D, ParentCtl3D, ImeMode, ImeName and the keyboard and focus events), so
// that their code exists once and not once per publishing class. An unknown name throws
// std::logic_error.
TClassInfo::PropList CommonControlProperties(std::initializer_list<std::string_view> names,
                                             bool windowed);

template <class C>
void PublishControlProperties(TPropertyBuilder<C>& b,
                              std::initializer_list<std::string_view> names) {
  static_assert(std::is_base_of_v<TControl, C>);
  b.Append(CommonControlProperties(names, std::is_base_of_v<TWinControl, C>));
}
