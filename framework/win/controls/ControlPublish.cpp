// The common control properties, built once for every class that publishes them.
#include "framework/win/controls/ControlPublish.h"

#include <stdexcept>
#include <string>

#include "framework/core/Actions.h"

namespace {

// False when name is none of TControl's common properties.
bool PublishControlProperty(TPropertyBuilder<TControl>& b, std::string_view name) {
  if (name == "Align") {
    b.Enum("Align", &TControl::Align, &TControl::SetAlign, AlignNames(), alNone);
  } else if (name == "Anchors") {
    b.Set("Anchors", &TControl::Anchors, &TControl::SetAnchors, AnchorNames(), kDefaultAnchors);
  } else if (name == "Caption" || name == "Text") {
    b.String(std::string(name), &TControl::Text, &TControl::SetText, std::string(),
             [](const TControl& c) { return c.StoresCaption(); });
  } else if (name == "Action") {
    b.template Component<TBasicAction>("Action", &TControl::Action, &TControl::SetAction);
  } else if (name == "BiDiMode") {
    b.Enum("BiDiMode", &TControl::BiDiMode, &TControl::SetBiDiMode, BiDiModeNames(), bdLeftToRight,
           [](const TControl& c) { return !c.ParentBiDiMode(); });
  } else if (name == "ParentBiDiMode") {
    b.Bool("ParentBiDiMode", &TControl::ParentBiDiMode, &TControl::SetParentBiDiMode, true);
  } else if (name == "Constraints") {
    b.Object("Constraints", &TControl::Constraints);
  } else if (name == "DragCursor") {
    b.Integer("DragCursor", &TControl::DragCursor, &TControl::SetDragCursor, crDrag, {},
              &CursorIdents());
  } else if (name == "DragKind") {
    b.Enum("DragKind", &TControl::DragKind, &TControl::SetDragKind, DragKindNames(), dkDrag);
  } else if (name == "DragMode") {
    b.Enum("DragMode", &TControl::DragMode, &TControl::SetDragMode, DragModeNames(), dmManual);

  } else if (name == "Color") {
    b.Integer(
        "Color", &TControl::Color, &TControl::SetColor, std::nullopt,
        [](const TControl& c) { return !c.ParentColor(); }, &ColorIdents());
  } else if (name == "ParentColor") {
    b.Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor, true);
  } else if (name == "Font") {
    b.Object("Font", &TControl::Font, [](const TControl& c) { return !c.ParentFont(); });
  } else if (name == "ParentFont") {
    b.Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont, true);
  } else if (name == "Enabled") {
    b.Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled, true,
           [](const TControl& c) { return c.StoresEnabled(); });
  } else if (name == "Visible") {
    b.Bool("Visible", &TControl::Visible, &TControl::SetVisible, true,
           [](const TControl& c) { return c.StoresVisible(); });
  } else if (name == "ShowHint") {
    b.Bool("ShowHint", &TControl::ShowHint, &TControl::SetShowHint, std::nullopt,
           [](const TControl& c) { return !c.ParentShowHint(); });
  } else if (name == "ParentShowHint") {
    b.Bool("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint, true);
  } else if (name == "PopupMenu") {
    b.template Component<TComponent>(
        "PopupMenu", [](const TControl& c) { return PopupMenuComponent(c); },
        [](TControl& c, TComponent* menu) { AssignPopupMenuComponent(c, menu); });
  } else if (name == "OnClick") {
    b.Event("OnClick", &TControl::OnClick);
  } else if (name == "OnDblClick") {
    b.Event("OnDblClick", &TControl::OnDblClick);
  } else if (name == "OnMouseDown") {
    b.Event("OnMouseDown", &TControl::OnMouseDown);
  } else if (name == "OnMouseMove") {
    b.Event("OnMouseMove", &TControl::OnMouseMove);
  } else if (name == "OnMouseUp") {
    b.Event("OnMouseUp", &TControl::OnMouseUp);
  } else if (name == "OnMouseWheel") {
    b.Event("OnMouseWheel", &TControl::OnMouseWheel);
  } else if (name == "OnMouseWheelUp") {
    b.Event("OnMouseWheelUp", &TControl::OnMouseWheelUp);
  } else if (name == "OnMouseWheelDown") {
    b.Event("OnMouseWheelDown", &TControl::OnMouseWheelDown);
  } else if (name == "OnMouseEnter") {
    b.Event("OnMouseEnter", &TControl::OnMouseEnter);
  } else if (name == "OnMouseLeave") {
    b.Event("OnMouseLeave", &TControl::OnMouseLeave);
  } else if (name == "OnContextPopup") {
    b.Event("OnContextPopup", &TControl::OnContextPopup);
  } else if (name == "OnResize") {
    b.Event("OnResize", &TControl::OnResize);
  } else if (name == "OnDragDrop") {
    b.Event("OnDragDrop", &TControl::OnDragDrop);
  } else if (name == "OnDragOver") {
    b.Event("OnDragOver", &TControl::OnDragOver);
  } else if (name == "OnEndDrag") {
    b.Event("OnEndDrag", &TControl::OnEndDrag);
  } else if (name == "OnStartDrag") {
    b.Event("OnStartDrag", &TControl::OnStartDrag);
  } else if (name == "OnEndDock") {
    b.Event("OnEndDock", &TControl::OnEndDock);
  } else if (name == "OnStartDock") {
    b.Event("OnStartDock", &TControl::OnStartDock);
  } else {
    return false;
  }
  return true;
}

// False when name is none of TWinControl's own common properties.
bool PublishWinControlProperty(TPropertyBuilder<TWinControl>& b, std::string_view name) {
  if (name == "TabOrder") {
    b.Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder, -1);
  } else if (name == "TabStop") {
    b.Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, false);
  } else if (name == "Ctl3D") {
    b.Bool("Ctl3D", &TWinControl::Ctl3D, &TWinControl::SetCtl3D, std::nullopt,
           [](const TWinControl& c) { return !c.ParentCtl3D(); });
  } else if (name == "ImeMode") {
    b.Enum("ImeMode", &TWinControl::ImeMode, &TWinControl::SetImeMode, ImeModeNames(), imDontCare);
  } else if (name == "ImeName") {
    b.String("ImeName", &TWinControl::ImeName, &TWinControl::SetImeName, std::string());
  } else if (name == "ParentCtl3D") {
    b.Bool("ParentCtl3D", &TWinControl::ParentCtl3D, &TWinControl::SetParentCtl3D, true);
  } else if (name == "OnEnter") {
    b.Event("OnEnter", &TWinControl::OnEnter);
  } else if (name == "OnExit") {
    b.Event("OnExit", &TWinControl::OnExit);
  } else if (name == "OnKeyDown") {
    b.Event("OnKeyDown", &TWinControl::OnKeyDown);
  } else if (name == "OnKeyPress") {
    b.Event("OnKeyPress", &TWinControl::OnKeyPress);
  } else if (name == "OnKeyUp") {
    b.Event("OnKeyUp", &TWinControl::OnKeyUp);
  } else {
    return false;
  }
  return true;
}

}  // namespace

TClassInfo::PropList CommonControlProperties(std::initializer_list<std::string_view> names,
                                             bool windowed) {
  TPropertyBuilder<TControl> control;
  TPropertyBuilder<TWinControl> winControl;
  // One builder for both kinds, so that the properties keep the order of the names.
  TPropertyBuilder<TControl> all;
  for (std::string_view name : names) {
    if (PublishControlProperty(control, name)) {
      all.Append(control.Take());
    } else if (windowed && PublishWinControlProperty(winControl, name)) {
      all.Append(winControl.Take());
    } else {
      throw std::logic_error("unknown common control property " + std::string(name));
    }
  }
  return all.Take();
}
