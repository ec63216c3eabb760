// TDvTrayIcon: construction, published properties, end of loading and destruction.
#include "controls/tray/DvTrayIcon.h"

#include "controls/tray/TrayNotifyRecord.h"
#include "controls/tray/TrayShellCalls.h"
#include "framework/core/TypInfo.h"
#include "framework/win/forms/Application.h"
#include "framework/win/imagelists/ImageList.h"
#include "framework/win/menus/PopupMenu.h"
#include "framework/win/platform/UtilityWindow.h"

namespace {

// uID of the record: unique among the icons of this process (the shell tells icons apart by
// window and uID).
UINT NextIconId() {
  static UINT next = 0;
  return ++next;
}

}  // namespace

const std::vector<std::string>& TrayIconClickNames() {
  static const std::vector<std::string> names = {
      "ticNone",       "ticLeftClick",     "ticLeftDblClick", "ticLeftClickUp",
      "ticRightClick", "ticRightDblClick", "ticRightClickUp"};
  return names;
}

const TClassInfo& TDvTrayIcon::StaticClassInfo() {
  using T = TDvTrayIcon;
  static const TClassInfo info = DefineClassInfo<T, TComponent>("TDvTrayIcon", [](auto& b) {
    b.Bool("Animate", &T::Animate, &T::SetAnimate, false);
    b.Bool("Enabled", &T::Enabled, &T::SetEnabled, true);
    b.Bool("HideOnMinimize", &T::HideOnMinimize, &T::SetHideOnMinimize, true);
    b.String("Hint", &T::Hint, &T::SetHint, std::string());
    b.template Component<TPopupMenu>("PopupMenu", &T::PopupMenu, &T::SetPopupMenu);
    b.template Component<TCustomImageList>("Icons", &T::Icons, &T::SetIcons);
    b.Integer("IconIndex", &T::IconIndex, &T::SetIconIndex, 0);
    b.Integer("Interval", &T::Interval, &T::SetInterval, 1000);
    b.template Enum<TDvTrayIconClicks>("RestoreOn", &T::RestoreOn, &T::SetRestoreOn,
                                       TrayIconClickNames(), ticLeftDblClick);
    b.template Enum<TDvTrayIconClicks>("PopupMenuOn", &T::PopupMenuOn, &T::SetPopupMenuOn,
                                       TrayIconClickNames(), ticRightClickUp);
    b.Event("OnBalloonHintHide", &T::OnBalloonHintHide);
    b.Event("OnBalloonHintClose", &T::OnBalloonHintClose);
    b.Event("OnBalloonHintClick", &T::OnBalloonHintClick);
    b.Event("OnMinimizeApp", &T::OnMinimizeApp);
    b.Event("OnRestoreApp", &T::OnRestoreApp);
    b.Event("OnLButtonDown", &T::OnLButtonDown);
    b.Event("OnLButtonUp", &T::OnLButtonUp);
    b.Event("OnLButtonDblClick", &T::OnLButtonDblClick);
    b.Event("OnRButtonDown", &T::OnRButtonDown);
    b.Event("OnRButtonUp", &T::OnRButtonUp);
    b.Event("OnRButtonDblClick", &T::OnRButtonDblClick);
    b.Event("OnEndSession", &T::OnEndSession);
    b.Event("OnQueryEndSession", &T::OnQueryEndSession);
  });
  return info;
}

TDvTrayIcon::TDvTrayIcon(TComponent* owner)
    : TComponent(owner), animationTimer_([this] { AnimationStep(); }, this) {
  application_ = &Application();
  application_->FreeNotification(this);
  UseApplicationIcon();
  notifyWindow_ = std::make_unique<TUtilityWindow>(
      [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        return HandleNotifyMessage(message, wParam, lParam, result);
      },
      this);
  record_ = std::make_unique<TTrayNotifyRecord>(ShellMajorVersion(), notifyWindow_->Handle(),
                                                NextIconId(), picture_.Handle());
  InstallApplicationHooks();
  // The shell has no such icon yet: this modify changes nothing there.
  UpdateIcon();
  enabled_ = true;
}

TDvTrayIcon::~TDvTrayIcon() {
  record_->Send(NIM_DELETE);
  RemoveApplicationHooks();
  animationTimer_.Stop();
  notifyWindow_.reset();
}

void TDvTrayIcon::SetAnimate(bool animate) {
  animate_ = animate;
  if (animate_)
    animationTimer_.Start(interval_);
  else
    animationTimer_.Stop();
}

void TDvTrayIcon::SetInterval(unsigned interval) {
  interval_ = interval;
  if (animate_) animationTimer_.Start(interval_);
}

void TDvTrayIcon::SetEnabled(bool enabled) {
  if (enabled == enabled_ && !forcedEnable_) return;
  enabled_ = enabled;
  if (IsLoading()) return;
  if (enabled_) {
    if (!record_->Send(NIM_ADD)) enabled_ = false;
    InstallApplicationHooks();
  } else {
    record_->Send(NIM_DELETE);
  }
}

void TDvTrayIcon::SetHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  record_->SetTip(hint_);
  UpdateIcon();
}

void TDvTrayIcon::SetPopupMenu(TPopupMenu* menu) {
  if (menu == popupMenu_) return;
  if (popupMenu_ != nullptr) popupMenu_->RemoveFreeNotification(this);
  popupMenu_ = menu;
  if (popupMenu_ != nullptr) popupMenu_->FreeNotification(this);
}

void TDvTrayIcon::SetIcons(TCustomImageList* icons) {
  if (icons == icons_) return;
  if (icons_ != nullptr) icons_->RemoveFreeNotification(this);
  icons_ = icons;
  if (icons_ != nullptr) icons_->FreeNotification(this);
}

void TDvTrayIcon::SetIconIndex(int index) {
  iconIndex_ = index;
  if (icons_ != nullptr) FetchPicture();
  UpdateIcon();
}

void TDvTrayIcon::AnimationStep() {
  if (icons_ == nullptr) return;
  const int next = iconIndex_ < icons_->Count() - 1 ? iconIndex_ + 1 : 0;
  SetIconIndex(next);
  UpdateIcon();
}

HWND TDvTrayIcon::NotifyWindow() const {
  return notifyWindow_->Handle();
}

const NOTIFYICONDATAA& TDvTrayIcon::NotifyData() const {
  return record_->Data();
}

void TDvTrayIcon::Loaded() {
  TComponent::Loaded();
  if (icons_ != nullptr)
    FetchPicture();
  else
    UseApplicationIcon();
  if (enabled_) {
    if (!record_->Send(NIM_ADD)) enabled_ = false;
    InstallApplicationHooks();
  }
  UpdateIcon();
}

void TDvTrayIcon::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove || component == nullptr) return;
  if (component == popupMenu_) popupMenu_ = nullptr;
  if (component == icons_) icons_ = nullptr;
  if (component == application_) application_ = nullptr;
}

// The record always names the picture shown, so that an add never carries a handle that was
// destroyed when the picture changed.
void TDvTrayIcon::FetchPicture() {
  icons_->GetIcon(iconIndex_, picture_);
  if (record_) record_->SetIcon(picture_.Handle());
}

void TDvTrayIcon::UseApplicationIcon() {
  picture_.SetHandle(CopyIcon(Application().IconHandle()));
  if (record_) record_->SetIcon(picture_.Handle());
}

void TDvTrayIcon::UpdateIcon() {
  record_->SetIcon(picture_.Handle());
  record_->Send(NIM_MODIFY);
}

void TDvTrayIcon::ApplicationHook::operator()(TObject*) const {
  if (minimize)
    icon->MinimizeApplication();
  else if (!icon->restoring_)
    icon->RestoreApplication();
}

void TDvTrayIcon::InstallApplicationHooks() {
  if (application_ == nullptr) return;
  application_->OnMinimize = ApplicationHook{this, true};
  application_->OnRestore = ApplicationHook{this, false};
}

void TDvTrayIcon::RemoveApplicationHooks() {
  if (application_ == nullptr) return;
  for (TNotifyEvent* event : {&application_->OnMinimize, &application_->OnRestore}) {
    const auto* hook = event->GetHandler().target<ApplicationHook>();
    if (hook != nullptr && hook->icon == this) event->Clear();
  }
}
