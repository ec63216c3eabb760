// Class information of the forms.
#include "framework/core/TypInfo.h"
#include "framework/win/controls/ControlPublish.h"
#include "framework/win/forms/Forms.h"

const std::vector<std::string>& BorderIconNames() {
  static const std::vector<std::string> names = {"biSystemMenu", "biMinimize", "biMaximize",
                                                 "biHelp"};
  return names;
}

const std::vector<std::string>& PositionNames() {
  static const std::vector<std::string> names = {
      "poDesigned",     "poDefault",       "poDefaultPosOnly", "poDefaultSizeOnly",
      "poScreenCenter", "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"};
  return names;
}

const TClassInfo& TCustomForm::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TCustomForm, TWinControl>("TCustomForm");
  return info;
}

const TClassInfo& TForm::StaticClassInfo() {
  static const TClassInfo info =
      DefineClassInfo<TForm, TCustomForm>("TForm", [](TPropertyBuilder<TForm>& b) {
        b.template Component<TWinControl>("ActiveControl", &TCustomForm::ActiveControl,
                                          &TCustomForm::SetActiveControl);
        PublishControlProperties(b, {"BiDiMode"});
        b.Set("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons,
              BorderIconNames(), kDefaultBorderIcons);
        b.Enum("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle,
               BorderStyleNames(), bsSizeable);
        PublishControlProperties(b, {"Caption"});
        b.Integer("ClientHeight", &TCustomForm::StoredClientHeight, &TCustomForm::SetClientHeight);
        b.Integer("ClientWidth", &TCustomForm::StoredClientWidth, &TCustomForm::SetClientWidth);
        b.Integer("Color", &TControl::Color, &TControl::SetColor, clBtnFace, {}, &ColorIdents());
        PublishControlProperties(b, {"Constraints"});
        b.Object("Font", &TControl::Font);
        b.Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont, false);
        b.Bool("OldCreateOrder", &TCustomForm::OldCreateOrder, &TCustomForm::SetOldCreateOrder);
        PublishControlProperties(b, {"ParentBiDiMode"});
        b.Enum("Position", &TCustomForm::Position, &TCustomForm::SetPosition, PositionNames(),
               poDesigned);
        PublishControlProperties(
            b, {"PopupMenu", "ShowHint", "OnClick", "OnDblClick", "OnMouseDown", "OnMouseMove",
                "OnMouseUp", "OnMouseWheel", "OnMouseWheelUp", "OnMouseWheelDown", "OnContextPopup",
                "OnResize", "OnKeyDown", "OnKeyPress", "OnKeyUp"});
        b.Bool("Visible", &TControl::Visible, &TControl::SetVisible, false);
        b.Event("OnActivate", &TCustomForm::OnActivate);
        b.Event("OnClose", &TCustomForm::OnClose);
        b.Event("OnCloseQuery", &TCustomForm::OnCloseQuery);
        b.Event("OnCreate", &TCustomForm::OnCreate);
        b.Event("OnDeactivate", &TCustomForm::OnDeactivate);
        b.Event("OnDestroy", &TCustomForm::OnDestroy);
        b.Event("OnHide", &TCustomForm::OnHide);
        b.Event("OnShow", &TCustomForm::OnShow);
        b.Integer("PixelsPerInch", &TCustomForm::PixelsPerInch, &TCustomForm::SetPixelsPerInch);
        b.Integer("TextHeight", &TCustomForm::TextHeight, &TCustomForm::SetTextHeight);
      });
  return info;
}

void RegisterFormClasses() {
  ClassRegistry::Register(TForm::StaticClassInfo());
}
