// The main window as its form definition builds it: the window, every control with its place,
// captions, fonts and tab order, the handlers bound by name and the non-visual components.
#include <string>
#include <vector>

#include "controls/check/DvCheckBox.h"
#include "controls/common/DvLabel.h"
#include "controls/edit/DvSpinEdit.h"
#include "framework/win/menus/Menus.h"
#include "framework/win/platform/Timers.h"
#include "framework/win/stdctrls/Image.h"
#include "tests/app/MainFormFixture.h"

namespace {

struct TPlace {
  const char* name;
  int left, top, width, height;
};

using LayoutTest = MainFormTest;

// The size DrawText gives a single line of text in font on the screen.
SIZE TextExtent(const TFont& font, const std::string& text) {
  const HDC screen = GetDC(nullptr);
  const HGDIOBJ previous = SelectObject(screen, font.Handle());
  RECT rect{};
  DrawTextA(screen, text.c_str(), static_cast<int>(text.size()), &rect,
            DT_CALCRECT | DT_EXPANDTABS);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  return SIZE{rect.right, rect.bottom};
}

TEST_F(LayoutTest, WindowIsFixedSizeWithSystemMenuAndMinimiseOnly) {
  Create();
  EXPECT_EQ("MainFrm", form->Name());
  EXPECT_EQ("Dorv Internet Auto-Dialer", form->Caption());
  EXPECT_EQ(286, form->ClientWidth());
  EXPECT_EQ(177, form->ClientHeight());
  EXPECT_EQ(478, form->Left());
  EXPECT_EQ(441, form->Top());
  const LONG style = GetWindowLongA(form->Handle(), GWL_STYLE);
  EXPECT_NE(0, style & WS_SYSMENU);
  EXPECT_NE(0, style & WS_MINIMIZEBOX);
  EXPECT_EQ(0, style & WS_MAXIMIZEBOX);
  EXPECT_EQ(0, style & WS_THICKFRAME);
  EXPECT_EQ(clBtnFace, form->Color());
  const TFont& font = form->GetFont();
  EXPECT_EQ("MS Shell Dlg 2", font.Name());
  EXPECT_EQ(-11, font.Height());
  EXPECT_EQ(0u, font.Style());
  EXPECT_EQ(clWindowText, font.Color());
  EXPECT_EQ(DEFAULT_CHARSET, font.Charset());
  EXPECT_EQ(&Get<TDvSpinEdit>("UpdateIntervalSpinEdit"), form->ActiveControl());
  EXPECT_EQ(&Get<TPopupMenu>("TrayPopupMenu"), form->PopupMenu());
  EXPECT_EQ("FormShow", form->OnShow.HandlerName());
  EXPECT_EQ("FormClose", form->OnClose.HandlerName());
}

TEST_F(LayoutTest, VisibleControlsInStackingOrderAtTheirPlaces) {
  Create();
  const std::vector<TPlace> places = {
      {"DvLabel1", 8, 61, 265, 13},
      {"Image1", 0, 0, 286, 51},
      {"DvSeparator1", 0, 52, 279, 2},
      {"StateLbl", 8, 85, 272, 13},
      {"DvSeparator2", 0, 108, 279, 2},
      {"DvLabel2", 24, 120, 217, 13},
      {"StateImage", 50, 60, 16, 16},
      {"AutoStartupCheckBox", 142, 143, 128, 17},
      {"UpdateIntervalSpinEdit", 148, 117, 47, 21},
      {"EnableAutoDialerCheckBox", 17, 143, 104, 17},
  };
  ASSERT_EQ(static_cast<int>(places.size()), form->ControlCount());
  for (size_t i = 0; i < places.size(); ++i) {
    const TPlace& place = places[i];
    SCOPED_TRACE(place.name);
    const TControl& control = Get<TControl>(place.name);
    EXPECT_EQ(&control, form->Controls(static_cast<int>(i)));
    if (std::string(place.name) == "DvLabel2") continue;
    EXPECT_EQ(Bounds(place.left, place.top, place.width, place.height), control.BoundsRect());
  }
  // DvLabel2 sizes itself to its text once loaded: 217 x 13 where the window was designed, the
  // text's extent in the window's font here.
  const auto& every = Get<TDvLabel>("DvLabel2");
  const SIZE text = TextExtent(every.GetFont(), every.Caption());
  EXPECT_EQ(Bounds(24, 120, text.cx, text.cy), every.BoundsRect());
}

TEST_F(LayoutTest, LabelsAndTheirFonts) {
  Create();
  const auto& status = Get<TDvLabel>("DvLabel1");
  EXPECT_EQ("Internet Connection Status:", status.Caption());
  EXPECT_EQ(taCenter, status.Alignment());
  EXPECT_FALSE(status.AutoSize());
  EXPECT_TRUE(status.Transparent());

  const auto& state = Get<TDvLabel>("StateLbl");
  EXPECT_EQ("None", state.Caption());
  EXPECT_EQ(taCenter, state.Alignment());
  EXPECT_FALSE(state.AutoSize());
  EXPECT_TRUE(state.Transparent());
  EXPECT_FALSE(state.ParentFont());
  EXPECT_EQ(static_cast<TAnchors>(AnchorBit(akLeft) | AnchorBit(akTop) | AnchorBit(akRight)),
            state.Anchors());
  EXPECT_EQ("MS Shell Dlg 2", state.GetFont().Name());
  EXPECT_EQ(-11, state.GetFont().Height());
  EXPECT_EQ(static_cast<TFontStyles>(1u << fsBold), state.GetFont().Style());

  const auto& every = Get<TDvLabel>("DvLabel2");
  EXPECT_EQ("Check Connection Every" + std::string(20, ' ') + "Seconds", every.Caption());
  EXPECT_TRUE(every.Transparent());
  EXPECT_TRUE(every.ParentFont());
  EXPECT_EQ("MS Shell Dlg 2", every.GetFont().Name());
}

TEST_F(LayoutTest, OptionsAndIntervalWithTabOrderAndHandlers) {
  Create();
  const auto& autoRun = Get<TDvCheckBox>("AutoStartupCheckBox");
  EXPECT_EQ("Auto Run On Startup", autoRun.Caption());
  EXPECT_FALSE(autoRun.Checked());
  EXPECT_EQ(0, autoRun.TabOrder());
  EXPECT_EQ("AutoStartupCheckBoxClick", autoRun.OnClick.HandlerName());

  const auto& autoDial = Get<TDvCheckBox>("EnableAutoDialerCheckBox");
  EXPECT_EQ("Enabled Auto-Dial", autoDial.Caption());
  EXPECT_TRUE(autoDial.Checked());
  EXPECT_EQ(2, autoDial.TabOrder());
  EXPECT_EQ("EnableCheckBoxClick", autoDial.OnClick.HandlerName());

  auto& interval = Get<TDvSpinEdit>("UpdateIntervalSpinEdit");
  EXPECT_EQ(180, interval.IntegerValue());
  EXPECT_EQ(1.0L, interval.Min());
  EXPECT_EQ(9999.0L, interval.Max());
  EXPECT_EQ(50.0L, interval.BlankValue());
  EXPECT_TRUE(interval.AllowKeyEdit());
  EXPECT_TRUE(interval.ShowHint());
  EXPECT_FALSE(interval.ParentShowHint());
  EXPECT_EQ(1, interval.TabOrder());
  EXPECT_EQ("UpdateIntervalSpinEditChange", interval.OnChange.HandlerName());
  EXPECT_EQ("UpdateIntervalSpinEditClick", interval.OnClick.HandlerName());
  EXPECT_EQ("UpdateIntervalSpinEditKeyUp", interval.OnKeyUp.HandlerName());
}

TEST_F(LayoutTest, TimerIsCreatedOffWithTheDefaultPeriod) {
  Create();
  const auto& timer = Get<TTimer>("UpdateTimer");
  EXPECT_FALSE(timer.Enabled());
  EXPECT_FALSE(timer.Running());
  EXPECT_EQ(180000u, timer.Interval());
  EXPECT_EQ("UpdateTimerTimer", timer.OnTimer().HandlerName());
}

TEST_F(LayoutTest, TrayMenuItemsWithImagesAndDefault) {
  Create();
  const auto& menu = Get<TPopupMenu>("TrayPopupMenu");
  const TMenuItem& items = menu.Items();
  ASSERT_EQ(4, items.Count());
  const std::vector<std::string> names = {"Show1", "N1", "ForceConnect1", "ForceDisconnect1"};
  const std::vector<std::string> captions = {"&Show..", "-", "&Force Connect..",
                                             "Force &Disconnect"};
  const std::vector<int> images = {-1, -1, 2, 0};
  const std::vector<std::string> handlers = {"Show1Click", "", "ForceConnect1Click",
                                             "ForceDisconnect1Click"};
  for (int i = 0; i < 4; ++i) {
    const TMenuItem& item = *items.Items(i);
    SCOPED_TRACE(names[i]);
    EXPECT_EQ(names[i], item.Name());
    EXPECT_EQ(captions[i], item.Caption());
    EXPECT_EQ(images[i], item.ImageIndex());
    EXPECT_EQ(i == 0, item.Default());
    EXPECT_EQ(handlers[i], item.OnClick.HandlerName());
  }
}

TEST_F(LayoutTest, BannerIsTheStoredGifCentredAcrossTheTop) {
  Create();
  const auto& banner = Get<TImage>("Image1");
  EXPECT_EQ(alTop, banner.Align());
  EXPECT_TRUE(banner.Center());
  EXPECT_TRUE(banner.IncrementalDisplay());
  ASSERT_NE(nullptr, banner.Picture()->Graphic());
  EXPECT_EQ("TDvGIFImage", banner.Picture()->Graphic()->ClassName());
  EXPECT_EQ(400, banner.Picture()->Width());
  EXPECT_EQ(51, banner.Picture()->Height());
  // 400 columns in a 286 wide control: the middle ones show.
  EXPECT_EQ(Bounds(-57, 0, 400, 51), banner.DestRect());
}

}  // namespace
