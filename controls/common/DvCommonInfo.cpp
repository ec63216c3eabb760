// Published properties of the label and the separator.
#include "controls/common/DvBckgnd.h"
#include "controls/common/DvLabel.h"
#include "controls/edit/DvFrameController.h"
#include "framework/core/TypInfo.h"
#include "framework/win/controls/ControlPublish.h"

const std::vector<std::string>& DvCondenseCaptionNames() {
  static const std::vector<std::string> names = {"ccNone", "ccAtEnd", "ccWithinPath"};
  return names;
}

const std::vector<std::string>& CenterPointNames() {
  static const std::vector<std::string> names = {"cpUpperLeft",  "cpUpperCenter", "cpUpperRight",
                                                 "cpLeftCenter", "cpCenter",      "cpRightCenter",
                                                 "cpLowerLeft",  "cpLowerCenter", "cpLowerRight"};
  return names;
}

const std::vector<std::string>& RotationNames() {
  static const std::vector<std::string> names = {"roNone", "roFlat", "roCurve"};
  return names;
}

const TClassInfo& TDvLabel::StaticClassInfo() {
  using C = TDvLabel;
  static const TClassInfo info = DefineClassInfo<C, TLabel>("TDvLabel", [](TPropertyBuilder<C>& b) {
    b.Integer("Angle", &C::Angle, &C::SetAngle, 0);
    b.Bool("Blinking", &C::Blinking, &C::SetBlinking, false);
    b.Integer("BlinkColor", &C::BlinkColor, &C::SetBlinkColor, clHighlight, {}, &ColorIdents());
    b.Integer("BlinkIntervalOff", &C::BlinkIntervalOff, &C::SetBlinkIntervalOff, 500);
    b.Integer("BlinkIntervalOn", &C::BlinkIntervalOn, &C::SetBlinkIntervalOn, 500);
    b.Integer("BevelWidth", &C::BevelWidth, &C::SetBevelWidth, 1);
    b.Enum("BorderInner", &C::BorderInner, &C::SetBorderInner, FrameStyleExNames(), fsNone);
    b.Enum("BorderOuter", &C::BorderOuter, &C::SetBorderOuter, FrameStyleExNames(), fsNone);
    b.Set("BorderSides", &C::BorderSides, &C::SetBorderSides, SideNames(), kAllSides);
    b.Integer("BorderColor", &C::BorderColor, &C::SetBorderColor, clBtnFace, {}, &ColorIdents());
    b.Integer("BorderHighlight", &C::BorderHighlight, &C::SetBorderHighlight, clBtnHighlight, {},
              &ColorIdents());
    b.Integer("BorderShadow", &C::BorderShadow, &C::SetBorderShadow, clBtnShadow, {},
              &ColorIdents());
    b.Integer("BorderWidth", &C::BorderWidth, &C::SetBorderWidth, 0);
    b.Enum("CondenseCaption", &C::CondenseCaption, &C::SetCondenseCaption, DvCondenseCaptionNames(),
           ccNone);
    b.Integer("FlatColor", &C::FlatColor, &C::SetFlatColor, clBtnShadow, {}, &ColorIdents());
    b.Integer("FlatColorAdjustment", &C::FlatColorAdjustment, &C::SetFlatColorAdjustment, 30);
    b.template Component<TDvFrameController>("FrameController", &C::FrameController,
                                             &C::SetFrameController);
    b.Enum("CenterPoint", &C::CenterPoint, &C::SetCenterPoint, CenterPointNames(), cpCenter);
    b.Integer("FlyByColor", &C::FlyByColor, &C::SetFlyByColor, clHighlight, {}, &ColorIdents());
    b.Bool("FlyByEnabled", &C::FlyByEnabled, &C::SetFlyByEnabled, false);
    b.Bool("LightTextStyle", &C::LightTextStyle, &C::SetLightTextStyle, false);
    b.Enum("Rotation", &C::Rotation, &C::SetRotation, RotationNames(), roNone);
    b.Integer("HighlightColor", &C::HighlightColor, &C::SetHighlightColor, clBtnHighlight, {},
              &ColorIdents());
    b.Integer("ShadowColor", &C::ShadowColor, &C::SetShadowColor, clBtnShadow, {}, &ColorIdents());
    b.Integer("ShadowDepth", &C::ShadowDepth, &C::SetShadowDepth, 2);
    b.Enum("TextStyle", &C::TextStyle, &C::SetTextStyle, TextStyleNames(), tsNormal);
  });
  return info;
}

const TClassInfo& TDvSeparator::StaticClassInfo() {
  using C = TDvSeparator;
  static const TClassInfo info =
      DefineClassInfo<C, TGraphicControl>("TDvSeparator", [](TPropertyBuilder<C>& b) {
        b.Integer("HighlightColor", &C::HighlightColor, &C::SetHighlightColor, clHighlight, {},
                  &ColorIdents());
        b.Enum("HighlightLocation", &C::HighlightLocation, &C::SetHighlightLocation,
               DvHighlightLocationNames(), hlCenter);
        b.Enum("Orientation", &C::Orientation, &C::SetOrientation, OrientationNames(),
               orHorizontal);
        b.Bool("ShowGradient", &C::ShowGradient, &C::SetShowGradient);
        PublishControlProperties(b, {"Align", "Anchors"});
        b.Integer(
            "Color", &TControl::Color, &TControl::SetColor, clBtnFace,
            [](const C& c) { return !c.ParentColor(); }, &ColorIdents());
        PublishControlProperties(b, {"Constraints", "DragCursor", "DragMode", "Enabled"});
        b.Integer("Height", &TControl::Height, &TControl::SetHeight, 2);
        PublishControlProperties(
            b, {"ParentColor", "ParentShowHint", "PopupMenu", "ShowHint", "Visible"});
        b.Integer("Width", &TControl::Width, &TControl::SetWidth, 200);
        PublishControlProperties(b, {"OnClick", "OnDblClick", "OnDragDrop", "OnDragOver",
                                     "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp"});
      });
  return info;
}
