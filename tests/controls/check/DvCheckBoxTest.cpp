// The check box: OnClick on every real change (also from code), the state cycle by mouse and
// keyboard, the classic glyph at its place, custom glyph cells, the focus outline, and its form
// data.
#include <gtest/gtest.h>

#include "controls/check/DvCheckBox.h"
#include "tests/controls/common/SpineTestForm.h"
#include "tests/controls/common/TestSurface.h"

namespace {

const char kMainWindowCheckBoxes[] =
    "  object AutoStartupCheckBox: TDvCheckBox\n"
    "    Left = 142\n    Top = 143\n    Width = 128\n    Height = 17\n"
    "    Caption = 'Auto Run On Startup'\n    State = cbUnchecked\n    TabOrder = 0\n"
    "    Transparent = True\n    OnClick = ControlClick\n  end\n"
    "  object UpdateIntervalSpinEdit: TDvSpinEdit\n"
    "    Left = 148\n    Top = 117\n    Width = 47\n    Height = 21\n    TabOrder = 1\n  end\n"
    "  object EnableAutoDialerCheckBox: TDvCheckBox\n"
    "    Left = 17\n    Top = 143\n    Width = 104\n    Height = 17\n"
    "    Caption = 'Enabled Auto-Dial'\n    State = cbChecked\n    TabOrder = 2\n"
    "    Transparent = True\n    OnClick = ControlClick\n  end\n";

LPARAM At(int x, int y) {
  return PackPoint(x, y);
}

class DvCheckBoxTest : public testing::Test {
 protected:
  void SetUp() override {
    form = ShowTestForm(kMainWindowCheckBoxes);
    box = &form->Component<TDvCheckBox>("AutoStartupCheckBox");
  }

  int Clicks() const { return form->Count("Click:AutoStartupCheckBox"); }
  void Press(int x, int y) { SendMessageA(box->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(x, y)); }
  void MoveTo(int x, int y) { SendMessageA(box->Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(x, y)); }
  void Release(int x, int y) { SendMessageA(box->Handle(), WM_LBUTTONUP, 0, At(x, y)); }
  void ClickAt(int x, int y) {
    Press(x, y);
    Release(x, y);
  }
  void Key(UINT msg, WPARAM key) { SendMessageA(box->Handle(), msg, key, 1); }

  TestFormPtr form;
  TDvCheckBox* box = nullptr;
};

TEST_F(DvCheckBoxTest, CheckedFromCodeRaisesOnClickOnceForEachRealChange) {
  EXPECT_FALSE(box->Checked());
  box->SetChecked(true);
  EXPECT_EQ(box->State(), cbChecked);
  EXPECT_EQ(Clicks(), 1);
  box->SetChecked(true);
  EXPECT_EQ(Clicks(), 1);
  box->SetChecked(false);
  EXPECT_EQ(Clicks(), 2);
  // The state is already drawn when OnClick runs.
  bool drawnChecked = false;
  form->onChange = nullptr;
  box->OnClick = [&](TObject*) { drawnChecked = box->Checked(); };
  box->SetChecked(true);
  EXPECT_TRUE(drawnChecked);
}

TEST_F(DvCheckBoxTest, ClicksCycleThroughTheStates) {
  ClickAt(5, 8);
  EXPECT_EQ(box->State(), cbChecked);
  ClickAt(60, 8);  // on the caption
  EXPECT_EQ(box->State(), cbUnchecked);
  EXPECT_EQ(Clicks(), 2);
  EXPECT_TRUE(box->Focused());

  box->SetAllowGrayed(true);
  ClickAt(5, 8);
  EXPECT_EQ(box->State(), cbGrayed);
  EXPECT_FALSE(box->Checked());
  ClickAt(5, 8);
  EXPECT_EQ(box->State(), cbChecked);
  ClickAt(5, 8);
  EXPECT_EQ(box->State(), cbUnchecked);
  // A grayed box clicked without AllowGrayed becomes checked.
  box->SetState(cbGrayed);
  box->SetAllowGrayed(false);
  ClickAt(5, 8);
  EXPECT_EQ(box->State(), cbChecked);
  // The right button changes nothing.
  SendMessageA(box->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, At(5, 8));
  SendMessageA(box->Handle(), WM_RBUTTONUP, 0, At(5, 8));
  EXPECT_EQ(box->State(), cbChecked);
}

TEST_F(DvCheckBoxTest, DraggingOffBeforeTheReleaseChangesNothing) {
  Press(5, 8);
  EXPECT_TRUE(box->PressedLook());
  MoveTo(200, 8);
  EXPECT_FALSE(box->PressedLook());
  Release(200, 8);
  EXPECT_EQ(box->State(), cbUnchecked);
  EXPECT_EQ(Clicks(), 0);
  // Back inside before the release: it toggles.
  Press(5, 8);
  MoveTo(5, 40);
  MoveTo(6, 9);
  EXPECT_TRUE(box->PressedLook());
  Release(6, 9);
  EXPECT_EQ(box->State(), cbChecked);
  EXPECT_EQ(Clicks(), 1);
  EXPECT_FALSE(box->PressedLook());
}

TEST_F(DvCheckBoxTest, SpaceTogglesOnReleaseAndEscapeCancels) {
  box->SetFocus();
  Key(WM_KEYDOWN, VK_SPACE);
  EXPECT_TRUE(box->PressedLook());
  Key(WM_KEYDOWN, VK_ESCAPE);
  EXPECT_FALSE(box->PressedLook());
  Key(WM_KEYUP, VK_SPACE);
  EXPECT_EQ(box->State(), cbUnchecked);
  EXPECT_EQ(Clicks(), 0);
  Key(WM_KEYDOWN, VK_SPACE);
  Key(WM_KEYUP, VK_SPACE);
  EXPECT_EQ(box->State(), cbChecked);
  EXPECT_EQ(Clicks(), 1);
  EXPECT_FALSE(box->PressedLook());
}

TEST_F(DvCheckBoxTest, EnterWithTabOnEnterMovesTheFocusOnAndChangesNothing) {
  box->SetFocus();
  PostAndPump(box->Handle(), WM_CHAR, '\r');
  PumpFor(20);
  EXPECT_TRUE(box->Focused());
  box->SetTabOnEnter(true);
  PostAndPump(box->Handle(), WM_CHAR, '\r');
  PumpFor(20);
  EXPECT_FALSE(box->Focused());
  EXPECT_TRUE(form->Component<TDvSpinEdit>("UpdateIntervalSpinEdit").Focused());
  EXPECT_EQ(box->State(), cbUnchecked);
  EXPECT_EQ(Clicks(), 0);
}

TEST_F(DvCheckBoxTest, AcceleratorFocusesAndToggles) {
  box->SetCaption("&Auto Run On Startup");
  EXPECT_EQ(box->Perform(CM_DIALOGCHAR, 'a'), 1);
  EXPECT_TRUE(box->Focused());
  EXPECT_EQ(box->State(), cbChecked);
  EXPECT_EQ(box->Perform(CM_DIALOGCHAR, 'x'), 0);
  EXPECT_EQ(box->State(), cbChecked);
}

TEST_F(DvCheckBoxTest, FocusOutlineRunsAroundTheCaptionOnly) {
  box->SetFocus();
  ASSERT_TRUE(box->Focused());
  PixelSurface surface(128, 17, clFuchsia);
  box->Perform(WM_PAINT, reinterpret_cast<WPARAM>(surface.Dc()), 0);
  // The caption rectangle (18, 1, 127, 16) grown by one, dotted from its second pixel.
  EXPECT_EQ(surface.At(18, 0), clBlack);
  EXPECT_NE(surface.At(19, 0), clBlack);
  EXPECT_EQ(surface.At(17, 1), clBlack);
  // Without a caption there is no outline.
  box->SetCaption("");
  PixelSurface empty(128, 17, clFuchsia);
  box->Perform(WM_PAINT, reinterpret_cast<WPARAM>(empty.Dc()), 0);
  EXPECT_TRUE(FindPixels(empty, {14, 0, 128, 17}, clBlack).Empty());
}

// The classic box as the platform draws it, in a 13 × 13 surface over background.
TColor ClassicPixel(UINT extraFlags, int x, int y, TColor background) {
  PixelSurface glyph(13, 13, clOlive);
  RECT rect{0, 0, 13, 13};
  DrawFrameControl(glyph.Dc(), &rect, DFC_BUTTON, DFCS_BUTTONCHECK | extraFlags);
  const TColor pixel = glyph.At(x, y);
  return pixel == clOlive ? Plain(background) : pixel;
}

void ExpectClassicGlyphAt(const PixelSurface& surface, int left, int top, UINT flags) {
  for (int y = 0; y < 13; ++y)
    for (int x = 0; x < 13; ++x)
      ASSERT_EQ(surface.At(left + x, top + y), ClassicPixel(flags, x, y, clBtnFace))
          << "flags " << flags << " at " << x << "," << y;
}

TEST(DvCheckBoxPaintTest, ClassicGlyphIsDrawnAtZeroTwoWithTheCaptionToItsRight) {
  auto form = LoadTestForm(kMainWindowCheckBoxes);
  auto& box = form->Component<TDvCheckBox>("AutoStartupCheckBox");
  const auto paint = [&box](PixelSurface& surface) {
    box.Perform(WM_PAINT, reinterpret_cast<WPARAM>(surface.Dc()), 0);
  };
  PixelSurface unchecked(128, 17, clFuchsia);
  paint(unchecked);
  ExpectClassicGlyphAt(unchecked, 0, 2, 0);
  // Transparent: the window's colour around the glyph, the caption to its right.
  EXPECT_EQ(unchecked.At(5, 0), Plain(clBtnFace));
  EXPECT_EQ(unchecked.At(5, 16), Plain(clBtnFace));
  const PixelBox caption = FindPixels(unchecked, {0, 0, 128, 17}, clWindowText);
  ASSERT_FALSE(caption.Empty());
  EXPECT_GE(caption.left, 18);

  box.SetState(cbChecked);
  PixelSurface checked(128, 17, clFuchsia);
  paint(checked);
  ExpectClassicGlyphAt(checked, 0, 2, DFCS_CHECKED);

  box.SetState(cbGrayed);
  PixelSurface grayed(128, 17, clFuchsia);
  paint(grayed);
  ExpectClassicGlyphAt(grayed, 0, 2, DFCS_CHECKED | DFCS_BUTTON3STATE);

  box.SetEnabled(false);
  PixelSurface disabled(128, 17, clFuchsia);
  paint(disabled);
  ExpectClassicGlyphAt(disabled, 0, 2, DFCS_CHECKED | DFCS_BUTTON3STATE | DFCS_INACTIVE);
  EXPECT_TRUE(FindPixels(disabled, {14, 0, 128, 17}, clWindowText).Empty());

  // The caption on the left puts the glyph at the right edge.
  box.SetEnabled(true);
  box.SetState(cbUnchecked);
  box.SetAlignment(taLeftJustify);
  PixelSurface left(128, 17, clFuchsia);
  paint(left);
  ExpectClassicGlyphAt(left, 128 - 13, 2, 0);
}

TEST(DvCheckBoxPaintTest, CustomGlyphCellsFollowStateAndEnabled) {
  auto form = LoadTestForm(kMainWindowCheckBoxes);
  auto& box = form->Component<TDvCheckBox>("AutoStartupCheckBox");
  box.SetTransparent(false);
  // Nine 13 × 13 cells, cell i in a colour of its own.
  TBitmap strip(117, 13);
  for (int cell = 0; cell < 9; ++cell) {
    strip.Canvas().Brush().SetColor(RGBColor(static_cast<uint8_t>(20 * cell + 10), 0, 200));
    strip.Canvas().FillRect({cell * 13, 0, cell * 13 + 13, 13});
  }
  box.SetCustomGlyphs(&strip);
  EXPECT_TRUE(box.UseCustomGlyphs());
  EXPECT_EQ(box.GlyphWidth(), 13);
  EXPECT_EQ(box.GlyphHeight(), 13);
  const auto glyphColor = [&box] {
    PixelSurface surface(128, 17, clFuchsia);
    box.Perform(WM_PAINT, reinterpret_cast<WPARAM>(surface.Dc()), 0);
    return surface.At(6, 8);
  };
  EXPECT_EQ(glyphColor(), RGBColor(10, 0, 200));
  box.SetState(cbChecked);
  EXPECT_EQ(glyphColor(), RGBColor(30, 0, 200));
  box.SetState(cbGrayed);
  EXPECT_EQ(glyphColor(), RGBColor(50, 0, 200));
  // While Space holds the pressed look, cells 3 to 5.
  SendMessageA(box.Handle(), WM_KEYDOWN, VK_SPACE, 1);
  ASSERT_TRUE(box.PressedLook());
  EXPECT_EQ(glyphColor(), RGBColor(110, 0, 200));
  box.SetState(cbUnchecked);
  EXPECT_EQ(glyphColor(), RGBColor(70, 0, 200));
  box.SetState(cbChecked);
  EXPECT_EQ(glyphColor(), RGBColor(90, 0, 200));
  // Disabled wins over the pressed look: cells 6 to 8.
  box.SetEnabled(false);
  EXPECT_EQ(glyphColor(), RGBColor(150, 0, 200));
  box.SetState(cbGrayed);
  EXPECT_EQ(glyphColor(), RGBColor(170, 0, 200));
}

TEST(DvCheckBoxPaintTest, GlyphAndCaptionFollowTheVerticalAlignment) {
  auto form = LoadTestForm(kMainWindowCheckBoxes);
  auto& box = form->Component<TDvCheckBox>("AutoStartupCheckBox");
  box.SetTransparent(false);
  box.SetHeight(41);
  const auto paint = [&box] {
    auto surface = std::make_unique<PixelSurface>(128, 41, clFuchsia);
    box.Perform(WM_PAINT, reinterpret_cast<WPARAM>(surface->Dc()), 0);
    return surface;
  };
  // The box's frame is the only shadow-coloured ink left of the caption.
  const auto glyphBox = [](const PixelSurface& surface) {
    return FindPixels(surface, {0, 0, 14, 41}, clBtnFace, true);
  };
  const auto captionBox = [](const PixelSurface& surface) {
    return FindPixels(surface, {18, 0, 128, 41}, clWindowText);
  };
  auto top = paint();
  EXPECT_EQ(glyphBox(*top).top, 2);
  EXPECT_EQ(glyphBox(*top).bottom, 15);
  const int captionHeight = captionBox(*top).Height();
  EXPECT_LE(captionBox(*top).top, 5);
  box.SetAlignmentVertical(avCenter);
  auto centre = paint();
  EXPECT_EQ(glyphBox(*centre).top, (41 - 13) / 2);
  EXPECT_EQ(glyphBox(*centre).bottom, (41 - 13) / 2 + 13);
  // The caption's lines are centred in the caption rectangle (1 .. 40).
  const PixelBox centred = captionBox(*centre);
  EXPECT_EQ(centred.Height(), captionHeight);
  EXPECT_NEAR(centred.top - 1, 40 - centred.bottom, 6);
  box.SetAlignmentVertical(avBottom);
  auto bottom = paint();
  EXPECT_EQ(glyphBox(*bottom).top, 41 - 13 - 2);
  EXPECT_EQ(glyphBox(*bottom).bottom, 41 - 2);
  EXPECT_GE(captionBox(*bottom).bottom, 41 - 8);
  EXPECT_LE(captionBox(*bottom).bottom, 41 - 2);
}

TEST(DvCheckBoxFormTest, LoadsTheMainWindowsPropertiesAndWritesThemBack) {
  auto form = LoadTestForm(std::string(kMainWindowCheckBoxes) +
                           "  object OldStyle: TDvCheckBox\n    Flat = True\n  end\n");
  auto& enable = form->Component<TDvCheckBox>("EnableAutoDialerCheckBox");
  EXPECT_TRUE(enable.Checked());
  EXPECT_TRUE(enable.Transparent());
  EXPECT_TRUE(enable.TabStop());
  EXPECT_EQ(enable.AlignmentVertical(), avTop);
  EXPECT_EQ(enable.Color(), clBtnFace);
  EXPECT_TRUE(form->Component<TDvCheckBox>("OldStyle").HotTrack());
  EXPECT_EQ(WrittenObject(*form, "AutoStartupCheckBox"),
            "  object AutoStartupCheckBox: TDvCheckBox\n"
            "    Left = 142\n    Top = 143\n    Width = 128\n    Height = 17\n"
            "    Caption = 'Auto Run On Startup'\n    State = cbUnchecked\n    TabOrder = 0\n"
            "    Transparent = True\n    OnClick = ControlClick\n  end\n");
  EXPECT_EQ(WrittenObject(*form, "EnableAutoDialerCheckBox"),
            "  object EnableAutoDialerCheckBox: TDvCheckBox\n"
            "    Left = 17\n    Top = 143\n    Width = 104\n    Height = 17\n"
            "    Caption = 'Enabled Auto-Dial'\n    Checked = True\n    State = cbChecked\n"
            "    TabOrder = 2\n    Transparent = True\n    OnClick = ControlClick\n  end\n");
  const std::string old = WrittenObject(*form, "OldStyle");
  EXPECT_NE(old.find("    HotTrack = True\n"), std::string::npos);
  EXPECT_EQ(old.find("Flat"), std::string::npos);
}

}  // namespace
