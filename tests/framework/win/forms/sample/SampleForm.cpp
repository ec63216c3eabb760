// Before any windows.h: winuser.h would rename the class registry's RegisterClass.
#include "framework/core/TypInfo.h"

#include "tests/framework/win/forms/sample/SampleForm.h"
#include "framework/win/forms/Application.h"
#include "framework/win/controls/ControlPublish.h"
#include "framework/win/menus/Menus.h"
#include "framework/win/platform/Timers.h"

#undef RegisterClass

const char kSampleFormDefinition[] = R"(object SampleFrm: TSampleFrm
  Left = 120
  Top = 90
  ActiveControl = Edit2
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Sample Form'
  ClientHeight = 177
  ClientWidth = 286
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Shell Dlg 2'
  Font.Style = []
  OldCreateOrder = False
  PopupMenu = PopupMenu1
  OnClose = FormClose
  OnShow = FormShow
  PixelsPerInch = 96
  TextHeight = 13
  object RedLabel: TLabel
    Left = 8
    Top = 8
    Width = 40
    Height = 10
    AutoSize = False
    Color = clRed
    ParentColor = False
  end
  object Panel1: TSamplePanel
    Left = 8
    Top = 24
    Width = 200
    Height = 60
    Color = clWhite
    TabOrder = 1
    object Edit1: TEdit
      Left = 4
      Top = 4
      Width = 100
      Height = 21
      TabOrder = 0
    end
    object PanelLabel: TLabel
      Left = 110
      Top = 8
      Caption = 'Inside'
    end
  end
  object Edit2: TEdit
    Left = 8
    Top = 96
    Width = 100
    Height = 21
    TabOrder = 0
    OnChange = Edit2Change
  end
  object Edit3: TEdit
    Left = 8
    Top = 124
    Width = 100
    Height = 21
    TabOrder = 2
  end
  object Square: TSampleSquare
    Left = 220
    Top = 100
    Width = 16
    Height = 16
    Color = clLime
    Enabled = False
  end
  object StateLbl: TLabel
    Left = 8
    Top = 156
    Width = 272
    Height = 13
    Alignment = taCenter
    Anchors = [akLeft, akTop, akRight]
    AutoSize = False
    Caption = 'None'
    Transparent = True
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 50
    OnTimer = Timer1Timer
  end
  object PopupMenu1: TPopupMenu
    object Show1: TMenuItem
      Caption = '&Show..'
      Default = True
    end
  end
end
)";

// ---- TSamplePanel ----

const TClassInfo& TSamplePanel::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TSamplePanel, TCustomControl>(
      "TSamplePanel", [](TPropertyBuilder<TSamplePanel>& b) {
        PublishControlProperties(b, {"Align", "Anchors", "Caption", "Color", "ParentColor",
                                     "Enabled", "Font", "ParentFont", "TabOrder", "TabStop",
                                     "Visible", "PopupMenu", "ShowHint", "ParentShowHint"});
      });
  return info;
}

TSamplePanel::TSamplePanel(TComponent* owner) : TCustomControl(owner) {
  ControlStyleInclude(csAcceptsControls);
  SetBounds(0, 0, 185, 41);
}

void TSamplePanel::Paint() {
  Canvas().Brush().SetColor(Color());
  Canvas().FillRect(ClientRect());
}

// ---- TSampleSquare ----

const TClassInfo& TSampleSquare::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TSampleSquare, TGraphicControl>(
      "TSampleSquare", [](TPropertyBuilder<TSampleSquare>& b) {
        PublishControlProperties(b, {"Color", "ParentColor", "Enabled", "Visible", "ShowHint",
                                     "ParentShowHint", "OnClick"});
      });
  return info;
}

TSampleSquare::TSampleSquare(TComponent* owner) : TGraphicControl(owner) {
  ControlStyleInclude(csOpaque);
}

void TSampleSquare::WndProc(TMessage& message) {
  if (message.Msg == 0xB3E8) {
    message.Result = 1;
    return;
  }
  TGraphicControl::WndProc(message);
}

void TSampleSquare::Paint() {
  Canvas().Brush().SetColor(Color());
  Canvas().FillRect(ClientRect());
}

void TSampleSquare::MouseEnter() {
  log.push_back("enter");
  TGraphicControl::MouseEnter();
}

void TSampleSquare::MouseLeave() {
  log.push_back("leave");
  TGraphicControl::MouseLeave();
}

void TSampleSquare::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  log.push_back("down " + std::to_string(x) + "," + std::to_string(y));
  TGraphicControl::MouseDown(button, shift, x, y);
}

void TSampleSquare::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  log.push_back("up " + std::to_string(x) + "," + std::to_string(y));
  TGraphicControl::MouseUp(button, shift, x, y);
}

void TSampleSquare::Click() {
  log.push_back("click");
  TGraphicControl::Click();
}

// ---- TSampleFrm ----

const TClassInfo& TSampleFrm::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TSampleFrm, TForm>("TSampleFrm");
  return info;
}

TSampleFrm::TSampleFrm(TComponent* owner) : TForm(owner) {
  RegisterMethod("FormShow", this, &TSampleFrm::FormShow);
  RegisterMethod("FormClose", this, &TSampleFrm::FormClose);
  RegisterMethod("Edit2Change", this, &TSampleFrm::Edit2Change);
  RegisterMethod("Timer1Timer", this, &TSampleFrm::Timer1Timer);
}

void TSampleFrm::FormShow(TObject*) {
  ++showCount;
  log.push_back("show");
}

void TSampleFrm::FormClose(TObject*, TCloseAction& action) {
  log.push_back("close");
  action = closeAction;
}

void TSampleFrm::Edit2Change(TObject*) {
  ++changeCount;
}

void TSampleFrm::Timer1Timer(TObject*) {
  ++timerTicks;
  if (onTimer) onTimer();
}

void RegisterSampleClasses() {
  RegisterFormClasses();
  RegisterStdCtrlsClasses();
  RegisterMenuClasses();
  RegisterTimerClasses();
  ClassRegistry::Register(TSamplePanel::StaticClassInfo());
  ClassRegistry::Register(TSampleSquare::StaticClassInfo());
  ClassRegistry::Register(TSampleFrm::StaticClassInfo());
}
