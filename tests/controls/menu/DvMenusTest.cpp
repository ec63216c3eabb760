// The styled menus: loading the tray menu, the styler in force and its fallbacks, the version,
// and the hooks that route every item to the styled painter.
#include <gtest/gtest.h>

#include <string>

#include "controls/menu/paint/DvMenuPainter.h"
#include "controls/menu/styler/DvMenuStyler.h"
#include "framework/core/FormReader.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/GdiObjects.h"
#include "framework/win/menus/MenuItemPainter.h"
#include "framework/win/menus/SystemMenuFont.h"
#include "tests/controls/menu/MenuTestFixture.h"
#include "tests/framework/win/menus/MenuTestSupport.h"

namespace {

bool HasStyledDraw(const TMenuItem& item) {
  return item.OnAdvancedDrawItem.GetHandler().target<TStyledMenuCore::DrawHook>() != nullptr;
}

bool HasStyledMeasure(const TMenuItem& item) {
  return item.OnMeasureItem.GetHandler().target<TStyledMenuCore::MeasureHook>() != nullptr;
}

TEST_F(StyledMenuTest, TheTrayMenuLoadsWithItsFantasyStyler) {
  Load();
  TDvPopupMenu& menu = Menu();
  EXPECT_EQ(menu.MenuStyler(), &Styler());
  EXPECT_EQ(menu.StoredMenuStyler(), &Styler());
  EXPECT_EQ(menu.InternalStyler(), nullptr);
  EXPECT_EQ(Styler().Style(), fsSilverFox);
  EXPECT_EQ(Styler().Menu(), &menu);
  EXPECT_EQ(Styler().SelectedItem().Menu(), &menu);
  EXPECT_EQ(Styler().SideBar().Menu(), &menu);
  EXPECT_TRUE(menu.OwnerDraw());
  EXPECT_TRUE(menu.DrawMenuFrame());
  EXPECT_EQ(menu.Images(), images);
  EXPECT_EQ(menu.Version(), "1.0.0.0");
  ASSERT_EQ(menu.Items().Count(), 4);
  EXPECT_TRUE(Item("Show1").Default());
  EXPECT_EQ(FindStyledMenu(Item("N1")), &menu);
  // Every entry of the platform menu is owner-drawn.
  const HMENU handle = menu.Handle();
  for (int i = 0; i < 4; ++i)
    EXPECT_NE(ReadMenuEntry(handle, i).type & MFT_OWNERDRAW, 0u) << i;
}

TEST_F(StyledMenuTest, VersionReadsOneZeroZeroZeroWhateverWasWritten) {
  std::string text = kTrayMenuForm;
  text.replace(text.find("'1.0.0.0'"), 9, "'9.8.7.6'");
  Load(text.c_str());
  EXPECT_EQ(Menu().Version(), "1.0.0.0");
  Menu().SetVersion("2.0.0.0");
  EXPECT_EQ(Menu().Version(), "1.0.0.0");
  EXPECT_EQ(StyledMenuVersionText(), "1.0.0.0");
  const std::string written = FormWriter::WriteRoot(*form);
  EXPECT_NE(written.find("Version = '1.0.0.0'"), std::string::npos) << written;
  EXPECT_NE(written.find("MenuStyler = DvMenuFantasyStyler1"), std::string::npos) << written;
  // OwnerDraw is True by default and not written.
  EXPECT_EQ(written.find("OwnerDraw"), std::string::npos) << written;
}

TEST_F(StyledMenuTest, OwnerDrawIsForcedOnAfterLoading) {
  std::string text = kTrayMenuForm;
  text.insert(text.find("    Version"), "    OwnerDraw = False\n");
  Load(text.c_str());
  EXPECT_TRUE(Menu().OwnerDraw());
  EXPECT_NE(ReadMenuEntry(Menu().Handle(), 0).type & MFT_OWNERDRAW, 0u);
}

TEST_F(StyledMenuTest, AMenuCreatedInCodeUsesAnInternalStyler) {
  TDvPopupMenu menu(nullptr);
  TCustomDvMenuStyler* internal = menu.InternalStyler();
  ASSERT_NE(internal, nullptr);
  EXPECT_EQ(menu.MenuStyler(), internal);
  EXPECT_EQ(menu.StoredMenuStyler(), nullptr);
  EXPECT_EQ(internal->Name(), "InternalMenuStyler");
  EXPECT_TRUE(internal->IsSubComponent());
  EXPECT_EQ(internal->Owner(), &menu);
  EXPECT_EQ(internal->ClassName(), "TDvMenuFantasyStyler");
  EXPECT_EQ(internal->Menu(), &menu);
  EXPECT_TRUE(menu.OwnerDraw());
  // An empty styler while the internal one is in force changes nothing.
  menu.SetMenuStyler(nullptr);
  EXPECT_EQ(menu.MenuStyler(), internal);

  TDvMainMenu bar(nullptr);
  ASSERT_NE(bar.InternalStyler(), nullptr);
  EXPECT_EQ(bar.InternalStyler()->ClassName(), "TDvMenuStyler");
  EXPECT_TRUE(bar.OwnerDraw());
}

TEST_F(StyledMenuTest, AnAssignedStylerReplacesTheInternalOne) {
  TDvPopupMenu menu(nullptr);
  TDvMenuStyler styler(nullptr);
  menu.SetMenuStyler(&styler);
  EXPECT_EQ(menu.MenuStyler(), &styler);
  EXPECT_EQ(menu.InternalStyler(), nullptr);
  EXPECT_EQ(menu.ComponentCount(), 1);  // only the root item is left
  EXPECT_EQ(styler.Menu(), &menu);
}

TEST_F(StyledMenuTest, MenuStylerSetToNilFallsBackToAnInternalStyler) {
  Load();
  Menu().SetMenuStyler(nullptr);
  TCustomDvMenuStyler* internal = Menu().InternalStyler();
  ASSERT_NE(internal, nullptr);
  EXPECT_EQ(Menu().MenuStyler(), internal);
  EXPECT_EQ(internal->ClassName(), "TDvMenuFantasyStyler");
  EXPECT_EQ(dynamic_cast<TDvMenuFantasyStyler*>(internal)->Style(), fsChocolate);
  // The form's styler is untouched and no longer watched: destroying it changes nothing.
  EXPECT_EQ(Styler().Style(), fsSilverFox);
  TComponent::Destroy(Styler());
  EXPECT_EQ(Menu().MenuStyler(), internal);
  // Written back, the menu names no styler.
  const std::string written = FormWriter::WriteRoot(*form);
  EXPECT_EQ(written.find("MenuStyler"), std::string::npos) << written;
  EXPECT_EQ(written.find("InternalMenuStyler"), std::string::npos) << written;
}

TEST_F(StyledMenuTest, DestroyingTheStylerFallsBackToAnInternalStyler) {
  Load();
  TComponent::Destroy(Styler());
  ASSERT_NE(Menu().InternalStyler(), nullptr);
  EXPECT_EQ(Menu().MenuStyler(), Menu().InternalStyler());
  EXPECT_EQ(Menu().MenuStyler()->Menu(), &Menu());
  // Setting a styler again frees the internal one.
  TDvMenuStyler& other = TComponent::Create<TDvMenuStyler>(*form);
  Menu().SetMenuStyler(&other);
  EXPECT_EQ(Menu().InternalStyler(), nullptr);
  EXPECT_EQ(Menu().MenuStyler(), &other);
}

TEST_F(StyledMenuTest, DestroyingTheMenuLeavesAnAssignedStylerAlone) {
  Load();
  TComponent::Destroy(Menu());
  // It no longer refers to the menu that is gone, so a style change touches no menu.
  EXPECT_EQ(Styler().Menu(), nullptr);
  EXPECT_EQ(Styler().SelectedItem().Menu(), nullptr);
  Styler().SetStyle(fsMacOS);
  TDvPopupMenu other(nullptr);
  other.SetMenuStyler(&Styler());
  EXPECT_EQ(Styler().Menu(), &other);
  other.SetMenuStyler(nullptr);
}

TEST_F(StyledMenuTest, ItemsAreHookedToTheMenusHandlersUnlessTheyHaveTheirOwn) {
  Load();
  for (const char* name : {"Show1", "N1", "ForceConnect1", "ForceDisconnect1"}) {
    EXPECT_TRUE(HasStyledMeasure(Item(name))) << name;
    EXPECT_TRUE(HasStyledDraw(Item(name))) << name;
  }
  // Items added after loading: their own handlers are kept.
  TMenuItem& measured = TComponent::Create<TMenuItem>(*form);
  int ownMeasures = 0;
  measured.OnMeasureItem = [&](TObject*, TCanvas&, int&, int&) { ++ownMeasures; };
  Menu().Items().Add(measured);
  EXPECT_FALSE(HasStyledMeasure(measured));
  EXPECT_TRUE(HasStyledDraw(measured));
  TMenuItem& drawn = TComponent::Create<TMenuItem>(*form);
  drawn.OnDrawItem = [](TObject*, TCanvas&, const TRect&, bool) {};
  Menu().Items().Add(drawn);
  EXPECT_TRUE(HasStyledMeasure(drawn));
  EXPECT_FALSE(static_cast<bool>(drawn.OnAdvancedDrawItem));
  TMenuItem& ownDraw = TComponent::Create<TMenuItem>(*form);
  int ownDraws = 0;
  ownDraw.OnAdvancedDrawItem = [&](TObject*, TCanvas&, const TRect&, TOwnerDrawState) {
    ++ownDraws;
  };
  Menu().Items().Add(ownDraw);
  EXPECT_TRUE(HasStyledMeasure(ownDraw));
  EXPECT_FALSE(HasStyledDraw(ownDraw));
  // A changed item is hooked again and keeps its own handlers.
  measured.SetCaption("Measured");
  ownDraw.SetCaption("Drawn");
  EXPECT_FALSE(HasStyledMeasure(measured));
  EXPECT_TRUE(HasStyledDraw(measured));
  EXPECT_FALSE(HasStyledDraw(ownDraw));
  TMenuItem& sub = TComponent::Create<TMenuItem>(*form);
  Item("ForceConnect1").Add(sub);
  EXPECT_TRUE(HasStyledDraw(sub));

  WindowDC screen(nullptr);
  TCanvas canvas;
  canvas.SetHandle(screen.Get());
  AssignSystemMenuFont(canvas.Font());
  int width = 0;
  int height = 0;
  measured.MeasureItem(canvas, width, height);
  EXPECT_EQ(ownMeasures, 1);
  ownDraw.AdvancedDrawItem(canvas, TRect{0, 0, 10, 10}, 0, false);
  EXPECT_EQ(ownDraws, 1);
  canvas.SetHandle(nullptr);
}

TEST_F(StyledMenuTest, TheMenusMeasureHandlerWidensTheStandardItem) {
  Load();
  WindowDC screen(nullptr);
  TCanvas canvas;
  canvas.SetHandle(screen.Get());
  AssignSystemMenuFont(canvas.Font());
  TMenuItem plain(nullptr);
  plain.SetCaption("&Force Connect..");
  int standardWidth = 0;
  int standardHeight = 0;
  MeasureStandardMenuItem(Item("ForceConnect1"), canvas, standardWidth, standardHeight);
  int width = 0;
  int height = 0;
  Item("ForceConnect1").MeasureItem(canvas, width, height);
  const int reserve = Styler().SystemArrowReserve();
  // The icon column, 2 pixels and the arrow reserve; the menu has images, so no glyph room.
  EXPECT_EQ(width, standardWidth + 24 + 2 + reserve);
  EXPECT_EQ(height, ((standardHeight + 1) / 2) * 2);
  EXPECT_EQ(height % 2, 0);
  Item("N1").MeasureItem(canvas, width, height);
  EXPECT_EQ(height, 3);
  canvas.SetHandle(nullptr);
}

TEST_F(StyledMenuTest, WithoutTheSystemFontItemsAreMeasuredInTheStylersFont) {
  Load();
  TDvMenuStyler styler(nullptr);
  styler.SetUseSystemFont(false);
  WindowDC screen(nullptr);
  TCanvas canvas;
  canvas.SetHandle(screen.Get());
  TMenuItem item(nullptr);
  item.SetCaption("&");
  int width = 100;
  int height = 2;
  MeasureItemWithStyler(item, styler, canvas, width, height, false);
  // At least 16 high, made even; text width + 18 + 23 (no images) + column + 2 + reserve.
  EXPECT_GE(height, 16);
  EXPECT_EQ(height % 2, 0);
  canvas.Font().Assign(&styler.Font());
  TRect extent{};
  canvas.DrawText("&", extent, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(width, extent.Width() + 18 + 23 + 24 + 2 + styler.SystemArrowReserve());
  canvas.SetHandle(nullptr);
}

TEST_F(StyledMenuTest, AMainMenuItemTreeFromFormDataIsHooked) {
  Load(
      "object MainFrm: TTestRootForm\n"
      "  object MainMenu1: TDvMainMenu\n"
      "    object File1: TMenuItem\n"
      "      Caption = '&File'\n"
      "      object Open1: TMenuItem\n"
      "        Caption = '&Open'\n"
      "      end\n"
      "    end\n"
      "  end\n"
      "end\n");
  auto& bar = dynamic_cast<TDvMainMenu&>(*form->FindComponent("MainMenu1"));
  EXPECT_TRUE(HasStyledDraw(Item("File1")));
  EXPECT_TRUE(HasStyledDraw(Item("Open1")));
  EXPECT_EQ(FindStyledMenu(Item("Open1")), &bar);
  EXPECT_TRUE(Item("File1").Visible());
  EXPECT_EQ(bar.InternalStyler()->ClassName(), "TDvMenuStyler");
}

}  // namespace
