// A control's popup menu: the reference and showing it on a context menu request.
#include "framework/core/TypInfo.h"
#include "framework/win/controls/ControlPublish.h"
#include "framework/win/controls/Controls.h"
#include "framework/win/menus/PopupMenu.h"

void TControl::SetPopupMenu(TPopupMenu* menu) {
  if (menu == popupMenu_) return;
  if (popupMenuComponent_ != nullptr) RemoveFreeNotification(popupMenuComponent_);
  popupMenu_ = menu;
  popupMenuComponent_ = menu;
  if (menu != nullptr) FreeNotification(menu);
}

bool TControl::DoContextPopup(TPoint clientPos) {
  bool handled = false;
  OnContextPopup(this, clientPos, handled);
  if (handled) return true;
  if (popupMenu_ == nullptr || !popupMenu_->AutoPopup()) return false;
  // The menu shows at the cursor, where the request came from.
  POINT cursor{};
  if (!GetCursorPos(&cursor)) {
    const TPoint screen = ClientToScreen(clientPos);
    cursor = {screen.X, screen.Y};
  }
  popupMenu_->SetPopupComponent(this);
  popupMenu_->Popup(cursor.x, cursor.y);
  return true;
}

TComponent* PopupMenuComponent(const TControl& control) {
  return control.PopupMenu();
}

void AssignPopupMenuComponent(TControl& control, TComponent* menu) {
  auto* popup = dynamic_cast<TPopupMenu*>(menu);
  if (menu != nullptr && popup == nullptr)
    ThrowInvalidComponentReference(menu->Name(), menu->ClassName());
  control.SetPopupMenu(popup);
}
