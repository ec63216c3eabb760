// TPopupMenu: a menu shown at a point. The popup list's window owns it while it is tracked, so the
// chosen command arrives as a posted WM_COMMAND and runs after tracking has ended.
#pragma once

#include "framework/core/Types.h"
#include "framework/win/menus/Menu.h"

class TPopupMenu : public TMenu {
  DV_CLASS(TPopupMenu)
 public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;

  TPopupAlignment Alignment() const { return alignment_; }
  void SetAlignment(TPopupAlignment alignment) { alignment_ = alignment; }
  // Whether a control shows this menu on a right click by itself.
  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool autoPopup) { autoPopup_ = autoPopup; }
  // The component the menu was shown for (set by whoever shows it); cleared when it goes.
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* component);
  // Where the last Popup showed the menu (screen coordinates).
  TPoint PopupPoint() const { return popupPoint_; }
  // Raised before tracking; handlers may still change the items.
  TNotifyEvent OnPopup;

  // Raises OnPopup, then tracks the menu at (x, y) in screen coordinates until it closes. The
  // chosen item's Click runs later, from the message loop.
  virtual void Popup(int x, int y);
  void Popup(const TPoint& point) { Popup(point.X, point.Y); }

  // TrackPopupMenu flags for the alignment (TPM_LEFTALIGN, TPM_RIGHTALIGN, TPM_CENTERALIGN) and
  // both mouse buttons.
  UINT TrackFlags() const;

  void Notification(TComponent* component, TOperation operation) override;

 protected:
  virtual void DoPopup(TObject* sender);

 private:
  TPopupAlignment alignment_ = paLeft;
  bool autoPopup_ = true;
  TComponent* popupComponent_ = nullptr;
  TPoint popupPoint_;
};
