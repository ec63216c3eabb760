object Form1: TTestForm
  object Panel: TTestWidget
    Width=  286
    Ratio = 3.5
   Name = 'Ve{dana'
   end
end
