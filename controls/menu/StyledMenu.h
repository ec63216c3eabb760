// IStyledMenu: what the menu painter reaches from an item of a styled menu. The interface never
// owns the menu: its reference counting does nothing.
#pragma once

class TCustomDvMenuStyler;
class TMenu;
class TMenuItem;

class IStyledMenu {
 public:
  // Rebuilds the platform menu from the items.
  virtual void RebuildMenu() = 0;
  virtual TMenu& MenuObject() = 0;
  // The styler in force; never nullptr.
  virtual TCustomDvMenuStyler* MenuStyler() const = 0;
  virtual void SetMenuStyler(TCustomDvMenuStyler* styler) = 0;
  virtual bool DrawMenuFrame() const = 0;
  virtual void SetDrawMenuFrame(bool draw) = 0;

  int AddRef() { return 1; }
  int Release() { return 1; }

 protected:
  ~IStyledMenu() = default;
};

// The styled menu of an item: its parent menu (or, for an item without a parent, its owner) when
// that is a TDvPopupMenu or a TDvMainMenu; nullptr otherwise.
IStyledMenu* FindStyledMenu(const TMenuItem& item);
