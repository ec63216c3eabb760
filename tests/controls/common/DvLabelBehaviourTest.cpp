// The label's behaviour: the shared blink list and its phases (driven tick by tick, no waiting),
// fly-by colours, auto-size with borders, shadow and rotation, and frames taken from a frame
// controller.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "controls/common/DvBlinkList.h"
#include "controls/common/DvFonts.h"
#include "controls/common/DvLabel.h"
#include "controls/edit/DvFrameController.h"
#include "framework/win/graphics/GdiObjects.h"
#include "tests/controls/common/SpineTestForm.h"
#include "tests/controls/common/TestSurface.h"

namespace {

const char kBlinkingLabels[] =
    "  object Blink1: TDvLabel\n    Left = 10\n    Top = 10\n    Width = 80\n    Height = 16\n"
    "    AutoSize = False\n    Caption = 'One'\n    Blinking = True\n    BlinkColor = clRed\n"
    "    Transparent = True\n  end\n"
    "  object Blink2: TDvLabel\n    Left = 10\n    Top = 40\n    Width = 80\n    Height = 16\n"
    "    AutoSize = False\n    Caption = 'Two'\n    Blinking = True\n    BlinkColor = clRed\n"
    "    Transparent = True\n  end\n"
    "  object Steady: TDvLabel\n    Left = 10\n    Top = 70\n    Width = 80\n    Height = 16\n"
    "    AutoSize = False\n    Caption = 'Three'\n    BlinkColor = clRed\n"
    "    Transparent = True\n  end\n";

// Which of the three labels show their caption in red, and which in the font colour.
struct Shown {
  bool red1, red2, red3, text1, text2, text3;
};

Shown Render(TSpineTestForm& form) {
  PixelSurface surface(286, 177, clFuchsia);
  RenderInto(form, surface);
  const auto has = [&](int top, TColor color) {
    return !FindPixels(surface, {10, top, 90, top + 16}, color).Empty();
  };
  return {has(10, clRed),        has(40, clRed),        has(70, clRed),
          has(10, clWindowText), has(40, clWindowText), has(70, clWindowText)};
}

TEST(DvBlinkListTest, OneListLivesFromTheFirstLabelToTheLast) {
  ASSERT_EQ(TDvBlinkingControlsList::Instance(), nullptr);
  {
    auto form = LoadTestForm(kBlinkingLabels);
    TDvBlinkingControlsList* list = TDvBlinkingControlsList::Instance();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Count(), 3);
    // It ticks whether or not anything blinks, starting in the blink phase with 500 ms phases.
    EXPECT_TRUE(list->TimerRunning());
    EXPECT_TRUE(list->BlinkPhase());
    EXPECT_EQ(list->CurrentInterval(), 500u);
    {
      TDvLabel extra(nullptr);
      EXPECT_EQ(list->Count(), 4);
    }
    EXPECT_EQ(TDvBlinkingControlsList::Instance(), list);
    EXPECT_EQ(list->Count(), 3);
  }
  // The last label's destruction freed the list and its timer.
  EXPECT_EQ(TDvBlinkingControlsList::Instance(), nullptr);
}

TEST(DvBlinkListTest, BlinkingLabelsChangeColourTogetherTickByTick) {
  auto form = LoadTestForm(kBlinkingLabels);
  auto& one = form->Component<TDvLabel>("Blink1");
  auto& steady = form->Component<TDvLabel>("Steady");
  EXPECT_EQ(one.Perform(CM_DVBLINKING), 1);
  EXPECT_EQ(steady.Perform(CM_DVBLINKING), 0);
  TDvBlinkingControlsList& list = *TDvBlinkingControlsList::Instance();

  Shown shown = Render(*form);
  EXPECT_FALSE(shown.red1 || shown.red2 || shown.red3);
  // The first tick enters the normal phase.
  list.Tick();
  EXPECT_FALSE(list.BlinkPhase());
  shown = Render(*form);
  EXPECT_FALSE(shown.red1 || shown.red2 || shown.red3);
  list.Tick();
  EXPECT_TRUE(list.BlinkPhase());
  shown = Render(*form);
  EXPECT_TRUE(shown.red1 && shown.red2);
  EXPECT_FALSE(shown.text1 || shown.text2);
  EXPECT_TRUE(shown.text3);
  EXPECT_FALSE(shown.red3);
  list.Tick();
  shown = Render(*form);
  EXPECT_FALSE(shown.red1 || shown.red2 || shown.red3);
  EXPECT_TRUE(shown.text1 && shown.text2 && shown.text3);
}

TEST(DvBlinkListTest, StoppingShowsTheFontColourAtOnce) {
  auto form = LoadTestForm(kBlinkingLabels);
  TDvBlinkingControlsList& list = *TDvBlinkingControlsList::Instance();
  list.Tick();
  list.Tick();
  auto& one = form->Component<TDvLabel>("Blink1");
  EXPECT_TRUE(one.InBlinkPhase());
  EXPECT_EQ(one.CurrentTextColor(), clRed);
  one.SetBlinking(false);
  EXPECT_FALSE(one.InBlinkPhase());
  EXPECT_EQ(one.CurrentTextColor(), clWindowText);
  const Shown shown = Render(*form);
  EXPECT_FALSE(shown.red1);
  EXPECT_TRUE(shown.text1);
  EXPECT_TRUE(shown.red2);
  // A phase message reaches only blinking labels.
  one.Perform(CM_DVBLINKPHASE, 1);
  EXPECT_FALSE(one.InBlinkPhase());
}

TEST(DvBlinkListTest, IntervalsAreSharedAndTimeTheirPhase) {
  auto form = LoadTestForm(kBlinkingLabels);
  auto& one = form->Component<TDvLabel>("Blink1");
  auto& two = form->Component<TDvLabel>("Blink2");
  one.SetBlinkIntervalOn(200);
  two.SetBlinkIntervalOff(800);
  EXPECT_EQ(two.BlinkIntervalOn(), 200);
  EXPECT_EQ(one.BlinkIntervalOff(), 800);
  TDvBlinkingControlsList& list = *TDvBlinkingControlsList::Instance();
  list.Tick();  // the normal phase lasts 800 ms
  EXPECT_EQ(list.CurrentInterval(), 800u);
  EXPECT_TRUE(list.TimerRunning());
  list.Tick();  // the blink colour shows for 200 ms
  EXPECT_EQ(list.CurrentInterval(), 200u);
  // A zero interval would stop the timer for good; the phase still ends.
  one.SetBlinkIntervalOff(0);
  list.Tick();
  EXPECT_TRUE(list.TimerRunning());
}

TEST(DvBlinkListTest, TheTimersTickArrivesThroughTheMessageLoop) {
  auto form = LoadTestForm(kBlinkingLabels);
  TDvBlinkingControlsList& list = *TDvBlinkingControlsList::Instance();
  list.SetIntervalOff(10);
  list.Tick();
  list.Tick();  // now in the blink phase; the next phase starts after IntervalOn
  list.SetIntervalOn(10);
  list.Tick();  // normal phase, 10 ms
  const DWORD deadline = GetTickCount() + 2000;
  while (!list.BlinkPhase() && GetTickCount() < deadline) {
    MSG message;
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) break;
    DispatchMessageA(&message);
  }
  EXPECT_TRUE(list.BlinkPhase());
}

TEST(DvLabelFlyByTest, PassingMouseShowsTheFlyByColour) {
  auto form = LoadTestForm(
      "  object Hover: TDvLabel\n    Left = 10\n    Top = 10\n    Width = 80\n    Height = 16\n"
      "    AutoSize = False\n    Caption = 'Hover'\n    FlyByEnabled = True\n"
      "    FlyByColor = clRed\n    Transparent = True\n  end\n");
  auto& hover = form->Component<TDvLabel>("Hover");
  int entered = 0, left = 0;
  hover.OnMouseEnter = [&entered](TObject*) { ++entered; };
  hover.OnMouseLeave = [&left](TObject*) { ++left; };
  hover.Perform(CM_MOUSEENTER);
  EXPECT_EQ(entered, 1);
  EXPECT_EQ(hover.CurrentTextColor(), clRed);
  PixelSurface surface(286, 177, clFuchsia);
  RenderInto(*form, surface);
  EXPECT_FALSE(FindPixels(surface, {10, 10, 90, 26}, clRed).Empty());
  EXPECT_EQ(hover.GetFont().Color(), clWindowText);
  hover.Perform(CM_MOUSELEAVE);
  EXPECT_EQ(left, 1);
  EXPECT_EQ(hover.CurrentTextColor(), clWindowText);
  // Switching fly-by off while the mouse is over the label brings the font colour back.
  hover.Perform(CM_MOUSEENTER);
  hover.SetFlyByEnabled(false);
  EXPECT_EQ(hover.CurrentTextColor(), clWindowText);
  hover.Perform(CM_MOUSELEAVE);
  hover.Perform(CM_MOUSEENTER);
  EXPECT_EQ(hover.CurrentTextColor(), clWindowText);
  EXPECT_EQ(entered, 3);
}

// The width and height of a caption in a label's font, measured by the platform.
SIZE TextSize(const TDvLabel& label) {
  WindowDC screen(nullptr);
  SelectGuard select(screen.Get(), label.GetFont().Handle());
  SIZE size{};
  const std::string caption = label.Caption();
  GetTextExtentPoint32A(screen.Get(), caption.c_str(), static_cast<int>(caption.size()), &size);
  return size;
}

TEST(DvLabelAutoSizeTest, GrowsForBordersBlankWidthAndShadow) {
  auto form = LoadTestForm(
      "  object Framed: TDvLabel\n    Left = 10\n    Top = 10\n    Caption = 'Framed'\n"
      "    BorderOuter = fsRaised\n    BorderInner = fsStatus\n    BevelWidth = 3\n"
      "    BorderWidth = 4\n  end\n"
      "  object Shadowed: TDvLabel\n    Left = 10\n    Top = 60\n    Caption = 'Shadowed'\n"
      "    TextStyle = tsShadow\n    ShadowDepth = 5\n  end\n"
      "  object Sides: TDvLabel\n    Left = 10\n    Top = 100\n    Caption = 'Sides'\n"
      "    BorderOuter = fsGroove\n    BorderSides = [sdLeft]\n    BorderWidth = 1\n  end\n");
  auto& framed = form->Component<TDvLabel>("Framed");
  const SIZE text = TextSize(framed);
  // 2 (raised) + 4 (blank) + 3 (status, three bevels) on each side.
  EXPECT_EQ(framed.Width(), text.cx + 18);
  EXPECT_EQ(framed.Height(), text.cy + 18);
  auto& shadowed = form->Component<TDvLabel>("Shadowed");
  EXPECT_EQ(shadowed.Width(), TextSize(shadowed).cx + 5);
  EXPECT_EQ(shadowed.Height(), TextSize(shadowed).cy + 5);
  // The groove only on the left; the blank width all round.
  auto& sides = form->Component<TDvLabel>("Sides");
  EXPECT_EQ(sides.Width(), TextSize(sides).cx + 2 + 2);
  EXPECT_EQ(sides.Height(), TextSize(sides).cy + 2);
  // Settings that change the room the text needs resize at once.
  sides.SetBorderWidth(3);
  EXPECT_EQ(sides.Width(), TextSize(sides).cx + 2 + 6);
  sides.SetBorderSides(0);
  EXPECT_EQ(sides.Width(), TextSize(sides).cx + 6);
}

TEST(DvLabelAutoSizeTest, TurnedTextTakesTheBoxAroundItself) {
  auto form = LoadTestForm(
      "  object Turned: TDvLabel\n    Left = 10\n    Top = 10\n    Caption = 'Turned text'\n"
      "    Font.Name = 'Verdana'\n  end\n");
  auto& turned = form->Component<TDvLabel>("Turned");
  const SIZE text = TextSize(turned);
  ASSERT_EQ(turned.Width(), text.cx);
  turned.SetAngle(90);
  EXPECT_EQ(turned.Width(), text.cy);
  EXPECT_EQ(turned.Height(), text.cx);
  turned.SetAngle(180);
  EXPECT_EQ(turned.Width(), text.cx);
  turned.SetAngle(45);
  const int diagonal = static_cast<int>(std::lround((text.cx + text.cy) * std::sqrt(0.5)));
  EXPECT_NEAR(turned.Width(), diagonal, 1);
  EXPECT_NEAR(turned.Height(), diagonal, 1);
  // Past 90 degrees the box is that of the turned text too: at 120 degrees mostly the height
  // across and the width down.
  turned.SetAngle(120);
  EXPECT_NEAR(turned.Width(), std::lround(0.5 * text.cx + 0.866 * text.cy), 1);
  EXPECT_NEAR(turned.Height(), std::lround(0.866 * text.cx + 0.5 * text.cy), 1);
}

TEST(DvLabelAutoSizeTest, RightAlignedLabelGrowsToTheLeft) {
  auto form = LoadTestForm(
      "  object Right: TDvLabel\n    Left = 100\n    Top = 10\n    Alignment = taRightJustify\n"
      "    Caption = 'Short'\n  end\n");
  auto& right = form->Component<TDvLabel>("Right");
  const int rightEdge = right.Left() + right.Width();
  right.SetCaption("A much longer caption");
  EXPECT_EQ(right.Left() + right.Width(), rightEdge);
  EXPECT_EQ(right.Width(), TextSize(right).cx);
  EXPECT_LT(right.Left(), 100);
}

TEST(DvLabelFramingTest, ControllersFrameBringsDerivedBorderColours) {
  TComponent owner(nullptr);
  auto& controller = TComponent::Create<TDvFrameController>(owner);
  auto& label = TComponent::Create<TDvLabel>(owner);
  controller.SetFrameStyle(fsPopup);
  controller.SetFrameSides(SideBit(sdTop));
  controller.SetFrameColor(clRed);
  controller.SetColor(clTeal);
  controller.SetParentColor(false);
  label.SetFrameController(&controller);
  controller.SetFrameVisible(true);
  EXPECT_EQ(label.BorderOuter(), fsPopup);
  EXPECT_EQ(label.BorderSides(), SideBit(sdTop));
  EXPECT_EQ(label.FlatColor(), clRed);
  EXPECT_EQ(label.FlatColorAdjustment(), 0);
  EXPECT_EQ(label.Color(), clTeal);
  EXPECT_FALSE(label.ParentColor());
  // Teal (hue 120, lightness 60) lightened by 100 and darkened by 50.
  EXPECT_EQ(label.BorderHighlight(), 0xFFFD55);
  EXPECT_EQ(label.BorderShadow(), 0x151500);
}

TEST(DvLabelFontTest, TurningNeedsATrueTypeFont) {
  RasterFaceOverride courierIsRaster("Courier");
  TDvLabel label(nullptr);
  label.Font()->SetName("Courier");
  label.SetAngle(30);
  EXPECT_EQ(label.GetFont().Name(), "Verdana");
  EXPECT_EQ(label.Rotation(), roFlat);
  EXPECT_EQ(label.Angle(), 30);
  // Choosing a font that cannot turn drops the angle.
  label.Font()->SetName("Courier");
  EXPECT_EQ(label.Angle(), 0);
  // Laying the text along an arc needs a TrueType font too.
  label.SetRotation(roCurve);
  EXPECT_EQ(label.GetFont().Name(), "Verdana");
}

TEST(DvLabelFontTest, LoadedRotatedLabelGetsATrueTypeFont) {
  RasterFaceOverride courierIsRaster("Courier");
  auto form = LoadTestForm(
      "  object Turned: TDvLabel\n    Caption = 'x'\n    Angle = 45\n"
      "    Font.Name = 'Courier'\n    ParentFont = False\n  end\n");
  auto& turned = form->Component<TDvLabel>("Turned");
  EXPECT_EQ(turned.Rotation(), roFlat);
  EXPECT_EQ(turned.Angle(), 45);
  EXPECT_EQ(turned.GetFont().Name(), "Verdana");
}

}  // namespace
