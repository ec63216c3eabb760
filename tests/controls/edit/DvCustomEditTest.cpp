// The framed edit through the spin edit: the flat frame in the non-client area (one pixel while
// idle, two while hot), the state colours, the frame settings' rules, the obsolete readers and
// the main window's form data written back.
#include "tests/controls/edit/SpinEditFixture.h"

#include "framework/win/graphics/GdiObjects.h"
#include "framework/win/platform/Themes.h"
#include "tests/controls/common/TestSurface.h"

namespace {

const char kMainWindowSpinEdit[] =
    "  object AutoStartupCheckBox: TDvCheckBox\n    TabOrder = 0\n  end\n"
    "  object UpdateIntervalSpinEdit: TDvSpinEdit\n"
    "    Left = 148\n    Top = 117\n    Width = 47\n    Height = 21\n"
    "    AllowKeyEdit = True\n    BlankValue = 50\n    FlatButtons = True\n"
    "    FrameHotTrack = True\n    FrameVisible = True\n    Max = 9999\n    Min = 1\n"
    "    ParentShowHint = False\n    ShowHint = True\n    TabOrder = 1\n    Value = 180\n"
    "    OnChange = ControlChange\n    OnClick = ControlClick\n    OnKeyUp = ControlKeyUp\n"
    "  end\n";

class DvCustomEditTest : public SpinEditFixture {
 protected:
  // A pixel of the whole window (non-client area included), as shown.
  TColor WindowPixel(int x, int y) {
    RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    WindowDC dc(Window(), true);
    return static_cast<TColor>(GetPixel(dc.Get(), x, y) & 0xFFFFFF);
  }
  // The left side's two outer rings and the bottom side's outer ring.
  std::vector<TColor> Rings() {
    return {WindowPixel(0, 10), WindowPixel(1, 10), WindowPixel(20, spin->Height() - 1)};
  }
};

TEST_F(DvCustomEditTest, FlatFrameIsOnePixelWhileIdleAndTwoWhileHot) {
  const TColor shadow = Plain(clBtnShadow);
  const TColor window = Plain(clWindow);
  EXPECT_EQ(Rings(), (std::vector<TColor>{shadow, window, shadow}));
  spin->SetFocus();
  EXPECT_TRUE(spin->IsHot());
  EXPECT_EQ(Rings(), (std::vector<TColor>{shadow, shadow, shadow}));
  LeaveSpinEdit();
  EXPECT_EQ(Rings(), (std::vector<TColor>{shadow, window, shadow}));
  spin->Perform(CM_MOUSEENTER);
  EXPECT_EQ(Rings(), (std::vector<TColor>{shadow, shadow, shadow}));
  spin->Perform(CM_MOUSELEAVE);
  EXPECT_FALSE(spin->IsHot());
  EXPECT_EQ(WindowPixel(1, 10), window);
}

TEST_F(DvCustomEditTest, ThemedFrameWinsOnlyWithThemesAndTheThemePreference) {
  ThemesOverride themes(true);
  EXPECT_TRUE(spin->UsesThemedFrame());
  // The platform's sunken edge is light at the bottom; the custom frame is not.
  EXPECT_NE(WindowPixel(20, spin->Height() - 1), Plain(clBtnShadow));
  spin->SetFramingPreference(fpCustomFraming);
  EXPECT_FALSE(spin->UsesThemedFrame());
  EXPECT_EQ(WindowPixel(20, spin->Height() - 1), Plain(clBtnShadow));
}

TEST_F(DvCustomEditTest, StateColoursFollowFocusEnabledAndOutsideChanges) {
  EXPECT_EQ(spin->FocusColor(), clWindow);
  spin->SetColor(clYellow);
  // A focus colour never set apart follows the background.
  EXPECT_EQ(spin->FocusColor(), clYellow);
  EXPECT_EQ(spin->UnfocusedColor(), clYellow);
  spin->SetFocusColor(clAqua);
  spin->SetColor(clRed);
  EXPECT_EQ(spin->FocusColor(), clAqua);
  spin->SetFocus();
  EXPECT_EQ(spin->Color(), clAqua);
  LeaveSpinEdit();
  EXPECT_EQ(spin->Color(), clRed);
  spin->SetEnabled(false);
  EXPECT_EQ(spin->Color(), clBtnFace);
  EXPECT_FALSE(spin->Buttons().Enabled());
  // A disabled control's form data leaves its (disabled) colour out.
  EXPECT_EQ(WrittenObject(*form, "UpdateIntervalSpinEdit").find("    Color ="), std::string::npos);
  spin->SetEnabled(true);
  EXPECT_EQ(spin->Color(), clRed);
  EXPECT_NE(WrittenObject(*form, "UpdateIntervalSpinEdit").find("    Color = clRed\n"),
            std::string::npos);
}

TEST_F(DvCustomEditTest, HotTrackingTurnsTheFrameOnWithAllSides) {
  TDvSpinEdit plain(nullptr);
  plain.SetFrameSides(SideBit(sdTop));
  EXPECT_FALSE(plain.FrameVisible());
  plain.SetFrameHotTrack(true);
  EXPECT_TRUE(plain.FrameVisible());
  EXPECT_TRUE(plain.Ctl3D());
  EXPECT_EQ(plain.FrameSides(), kAllSides);
}

TEST(DvCustomEditFormTest, MainWindowsSpinEditIsWrittenBackWithoutItsDefaults) {
  auto form = LoadTestForm(kMainWindowSpinEdit);
  auto& spin = form->Component<TDvSpinEdit>("UpdateIntervalSpinEdit");
  EXPECT_TRUE(spin.FrameVisible());
  EXPECT_TRUE(spin.FrameHotTrack());
  EXPECT_TRUE(spin.FlatButtons());
  EXPECT_TRUE(spin.ShowHint());
  EXPECT_EQ(spin.Text(), "180");
  EXPECT_EQ(WrittenObject(*form, "UpdateIntervalSpinEdit"),
            "  object UpdateIntervalSpinEdit: TDvSpinEdit\n"
            "    Left = 148\n    Top = 117\n    Width = 47\n    Height = 21\n"
            "    BlankValue = 50.0\n    AllowKeyEdit = True\n    FlatButtons = True\n"
            "    FrameHotTrack = True\n    FrameVisible = True\n    Max = 9999.0\n"
            "    Min = 1.0\n    ParentShowHint = False\n    ShowHint = True\n"
            "    TabOrder = 1\n    Value = 180.0\n    OnChange = ControlChange\n    OnClick = "
            "ControlClick\n"
            "    OnKeyUp = ControlKeyUp\n  end\n");
}

TEST(DvCustomEditFormTest, ObsoleteFramePropertiesAreRead) {
  auto form = LoadTestForm(
      "  object Old: TDvSpinEdit\n    FrameFlat = True\n    FrameFlatStyle = fsGroove\n"
      "    FlatButtonParentColor = True\n  end\n"
      "  object Focus: TDvSpinEdit\n    FrameFocusStyle = fsPopup\n  end\n");
  auto& old = form->Component<TDvSpinEdit>("Old");
  EXPECT_TRUE(old.FrameHotTrack());
  EXPECT_EQ(old.FrameStyle(), fsStatus);
  EXPECT_EQ(old.FrameHotStyle(), fsLowered);
  EXPECT_EQ(form->Component<TDvSpinEdit>("Focus").FrameHotStyle(), fsPopup);
  const std::string written = WrittenObject(*form, "Old");
  EXPECT_EQ(written.find("FrameFlat"), std::string::npos);
  EXPECT_NE(written.find("    FrameStyle = fsStatus\n"), std::string::npos);
}

}  // namespace
