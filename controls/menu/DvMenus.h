// The styled menus (unit DvMenus): TDvPopupMenu and TDvMainMenu measure and paint every item
// themselves with the look held by their styler (MenuStyler). A menu without an assigned styler
// uses an internal one ("InternalMenuStyler") that it owns.
#pragma once

#include <string>

#include "controls/menu/StyledMenu.h"
#include "controls/menu/StyledMenuCore.h"
#include "framework/win/graphics/GdiObjects.h"
#include "framework/win/menus/MainMenu.h"
#include "framework/win/menus/PopupMenu.h"

class TCustomDvMenuStyler;

// The version of the styled menus, most significant byte first.
inline constexpr uint32_t kStyledMenuVersion = 0x01000000;
// "1.0.0.0".
std::string StyledMenuVersionText();

class TDvPopupMenu : public TPopupMenu, public IStyledMenu {
  DV_CLASS(TDvPopupMenu)
 public:
  // OwnerDraw is True; the internal styler (a TDvMenuFantasyStyler) is in force.
  explicit TDvPopupMenu(TComponent* owner);
  ~TDvPopupMenu() override;

  // ---- IStyledMenu ----
  void RebuildMenu() override { RebuildHandle(); }
  TMenu& MenuObject() override { return *this; }
  TCustomDvMenuStyler* MenuStyler() const override { return core_.MenuStyler(); }
  // S replaces the styler (the internal one is freed unless it is still loading); nullptr falls
  // back to an internal styler. The menu is told when an assigned styler is destroyed.
  void SetMenuStyler(TCustomDvMenuStyler* styler) override { core_.SetMenuStyler(styler); }
  bool DrawMenuFrame() const override { return core_.DrawMenuFrame(); }
  void SetDrawMenuFrame(bool draw) override { core_.SetDrawMenuFrame(draw); }

  // The published MenuStyler: nullptr while the internal styler is in force.
  TCustomDvMenuStyler* StoredMenuStyler() const { return core_.StoredMenuStyler(); }
  TCustomDvMenuStyler* InternalStyler() const { return core_.InternalStyler(); }
  // Always "1.0.0.0"; writing is ignored.
  std::string Version() const { return StyledMenuVersionText(); }
  void SetVersion(const std::string&) {}

  void MenuChanged(TMenuItem* source, bool rebuild) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 protected:
  // After OnPopup: the menu windows get the styler's background colour as their own, so that room
  // the items do not cover (a margin of the window system's) shows the menu's background.
  void DoPopup(TObject* sender) override;

 private:
  TStyledMenuCore core_;
  GdiObject<HBRUSH> backgroundBrush_;
};

class TDvMainMenu : public TMainMenu, public IStyledMenu {
  DV_CLASS(TDvMainMenu)
 public:
  // OwnerDraw is True; the internal styler (a TDvMenuStyler) is in force.
  explicit TDvMainMenu(TComponent* owner);
  ~TDvMainMenu() override;

  void RebuildMenu() override { RebuildHandle(); }
  TMenu& MenuObject() override { return *this; }
  TCustomDvMenuStyler* MenuStyler() const override { return core_.MenuStyler(); }
  // As for the popup menu; a change of the styler's font then repaints the bar.
  void SetMenuStyler(TCustomDvMenuStyler* styler) override;
  bool DrawMenuFrame() const override { return core_.DrawMenuFrame(); }
  void SetDrawMenuFrame(bool draw) override { core_.SetDrawMenuFrame(draw); }

  TCustomDvMenuStyler* StoredMenuStyler() const { return core_.StoredMenuStyler(); }
  TCustomDvMenuStyler* InternalStyler() const { return core_.InternalStyler(); }
  std::string Version() const { return StyledMenuVersionText(); }
  void SetVersion(const std::string&) {}

  // Repaints the bar of the window carrying the menu (nothing without one).
  void RepaintMenuBar();

  // Items added after loading are hooked as well.
  void MenuChanged(TMenuItem* source, bool rebuild) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 protected:
  // The drop-downs get the styler's background as their windows' own, as a popup menu does.
  void HandleRebuilt(HMENU newHandle) override;

 private:
  struct FontHook {
    TDvMainMenu* menu;
    void operator()(TObject*) const { menu->RepaintMenuBar(); }
  };
  void HookStylerFont();
  void UnhookStylerFont();

  TStyledMenuCore core_;
  TCustomDvMenuStyler* fontHooked_ = nullptr;
  GdiObject<HBRUSH> backgroundBrush_;
};
