// Class information of the edit box and the label.
#include "framework/core/TypInfo.h"
#include "framework/win/controls/ControlPublish.h"
#include "framework/win/stdctrls/StdCtrls.h"

const std::vector<std::string>& EditCharCaseNames() {
  static const std::vector<std::string> names = {"ecNormal", "ecUpperCase", "ecLowerCase"};
  return names;
}

namespace {
const std::vector<std::string>& EditBorderStyleNames() {
  static const std::vector<std::string> names = {"bsNone", "bsSingle"};
  return names;
}
}  // namespace

const TClassInfo& TCustomEdit::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TCustomEdit, TWinControl>("TCustomEdit");
  return info;
}

const TClassInfo& TEdit::StaticClassInfo() {
  static const TClassInfo info =
      DefineClassInfo<TEdit, TCustomEdit>("TEdit", [](TPropertyBuilder<TEdit>& b) {
        PublishControlProperties(b, {"Align", "Anchors"});
        b.Bool("AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect, true);
        b.Bool("AutoSize", &TCustomEdit::AutoSize, &TCustomEdit::SetAutoSize, true);
        PublishControlProperties(b, {"BiDiMode"});
        b.Enum("BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle,
               EditBorderStyleNames(), bsSingle);
        b.Enum("CharCase", &TCustomEdit::CharCase, &TCustomEdit::SetCharCase, EditCharCaseNames(),
               ecNormal);
        b.Integer(
            "Color", &TControl::Color, &TControl::SetColor, clWindow,
            [](const TEdit& e) { return !e.ParentColor(); }, &ColorIdents());
        PublishControlProperties(
            b, {"Constraints", "Ctl3D", "DragCursor", "DragKind", "DragMode", "Enabled", "Font"});
        b.Bool("HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection, true);
        PublishControlProperties(b, {"ImeMode", "ImeName"});
        b.Integer("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength, 0);
        b.Bool("OEMConvert", &TCustomEdit::OEMConvert, &TCustomEdit::SetOEMConvert, false);
        PublishControlProperties(b, {"ParentBiDiMode"});
        b.Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor, false);
        PublishControlProperties(b, {"ParentCtl3D", "ParentFont", "ParentShowHint"});
        b.String(
            "PasswordChar",
            [](const TEdit& e) {
              return e.PasswordChar() != 0 ? std::string(1, e.PasswordChar()) : std::string();
            },
            [](TEdit& e, const std::string& s) { e.SetPasswordChar(s.empty() ? '\0' : s[0]); });
        PublishControlProperties(b, {"PopupMenu"});
        b.Bool("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly, false);
        PublishControlProperties(b, {"ShowHint", "TabOrder"});
        b.Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true);
        PublishControlProperties(
            b, {"Text",        "Visible",    "OnClick",        "OnContextPopup",   "OnDblClick",
                "OnDragDrop",  "OnDragOver", "OnEndDock",      "OnEndDrag",        "OnEnter",
                "OnExit",      "OnKeyDown",  "OnKeyPress",     "OnKeyUp",          "OnMouseDown",
                "OnMouseMove", "OnMouseUp",  "OnMouseWheelUp", "OnMouseWheelDown", "OnStartDock",
                "OnStartDrag"});
        b.Event("OnChange", &TCustomEdit::OnChange);
      });
  return info;
}

const TClassInfo& TCustomLabel::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TCustomLabel, TGraphicControl>("TCustomLabel");
  return info;
}

const TClassInfo& TLabel::StaticClassInfo() {
  static const TClassInfo info =
      DefineClassInfo<TLabel, TCustomLabel>("TLabel", [](TPropertyBuilder<TLabel>& b) {
        PublishControlProperties(b, {"Align"});
        b.Enum("Alignment", &TCustomLabel::Alignment, &TCustomLabel::SetAlignment, AlignmentNames(),
               taLeftJustify);
        PublishControlProperties(b, {"Anchors"});
        b.Bool("AutoSize", &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize, true);
        PublishControlProperties(b, {"BiDiMode", "Caption", "Color", "Constraints", "DragCursor",
                                     "DragKind", "DragMode", "Enabled"});
        b.template Component<TWinControl>("FocusControl", &TCustomLabel::FocusControl,
                                          &TCustomLabel::SetFocusControl);
        PublishControlProperties(b, {"Font"});
        b.Enum("Layout", &TCustomLabel::Layout, &TCustomLabel::SetLayout, TextLayoutNames(), tlTop);
        PublishControlProperties(
            b, {"ParentBiDiMode", "ParentColor", "ParentFont", "ParentShowHint", "PopupMenu"});
        b.Bool("ShowAccelChar", &TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar,
               true);
        PublishControlProperties(b, {"ShowHint"});
        b.Bool("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent, false);
        PublishControlProperties(b, {"Visible"});
        b.Bool("WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap, false);
        PublishControlProperties(
            b, {"OnClick", "OnContextPopup", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock",
                "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnMouseEnter",
                "OnMouseLeave", "OnStartDock", "OnStartDrag"});
      });
  return info;
}

void RegisterStdCtrlsClasses() {
  ClassRegistry::Register(TEdit::StaticClassInfo());
  ClassRegistry::Register(TLabel::StaticClassInfo());
}
