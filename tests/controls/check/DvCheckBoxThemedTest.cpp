// The check box with visual themes, drawn through the prefix's real theme: the theme's check-box
// part for each state (disabled over pressed over hot over normal) where the classic box would
// be, over the parent's background asked for under the glyph.
#include <gtest/gtest.h>

#include <vsstyle.h>

#include "controls/check/DvCheckBox.h"
#include "framework/win/platform/Themes.h"
#include "tests/controls/common/SpineTestForm.h"
#include "tests/controls/common/TestSurface.h"

namespace {

const char kThemedBox[] =
    "  object Box: TDvCheckBox\n"
    "    Left = 17\n    Top = 143\n    Width = 104\n    Height = 17\n"
    "    Caption = 'Enabled Auto-Dial'\n    State = cbUnchecked\n    TabOrder = 0\n"
    "    Transparent = True\n  end\n";

class DvCheckBoxThemedTest : public testing::Test {
 protected:
  void SetUp() override {
    form = ShowTestForm(kThemedBox);
    box = &form->Component<TDvCheckBox>("Box");
  }

  // The control painted off-screen; the glyph is at (0, 2).
  std::unique_ptr<PixelSurface> Painted() {
    auto surface = std::make_unique<PixelSurface>(104, 17, clFuchsia);
    box->Perform(WM_PAINT, reinterpret_cast<WPARAM>(surface->Dc()), 0);
    return surface;
  }
  // How many of the glyph's pixels differ between the painted control and the theme's part in
  // the state, drawn by the platform over the window's colour.
  static int GlyphPixelsUnlike(const PixelSurface& painted, int state) {
    PixelSurface part(13, 13, clBtnFace);
    const ThemeData theme(nullptr, L"BUTTON");
    const RECT rect{0, 0, 13, 13};
    EXPECT_TRUE(theme.DrawBackground(part.Dc(), BP_CHECKBOX, state, rect));
    int unlike = 0;
    for (int y = 0; y < 13; ++y)
      for (int x = 0; x < 13; ++x)
        unlike += painted.At(x, y + 2) != part.At(x, y);
    return unlike;
  }

  ThemesOverride themes{true};
  TestFormPtr form;
  TDvCheckBox* box = nullptr;
};

TEST_F(DvCheckBoxThemedTest, EachStateShowsTheThemesCheckBoxPart) {
  const struct {
    TCheckBoxState state;
    int normalPart;
  } states[] = {{cbUnchecked, CBS_UNCHECKEDNORMAL},
                {cbChecked, CBS_CHECKEDNORMAL},
                {cbGrayed, CBS_MIXEDNORMAL}};
  for (const auto& [state, normal] : states) {
    SCOPED_TRACE(CheckBoxStateNames()[state]);
    box->SetState(state);
    EXPECT_EQ(GlyphPixelsUnlike(*Painted(), normal), 0);
    box->Perform(CM_MOUSEENTER);
    EXPECT_EQ(GlyphPixelsUnlike(*Painted(), normal + 1), 0) << "hot";
    SendMessageA(box->Handle(), WM_KEYDOWN, VK_SPACE, 1);
    EXPECT_EQ(GlyphPixelsUnlike(*Painted(), normal + 2), 0) << "pressed, also with the mouse over";
    box->SetEnabled(false);
    EXPECT_EQ(GlyphPixelsUnlike(*Painted(), normal + 3), 0) << "disabled wins";
    box->SetEnabled(true);
    SendMessageA(box->Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
    box->Perform(CM_MOUSELEAVE);
  }
  // The parts differ from each other, so matching one proves its own pixels.
  box->SetState(cbChecked);
  const auto checked = Painted();
  EXPECT_GT(GlyphPixelsUnlike(*checked, CBS_UNCHECKEDNORMAL), 10);
  EXPECT_GT(GlyphPixelsUnlike(*checked, CBS_CHECKEDHOT), 0);
}

TEST_F(DvCheckBoxThemedTest, ThemedGlyphIsNotTheClassicOneAndWinsOverHotTrack) {
  box->SetState(cbChecked);
  box->SetHotTrack(true);
  const auto themed = Painted();
  EXPECT_EQ(GlyphPixelsUnlike(*themed, CBS_CHECKEDNORMAL), 0);
  const ThemesOverride classic(false);
  box->SetHotTrack(false);
  const auto plain = Painted();
  int unlike = 0;
  for (int y = 2; y < 15; ++y)
    for (int x = 0; x < 13; ++x)
      unlike += themed->At(x, y) != plain->At(x, y);
  EXPECT_GT(unlike, 20);
  // Beside the glyph nothing changes.
  EXPECT_EQ(themed->At(50, 0), plain->At(50, 0));
}

// The parent is asked for its background with the glyph's place at the bitmap's origin: the
// form sees a device context whose origin lies at minus (control position + glyph position).
TEST_F(DvCheckBoxThemedTest, ParentBackgroundIsAskedForUnderTheGlyph) {
  static std::vector<POINT> origins;
  static WNDPROC formProc = nullptr;
  origins.clear();
  const HWND formWindow = form->Handle();
  formProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      formWindow, GWLP_WNDPROC,
      reinterpret_cast<LONG_PTR>(+[](HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_ERASEBKGND) {
          POINT origin{};
          GetViewportOrgEx(reinterpret_cast<HDC>(wParam), &origin);
          origins.push_back(origin);
        }
        return CallWindowProcA(formProc, window, msg, wParam, lParam);
      })));
  TBitmap image(13, 13);
  box->BuildStateImage(image);
  box->SetAlignment(taLeftJustify);
  box->BuildStateImage(image);
  SetWindowLongPtrA(formWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(formProc));
  ASSERT_EQ(origins.size(), 2u);
  EXPECT_EQ(origins[0].x, -17);
  EXPECT_EQ(origins[0].y, -(143 + 2));
  EXPECT_EQ(origins[1].x, -(17 + 104 - 13));
  EXPECT_EQ(origins[1].y, -(143 + 2));
}

}  // namespace
