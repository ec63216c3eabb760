// The menu stylers: TCustomDvMenuStyler holds every colour, size, font and glyph that the styled
// menus draw with, grouped in sub-objects; TDvMenuStyler publishes them all so that a form stores
// them.
#pragma once

#include <memory>

#include "controls/menu/styler/DvMenuBackground.h"
#include "controls/menu/styler/DvMenuGlyphs.h"
#include "controls/menu/styler/DvMenuGradientBar.h"
#include "controls/menu/styler/DvMenuIconBar.h"
#include "controls/menu/styler/DvMenuItemLooks.h"
#include "controls/menu/styler/DvMenuSideBar.h"
#include "framework/core/Classes.h"
#include "framework/win/graphics/Font.h"

class TMenu;

inline constexpr TColor kDefaultMenuBorderColor = 0x7C7C94;

class TCustomDvMenuStyler : public TComponent {
  DV_CLASS(TCustomDvMenuStyler)
 public:
  explicit TCustomDvMenuStyler(TComponent* owner);
  ~TCustomDvMenuStyler() override;

  // ---- the sub-objects; setting one copies into the owned object ----
  TSeparator& Separator() { return *separator_; }
  const TSeparator& Separator() const { return *separator_; }
  void SetSeparator(const TSeparator& value) { separator_->Assign(&value); }
  TBackground& Background() { return *background_; }
  const TBackground& Background() const { return *background_; }
  void SetBackground(const TBackground& value) { background_->Assign(&value); }
  TIconBar& IconBar() { return *iconBar_; }
  const TIconBar& IconBar() const { return *iconBar_; }
  void SetIconBar(const TIconBar& value) { iconBar_->Assign(&value); }
  TSelectedItem& SelectedItem() { return *selectedItem_; }
  const TSelectedItem& SelectedItem() const { return *selectedItem_; }
  void SetSelectedItem(const TSelectedItem& value) { selectedItem_->Assign(&value); }
  TRootItem& RootItem() { return *rootItem_; }
  const TRootItem& RootItem() const { return *rootItem_; }
  void SetRootItem(const TRootItem& value) { rootItem_->Assign(&value); }
  TMenuGlyphs& Glyphs() { return *glyphs_; }
  void SetGlyphs(const TMenuGlyphs& value) { glyphs_->Assign(&value); }
  TSideBar& SideBar() { return *sideBar_; }
  const TSideBar& SideBar() const { return *sideBar_; }
  void SetSideBar(const TSideBar& value) { sideBar_->Assign(&value); }

  // The item font when UseSystemFont is False, and always the starting font of item text.
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font) { font_.Assign(&font); }
  bool UseSystemFont() const { return useSystemFont_; }
  void SetUseSystemFont(bool use) { useSystemFont_ = use; }
  TColor MenuBorderColor() const { return menuBorderColor_; }
  void SetMenuBorderColor(TColor color) { menuBorderColor_ = color; }

  // From the Windows version: on 5.1 and later the menu windows are clipped and 15 pixels on the
  // right of each item are left to the system's sub-menu arrow.
  bool ClipMenuWindow() const { return clipMenuWindow_; }
  int SystemArrowReserve() const { return systemArrowReserve_; }

  // The menu this styler serves (nullptr when none); handed on to every sub-object.
  TMenu* Menu() const { return menu_; }
  virtual void SetMenu(TMenu* menu);

  // From a TDvMenuStyler: the seven sub-objects, Font and UseSystemFont (not MenuBorderColor);
  // other sources fail with "Cannot assign a %s to a %s".
  void Assign(const TPersistent* source) override;

 private:
  std::unique_ptr<TSeparator> separator_;
  std::unique_ptr<TBackground> background_;
  std::unique_ptr<TIconBar> iconBar_;
  std::unique_ptr<TSelectedItem> selectedItem_;
  std::unique_ptr<TRootItem> rootItem_;
  std::unique_ptr<TMenuGlyphs> glyphs_;
  std::unique_ptr<TSideBar> sideBar_;
  TFont font_;
  bool useSystemFont_ = true;
  TColor menuBorderColor_ = kDefaultMenuBorderColor;
  bool clipMenuWindow_ = false;
  int systemArrowReserve_ = 0;
  TMenu* menu_ = nullptr;
};

class TDvMenuStyler : public TCustomDvMenuStyler {
  DV_CLASS(TDvMenuStyler)
 public:
  explicit TDvMenuStyler(TComponent* owner) : TCustomDvMenuStyler(owner) {}
};

// Whether the Windows version clips menu windows and reserves room for the sub-menu arrow:
// major version above 5, or 5 with a minor version above 0. Never throws.
bool WindowsReservesMenuArrow();
