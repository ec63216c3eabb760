// Published properties of the frame controller.
#include "controls/edit/DvFrameController.h"
#include "controls/edit/DvRegIniFile.h"
#include "framework/core/TypInfo.h"

const TClassInfo& TDvFrameController::StaticClassInfo() {
  using C = TDvFrameController;
  static const TClassInfo info =
      DefineClassInfo<C, TComponent>("TDvFrameController", [](TPropertyBuilder<C>& b) {
        b.Integer(
            "Color", &C::Color, &C::SetColor, clWindow, [](const C& c) { return !c.ParentColor(); },
            &ColorIdents());
        b.Bool("ParentColor", &C::ParentColor, &C::SetParentColor, false);
        b.Integer("FlatButtonColor", &C::FlatButtonColor, &C::SetFlatButtonColor, clBtnFace, {},
                  &ColorIdents());
        b.Bool("FlatButtons", &C::FlatButtons, &C::SetFlatButtons, true);
        b.Integer("DisabledColor", &C::DisabledColor, &C::SetDisabledColor, clBtnFace, {},
                  &ColorIdents());
        b.Integer("FocusColor", &C::FocusColor, &C::SetFocusColor, clWindow, {}, &ColorIdents());
        b.Integer("FrameColor", &C::FrameColor, &C::SetFrameColor, clBtnShadow, {}, &ColorIdents());
        b.Integer("FrameHotColor", &C::FrameHotColor, &C::SetFrameHotColor, clBtnShadow, {},
                  &ColorIdents());
        b.Bool("FrameHotTrack", &C::FrameHotTrack, &C::SetFrameHotTrack, false);
        b.Enum("FrameHotStyle", &C::FrameHotStyle, &C::SetFrameHotStyle, FrameStyleNames(),
               fsFlatBold);
        b.Set("FrameSides", &C::FrameSides, &C::SetFrameSides, SideNames(), kAllSides);
        b.Enum("FrameStyle", &C::FrameStyle, &C::SetFrameStyle, FrameStyleNames(), fsFlat);
        b.Bool("FrameVisible", &C::FrameVisible, &C::SetFrameVisible, false);
        b.Enum("FramingPreference", &C::FramingPreference, &C::SetFramingPreference,
               FramingPreferenceNames(), fpXPThemes);
        b.template Component<TDvRegIniFile>("RegIniFile", &C::RegIniFile, &C::SetRegIniFile);
      });
  return info;
}
