// TMenu: the base of popup menus and menu bars. It owns the root item (Items), builds the
// platform menu from the item tree (Handle) and rebuilds it after changes, and routes commands
// and owner-draw requests to the items.
#pragma once

#include <windows.h>

#include "framework/core/BiDiMode.h"
#include "framework/core/Classes.h"
#include "framework/win/imagelists/ChangeLink.h"
#include "framework/win/menus/MenuHandle.h"
#include "framework/win/menus/MenuItem.h"

class TCustomImageList;
struct TMenuBuildStyle;

class TMenu : public TComponent {
  DV_CLASS(TMenu)
 public:
  explicit TMenu(TComponent* owner);
  // Destroys the item tree (sub-items with an owner are destroyed through it) and the handle.
  ~TMenu() override;

  TMenuItem& Items() const { return *items_; }

  TCustomImageList* Images() const { return images_; }
  // The menu repaints (is rebuilt) when the list changes; cleared when the list is destroyed.
  void SetImages(TCustomImageList* images);
  // Every item is created owner-drawn (MFT_OWNERDRAW), measured and painted by the items.
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool ownerDraw);

  // With ParentBiDiMode (the default) the mode of the control (the form) that owns the menu,
  // asked anew each time; setting BiDiMode clears ParentBiDiMode. A change rebuilds the menu.
  TBiDiMode BiDiMode() const;
  void SetBiDiMode(TBiDiMode value);
  bool ParentBiDiMode() const { return parentBiDiMode_; }
  void SetParentBiDiMode(bool value);
  // The items' text is read right to left (any mode but bdLeftToRight).
  bool IsRightToLeft() const { return ReadsRightToLeft(BiDiMode()); }

  // The platform menu, built from the items when first asked for and again after a structural
  // change. Fails with EOutOfResources "Out of system resources".
  HMENU Handle();
  bool HandleAllocated() const { return static_cast<bool>(handle_); }

  // fkCommand: value is a command number; fkHandle: an HMENU; fkShortCut: a TShortCut.
  // Searches the whole tree (the root item included for fkHandle); nullptr when none matches.
  TMenuItem* FindItem(UINT_PTR value, TFindItemKind kind) const;
  // Raises the Click of the item with that command inside RunEvent; false when none has it.
  bool DispatchCommand(int command);
  // A sub-menu is about to open: raises the Click of its item; false when none has it.
  bool DispatchPopup(HMENU menu);

  // The menu-change notification: source is the changed item, nullptr for "all items"; rebuild
  // when items were added, removed, shown or hidden. Property changes of built items are
  // applied to the platform menu in place.
  virtual void MenuChanged(TMenuItem* source, bool rebuild);

  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 protected:
  // CreatePopupMenu here; CreateMenu for a menu bar.
  virtual HMENU CreateMenuHandle();
  // After a rebuild, before the old platform menu is destroyed (a menu bar swaps it in).
  virtual void HandleRebuilt(HMENU newHandle) { (void)newHandle; }
  // After any change has been applied (a menu bar repaints).
  virtual void AfterChange() {}
  void RebuildHandle();

 private:
  TMenuBuildStyle BuildStyle() const;
  void UpdateItemInPlace(TMenuItem& item);
  void ClearItemHandles(TMenuItem& item);

  TMenuItem* items_;
  TCustomImageList* images_ = nullptr;
  TChangeLink imageChangeLink_;
  bool ownerDraw_ = false;
  TBiDiMode bidiMode_ = bdLeftToRight;
  bool parentBiDiMode_ = true;
  MenuHandle handle_;
  bool rebuildNeeded_ = false;
};
