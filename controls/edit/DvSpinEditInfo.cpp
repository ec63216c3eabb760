// Published properties of the framed edit and the spin edit.
#include "controls/edit/DvFrameController.h"
#include "controls/edit/DvSpinEdit.h"
#include "framework/core/TypInfo.h"
#include "framework/win/controls/ControlPublish.h"

const TClassInfo& TDvCustomEdit::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TDvCustomEdit, TCustomEdit>("TDvCustomEdit");
  return info;
}

const TClassInfo& TDvSpinEdit::StaticClassInfo() {
  using C = TDvSpinEdit;
  static const TClassInfo info =
      DefineClassInfo<C, TDvCustomEdit>("TDvSpinEdit", [](TPropertyBuilder<C>& b) {
        const auto always = [](const C&) { return true; };
        const auto framed = [](const C& c) { return c.StoresFrameSettings(); };
        PublishControlProperties(b, {"Align"});
        b.Enum("Alignment", &TCustomEdit::Alignment, &TCustomEdit::SetAlignment, LeftRightNames(),
               taRightJustify);
        b.Bool("AllowBlank", &C::AllowBlank, &C::SetAllowBlank, false);
        b.Float("BlankValue", &C::BlankValue, &C::SetBlankValue, std::nullopt, always);
        b.Bool("AllowKeyEdit", &C::AllowKeyEdit, &C::SetAllowKeyEdit, false);
        PublishControlProperties(b, {"Anchors"});
        b.Bool("AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect, true);
        b.Bool("AutoSize", &TCustomEdit::AutoSize, &TCustomEdit::SetAutoSize, true);
        PublishControlProperties(b, {"BiDiMode"});
        b.Object(
            "ButtonDownGlyph", [](C& c) { return c.Buttons().GlyphDownLeft(); },
            [](const C& c) { return c.Buttons().HasCustomGlyphDownLeft(); });
        b.Integer(
            "ButtonDownNumGlyphs", [](const C& c) { return c.Buttons().NumGlyphsDownLeft(); },
            [](C& c, int64_t n) { c.Buttons().SetNumGlyphsDownLeft(static_cast<int>(n)); }, 2,
            [](const C& c) { return c.Buttons().HasCustomGlyphDownLeft(); });
        b.Object(
            "ButtonUpGlyph", [](C& c) { return c.Buttons().GlyphUpRight(); },
            [](const C& c) { return c.Buttons().HasCustomGlyphUpRight(); });
        b.Integer(
            "ButtonUpNumGlyphs", [](const C& c) { return c.Buttons().NumGlyphsUpRight(); },
            [](C& c, int64_t n) { c.Buttons().SetNumGlyphsUpRight(static_cast<int>(n)); }, 2,
            [](const C& c) { return c.Buttons().HasCustomGlyphUpRight(); });
        b.Integer("ButtonWidth", &C::ButtonWidth, &C::SetButtonWidth, 17);
        b.Enum("CharCase", &TCustomEdit::CharCase, &TCustomEdit::SetCharCase, EditCharCaseNames(),
               ecNormal);
        b.Bool("CheckRange", &C::CheckRange, &C::SetCheckRange, false);
        b.Integer(
            "Color", &TControl::Color, &TControl::SetColor, clWindow,
            [](const C& c) { return !c.ParentColor() && c.StoresColor(); }, &ColorIdents());
        PublishControlProperties(b, {"Constraints", "Ctl3D"});
        b.Integer("Decimals", &C::Decimals, &C::SetDecimals, 0);
        b.Enum("Direction", &C::Direction, &C::SetDirection, SpinDirectionNames(), sdUpDown);
        b.Integer("DisabledColor", &TDvCustomEdit::DisabledColor, &TDvCustomEdit::SetDisabledColor,
                  clBtnFace, framed, &ColorIdents());
        PublishControlProperties(b, {"DragCursor", "DragKind", "DragMode", "Enabled"});
        b.Integer("FlatButtonColor", &C::FlatButtonColor, &C::SetFlatButtonColor, clBtnFace, {},
                  &ColorIdents());
        b.Bool("FlatButtons", &TDvCustomEdit::FlatButtons, &C::SetFlatButtons, false, framed);
        b.Integer(
            "FocusColor", &TDvCustomEdit::FocusColor, &TDvCustomEdit::SetFocusColor, std::nullopt,
            [](const C& c) { return c.StoresFocusColor(); }, &ColorIdents());
        PublishControlProperties(b, {"Font"});
        b.Integer("FrameColor", &TDvCustomEdit::FrameColor, &TDvCustomEdit::SetFrameColor,
                  clBtnShadow, framed, &ColorIdents());
        b.template Component<TDvFrameController>("FrameController", &TDvCustomEdit::FrameController,
                                                 &TDvCustomEdit::SetFrameController);
        b.Integer("FrameHotColor", &TDvCustomEdit::FrameHotColor, &TDvCustomEdit::SetFrameHotColor,
                  clBtnShadow, framed, &ColorIdents());
        b.Bool("FrameHotTrack", &TDvCustomEdit::FrameHotTrack, &TDvCustomEdit::SetFrameHotTrack,
               false, framed);
        b.Enum("FrameHotStyle", &TDvCustomEdit::FrameHotStyle, &TDvCustomEdit::SetFrameHotStyle,
               FrameStyleNames(), fsFlatBold, framed);
        b.Set("FrameSides", &TDvCustomEdit::FrameSides, &TDvCustomEdit::SetFrameSides, SideNames(),
              kAllSides, framed);
        b.Enum("FrameStyle", &TDvCustomEdit::FrameStyle, &C::SetFrameStyle, FrameStyleNames(),
               fsFlat, framed);
        b.Bool("FrameVisible", &TDvCustomEdit::FrameVisible, &TDvCustomEdit::SetFrameVisible, false,
               framed);
        b.Enum("FramingPreference", &TDvCustomEdit::FramingPreference,
               &TDvCustomEdit::SetFramingPreference, FramingPreferenceNames(), fpXPThemes);
        b.Bool("HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection, true);
        PublishControlProperties(b, {"ImeMode", "ImeName"});
        b.Float("Increment", &C::Increment, &C::SetIncrement, 1.0L);
        b.Bool("IntegersOnly", &C::IntegersOnly, &C::SetIntegersOnly, true);
        b.Float("Max", &C::Max, &C::SetMax, 100.0L);
        b.Float("Min", &C::Min, &C::SetMin, 0.0L);
        b.Bool("OEMConvert", &TCustomEdit::OEMConvert, &TCustomEdit::SetOEMConvert, false);
        b.Enum("Orientation", &C::Orientation, &C::SetOrientation, OrientationNames(), orVertical);
        b.Float("PageSize", &C::PageSize, &C::SetPageSize, 10.0L);
        PublishControlProperties(b, {"ParentBiDiMode"});
        b.Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor, false);
        PublishControlProperties(b, {"ParentCtl3D", "ParentFont", "ParentShowHint"});
        b.String(
            "PasswordChar",
            [](const C& c) {
              return c.PasswordChar() != 0 ? std::string(1, c.PasswordChar()) : std::string();
            },
            [](C& c, const std::string& s) { c.SetPasswordChar(s.empty() ? '\0' : s[0]); });
        PublishControlProperties(b, {"PopupMenu"});
        b.Bool("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly, false);
        PublishControlProperties(b, {"ShowHint"});
        b.Bool("TabOnEnter", &TDvCustomEdit::TabOnEnter, &TDvCustomEdit::SetTabOnEnter, false);
        PublishControlProperties(b, {"TabOrder"});
        b.Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true);
        b.Float("Value", &C::StoredValue, &C::SetValue, std::nullopt, always);
        PublishControlProperties(b, {"Visible"});
        b.Event("OnButtonClick", &C::OnButtonClick);
        b.Event("OnChange", &TCustomEdit::OnChange);
        b.Event("OnChanging", &C::OnChanging);
        PublishControlProperties(
            b,
            {"OnClick",     "OnContextPopup", "OnDblClick",       "OnDragDrop",     "OnDragOver",
             "OnEndDock",   "OnEndDrag",      "OnEnter",          "OnExit",         "OnKeyDown",
             "OnKeyPress",  "OnKeyUp",        "OnMouseDown",      "OnMouseEnter",   "OnMouseLeave",
             "OnMouseMove", "OnMouseUp",      "OnMouseWheelDown", "OnMouseWheelUp", "OnStartDock",
             "OnStartDrag"});
      });
  return info;
}
