// Turns item trees into platform menus: one entry per visible item, a sub-menu per item with
// sub-items, owner-drawn entries when the menu draws its own items.
#pragma once

#include <windows.h>

#include <string>

class TMenuItem;

// How the entries are made: drawn by the items, and read right to left.
struct TMenuBuildStyle {
  bool ownerDraw = false;
  bool rightToLeft = false;
};

class TMenuBuilder {
 public:
  // Appends the visible sub-items of parent to target, building their sub-menus, and records each
  // sub-menu in its item. Fails with EOutOfResources "Out of system resources".
  static void AppendItems(HMENU target, TMenuItem& parent, TMenuBuildStyle style);
  // Applies the item's caption, flags and state to its entry in its parent's built menu; does
  // nothing while that menu is not built or the item is hidden.
  static void UpdateItem(TMenuItem& item, TMenuBuildStyle style);
  // The entry text: the caption, then a tab and the shortcut text when there is a shortcut.
  static std::string ItemText(const TMenuItem& item);
  // Forgets the sub-menus recorded in the items of a tree.
  static void ForgetHandles(TMenuItem& root);

 private:
  static MENUITEMINFOA ItemInfo(const TMenuItem& item, TMenuBuildStyle style, std::string& text);
  static int VisiblePosition(const TMenuItem& item);
};
