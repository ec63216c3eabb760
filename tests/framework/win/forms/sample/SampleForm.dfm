object SampleFrm: TSampleFrm
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
