#include "controls/menu/StyledMenuCore.h"

#include "controls/menu/paint/DvMenuPainter.h"
#include "controls/menu/styler/DvMenuStyler.h"
#include "framework/win/menus/Menu.h"
#include "framework/win/menus/MenuItem.h"

namespace {
constexpr char kInternalStylerName[] = "InternalMenuStyler";
}  // namespace

TStyledMenuCore::TStyledMenuCore(TMenu& menu, StylerFactory makeInternalStyler)
    : menu_(menu), makeInternalStyler_(std::move(makeInternalStyler)) {}

TCustomDvMenuStyler* TStyledMenuCore::StoredMenuStyler() const {
  return styler_ == internal_ ? nullptr : styler_;
}

void TStyledMenuCore::Start() {
  CreateInternalStyler();
}

void TStyledMenuCore::SetMenuStyler(TCustomDvMenuStyler* styler) {
  if (styler == styler_ || (styler == nullptr && internal_ != nullptr)) return;
  if (styler_ != nullptr && styler_ != internal_) ReleaseAssignedStyler();
  if (styler != nullptr) {
    if (internal_ != nullptr && !internal_->IsLoading()) FreeInternalStyler();
    styler_ = styler;
    styler_->FreeNotification(&menu_);
  } else {
    CreateInternalStyler();
  }
  styler_->SetMenu(&menu_);
}

void TStyledMenuCore::Loaded() {
  HookItems(nullptr);
  if (internal_ != nullptr && internal_ != styler_) FreeInternalStyler();
}

void TStyledMenuCore::Notification(TComponent* component, TOperation operation) {
  if (operation != TOperation::opRemove || component == nullptr) return;
  if (component != styler_ || component == internal_ || finishing_ || menu_.IsDestroying()) return;
  styler_ = nullptr;
  CreateInternalStyler();
  styler_->SetMenu(&menu_);
}

void TStyledMenuCore::Finish() {
  finishing_ = true;
  if (styler_ != nullptr && styler_ != internal_) ReleaseAssignedStyler();
  styler_ = nullptr;
  if (internal_ != nullptr) FreeInternalStyler();
}

// An assigned styler outlives the menu: it must not keep pointing at it.
void TStyledMenuCore::ReleaseAssignedStyler() {
  styler_->RemoveFreeNotification(&menu_);
  if (styler_->Menu() == &menu_) styler_->SetMenu(nullptr);
}

void TStyledMenuCore::CreateInternalStyler() {
  TCustomDvMenuStyler& styler = makeInternalStyler_(menu_);
  styler.SetName(kInternalStylerName);
  styler.SetSubComponent(true);
  internal_ = &styler;
  styler_ = internal_;
  styler_->SetMenu(&menu_);
}

void TStyledMenuCore::FreeInternalStyler() {
  // The removal notice of the styler must find it still recorded as the internal one.
  TCustomDvMenuStyler* internal = internal_;
  TComponent::Destroy(*internal);
  if (styler_ == internal) styler_ = nullptr;
  internal_ = nullptr;
}

void TStyledMenuCore::HookItems(TMenuItem* item) {
  if (menu_.IsLoading()) return;
  if (item != nullptr) {
    HookItem(*item);
    return;
  }
  const std::function<void(TMenuItem&)> hookTree = [&](TMenuItem& parent) {
    for (int i = 0; i < parent.Count(); ++i) {
      TMenuItem& child = *parent.Items(i);
      HookItem(child);
      hookTree(child);
    }
  };
  hookTree(menu_.Items());
}

void TStyledMenuCore::HookItem(TMenuItem& item) {
  if (const auto* hook = item.OnAdvancedDrawItem.GetHandler().target<DrawHook>())
    if (hook->core == this) return;
  if (!item.OnMeasureItem) item.OnMeasureItem = MeasureHook{this};
  if (!item.OnAdvancedDrawItem && !item.OnDrawItem) item.OnAdvancedDrawItem = DrawHook{this};
}

void TStyledMenuCore::MeasureHook::operator()(TObject* sender, TCanvas& canvas, int& width,
                                              int& height) const {
  if (auto* item = dynamic_cast<TMenuItem*>(sender))
    MeasureStyledMenuItem(*item, canvas, width, height);
}

void TStyledMenuCore::DrawHook::operator()(TObject* sender, TCanvas& canvas, const TRect& rect,
                                           TOwnerDrawState state) const {
  if (auto* item = dynamic_cast<TMenuItem*>(sender)) DrawStyledMenuItem(*item, canvas, rect, state);
}
