// The check box's published properties, and those of its bases.
#include "controls/check/DvCheckBox.h"

#include "controls/edit/DvFrameController.h"
#include "framework/core/Filer.h"
#include "framework/core/TypInfo.h"
#include "framework/win/controls/ControlPublish.h"

const TClassInfo& TDvCustomButton::StaticClassInfo() {
  static const TClassInfo info =
      DefineClassInfo<TDvCustomButton, TCustomControl>("TDvCustomButton");
  return info;
}

const TClassInfo& TDvCustomGlyphButton::StaticClassInfo() {
  static const TClassInfo info =
      DefineClassInfo<TDvCustomGlyphButton, TDvCustomButton>("TDvCustomGlyphButton");
  return info;
}

const TClassInfo& TDvCustomCheckBox::StaticClassInfo() {
  static const TClassInfo info =
      DefineClassInfo<TDvCustomCheckBox, TDvCustomGlyphButton>("TDvCustomCheckBox");
  return info;
}

const TClassInfo& TDvCheckBox::StaticClassInfo() {
  using C = TDvCheckBox;
  static const TClassInfo info =
      DefineClassInfo<C, TDvCustomCheckBox>("TDvCheckBox", [](TPropertyBuilder<C>& b) {
        PublishControlProperties(b, {"Action"});
        b.Enum("Alignment", &C::Alignment, &C::SetAlignment, LeftRightNames(), taRightJustify);
        b.Enum("AlignmentVertical", &C::AlignmentVertical, &C::SetAlignmentVertical,
               AlignmentVerticalNames(), avTop);
        b.Bool("AllowGrayed", &C::AllowGrayed, &C::SetAllowGrayed, false);
        PublishControlProperties(b, {"Anchors", "BiDiMode", "Caption"});
        b.Bool("Checked", &C::Checked, &C::SetChecked, false,
               [](const C& c) { return c.StoresChecked(); });
        b.Integer(
            "Color", &TControl::Color, &TControl::SetColor, clWindow,
            [](const C& c) { return !c.ParentColor(); }, &ColorIdents());
        PublishControlProperties(b, {"Constraints"});
        b.Object("CustomGlyphs", &C::CustomGlyphs,
                 [](const C& c) { return !c.CustomGlyphs()->Empty(); });
        b.Integer("DisabledColor", &C::DisabledColor, &C::SetDisabledColor, clBtnFace, {},
                  &ColorIdents());
        PublishControlProperties(b, {"DragCursor", "DragKind", "DragMode", "Enabled"});
        b.Integer("FrameColor", &C::FrameColor, &C::SetFrameColor, clBtnShadow, {}, &ColorIdents());
        PublishControlProperties(b, {"Font"});
        b.template Component<TDvFrameController>("FrameController", &C::FrameController,
                                                 &C::SetFrameController);
        b.Integer("HighlightColor", &C::HighlightColor, &C::SetHighlightColor, clHighlight, {},
                  &ColorIdents());
        b.Bool("HotTrack", &C::HotTrack, &C::SetHotTrack, false);
        b.Integer("HotTrackColor", &C::HotTrackColor, &C::SetHotTrackColor, clHighlight, {},
                  &ColorIdents());
        b.Enum("HotTrackColorType", &C::HotTrackColorType, &C::SetHotTrackColorType,
               DvHotTrackColorTypeNames(), htctComplement);
        b.Bool("LightTextStyle", &C::LightTextStyle, &C::SetLightTextStyle, false);
        PublishControlProperties(b, {"ParentBiDiMode", "ParentColor", "ParentFont",
                                     "ParentShowHint", "PopupMenu", "ShowHint"});
        // Always stored, the default included.
        b.template EnumNoDefault<TCheckBoxState>("State", &C::State, &C::SetState,
                                                 CheckBoxStateNames());
        b.Bool("TabOnEnter", &C::TabOnEnter, &C::SetTabOnEnter, false);
        PublishControlProperties(b, {"TabOrder"});
        b.Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true);
        b.Integer("TextHighlightColor", &C::TextHighlightColor, &C::SetTextHighlightColor,
                  clBtnHighlight, {}, &ColorIdents());
        b.Integer("TextShadowColor", &C::TextShadowColor, &C::SetTextShadowColor, clBtnShadow, {},
                  &ColorIdents());
        b.Integer("TextShadowDepth", &C::TextShadowDepth, &C::SetTextShadowDepth, 2);
        b.Enum("TextStyle", &C::TextStyle, &C::SetTextStyle, TextStyleNames(), tsNormal);
        b.Bool("Transparent", &C::Transparent, &C::SetTransparent, false);
        b.Integer("TransparentColor", &C::TransparentColor, &C::SetTransparentColor, clOlive, {},
                  &ColorIdents());
        b.Bool("UseCustomGlyphs", &C::UseCustomGlyphs, &C::SetUseCustomGlyphs, false);
        PublishControlProperties(b, {"Visible"});
        b.Integer("WinMaskColor", &C::WinMaskColor, &C::SetWinMaskColor, clLime, {},
                  &ColorIdents());
        PublishControlProperties(
            b, {"OnClick", "OnContextPopup", "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag",
                "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown",
                "OnMouseEnter", "OnMouseLeave", "OnMouseMove", "OnMouseUp", "OnStartDock",
                "OnStartDrag"});
      });
  return info;
}

void TDvCheckBox::DefineProperties(TFiler& filer) {
  TDvCustomCheckBox::DefineProperties(filer);
  // Old form data called the hot-track look "Flat".
  filer.DefineProperty(
      "Flat", [this](TReader& reader) { SetHotTrack(reader.ReadBoolean()); }, nullptr, false);
}
