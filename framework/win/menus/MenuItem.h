// TMenuItem: one entry of a menu and the parent of its sub-items. Items belong to their owner
// component (the form, usually); destroying an item destroys its sub-items that have an owner and
// detaches the others. A caption of "-" makes a separator line.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/core/Classes.h"
#include "framework/win/menus/MenuTypes.h"
#include "framework/win/menus/ShortCuts.h"

class TBitmap;
class TCustomImageList;
class TMenu;

inline constexpr char kMenuLineCaption[] = "-";

class TMenuItem : public TComponent {
  DV_CLASS(TMenuItem)
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  // ---- published properties; every change is announced to the menu ----
  // The item's own picture, made on first use.
  TBitmap* Bitmap();
  bool HasBitmap() const;
  // Copies the picture (nullptr empties it).
  void SetBitmap(const TBitmap* bitmap);
  TMenuBreak Break() const { return break_; }
  void SetBreak(TMenuBreak value);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool IsLine() const { return caption_ == kMenuLineCaption; }
  // Checking a radio item unchecks the radio items of its group among its siblings.
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  // The default item is drawn bold; one per level, so setting it clears it on the siblings.
  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int index);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint) { hint_ = hint; }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool value);
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut shortCut);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // Images for the sub-items of this item (instead of the menu's).
  TCustomImageList* SubMenuImages() const { return subMenuImages_; }
  void SetSubMenuImages(TCustomImageList* images);

  TMenuAdvancedDrawItemEvent OnAdvancedDrawItem;
  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;

  // ---- sub-items ----
  int Count() const { return static_cast<int>(items_.size()); }
  // Fails with EListError "List index out of bounds (%d)".
  TMenuItem* Items(int index) const;
  // Fail with EInvalidOperation "Menu inserted twice" when item already has a parent, and
  // "Menu index out of range" for a bad position.
  void Add(TMenuItem& item);
  void Insert(int index, TMenuItem& item);
  // Detach (not destroy) a sub-item.
  void Delete(int index);
  void Remove(TMenuItem& item);
  // Destroys the sub-items that have an owner; detaches the others.
  void Clear();
  int IndexOf(const TMenuItem& item) const;
  TMenuItem* Parent() const { return parent_; }
  int MenuIndex() const { return parent_ != nullptr ? parent_->IndexOf(*this) : -1; }
  // The menu whose tree holds this item, or nullptr.
  TMenu* GetParentMenu() const;
  // The image list the item's image comes from: the nearest ancestor's SubMenuImages, else the
  // menu's Images.
  TCustomImageList* GetImageList() const;

  // The item's number in WM_COMMAND, WM_MEASUREITEM and WM_DRAWITEM; unique in the process.
  int Command() const { return command_; }
  // The sub-menu built for this item (nullptr without sub-items or while not built).
  HMENU Handle() const { return handle_; }

  // Raises OnClick when enabled.
  virtual void Click();
  // Owner drawing: the standard size for the canvas's font first, then OnMeasureItem.
  virtual void MeasureItem(TCanvas& canvas, int& width, int& height);
  // OnAdvancedDrawItem, else OnDrawItem, else the standard look.
  virtual void AdvancedDrawItem(TCanvas& canvas, const TRect& rect, TOwnerDrawState state,
                                bool barItem);

  // ---- form data: items are nested in their menu or parent item ----
  bool HasParent() const override { return true; }
  // The parent item, or the menu for an item directly under the menu.
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;
  void Notification(TComponent* component, TOperation operation) override;

 protected:
  // Announces a change of this item to the menu (rebuild: the menu's structure changed).
  void Changed(bool rebuild);

 private:
  friend class TMenu;
  friend class TMenuBuilder;

  void CheckRadioGroup();

  std::unique_ptr<TBitmap> bitmap_;
  TMenuBreak break_ = mbNone;
  std::string caption_;
  bool checked_ = false;
  bool default_ = false;
  bool enabled_ = true;
  int groupIndex_ = 0;
  std::string hint_;
  int imageIndex_ = -1;
  bool radioItem_ = false;
  TShortCut shortCut_ = scNone;
  bool visible_ = true;
  TCustomImageList* subMenuImages_ = nullptr;

  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item of a menu only
  int command_;
  HMENU handle_ = nullptr;  // owned by the menu's handle tree
};
