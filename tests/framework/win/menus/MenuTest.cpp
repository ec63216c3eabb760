#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "framework/core/FormReader.h"
#include "framework/core/SysUtils.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/imagelists/ImageList.h"
#include "framework/win/menus/Menus.h"
#include "tests/framework/win/forms/TestForm.h"
#include "tests/framework/win/menus/MenuTestSupport.h"

namespace {

// The tray menu of the program, with one sub-menu added.
const char kTrayForm[] =
    "object MainFrm: TTestRootForm\n"
    "  object TrayPopupMenu: TPopupMenu\n"
    "    Images = StateImageList\n"
    "    OnPopup = MenuPopup\n"
    "    object Show1: TMenuItem\n"
    "      Caption = '&Show..'\n"
    "      Default = True\n"
    "      OnClick = ItemClick\n"
    "    end\n"
    "    object N1: TMenuItem\n"
    "      Caption = '-'\n"
    "    end\n"
    "    object ForceConnect1: TMenuItem\n"
    "      Caption = '&Force Connect..'\n"
    "      ImageIndex = 2\n"
    "      OnClick = ItemClick\n"
    "    end\n"
    "    object ForceDisconnect1: TMenuItem\n"
    "      Caption = 'Force &Disconnect'\n"
    "      ImageIndex = 0\n"
    "      OnClick = ItemClick\n"
    "    end\n"
    "    object More1: TMenuItem\n"
    "      Caption = '&More'\n"
    "      object Sub1: TMenuItem\n"
    "        Caption = 'Sub'\n"
    "        ShortCut = 16467\n"
    "        OnClick = ItemClick\n"
    "      end\n"
    "    end\n"
    "  end\n"
    "  object StateImageList: TImageList\n"
    "  end\n"
    "end\n";

class MenuTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterTestRootClasses();
    RegisterImageListClasses();
  }
  void LoadTray() { FormReader::ReadRoot(form, kTrayForm); }
  template <class T>
  T& Find(const char* name) {
    return dynamic_cast<T&>(*form.FindComponent(name));
  }

  TTestRootForm form{nullptr};
};

TEST_F(MenuTest, FormDataBuildsTheItemTreeAndWritesItBack) {
  LoadTray();
  auto& menu = Find<TPopupMenu>("TrayPopupMenu");
  ASSERT_EQ(menu.Items().Count(), 5);
  EXPECT_EQ(menu.Items().Items(0)->Name(), "Show1");
  EXPECT_EQ(menu.Items().Items(1)->Caption(), "-");
  EXPECT_TRUE(menu.Items().Items(1)->IsLine());
  EXPECT_EQ(menu.Items().Items(2)->ImageIndex(), 2);
  auto& more = Find<TMenuItem>("More1");
  auto& sub = Find<TMenuItem>("Sub1");
  ASSERT_EQ(more.Count(), 1);
  EXPECT_EQ(more.Items(0), &sub);
  EXPECT_EQ(sub.Parent(), &more);
  EXPECT_EQ(sub.GetParentComponent(), &more);
  EXPECT_EQ(more.GetParentComponent(), &menu);
  EXPECT_EQ(sub.GetParentMenu(), &menu);
  EXPECT_EQ(sub.Owner(), &form);
  EXPECT_EQ(sub.ShortCut(), MakeShortCut('S', scCtrl));
  EXPECT_EQ(menu.Images(), form.FindComponent("StateImageList"));
  EXPECT_EQ(sub.GetImageList(), menu.Images());
  EXPECT_TRUE(Find<TMenuItem>("Show1").Default());
  EXPECT_EQ(Find<TMenuItem>("Show1").ImageIndex(), -1);

  EXPECT_EQ(FormWriter::WriteRoot(form), kTrayForm);
}

TEST_F(MenuTest, TheHandleHoldsOneEntryPerVisibleItem) {
  LoadTray();
  auto& menu = Find<TPopupMenu>("TrayPopupMenu");
  Find<TMenuItem>("ForceDisconnect1").SetEnabled(false);
  Find<TMenuItem>("ForceConnect1").SetChecked(true);
  HMENU handle = menu.Handle();
  ASSERT_TRUE(IsMenu(handle));
  EXPECT_EQ(MenuTexts(handle), (std::vector<std::string>{"&Show..", "", "&Force Connect..",
                                                         "Force &Disconnect", "&More"}));
  EXPECT_EQ(GetMenuDefaultItem(handle, TRUE, 0), 0u);
  EXPECT_EQ(ReadMenuEntry(handle, 0).state & MFS_DEFAULT, UINT(MFS_DEFAULT));
  EXPECT_EQ(ReadMenuEntry(handle, 1).type, UINT(MFT_SEPARATOR));
  EXPECT_EQ(ReadMenuEntry(handle, 2).state & MFS_CHECKED, UINT(MFS_CHECKED));
  EXPECT_EQ(ReadMenuEntry(handle, 3).state & MFS_GRAYED, UINT(MFS_GRAYED));
  EXPECT_EQ(ReadMenuEntry(handle, 0).id, UINT(Find<TMenuItem>("Show1").Command()));

  const MenuEntry more = ReadMenuEntry(handle, 4);
  ASSERT_NE(more.subMenu, nullptr);
  EXPECT_EQ(more.subMenu, Find<TMenuItem>("More1").Handle());
  EXPECT_EQ(MenuTexts(more.subMenu), (std::vector<std::string>{"Sub\tCtrl+S"}));
  EXPECT_EQ(menu.FindItem(reinterpret_cast<UINT_PTR>(more.subMenu), fkHandle),
            &Find<TMenuItem>("More1"));
}

TEST_F(MenuTest, ChangesReachTheHandle) {
  LoadTray();
  auto& menu = Find<TPopupMenu>("TrayPopupMenu");
  HMENU handle = menu.Handle();
  auto& show = Find<TMenuItem>("Show1");

  show.SetCaption("&Open");
  EXPECT_EQ(menu.Handle(), handle) << "a property change is applied in place";
  EXPECT_EQ(ReadMenuEntry(handle, 0).text, "&Open");
  show.SetDefault(false);
  EXPECT_EQ(GetMenuDefaultItem(handle, TRUE, 0), UINT(-1));
  Find<TMenuItem>("ForceConnect1").SetDefault(true);
  EXPECT_EQ(GetMenuDefaultItem(handle, TRUE, 0), 2u);

  Find<TMenuItem>("N1").SetVisible(false);
  HMENU rebuilt = menu.Handle();
  EXPECT_FALSE(IsMenu(handle)) << "the old menu is destroyed";
  EXPECT_EQ(GetMenuItemCount(rebuilt), 4);
  EXPECT_EQ(GetMenuDefaultItem(rebuilt, TRUE, 0), 1u);

  TMenuItem& added = TComponent::Create<TMenuItem>(form);
  added.SetCaption("Added");
  added.SetRadioItem(true);
  added.SetBreak(mbBarBreak);
  menu.Items().Insert(0, added);
  HMENU third = menu.Handle();
  ASSERT_EQ(GetMenuItemCount(third), 5);
  EXPECT_EQ(ReadMenuEntry(third, 0).text, "Added");
  EXPECT_EQ(ReadMenuEntry(third, 0).type, UINT(MFT_RADIOCHECK | MFT_MENUBARBREAK));

  TComponent::Destroy(Find<TMenuItem>("More1"));
  EXPECT_EQ(form.FindComponent("Sub1"), nullptr) << "sub-items go with their parent";
  EXPECT_EQ(GetMenuItemCount(menu.Handle()), 4);
}

TEST_F(MenuTest, OwnerDrawMakesEveryEntryOwnerDrawn) {
  LoadTray();
  auto& menu = Find<TPopupMenu>("TrayPopupMenu");
  menu.SetOwnerDraw(true);
  HMENU handle = menu.Handle();
  for (int i = 0; i < GetMenuItemCount(handle); ++i)
    EXPECT_NE(ReadMenuEntry(handle, i).type & MFT_OWNERDRAW, 0u) << i;
  EXPECT_EQ(ReadMenuEntry(handle, 1).type, UINT(MFT_OWNERDRAW | MFT_SEPARATOR));
  EXPECT_NE(ReadMenuEntry(ReadMenuEntry(handle, 4).subMenu, 0).type & MFT_OWNERDRAW, 0u);
}

TEST_F(MenuTest, ImagesAreClearedWhenTheImageListIsDestroyed) {
  LoadTray();
  auto& menu = Find<TPopupMenu>("TrayPopupMenu");
  auto& more = Find<TMenuItem>("More1");
  auto& images = Find<TImageList>("StateImageList");
  more.SetSubMenuImages(&images);
  HMENU before = menu.Handle();
  TComponent::Destroy(images);
  EXPECT_EQ(menu.Images(), nullptr);
  EXPECT_EQ(more.SubMenuImages(), nullptr);
  EXPECT_EQ(Find<TMenuItem>("Sub1").GetImageList(), nullptr);
  EXPECT_NE(menu.Handle(), before) << "rebuilt for the new look";

  // A list without a shared owner is dropped through the free notification.
  auto other = std::make_unique<TImageList>(nullptr);
  menu.SetImages(other.get());
  other.reset();
  EXPECT_EQ(menu.Images(), nullptr);
}

TEST_F(MenuTest, ImageChangesRebuildTheMenu) {
  LoadTray();
  auto& menu = Find<TPopupMenu>("TrayPopupMenu");
  HMENU before = menu.Handle();
  Find<TImageList>("StateImageList").SetWidth(24);
  EXPECT_NE(menu.Handle(), before);
}

TEST_F(MenuTest, CommandsRaiseTheClickOfTheirItemOnly) {
  LoadTray();
  auto& menu = Find<TPopupMenu>("TrayPopupMenu");
  EXPECT_TRUE(menu.DispatchCommand(Find<TMenuItem>("Sub1").Command()));
  EXPECT_TRUE(menu.DispatchCommand(Find<TMenuItem>("Show1").Command()));
  EXPECT_EQ(form.log, (std::vector<std::string>{"ItemClick:Sub1", "ItemClick:Show1"}));

  Find<TMenuItem>("Show1").SetEnabled(false);
  EXPECT_TRUE(menu.DispatchCommand(Find<TMenuItem>("Show1").Command()));
  EXPECT_EQ(form.log.size(), 2u) << "a disabled item does not click";

  TPopupMenu other(nullptr);
  EXPECT_FALSE(other.DispatchCommand(Find<TMenuItem>("Sub1").Command()));
  EXPECT_FALSE(menu.DispatchCommand(0));
}

TEST_F(MenuTest, AnErrorInAClickEndsOnlyThatClick) {
  EventErrorRecorder errors;
  TPopupMenu menu(nullptr);
  TMenuItem& item = TComponent::Create<TMenuItem>(menu);
  item.OnClick = [](TObject*) { throw Exception("Failed to set data for 'Enable'"); };
  menu.Items().Add(item);
  EXPECT_TRUE(menu.DispatchCommand(item.Command()));
  ASSERT_EQ(errors.messages.size(), 1u);
  EXPECT_EQ(errors.messages[0], "Failed to set data for 'Enable'");
  EXPECT_EQ(errors.senders[0], &item);
}

TEST_F(MenuTest, OpeningASubMenuClicksItsItemAndSelectingShowsTheHint) {
  LoadTray();
  auto& menu = Find<TPopupMenu>("TrayPopupMenu");
  auto& more = Find<TMenuItem>("More1");
  more.OnClick = [this](TObject*) { form.log.push_back("opened More1"); };
  more.SetHint("More things");
  Find<TMenuItem>("Sub1").SetHint("A sub item");
  HMENU handle = menu.Handle();
  LRESULT result = -1;
  EXPECT_TRUE(DispatchMenuMessage(menu, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(more.Handle()),
                                  MAKELPARAM(4, FALSE), result));
  EXPECT_EQ(form.log, (std::vector<std::string>{"opened More1"}));

  std::vector<std::string> hints;
  SetMenuHintHandler([&](const std::string& hint) { hints.push_back(hint); });
  const WPARAM subCommand = static_cast<WPARAM>(Find<TMenuItem>("Sub1").Command());
  DispatchMenuMessage(menu, WM_MENUSELECT, MAKEWPARAM(subCommand, MF_STRING),
                      reinterpret_cast<LPARAM>(more.Handle()), result);
  DispatchMenuMessage(menu, WM_MENUSELECT, MAKEWPARAM(4, MF_POPUP),
                      reinterpret_cast<LPARAM>(handle), result);
  DispatchMenuMessage(menu, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0, result);
  SetMenuHintHandler(nullptr);
  EXPECT_EQ(hints, (std::vector<std::string>{"A sub item", "More things", ""}));
}

TEST_F(MenuTest, RadioItemsOfOneGroupExcludeEachOther) {
  TPopupMenu menu(nullptr);
  std::vector<TMenuItem*> items;
  for (int group : {1, 1, 2}) {
    TMenuItem& item = TComponent::Create<TMenuItem>(menu);
    item.SetRadioItem(true);
    item.SetGroupIndex(group);
    menu.Items().Add(item);
    items.push_back(&item);
  }
  items[0]->SetChecked(true);
  items[2]->SetChecked(true);
  items[1]->SetChecked(true);
  EXPECT_FALSE(items[0]->Checked());
  EXPECT_TRUE(items[1]->Checked());
  EXPECT_TRUE(items[2]->Checked()) << "another group";
}

TEST_F(MenuTest, InsertingRefusesSecondParentsAndCycles) {
  TPopupMenu menu(nullptr);
  TMenuItem& parent = TComponent::Create<TMenuItem>(menu);
  TMenuItem& child = TComponent::Create<TMenuItem>(menu);
  menu.Items().Add(parent);
  parent.Add(child);
  EXPECT_THROW(menu.Items().Add(child), EInvalidOperation);
  EXPECT_THROW(child.Add(menu.Items()), EInvalidOperation);
  EXPECT_THROW(parent.Insert(5, TComponent::Create<TMenuItem>(menu)), EInvalidOperation);
  EXPECT_THROW(parent.Items(1), EListError);
  parent.Remove(child);
  EXPECT_EQ(child.Parent(), nullptr);
  menu.Items().Add(child);
  EXPECT_EQ(child.MenuIndex(), 1);
}

TEST_F(MenuTest, CommandNumbersAreUniqueAndItemsAreFoundByThem) {
  TPopupMenu first(nullptr);
  TPopupMenu second(nullptr);
  std::set<int> commands;
  for (TPopupMenu* menu : {&first, &second})
    for (int i = 0; i < 3; ++i) {
      TMenuItem& item = TComponent::Create<TMenuItem>(*menu);
      item.SetShortCut(MakeShortCut(VK_F1 + i, scShift));
      menu->Items().Add(item);
      commands.insert(item.Command());
      EXPECT_EQ(menu->FindItem(static_cast<UINT_PTR>(item.Command()), fkCommand), &item);
    }
  EXPECT_EQ(commands.size(), 6u);
  EXPECT_EQ(second.FindItem(MakeShortCut(VK_F2, scShift), fkShortCut), second.Items().Items(1));
  EXPECT_EQ(first.FindItem(MakeShortCut(VK_F2), fkShortCut), nullptr);
}

TEST_F(MenuTest, ShortCutTexts) {
  EXPECT_EQ(ShortCutToText(MakeShortCut('S', scCtrl)), "Ctrl+S");
  EXPECT_EQ(ShortCutToText(MakeShortCut(VK_F5, scShift | scCtrl)), "Shift+Ctrl+F5");
  EXPECT_EQ(ShortCutToText(MakeShortCut(VK_BACK, scAlt)), "Alt+BkSp");
  EXPECT_EQ(ShortCutToText(MakeShortCut(VK_DELETE)), "Del");
  EXPECT_EQ(ShortCutToText(MakeShortCut('7')), "7");
  EXPECT_EQ(ShortCutToText(MakeShortCut(VK_NEXT)), "PgDn");
  EXPECT_EQ(ShortCutToText(0x4200 | 'A'), "Ctrl+A")
      << "the Windows-key flag is not a modifier here";
  EXPECT_EQ(ShortCutToText(scNone), "");
}

TEST_F(MenuTest, MainMenusSitOnTheirWindow) {
  HWND window = CreateWindowExA(0, "STATIC", "bar", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  {
    TMainMenu bar(nullptr);
    TMenuItem& file = TComponent::Create<TMenuItem>(bar);
    file.SetCaption("&File");
    bar.Items().Add(file);
    bar.SetWindowHandle(window);
    HMENU first = GetMenu(window);
    EXPECT_EQ(first, bar.Handle());
    EXPECT_EQ(MenuTexts(first), (std::vector<std::string>{"&File"}));

    TMenuItem& edit = TComponent::Create<TMenuItem>(bar);
    edit.SetCaption("&Edit");
    bar.Items().Add(edit);
    HMENU second = GetMenu(window);
    EXPECT_NE(second, first) << "rebuilt and put on the window at once";
    EXPECT_FALSE(IsMenu(first));
    EXPECT_EQ(MenuTexts(second), (std::vector<std::string>{"&File", "&Edit"}));
    edit.SetCaption("E&dit");
    EXPECT_EQ(MenuTexts(GetMenu(window)), (std::vector<std::string>{"&File", "E&dit"}));
  }
  EXPECT_EQ(GetMenu(window), nullptr) << "taken off before it was destroyed";
  DestroyWindow(window);
}

}  // namespace

namespace {

TEST(MenuBiDiModeTest, AMenuReadsInTheOrderOfItsFormUnlessItHasItsOwn) {
  RegisterMenuClasses();
  TForm form(nullptr);
  form.SetName("MenuForm");
  auto& menu = TComponent::Create<TPopupMenu>(form);
  menu.SetName("FormMenu");
  auto& item = TComponent::Create<TMenuItem>(form);
  item.SetCaption("&Show..");
  menu.Items().Add(item);
  EXPECT_FALSE(menu.IsRightToLeft());
  EXPECT_EQ(ReadMenuEntry(menu.Handle(), 0).type & MFT_RIGHTORDER, 0u);

  form.SetBiDiMode(bdRightToLeftReadingOnly);
  EXPECT_TRUE(menu.ParentBiDiMode());
  EXPECT_EQ(menu.BiDiMode(), bdRightToLeftReadingOnly);
  EXPECT_TRUE(menu.IsRightToLeft());
  EXPECT_NE(ReadMenuEntry(menu.Handle(), 0).type & MFT_RIGHTORDER, 0u) << "rebuilt with the form";
  // Owner-drawn entries read right to left by their own drawing.
  menu.SetOwnerDraw(true);
  EXPECT_EQ(ReadMenuEntry(menu.Handle(), 0).type & MFT_RIGHTORDER, 0u);
  menu.SetOwnerDraw(false);

  menu.SetBiDiMode(bdLeftToRight);
  EXPECT_FALSE(menu.ParentBiDiMode());
  EXPECT_FALSE(menu.IsRightToLeft());
  EXPECT_EQ(ReadMenuEntry(menu.Handle(), 0).type & MFT_RIGHTORDER, 0u);
  TPropInfo const* parentProp = TPopupMenu::StaticClassInfo().FindProperty("ParentBiDiMode");
  TPropInfo const* modeProp = TPopupMenu::StaticClassInfo().FindProperty("BiDiMode");
  EXPECT_TRUE(parentProp->IsStored(menu));
  EXPECT_FALSE(modeProp->IsStored(menu)) << "its own mode is the default";
  menu.SetBiDiMode(bdRightToLeft);
  EXPECT_EQ(modeProp->GetAsText(menu), "bdRightToLeft");
  EXPECT_TRUE(modeProp->IsStored(menu));
  menu.SetParentBiDiMode(true);
  EXPECT_FALSE(modeProp->IsStored(menu));
  EXPECT_EQ(menu.BiDiMode(), bdRightToLeftReadingOnly);
}

}  // namespace
