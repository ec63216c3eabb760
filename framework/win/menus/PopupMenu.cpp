#include "framework/win/menus/PopupMenu.h"

#include "framework/core/TypInfo.h"
#include "framework/win/menus/MenuPublish.h"
#include "framework/win/imagelists/ImageList.h"
#include "framework/win/menus/PopupList.h"

const TClassInfo& TPopupMenu::StaticClassInfo() {
  using P = TPopupMenu;
  static const TClassInfo info =
      DefineClassInfo<P, TMenu>("TPopupMenu", [](TPropertyBuilder<P>& b) {
        b.Enum("Alignment", &P::Alignment, &P::SetAlignment, PopupAlignmentNames(), paLeft);
        b.Bool("AutoPopup", &P::AutoPopup, &P::SetAutoPopup, true);
        PublishMenuBiDiMode(b);
        b.Component<TCustomImageList>("Images", &P::Images, &P::SetImages);
        b.Bool("OwnerDraw", &P::OwnerDraw, &P::SetOwnerDraw, false);
        PublishMenuParentBiDiMode(b);
        b.Event("OnPopup", &P::OnPopup);
      });
  return info;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {
  TPopupList::Register(*this);
}

TPopupMenu::~TPopupMenu() {
  TPopupList::Unregister(*this);
  if (popupComponent_ != nullptr) popupComponent_->RemoveFreeNotification(this);
}

void TPopupMenu::SetPopupComponent(TComponent* component) {
  if (component == popupComponent_) return;
  if (popupComponent_ != nullptr) popupComponent_->RemoveFreeNotification(this);
  popupComponent_ = component;
  if (popupComponent_ != nullptr) popupComponent_->FreeNotification(this);
}

UINT TPopupMenu::TrackFlags() const {
  UINT flags = TPM_LEFTBUTTON | TPM_RIGHTBUTTON;
  if (alignment_ == paRight) flags |= TPM_RIGHTALIGN;
  if (alignment_ == paCenter) flags |= TPM_CENTERALIGN;
  return flags;
}

void TPopupMenu::DoPopup(TObject* sender) {
  OnPopup(sender);
}

void TPopupMenu::Popup(int x, int y) {
  popupPoint_ = TPoint{x, y};
  DoPopup(this);
  HMENU menu = Handle();
  HWND owner = TPopupList::Window();
  // Without TPM_RETURNCMD the window system posts the chosen command to the owner.
  TrackPopupMenu(menu, TrackFlags(), x, y, 0, owner, nullptr);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TMenu::Notification(component, operation);
  if (operation == TOperation::opRemove && component != nullptr && component == popupComponent_)
    popupComponent_ = nullptr;
}
