object F: TTestForm
  object A: TTestWidget
    Buddy = B
    Ratio = 1.5e3
    Width = $FF
  end
  object B: TTestWidget
    OldEnabled = False
    Caption = 'a' + 'b'
  end
end
