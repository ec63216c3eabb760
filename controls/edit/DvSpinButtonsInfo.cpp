// Published properties of the spin button pair and its buttons.
#include "controls/edit/DvSpinButtons.h"
#include "framework/core/TypInfo.h"
#include "framework/win/controls/ControlPublish.h"

const TClassInfo& TDvControlButton::StaticClassInfo() {
  using C = TDvControlButton;
  static const TClassInfo info =
      DefineClassInfo<C, TGraphicControl>("TDvControlButton", [](TPropertyBuilder<C>& b) {
        PublishControlProperties(b, {"Action", "Caption"});
        b.Integer("Color", &TControl::Color, &TControl::SetColor, clBtnFace, {}, &ColorIdents());
        b.Integer("Delay", &C::Delay, &C::SetDelay, 100);
        PublishControlProperties(b, {"DragCursor", "DragKind", "DragMode", "Enabled"});
        b.Bool("Flat", &C::Flat, &C::SetFlat, false);
        b.Object("Glyph", &C::Glyph, [](const C& c) { return !c.Glyph()->Empty(); });
        b.Integer("InitialDelay", &C::InitialDelay, &C::SetInitialDelay, 400);
        b.Integer("NumGlyphs", &C::NumGlyphs, &C::SetNumGlyphs, 1);
        PublishControlProperties(b, {"ParentShowHint", "PopupMenu"});
        b.Bool("RepeatClicks", &C::RepeatClicks, &C::SetRepeatClicks, false);
        PublishControlProperties(b, {"ShowHint"});
        b.Enum("Style", &C::Style, &C::SetStyle, DvControlButtonStyleNames(), cbsNone);
        PublishControlProperties(
            b, {"Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock",
                "OnEndDrag", "OnMouseDown", "OnMouseEnter", "OnMouseLeave", "OnMouseMove",
                "OnMouseUp", "OnStartDock", "OnStartDrag"});
      });
  return info;
}

const TClassInfo& TDvSpinButtons::StaticClassInfo() {
  using C = TDvSpinButtons;
  static const TClassInfo info =
      DefineClassInfo<C, TWinControl>("TDvSpinButtons", [](TPropertyBuilder<C>& b) {
        PublishControlProperties(b, {"Align", "Anchors"});
        b.Integer(
            "Color", &TControl::Color, &TControl::SetColor, clBtnFace,
            [](const C& c) { return !c.ParentColor(); }, &ColorIdents());
        PublishControlProperties(b, {"Constraints", "Ctl3D"});
        b.Enum("Direction", &C::Direction, &C::SetDirection, SpinDirectionNames(), sdUpDown);
        PublishControlProperties(b, {"DragCursor", "DragKind", "DragMode", "Enabled"});
        b.Bool("Flat", &C::Flat, &C::SetFlat, false);
        b.template Component<TWinControl>("FocusControl", &C::FocusControl, &C::SetFocusControl);
        b.Object("GlyphDownLeft", &C::GlyphDownLeft,
                 [](const C& c) { return c.HasCustomGlyphDownLeft(); });
        b.Object("GlyphUpRight", &C::GlyphUpRight,
                 [](const C& c) { return c.HasCustomGlyphUpRight(); });
        b.Integer("NumGlyphsDownLeft", &C::NumGlyphsDownLeft, &C::SetNumGlyphsDownLeft, 2,
                  [](const C& c) { return c.HasCustomGlyphDownLeft(); });
        b.Integer("NumGlyphsUpRight", &C::NumGlyphsUpRight, &C::SetNumGlyphsUpRight, 2,
                  [](const C& c) { return c.HasCustomGlyphUpRight(); });
        b.Enum("Orientation", &C::Orientation, &C::SetOrientation, OrientationNames(), orVertical);
        PublishControlProperties(b, {"ParentColor", "ParentCtl3D", "ParentShowHint", "PopupMenu",
                                     "ShowHint", "TabOrder"});
        b.Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, false);
        PublishControlProperties(b, {"Visible"});
        b.Event("OnDownLeftClick", &C::OnDownLeftClick);
        b.Event("OnUpRightClick", &C::OnUpRightClick);
        PublishControlProperties(b, {"OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag",
                                     "OnEnter", "OnExit", "OnStartDock", "OnStartDrag"});
      });
  return info;
}
