#include "framework/win/menus/MenuBuilder.h"

#include "framework/core/SysUtils.h"
#include "framework/win/menus/MenuHandle.h"
#include "framework/win/menus/MenuItem.h"

std::string TMenuBuilder::ItemText(const TMenuItem& item) {
  if (item.ShortCut() == scNone) return item.Caption();
  const std::string keys = ShortCutToText(item.ShortCut());
  return keys.empty() ? item.Caption() : item.Caption() + "\t" + keys;
}

MENUITEMINFOA TMenuBuilder::ItemInfo(const TMenuItem& item, TMenuBuildStyle style,
                                     std::string& text) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
  if (item.IsLine()) info.fType |= MFT_SEPARATOR;
  // Owner-drawn entries read right to left by their own drawing.
  if (style.ownerDraw) {
    info.fType |= MFT_OWNERDRAW;
  } else if (!item.IsLine()) {
    text = ItemText(item);
    info.fMask |= MIIM_STRING;
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
  }
  if (style.rightToLeft && !style.ownerDraw) info.fType |= MFT_RIGHTORDER;
  if (item.RadioItem()) info.fType |= MFT_RADIOCHECK;
  if (item.Break() == mbBreak) info.fType |= MFT_MENUBREAK;
  if (item.Break() == mbBarBreak) info.fType |= MFT_MENUBARBREAK;
  if (item.Checked()) info.fState |= MFS_CHECKED;
  if (!item.Enabled()) info.fState |= MFS_DISABLED;
  if (item.Default()) info.fState |= MFS_DEFAULT;
  info.wID = static_cast<UINT>(item.Command());
  info.dwItemData = static_cast<ULONG_PTR>(item.Command());
  return info;
}

void TMenuBuilder::AppendItems(HMENU target, TMenuItem& parent, TMenuBuildStyle style) {
  parent.handle_ = target;
  UINT position = 0;
  for (TMenuItem* item : parent.items_) {
    item->handle_ = nullptr;
    if (!item->Visible()) continue;
    std::string text;
    MENUITEMINFOA info = ItemInfo(*item, style, text);
    MenuHandle subMenu;
    if (item->Count() > 0) {
      subMenu.Reset(CreatePopupMenu());
      if (!subMenu) throw EOutOfResources("Out of system resources");
      AppendItems(subMenu.Get(), *item, style);
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = subMenu.Get();
    }
    if (!InsertMenuItemA(target, position, TRUE, &info))
      throw EOutOfResources("Out of system resources");
    // The parent menu destroys the sub-menu from now on.
    subMenu.Release();
    if (item->Default()) SetMenuDefaultItem(target, position, TRUE);
    ++position;
  }
}

int TMenuBuilder::VisiblePosition(const TMenuItem& item) {
  int position = 0;
  for (const TMenuItem* sibling : item.Parent()->items_) {
    if (sibling == &item) return position;
    if (sibling->Visible()) ++position;
  }
  return -1;
}

void TMenuBuilder::UpdateItem(TMenuItem& item, TMenuBuildStyle style) {
  TMenuItem* parent = item.Parent();
  if (parent == nullptr || parent->handle_ == nullptr || !item.Visible()) return;
  const int position = VisiblePosition(item);
  if (position < 0) return;
  std::string text;
  MENUITEMINFOA info = ItemInfo(item, style, text);
  SetMenuItemInfoA(parent->handle_, static_cast<UINT>(position), TRUE, &info);
  if (item.Default())
    SetMenuDefaultItem(parent->handle_, static_cast<UINT>(position), TRUE);
  else if (GetMenuDefaultItem(parent->handle_, TRUE, 0) == static_cast<UINT>(position))
    SetMenuDefaultItem(parent->handle_, static_cast<UINT>(-1), TRUE);
}

void TMenuBuilder::ForgetHandles(TMenuItem& root) {
  root.handle_ = nullptr;
  for (TMenuItem* item : root.items_)
    ForgetHandles(*item);
}
