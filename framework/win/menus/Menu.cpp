#include "framework/win/menus/Menu.h"

#include "framework/core/SysUtils.h"
#include "framework/core/TypInfo.h"
#include "framework/win/imagelists/ImageList.h"
#include "framework/win/menus/MenuBuilder.h"
#include "framework/win/platform/EventDispatch.h"

const TClassInfo& TMenu::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TMenu, TComponent>("TMenu");
  return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(&TComponent::Create<TMenuItem>(*this)) {
  items_->menu_ = this;
  imageChangeLink_.OnChange = [this](TObject*) { MenuChanged(nullptr, true); };
}

TMenu::~TMenu() {
  // The tree goes while this is still a menu, but without reporting its own removal.
  items_->menu_ = nullptr;
  TComponent::Destroy(*items_);
  if (images_ != nullptr) images_->RemoveFreeNotification(this);
}

void TMenu::SetImages(TCustomImageList* images) {
  if (images == images_) return;
  if (images_ != nullptr) {
    images_->UnRegisterChanges(imageChangeLink_);
    images_->RemoveFreeNotification(this);
  }
  images_ = images;
  if (images_ != nullptr) {
    images_->RegisterChanges(imageChangeLink_);
    images_->FreeNotification(this);
  }
  MenuChanged(nullptr, true);
}

void TMenu::SetOwnerDraw(bool ownerDraw) {
  if (ownerDraw == ownerDraw_) return;
  ownerDraw_ = ownerDraw;
  MenuChanged(nullptr, true);
}

TBiDiMode TMenu::BiDiMode() const {
  if (parentBiDiMode_)
    if (const auto* owner = dynamic_cast<const IBiDiModeOwner*>(Owner())) return owner->BiDiMode();
  return bidiMode_;
}

void TMenu::SetBiDiMode(TBiDiMode value) {
  if (value == bidiMode_ && !parentBiDiMode_) return;
  bidiMode_ = value;
  parentBiDiMode_ = false;
  MenuChanged(nullptr, true);
}

void TMenu::SetParentBiDiMode(bool value) {
  if (value == parentBiDiMode_) return;
  parentBiDiMode_ = value;
  MenuChanged(nullptr, true);
}

TMenuBuildStyle TMenu::BuildStyle() const {
  return {ownerDraw_, IsRightToLeft()};
}

HMENU TMenu::CreateMenuHandle() {
  return CreatePopupMenu();
}

HMENU TMenu::Handle() {
  if (!handle_ || rebuildNeeded_) RebuildHandle();
  return handle_.Get();
}

void TMenu::RebuildHandle() {
  MenuHandle fresh(CreateMenuHandle());
  if (!fresh) throw EOutOfResources("Out of system resources");
  try {
    TMenuBuilder::AppendItems(fresh.Get(), *items_, BuildStyle());
  } catch (...) {
    // The items must not keep sub-menus that die with the half-built menu; the old menu stays
    // in use until a rebuild succeeds.
    TMenuBuilder::ForgetHandles(*items_);
    rebuildNeeded_ = true;
    throw;
  }
  rebuildNeeded_ = false;
  HandleRebuilt(fresh.Get());
  handle_ = std::move(fresh);
}

void TMenu::MenuChanged(TMenuItem* source, bool rebuild) {
  if (IsLoading() || IsDestroying()) {
    rebuildNeeded_ = true;
    return;
  }
  if (rebuild || source == nullptr)
    rebuildNeeded_ = true;
  else if (handle_ && !rebuildNeeded_)
    TMenuBuilder::UpdateItem(*source, BuildStyle());
  AfterChange();
}

TMenuItem* TMenu::FindItem(UINT_PTR value, TFindItemKind kind) const {
  const std::function<TMenuItem*(TMenuItem&)> search = [&](TMenuItem& item) -> TMenuItem* {
    bool found = false;
    switch (kind) {
      case fkCommand:
        found = item.Command() == static_cast<int>(value) && &item != items_;
        break;
      case fkHandle:
        found = item.Handle() != nullptr && reinterpret_cast<UINT_PTR>(item.Handle()) == value;
        break;
      case fkShortCut:
        found = item.ShortCut() != scNone && item.ShortCut() == value;
        break;
    }
    if (found) return &item;
    for (int i = 0; i < item.Count(); ++i)
      if (TMenuItem* match = search(*item.Items(i))) return match;
    return nullptr;
  };
  return search(*items_);
}

bool TMenu::DispatchCommand(int command) {
  TMenuItem* item = FindItem(static_cast<UINT_PTR>(command), fkCommand);
  if (item == nullptr) return false;
  RunEvent(item, [item] { item->Click(); });
  return true;
}

bool TMenu::DispatchPopup(HMENU menu) {
  TMenuItem* item = FindItem(reinterpret_cast<UINT_PTR>(menu), fkHandle);
  if (item == nullptr) return false;
  RunEvent(item, [item] { item->Click(); });
  return true;
}

void TMenu::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
  items_->GetChildren(proc, root);
}

void TMenu::Loaded() {
  TComponent::Loaded();
  MenuChanged(nullptr, true);
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component != nullptr &&
      component == static_cast<TComponent*>(images_)) {
    images_ = nullptr;
    MenuChanged(nullptr, true);
  }
}
