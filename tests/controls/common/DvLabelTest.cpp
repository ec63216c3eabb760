// The label: the main window's three labels draw their captions where the layout puts them, in
// the font colour, over the window's own background; text styles draw their layers; the settings
// keep their rules.
#include <gtest/gtest.h>

#include "controls/common/DvFonts.h"
#include "controls/common/DvLabel.h"
#include "framework/win/graphics/GdiObjects.h"
#include "tests/controls/common/SpineTestForm.h"
#include "tests/controls/common/TestSurface.h"

namespace {

const char kMainWindowLabels[] =
    "  object DvLabel1: TDvLabel\n"
    "    Left = 8\n    Top = 61\n    Width = 265\n    Height = 13\n"
    "    Alignment = taCenter\n    AutoSize = False\n"
    "    Caption = 'Internet Connection Status:'\n    Transparent = True\n  end\n"
    "  object StateLbl: TDvLabel\n"
    "    Left = 8\n    Top = 85\n    Width = 272\n    Height = 13\n"
    "    Alignment = taCenter\n    Anchors = [akLeft, akTop, akRight]\n    AutoSize = False\n"
    "    Caption = 'None'\n"
    "    Font.Charset = DEFAULT_CHARSET\n    Font.Color = clWindowText\n"
    "    Font.Height = -11\n    Font.Name = 'MS Shell Dlg 2'\n    Font.Style = [fsBold]\n"
    "    ParentFont = False\n    Transparent = True\n  end\n"
    "  object DvLabel2: TDvLabel\n"
    "    Left = 24\n    Top = 120\n    Width = 217\n    Height = 13\n"
    "    Caption = 'Check Connection Every                    Seconds'\n"
    "    Transparent = True\n  end\n";

// The width of text in a font, measured by the platform.
int TextWidthIn(const TFont& font, const std::string& text) {
  WindowDC screen(nullptr);
  SelectGuard select(screen.Get(), font.Handle());
  SIZE size{};
  GetTextExtentPoint32A(screen.Get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

// Everything painted inside area that is not the window's own colour.
PixelBox Painted(const PixelSurface& surface, const TRect& area) {
  return FindPixels(surface, area, clBtnFace, true);
}

TEST(DvLabelTest, MainWindowLabelsDrawTheirCaptionsOverTheWindow) {
  auto form = LoadTestForm(kMainWindowLabels);
  PixelSurface surface(286, 177, clFuchsia);
  RenderInto(*form, surface);

  auto& state = form->Component<TDvLabel>("StateLbl");
  const TRect stateRect = state.BoundsRect();
  const PixelBox stateText = FindPixels(surface, stateRect, clWindowText);
  ASSERT_FALSE(stateText.Empty());
  // The bold caption is centred in the fixed 272-pixel width.
  const int width = TextWidthIn(state.GetFont(), "None");
  const int expectedLeft = 8 + (272 - width) / 2;
  // Only the text is painted (its smoothed edges included), centred in the label.
  const PixelBox statePainted = Painted(surface, stateRect);
  EXPECT_NEAR(statePainted.left, expectedLeft, 1);
  EXPECT_NEAR(statePainted.right, expectedLeft + width, 1);
  EXPECT_GE(stateText.left, statePainted.left);
  EXPECT_LE(stateText.right, statePainted.right);

  auto& title = form->Component<TDvLabel>("DvLabel1");
  const PixelBox titleText = FindPixels(surface, title.BoundsRect(), clWindowText);
  ASSERT_FALSE(titleText.Empty());
  const int titleWidth = TextWidthIn(title.GetFont(), "Internet Connection Status:");
  const PixelBox titlePainted = Painted(surface, title.BoundsRect());
  const int titleLeft = 8 + (265 - titleWidth) / 2;
  EXPECT_NEAR(titlePainted.left, titleLeft, 1);
  // The colon's ink ends a little before its advance.
  EXPECT_LE(titlePainted.right, titleLeft + titleWidth + 1);
  EXPECT_GE(titlePainted.right, titleLeft + titleWidth - 4);

  // The auto-sized label fits its caption and starts at its left edge.
  auto& line = form->Component<TDvLabel>("DvLabel2");
  const int lineWidth = TextWidthIn(line.GetFont(), line.Caption());
  EXPECT_EQ(line.Width(), lineWidth);
  EXPECT_EQ(line.Left(), 24);
  const PixelBox lineText = FindPixels(surface, line.BoundsRect(), clWindowText);
  ASSERT_FALSE(lineText.Empty());
  EXPECT_LE(lineText.left, 24 + 1);
  // The window's background shows everywhere around the labels.
  EXPECT_EQ(surface.At(4, 70), Plain(clBtnFace));
  EXPECT_EQ(surface.At(8, 61), Plain(clBtnFace));
}

TEST(DvLabelTest, OpaqueLabelFillsItsRectangleAndDisabledLabelIsEngraved) {
  auto form = LoadTestForm(
      "  object Opaque: TDvLabel\n    Left = 10\n    Top = 10\n    Width = 80\n    Height = 16\n"
      "    AutoSize = False\n    Caption = 'Hello'\n    Color = clYellow\n  end\n"
      "  object Grey: TDvLabel\n    Left = 10\n    Top = 40\n    Width = 80\n    Height = 16\n"
      "    AutoSize = False\n    Caption = 'Hello'\n    Enabled = False\n    Transparent = True\n"
      "  end\n");
  PixelSurface surface(286, 177, clFuchsia);
  RenderInto(*form, surface);
  EXPECT_EQ(surface.At(89, 10), Plain(clYellow));
  EXPECT_EQ(surface.At(10, 25), Plain(clYellow));
  EXPECT_FALSE(FindPixels(surface, {10, 10, 90, 26}, clWindowText).Empty());

  const TRect grey{10, 40, 90, 56};
  EXPECT_TRUE(FindPixels(surface, grey, clWindowText).Empty());
  const PixelBox shadow = FindPixels(surface, grey, clBtnShadow);
  ASSERT_FALSE(shadow.Empty());
  // The light layer lies one pixel right and down of the dark one.
  const PixelBox light = FindPixels(surface, {10, 40, 91, 57}, clBtnHighlight);
  if (Plain(clBtnHighlight) != Plain(clBtnFace)) {
    ASSERT_FALSE(light.Empty());
    EXPECT_EQ(light.right, shadow.right + 1);
    EXPECT_EQ(light.bottom, shadow.bottom + 1);
  }
}

TEST(DvLabelTest, TextStylesDrawTheirLayersAroundTheText) {
  auto form = LoadTestForm(
      "  object Raised: TDvLabel\n    Left = 10\n    Top = 10\n    Width = 100\n"
      "    Height = 20\n    Alignment = taCenter\n    AutoSize = False\n    Caption = 'Raised'\n"
      "    Transparent = True\n    TextStyle = tsRaised\n    HighlightColor = clBlue\n"
      "    ShadowColor = clRed\n  end\n"
      "  object Light: TDvLabel\n    Left = 10\n    Top = 40\n    Width = 100\n"
      "    Height = 20\n    Alignment = taCenter\n    AutoSize = False\n    Caption = 'Raised'\n"
      "    Transparent = True\n    TextStyle = tsRaised\n    LightTextStyle = True\n    "
      "HighlightColor = clBlue\n"
      "    ShadowColor = clRed\n  end\n"
      "  object Shadowed: TDvLabel\n    Left = 10\n    Top = 70\n    Width = 100\n"
      "    Height = 20\n    Alignment = taRightJustify\n    AutoSize = False\n"
      "    Caption = 'Shadow'\n    Transparent = True\n    TextStyle = tsShadow\n"
      "    ShadowColor = clRed\n    ShadowDepth = 4\n  end\n");
  PixelSurface surface(286, 177, clFuchsia);
  RenderInto(*form, surface);

  const TRect raised{9, 9, 112, 31};
  const PixelBox text = FindPixels(surface, raised, clWindowText);
  const PixelBox high = FindPixels(surface, raised, clBlue);
  const PixelBox low = FindPixels(surface, raised, clRed);
  ASSERT_FALSE(text.Empty());
  ASSERT_FALSE(high.Empty());
  ASSERT_FALSE(low.Empty());
  EXPECT_EQ(high.left, text.left - 1);
  EXPECT_EQ(low.right, text.right + 1);

  // The light style leaves the shadow layer out.
  const TRect light{9, 39, 112, 61};
  EXPECT_FALSE(FindPixels(surface, light, clBlue).Empty());
  EXPECT_TRUE(FindPixels(surface, light, clRed).Empty());

  // A right-aligned shadowed caption leaves ShadowDepth pixels on the right for the shadow.
  const TRect shadowed{10, 70, 110, 90};
  const PixelBox shadowText = FindPixels(surface, shadowed, clWindowText);
  const PixelBox shadow = FindPixels(surface, shadowed, clRed);
  ASSERT_FALSE(shadowText.Empty());
  ASSERT_FALSE(shadow.Empty());
  EXPECT_EQ(shadow.right, shadowText.right + 4);
  EXPECT_LE(shadow.right, 110);
  EXPECT_GE(shadow.right, 110 - 3);
}

TEST(DvLabelTest, LayoutPlacesTheTextVertically) {
  auto form = LoadTestForm(
      "  object Top: TDvLabel\n    Left = 0\n    Top = 0\n    Width = 60\n    Height = 45\n"
      "    AutoSize = False\n    Caption = 'Ag'\n    Transparent = True\n  end\n"
      "  object Middle: TDvLabel\n    Left = 60\n    Top = 0\n    Width = 60\n    Height = 45\n"
      "    AutoSize = False\n    Caption = 'Ag'\n    Layout = tlCenter\n    Transparent = True\n"
      "  end\n"
      "  object Bottom: TDvLabel\n    Left = 120\n    Top = 0\n    Width = 60\n    Height = 45\n"
      "    AutoSize = False\n    Caption = 'Ag'\n    Layout = tlBottom\n    Transparent = True\n"
      "  end\n");
  PixelSurface surface(286, 177, clFuchsia);
  RenderInto(*form, surface);
  const PixelBox top = FindPixels(surface, {0, 0, 60, 45}, clWindowText);
  const PixelBox middle = FindPixels(surface, {60, 0, 120, 45}, clWindowText);
  const PixelBox bottom = FindPixels(surface, {120, 0, 180, 45}, clWindowText);
  ASSERT_FALSE(top.Empty());
  const int lineHeight = form->Component<TDvLabel>("Top").GetFont().Metrics().tmHeight;
  EXPECT_EQ(middle.top - top.top, (45 - lineHeight) / 2);
  EXPECT_EQ(bottom.top - top.top, 45 - lineHeight);
}

TEST(DvLabelTest, SettingsKeepTheirRules) {
  TDvLabel label(nullptr);
  EXPECT_EQ(label.Color(), clBtnFace);
  EXPECT_TRUE(label.ParentColor());
  EXPECT_FALSE(label.Transparent());
  EXPECT_EQ(label.Layout(), tlTop);

  label.SetAngle(-30);
  EXPECT_EQ(label.Angle(), 330);
  EXPECT_EQ(label.Rotation(), roFlat);
  label.SetAngle(450);
  EXPECT_EQ(label.Angle(), 90);
  label.SetCenterPoint(cpLowerLeft);
  label.SetRotation(roCurve);
  label.SetRotation(roFlat);
  EXPECT_EQ(label.Angle(), 0);
  EXPECT_EQ(label.CenterPoint(), cpCenter);
  // Rotation needs a TrueType font.
  EXPECT_TRUE(FontIsTrueType(label.GetFont()));

  label.SetAutoSize(true);
  label.SetCondenseCaption(ccAtEnd);
  EXPECT_FALSE(label.AutoSize());

  // The blink intervals are shared by every label.
  TDvLabel other(nullptr);
  label.SetBlinkIntervalOn(200);
  EXPECT_EQ(other.BlinkIntervalOn(), 200);
  other.SetBlinkIntervalOn(500);
}

TEST(DvLabelTest, LoadsTheMainWindowsPropertiesAndWritesThemBack) {
  auto form = LoadTestForm(std::string(kMainWindowLabels) +
                           "  object Old: TDvLabel\n    Caption = 'x'\n"
                           "    FrameSides = [sdLeft, sdTop]\n  end\n");
  EXPECT_EQ(WrittenObject(*form, "DvLabel1"),
            "  object DvLabel1: TDvLabel\n"
            "    Left = 8\n    Top = 61\n    Width = 265\n    Height = 13\n"
            "    Alignment = taCenter\n    AutoSize = False\n"
            "    Caption = 'Internet Connection Status:'\n    Transparent = True\n  end\n");
  const std::string state = WrittenObject(*form, "StateLbl");
  EXPECT_NE(state.find("    Anchors = [akLeft, akTop, akRight]\n"), std::string::npos);
  EXPECT_NE(state.find("    Font.Style = [fsBold]\n"), std::string::npos);
  EXPECT_NE(state.find("    ParentFont = False\n"), std::string::npos);
  EXPECT_EQ(state.find("Color ="), std::string::npos);
  EXPECT_EQ(form->Component<TDvLabel>("StateLbl").Caption(), "None");
  // The obsolete frame sides are read and forgotten.
  EXPECT_EQ(WrittenObject(*form, "Old").find("FrameSides"), std::string::npos);
}

}  // namespace
