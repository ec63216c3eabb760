// The menu stylers: the fantasy presets as the program's menu shows them, the preset names as form
// data stores them, the sub-objects' setter and copy rules and what a styler writes to a form.
#include <gtest/gtest.h>

#include <string>

#include "controls/menu/styler/DvMenuStyler.h"
#include "controls/menu/styler/DvMenuStylers.h"
#include "framework/core/FormReader.h"
#include "framework/core/SysUtils.h"
#include "tests/controls/menu/MenuTestFixture.h"

namespace {

constexpr TFontStyles kBold = 1u << fsBold;

std::string StylerForm(const std::string& style) {
  return "object MainFrm: TTestRootForm\n"
         "  object DvMenuFantasyStyler1: TDvMenuFantasyStyler\n"
         "    Style = " +
         style +
         "\n"
         "  end\n"
         "end\n";
}

using MenuStylerTest = StyledMenuTest;

TEST_F(MenuStylerTest, ANewFantasyStylerHasTheChocolateLook) {
  TDvMenuFantasyStyler styler(nullptr);
  EXPECT_EQ(styler.Style(), fsChocolate);
  EXPECT_EQ(styler.Background().Color(), clWindow);
  EXPECT_EQ(styler.Background().ColorTo(), clBtnFace);
  EXPECT_EQ(styler.MenuBorderColor(), TColor{0x808080});
  EXPECT_EQ(styler.Font().Color(), TColor{0x000080});
  EXPECT_EQ(styler.SelectedItem().Color(), TColor{0xC1FFFE});
  EXPECT_EQ(styler.SelectedItem().GradientDirection(), gdHorizontal);
  EXPECT_EQ(styler.IconBar().ColorTo(), TColor{0x8AC2C1});
  EXPECT_EQ(styler.Separator().Color(), TColor{0x7A868A});
  // Values no preset writes keep their initial ones.
  EXPECT_TRUE(styler.UseSystemFont());
  EXPECT_EQ(styler.IconBar().GradientDirection(), gdHorizontal);
  EXPECT_EQ(styler.Separator().Width(), 1);
  EXPECT_EQ(styler.Separator().Margin(), 2);
  EXPECT_EQ(styler.Separator().GradientType(), gtBoth);
  EXPECT_EQ(styler.Background().Position(), bpCenter);
}

TEST_F(MenuStylerTest, TheNinePresetNamesReadInTheirOrder) {
  const char* const names[] = {"fsArctic",        "fsAquaBlue",  "fsChocolate",
                               "fsMacOS",         "fsSilverFox", "fsSoftSand",
                               "fsTerminalGreen", "fsTextured",  "fsWindowsClassic"};
  for (int i = 0; i < 9; ++i) {
    SetUp();
    Load(StylerForm(names[i]).c_str());
    EXPECT_EQ(static_cast<int>(Styler().Style()), i) << names[i];
    const std::string written = FormWriter::WriteRoot(*form);
    EXPECT_NE(written.find(std::string("Style = ") + names[i]), std::string::npos) << written;
  }
  // The program's own style is written even though it is the only value stored.
  SetUp();
  Load(StylerForm("fsChocolate").c_str());
  EXPECT_NE(FormWriter::WriteRoot(*form).find("Style = fsChocolate"), std::string::npos);
}

TEST_F(MenuStylerTest, SilverFoxGivesTheTrayMenuItsLook) {
  TDvMenuFantasyStyler styler(nullptr);
  styler.SetStyle(fsSilverFox);
  EXPECT_EQ(styler.Style(), fsSilverFox);
  const TBackground& background = styler.Background();
  EXPECT_EQ(background.Color(), TColor{0xD1C9C8});
  EXPECT_EQ(background.ColorTo(), TColor{0xD1C9C8});
  EXPECT_EQ(background.GradientDirection(), gdVertical);
  EXPECT_FALSE(background.HasImage());
  EXPECT_EQ(styler.MenuBorderColor(), TColor{0x666666});
  EXPECT_EQ(styler.Font().Color(), TColor{0x000000});

  const TRootItem& root = styler.RootItem();
  EXPECT_EQ(root.Font().Style(), 0u);
  EXPECT_EQ(root.Color(), TColor{0xFFFFFF});
  EXPECT_EQ(root.ColorTo(), TColor{0xC5BAB7});
  EXPECT_EQ(root.GradientDirection(), gdVertical);
  EXPECT_EQ(root.Font().Color(), TColor{0x000000});
  EXPECT_EQ(root.Font().Size(), 8);
  EXPECT_EQ(root.SelectedColors().Get(0), TColor{0xF1F3F4});
  EXPECT_EQ(root.SelectedColors().Get(1), clNone);
  EXPECT_EQ(root.SelectedBorderColor(), TColor{0x666666});
  EXPECT_EQ(root.SelectedTextColor(), TColor{0x000000});
  EXPECT_EQ(root.HoverColors().Get(0), TColor{0xD2BDB5});
  EXPECT_EQ(root.HoverColors().Get(1), clNone);
  EXPECT_EQ(root.HoverBorderColor(), TColor{0x6A240A});
  EXPECT_EQ(root.HoverTextColor(), TColor{0x0000B0});

  const TSelectedItem& selected = styler.SelectedItem();
  EXPECT_EQ(selected.Color(), TColor{0xD2BDB5});
  EXPECT_EQ(selected.ColorTo(), clNone);
  EXPECT_EQ(selected.GradientDirection(), gdVertical);
  EXPECT_EQ(selected.BorderColor(), TColor{0x6A240A});
  EXPECT_EQ(selected.Font().Color(), TColor{0x0000B0});
  EXPECT_EQ(selected.Font().Style(), 0u);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(selected.CheckColors().Get(i), clNone);
    EXPECT_EQ(selected.RadioColors().Get(i), clNone);
    EXPECT_EQ(styler.IconBar().CheckColors().Get(i), clNone);
    EXPECT_EQ(styler.IconBar().RadioColors().Get(i), clNone);
  }
  EXPECT_EQ(selected.CheckBorder(), clNone);
  EXPECT_EQ(selected.RadioBorder(), clNone);

  const TIconBar& icons = styler.IconBar();
  EXPECT_EQ(icons.Color(), TColor{0xFFFFFF});
  EXPECT_EQ(icons.ColorTo(), TColor{0xE4DCDA});
  EXPECT_EQ(icons.GradientDirection(), gdHorizontal);
  EXPECT_EQ(icons.Size(), 24);
  EXPECT_EQ(icons.CheckBorder(), clNone);
  EXPECT_EQ(icons.RadioBorder(), clNone);

  EXPECT_EQ(styler.Separator().Color(), TColor{0xA6A6A6});
  EXPECT_EQ(styler.Separator().ColorTo(), clNone);
  EXPECT_EQ(styler.Separator().GradientDirection(), gdHorizontal);
  EXPECT_FALSE(styler.SideBar().Visible());
  EXPECT_TRUE(styler.UseSystemFont());
  EXPECT_TRUE(root.UseSystemFont());
  EXPECT_TRUE(selected.UseSystemFont());
}

TEST_F(MenuStylerTest, APresetWritesOnlyItsOwnProperties) {
  TDvMenuFantasyStyler styler(nullptr);
  styler.SetStyle(fsAquaBlue);
  EXPECT_EQ(styler.SelectedItem().CheckGradientDirection(), gdHorizontal);
  EXPECT_EQ(styler.IconBar().CheckGradientDirection(), gdHorizontal);
  EXPECT_EQ(styler.SelectedItem().Font().Style(), kBold);
  styler.SetStyle(fsSilverFox);
  EXPECT_EQ(styler.SelectedItem().CheckGradientDirection(), gdHorizontal);
  EXPECT_EQ(styler.IconBar().CheckGradientDirection(), gdHorizontal);
  EXPECT_EQ(styler.SelectedItem().Font().Style(), 0u);

  styler.SetStyle(fsWindowsClassic);
  const TSideBar& bar = styler.SideBar();
  EXPECT_TRUE(bar.Visible());
  EXPECT_EQ(bar.Caption(), "Vexo Menu");
  EXPECT_EQ(bar.Image().Color(), TColor{0xEDC6A9});
  EXPECT_EQ(bar.Image().ColorTo(), TColor{0x6A240A});
  EXPECT_EQ(bar.Background().GradientDirection(), gdHorizontal);
  EXPECT_EQ(bar.Font().Color(), TColor{0xFFFFFF});
  // The next preset hides the bar but leaves its caption.
  styler.SetStyle(fsTerminalGreen);
  EXPECT_FALSE(bar.Visible());
  EXPECT_EQ(bar.Caption(), "Vexo Menu");
  EXPECT_EQ(styler.RootItem().ColorTo(), clNone);

  styler.SetStyle(fsTextured);
  EXPECT_EQ(styler.RootItem().Font().Style(), kBold | (1u << fsItalic));
  EXPECT_EQ(styler.RootItem().Font().Size(), 10);
  // A value outside the nine is stored and applies nothing.
  styler.SetStyle(static_cast<TFantasyStyle>(9));
  EXPECT_EQ(styler.RootItem().Font().Size(), 10);
}

TEST_F(MenuStylerTest, InitialValuesOfTheSubObjects) {
  TDvMenuStyler styler(nullptr);
  EXPECT_EQ(styler.MenuBorderColor(), TColor{0x7C7C94});
  EXPECT_EQ(styler.Separator().Color(), TColor{0x8F6D6E});
  EXPECT_EQ(styler.Background().Color(), TColor{0xFFFAFD});
  EXPECT_EQ(styler.IconBar().Color(), TColor{0xFFF9F9});
  EXPECT_EQ(styler.IconBar().ColorTo(), TColor{0xBBA0A1});
  EXPECT_EQ(styler.SelectedItem().Color(), TColor{0xC2EEFF});
  EXPECT_EQ(styler.SelectedItem().CheckColors().Get(0), TColor{0x3E80FE});
  EXPECT_EQ(styler.SelectedItem().Font().Color(), clWindowText);
  EXPECT_EQ(styler.RootItem().Color(), TColor{0xE5D7D7});
  EXPECT_EQ(styler.RootItem().HoverColors().Get(1), TColor{0x9DD8FF});
  EXPECT_EQ(styler.RootItem().SelectedTextColor(), clWindowText);
  const TSideBar& bar = styler.SideBar();
  EXPECT_FALSE(bar.Visible());
  EXPECT_EQ(bar.VisibleIn(), viFirstVisible);
  EXPECT_EQ(bar.Size(), 24);
  EXPECT_EQ(bar.Image().Color(), TColor{0x000000});
  EXPECT_EQ(bar.Image().ColorTo(), clHighlight);
  EXPECT_EQ(bar.Background().ColorTo(), clHighlight);
  EXPECT_EQ(bar.SplitterColorTo(), TColor{0x000000});
  EXPECT_EQ(bar.EndOffset(), 6);
  EXPECT_EQ(bar.Font().Name(), "Tahoma");
  EXPECT_EQ(bar.Font().Size(), 14);
  EXPECT_EQ(bar.Font().Style(), kBold | (1u << fsItalic));
  // Windows 6.1 under Wine: the menu windows are clipped and the arrow reserve is 15.
  EXPECT_TRUE(styler.ClipMenuWindow());
  EXPECT_EQ(styler.SystemArrowReserve(), 15);
}

TEST_F(MenuStylerTest, SetterRules) {
  TDvMenuStyler styler(nullptr);
  styler.IconBar().SetSize(10);
  EXPECT_EQ(styler.IconBar().Size(), 16);
  styler.IconBar().SetSize(30);
  EXPECT_EQ(styler.IconBar().Size(), 30);
  try {
    styler.IconBar().CheckColors().Set(2, clRed);
    FAIL() << "index 2 accepted";
  } catch (const EInvalidPropertyIndex& error) {
    EXPECT_EQ(error.Message(), "Invalid property index 2.");
  }
  EXPECT_THROW(styler.Separator().Colors().Get(-1), EInvalidPropertyIndex);
  EXPECT_THROW(styler.RootItem().HoverColors().Get(2), EInvalidPropertyIndex);
  // Setting a sub-object copies into the owned one.
  TIconBar other;
  other.SetSize(40);
  TIconBar& owned = styler.IconBar();
  styler.SetIconBar(other);
  EXPECT_EQ(&styler.IconBar(), &owned);
  EXPECT_EQ(owned.Size(), 40);
}

TEST_F(MenuStylerTest, CopyingSubObjectsFollowsEachClassesRule) {
  TSelectedItem source;
  source.SetColor(0x112233);
  source.SetColorTo(0x445566);
  source.SetBorderColor(0x010203);
  source.Font().SetColor(0x0000B0);
  source.Font().SetStyle(kBold);
  source.SetUseSystemFont(false);
  source.CheckColors().Set(0, 0x0A0B0C);
  source.RadioColors().Set(1, 0x0D0E0F);
  TSelectedItem target;
  target.Assign(&source);
  EXPECT_EQ(target.Font().Color(), TColor{0x0000B0});
  EXPECT_EQ(target.Font().Style(), kBold);
  EXPECT_FALSE(target.UseSystemFont());
  EXPECT_EQ(target.BorderColor(), TColor{0x010203});
  EXPECT_EQ(target.CheckColors().Get(0), TColor{0x0A0B0C});
  EXPECT_EQ(target.RadioColors().Get(1), TColor{0x0D0E0F});
  // The fill colours stay.
  EXPECT_EQ(target.Color(), TColor{0xC2EEFF});
  EXPECT_EQ(target.ColorTo(), clNone);

  // A plain gradient source gives only its gradient part.
  TSeparator separator;
  separator.SetWidth(5);
  TIconBar icons;
  icons.Assign(&separator);
  EXPECT_EQ(icons.Color(), TColor{0x8F6D6E});
  EXPECT_EQ(icons.GradientDirection(), gdHorizontal);
  TSeparator copy;
  copy.Assign(&separator);
  EXPECT_EQ(copy.Width(), 5);

  TMenuGlyphs glyphs;
  EXPECT_THROW(glyphs.Assign(&separator), EConvertError);
}

TEST_F(MenuStylerTest, AStylerCopiesOnlyFromAPlainStyler) {
  TDvMenuStyler source(nullptr);
  source.IconBar().SetSize(32);
  source.SetUseSystemFont(false);
  source.SetMenuBorderColor(0x123456);
  TDvMenuFantasyStyler fantasy(nullptr);
  fantasy.Assign(&source);
  EXPECT_EQ(fantasy.IconBar().Size(), 32);
  EXPECT_FALSE(fantasy.UseSystemFont());
  EXPECT_EQ(fantasy.MenuBorderColor(), TColor{0x808080});

  TDvMenuStyler target(nullptr);
  try {
    target.Assign(&fantasy);
    FAIL() << "a fantasy styler was copied";
  } catch (const EConvertError& error) {
    EXPECT_EQ(error.Message(), "Cannot assign a TDvMenuFantasyStyler to a TDvMenuStyler");
  }
}

TEST_F(MenuStylerTest, APlainStylerWritesOnlyWhatDiffersFromItsDefaults) {
  Load(
      "object MainFrm: TTestRootForm\n"
      "  object DvMenuStyler1: TDvMenuStyler\n"
      "    IconBar.Size = 30\n"
      "    SideBar.Caption = 'Dorv'\n"
      "    SideBar.Visible = True\n"
      "    Separator.Color = clGreen\n"
      "  end\n"
      "end\n");
  auto& styler = dynamic_cast<TDvMenuStyler&>(*form->FindComponent("DvMenuStyler1"));
  EXPECT_EQ(styler.IconBar().Size(), 30);
  EXPECT_EQ(styler.SideBar().Caption(), "Dorv");
  EXPECT_TRUE(styler.SideBar().Visible());
  EXPECT_EQ(styler.Separator().Color(), clGreen);
  std::string written = FormWriter::WriteRoot(*form);
  EXPECT_EQ(written.find("UseSystemFont"), std::string::npos) << written;
  EXPECT_EQ(written.find("MenuBorderColor"), std::string::npos) << written;
  EXPECT_NE(written.find("IconBar.Size = 30"), std::string::npos) << written;

  styler.SetUseSystemFont(false);
  styler.SetMenuBorderColor(0x666666);
  written = FormWriter::WriteRoot(*form);
  EXPECT_NE(written.find("UseSystemFont = False"), std::string::npos) << written;
  EXPECT_NE(written.find("MenuBorderColor = "), std::string::npos) << written;
}

}  // namespace
