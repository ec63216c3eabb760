#include "framework/win/menus/MenuItem.h"

#include <algorithm>

#include "framework/core/SysUtils.h"
#include "framework/core/TypInfo.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/imagelists/ImageList.h"
#include "framework/win/menus/Menu.h"
#include "framework/win/menus/MenuCommands.h"
#include "framework/win/menus/MenuItemPainter.h"

const TClassInfo& TMenuItem::StaticClassInfo() {
  using M = TMenuItem;
  static const TClassInfo info =
      DefineClassInfo<M, TComponent>("TMenuItem", [](TPropertyBuilder<M>& b) {
        b.Object("Bitmap", &M::Bitmap, [](const M& item) { return item.HasBitmap(); });
        b.Enum("Break", &M::Break, &M::SetBreak, MenuBreakNames(), mbNone);
        b.String("Caption", &M::Caption, &M::SetCaption);
        b.Bool("Checked", &M::Checked, &M::SetChecked, false);
        b.Component<TCustomImageList>("SubMenuImages", &M::SubMenuImages, &M::SetSubMenuImages);
        b.Bool("Default", &M::Default, &M::SetDefault, false);
        b.Bool("Enabled", &M::Enabled, &M::SetEnabled, true);
        b.Integer("GroupIndex", &M::GroupIndex, &M::SetGroupIndex, 0);
        b.String("Hint", &M::Hint, &M::SetHint);
        b.Integer("ImageIndex", &M::ImageIndex, &M::SetImageIndex, -1);
        b.Bool("RadioItem", &M::RadioItem, &M::SetRadioItem, false);
        b.Integer("ShortCut", &M::ShortCut, &M::SetShortCut, 0);
        b.Bool("Visible", &M::Visible, &M::SetVisible, true);
        b.Event("OnAdvancedDrawItem", &M::OnAdvancedDrawItem);
        b.Event("OnClick", &M::OnClick);
        b.Event("OnDrawItem", &M::OnDrawItem);
        b.Event("OnMeasureItem", &M::OnMeasureItem);
      });
  return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(AllocateMenuCommand()) {}

TMenuItem::~TMenuItem() {
  // Sub-items go first, each detached before it is destroyed, so none reports back to this one.
  while (!items_.empty()) {
    TMenuItem* child = items_.back();
    items_.pop_back();
    child->parent_ = nullptr;
    if (child->Owner() != nullptr) TComponent::Destroy(*child);
  }
  if (parent_ != nullptr) parent_->Remove(*this);
  if (subMenuImages_ != nullptr) subMenuImages_->RemoveFreeNotification(this);
  ReleaseMenuCommand(command_);
}

TBitmap* TMenuItem::Bitmap() {
  if (!bitmap_) {
    bitmap_ = std::make_unique<TBitmap>();
    bitmap_->OnChange = [this](TObject*) { Changed(false); };
  }
  return bitmap_.get();
}

bool TMenuItem::HasBitmap() const {
  return bitmap_ && !bitmap_->Empty();
}

void TMenuItem::SetBitmap(const TBitmap* bitmap) {
  Bitmap()->Assign(bitmap);
}

void TMenuItem::SetBreak(TMenuBreak value) {
  if (value == break_) return;
  break_ = value;
  Changed(false);
}

void TMenuItem::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed(false);
}

void TMenuItem::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  if (checked_ && radioItem_) CheckRadioGroup();
  Changed(false);
}

void TMenuItem::CheckRadioGroup() {
  if (parent_ == nullptr) return;
  for (TMenuItem* sibling : parent_->items_) {
    if (sibling == this || !sibling->radioItem_ || sibling->groupIndex_ != groupIndex_ ||
        !sibling->checked_)
      continue;
    sibling->checked_ = false;
    sibling->Changed(false);
  }
}

void TMenuItem::SetDefault(bool value) {
  if (value == default_) return;
  default_ = value;
  // One default per menu level: the platform keeps only the last one set.
  if (default_ && parent_ != nullptr)
    for (TMenuItem* sibling : parent_->items_)
      if (sibling != this) sibling->default_ = false;
  Changed(false);
}

void TMenuItem::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed(false);
}

void TMenuItem::SetGroupIndex(int index) {
  if (index == groupIndex_) return;
  groupIndex_ = index;
  if (checked_ && radioItem_) CheckRadioGroup();
  Changed(false);
}

void TMenuItem::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  Changed(false);
}

void TMenuItem::SetRadioItem(bool value) {
  if (value == radioItem_) return;
  radioItem_ = value;
  if (checked_ && radioItem_) CheckRadioGroup();
  Changed(false);
}

void TMenuItem::SetShortCut(TShortCut shortCut) {
  if (shortCut == shortCut_) return;
  shortCut_ = shortCut;
  Changed(false);
}

void TMenuItem::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed(true);
}

void TMenuItem::SetSubMenuImages(TCustomImageList* images) {
  if (images == subMenuImages_) return;
  if (subMenuImages_ != nullptr) subMenuImages_->RemoveFreeNotification(this);
  subMenuImages_ = images;
  if (subMenuImages_ != nullptr) subMenuImages_->FreeNotification(this);
  Changed(true);
}

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count())
    throw EListError(Format("List index out of bounds (%d)", index));
  return items_[static_cast<size_t>(index)];
}

void TMenuItem::Add(TMenuItem& item) {
  Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem& item) {
  if (item.parent_ != nullptr || item.menu_ != nullptr)
    throw EInvalidOperation("Menu inserted twice");
  if (index < 0 || index > Count()) throw EInvalidOperation("Menu index out of range");
  for (const TMenuItem* ancestor = this; ancestor != nullptr; ancestor = ancestor->parent_)
    if (ancestor == &item) throw EInvalidOperation("Menu inserted twice");
  items_.insert(items_.begin() + index, &item);
  item.parent_ = this;
  if (TMenu* menu = GetParentMenu()) menu->MenuChanged(item.Count() == 0 ? &item : nullptr, true);
}

void TMenuItem::Delete(int index) {
  TMenuItem* item = Items(index);
  items_.erase(items_.begin() + index);
  item->parent_ = nullptr;
  if (TMenu* menu = GetParentMenu()) menu->MenuChanged(nullptr, true);
}

void TMenuItem::Remove(TMenuItem& item) {
  const int index = IndexOf(item);
  if (index < 0) throw EInvalidOperation("Menu item not found");
  Delete(index);
}

void TMenuItem::Clear() {
  while (!items_.empty()) {
    TMenuItem* child = items_.back();
    Delete(Count() - 1);
    if (child->Owner() != nullptr) TComponent::Destroy(*child);
  }
}

int TMenuItem::IndexOf(const TMenuItem& item) const {
  const auto it = std::find(items_.begin(), items_.end(), &item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* item = this;
  while (item->parent_ != nullptr)
    item = item->parent_;
  return item->menu_;
}

TCustomImageList* TMenuItem::GetImageList() const {
  for (const TMenuItem* ancestor = parent_; ancestor != nullptr; ancestor = ancestor->parent_)
    if (ancestor->subMenuImages_ != nullptr) return ancestor->subMenuImages_;
  const TMenu* menu = GetParentMenu();
  return menu != nullptr ? menu->Images() : nullptr;
}

void TMenuItem::Changed(bool rebuild) {
  if (TMenu* menu = GetParentMenu()) menu->MenuChanged(this, rebuild);
}

void TMenuItem::Click() {
  if (enabled_) OnClick(this);
}

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height) {
  MeasureStandardMenuItem(*this, canvas, width, height);
  OnMeasureItem(this, canvas, width, height);
}

void TMenuItem::AdvancedDrawItem(TCanvas& canvas, const TRect& rect, TOwnerDrawState state,
                                 bool barItem) {
  if (OnAdvancedDrawItem)
    OnAdvancedDrawItem(this, canvas, rect, state);
  else if (OnDrawItem)
    OnDrawItem(this, canvas, rect, (state & odSelected) != 0);
  else
    DrawStandardMenuItem(*this, canvas, rect, state, barItem);
}

TComponent* TMenuItem::GetParentComponent() const {
  if (parent_ == nullptr) return nullptr;
  if (parent_->menu_ != nullptr) return parent_->menu_;
  return parent_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (parent_ != nullptr) parent_->Remove(*this);
  if (auto* menu = dynamic_cast<TMenu*>(parent))
    menu->Items().Add(*this);
  else if (auto* item = dynamic_cast<TMenuItem*>(parent))
    item->Add(*this);
}

void TMenuItem::GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) const {
  for (TMenuItem* item : items_)
    proc(item);
}

void TMenuItem::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component != nullptr &&
      component == static_cast<TComponent*>(subMenuImages_)) {
    subMenuImages_ = nullptr;
    Changed(true);
  }
}
