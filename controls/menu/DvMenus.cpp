#include "controls/menu/DvMenus.h"

#include "controls/menu/styler/DvMenuStyler.h"
#include "controls/menu/styler/DvMenuStylers.h"
#include "controls/menu/paint/DvMenuUtil.h"
#include "framework/core/SysUtils.h"
#include "framework/core/TypInfo.h"
#include "framework/win/imagelists/ImageList.h"

std::string StyledMenuVersionText() {
  return Format("%u.%u.%u.%u", (kStyledMenuVersion >> 24) & 0xFF, (kStyledMenuVersion >> 16) & 0xFF,
                (kStyledMenuVersion >> 8) & 0xFF, kStyledMenuVersion & 0xFF);
}

IStyledMenu* FindStyledMenu(const TMenuItem& item) {
  TComponent* holder = item.GetParentMenu();
  if (item.Parent() == nullptr && holder == nullptr) holder = item.Owner();
  if (auto* popup = dynamic_cast<TDvPopupMenu*>(holder)) return popup;
  if (auto* bar = dynamic_cast<TDvMainMenu*>(holder)) return bar;
  return nullptr;
}

// ---- TDvPopupMenu ----

const TClassInfo& TDvPopupMenu::StaticClassInfo() {
  using P = TDvPopupMenu;
  static const TClassInfo info = DefineClassInfo<P, TPopupMenu>("TDvPopupMenu", [](auto& b) {
    b.Bool("OwnerDraw", &P::OwnerDraw, &P::SetOwnerDraw, true);
    b.template Component<TCustomDvMenuStyler>("MenuStyler", &P::StoredMenuStyler,
                                              &P::SetMenuStyler);
    b.String("Version", &P::Version, &P::SetVersion);
  });
  return info;
}

TDvPopupMenu::TDvPopupMenu(TComponent* owner)
    : TPopupMenu(owner), core_(*this, [](TMenu& menu) -> TCustomDvMenuStyler& {
        return TComponent::Create<TDvMenuFantasyStyler>(menu);
      }) {
  SetOwnerDraw(true);
  core_.SetDrawMenuFrame(true);
  core_.Start();
}

TDvPopupMenu::~TDvPopupMenu() {
  core_.Finish();
}

void TDvPopupMenu::MenuChanged(TMenuItem* source, bool rebuild) {
  if (!IsDesigning()) core_.HookItems(source);
  TPopupMenu::MenuChanged(source, rebuild);
}

void TDvPopupMenu::Loaded() {
  TPopupMenu::Loaded();
  SetOwnerDraw(true);
  core_.Loaded();
}

void TDvPopupMenu::DoPopup(TObject* sender) {
  TPopupMenu::DoPopup(sender);
  GdiObject<HBRUSH> brush = MenuBackgroundBrush(MenuStyler()->Background());
  // The old brush goes only once no menu refers to it any more.
  if (SetMenuBackground(Handle(), brush.Get())) backgroundBrush_ = std::move(brush);
}

void TDvPopupMenu::Notification(TComponent* component, TOperation operation) {
  TPopupMenu::Notification(component, operation);
  core_.Notification(component, operation);
}

// ---- TDvMainMenu ----

const TClassInfo& TDvMainMenu::StaticClassInfo() {
  using M = TDvMainMenu;
  static const TClassInfo info = DefineClassInfo<M, TMainMenu>("TDvMainMenu", [](auto& b) {
    b.Bool("OwnerDraw", &M::OwnerDraw, &M::SetOwnerDraw, true);
    b.template Component<TCustomDvMenuStyler>("MenuStyler", &M::StoredMenuStyler,
                                              &M::SetMenuStyler);
    b.String("Version", &M::Version, &M::SetVersion);
  });
  return info;
}

TDvMainMenu::TDvMainMenu(TComponent* owner)
    : TMainMenu(owner), core_(*this, [](TMenu& menu) -> TCustomDvMenuStyler& {
        return TComponent::Create<TDvMenuStyler>(menu);
      }) {
  SetOwnerDraw(true);
  core_.SetDrawMenuFrame(true);
  core_.Start();
  HookStylerFont();
}

TDvMainMenu::~TDvMainMenu() {
  UnhookStylerFont();
  core_.Finish();
}

void TDvMainMenu::SetMenuStyler(TCustomDvMenuStyler* styler) {
  UnhookStylerFont();
  core_.SetMenuStyler(styler);
  HookStylerFont();
}

void TDvMainMenu::RepaintMenuBar() {
  if (WindowHandle() != nullptr) DrawMenuBar(WindowHandle());
}

void TDvMainMenu::HandleRebuilt(HMENU newHandle) {
  TMainMenu::HandleRebuilt(newHandle);
  if (MenuStyler() == nullptr) return;
  // The drop-downs only: the bar itself is the window's.
  GdiObject<HBRUSH> brush = MenuBackgroundBrush(MenuStyler()->Background());
  const int count = GetMenuItemCount(newHandle);
  for (int i = 0; i < count; ++i)
    if (const HMENU dropDown = GetSubMenu(newHandle, i)) SetMenuBackground(dropDown, brush.Get());
  backgroundBrush_ = std::move(brush);
}

void TDvMainMenu::MenuChanged(TMenuItem* source, bool rebuild) {
  if (!IsDesigning()) core_.HookItems(source);
  TMainMenu::MenuChanged(source, rebuild);
}

void TDvMainMenu::Loaded() {
  TMainMenu::Loaded();
  SetOwnerDraw(true);
  core_.Loaded();
  // Showing the first item again makes the window system rebuild the bar.
  if (Items().Count() > 0) {
    TMenuItem& first = *Items().Items(0);
    const bool visible = first.Visible();
    first.SetVisible(!visible);
    first.SetVisible(visible);
  }
  RepaintMenuBar();
}

void TDvMainMenu::Notification(TComponent* component, TOperation operation) {
  TMainMenu::Notification(component, operation);
  // A styler being destroyed has lost its font already: only forget it.
  if (operation == TOperation::opRemove && component == fontHooked_) fontHooked_ = nullptr;
  const TCustomDvMenuStyler* before = core_.MenuStyler();
  core_.Notification(component, operation);
  if (core_.MenuStyler() != before) HookStylerFont();
}

void TDvMainMenu::HookStylerFont() {
  TCustomDvMenuStyler* styler = core_.MenuStyler();
  if (styler == nullptr || styler == fontHooked_) return;
  styler->Font().OnChange = FontHook{this};
  fontHooked_ = styler;
}

void TDvMainMenu::UnhookStylerFont() {
  if (fontHooked_ == nullptr) return;
  const auto* hook = fontHooked_->Font().OnChange.GetHandler().target<FontHook>();
  if (hook != nullptr && hook->menu == this) fontHooked_->Font().OnChange.Clear();
  fontHooked_ = nullptr;
}
