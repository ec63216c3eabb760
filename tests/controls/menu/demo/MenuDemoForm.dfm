object MenuDemoFrm: TMenuDemoFrm
  Left = 40
  Top = 40
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = 'Styled Menu Demo'
  ClientHeight = 90
  ClientWidth = 220
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Shell Dlg 2'
  Font.Style = []
  PopupMenu = DemoPopupMenu
  PixelsPerInch = 96
  TextHeight = 13
  object DemoStyler: TDvMenuFantasyStyler
    Style = fsSilverFox
  end
  object DemoPopupMenu: TDvPopupMenu
    MenuStyler = DemoStyler
    object SampleDefault: TMenuItem
      Caption = 'Sample'
      Default = True
    end
    object SampleRegular: TMenuItem
      Caption = 'Sample'
    end
    object N1: TMenuItem
      Caption = '-'
    end
    object ImageItem: TMenuItem
      Caption = '&Connect'
      ImageIndex = 2
    end
    object CheckedItem: TMenuItem
      Caption = '&Checked'
      Checked = True
    end
    object RadioItem: TMenuItem
      Caption = '&Radio'
      Checked = True
      RadioItem = True
    end
    object DisabledItem: TMenuItem
      Caption = 'Disa&bled'
      Enabled = False
    end
    object ShortCutItem: TMenuItem
      Caption = '&Save'
      ShortCut = 16467
    end
    object N2: TMenuItem
      Caption = '-'
    end
    object MoreItem: TMenuItem
      Caption = '&More'
      object SubOne: TMenuItem
        Caption = 'Sub &One'
        ImageIndex = 0
      end
      object SubTwo: TMenuItem
        Caption = 'Sub &Two'
      end
    end
  end
  object DemoMainMenu: TDvMainMenu
    MenuStyler = DemoStyler
    object FileMenu: TMenuItem
      Caption = '&File'
      object FileOpen: TMenuItem
        Caption = '&Open'
        ImageIndex = 1
      end
      object FileExit: TMenuItem
        Caption = 'E&xit'
      end
    end
    object EditMenu: TMenuItem
      Caption = '&Edit'
      object EditCopy: TMenuItem
        Caption = '&Copy'
      end
    end
  end
end
