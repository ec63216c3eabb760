object Form1: TTestForm
  object Panel: TTestWidget
    Width = 286
    Ratio = 2.5
    Caption = 'It''s'#13#10'two lines'#200
    Enabled = False
    Align = taTestCenter
    Sides = [sdTestLeft, sdTestBottom]
    Color = clGreen
    ColorTo = 16053492
    Font.Name = 'Verdana'
    Font.Style = [fsBold]
    Lines.Strings = (
      'first'
      ''
      'third')
    Items = <
      item
        Caption = 'one'
        Value = 1
      end
      item
        Caption = 'two'
      end>
    Buddy = Child
    OnClick = WidgetClick
    Data = {
      0B54447647494649}
    object Child: TTestWidget
      Buddy = Panel
    end
  end
end
