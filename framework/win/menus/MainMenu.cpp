#include "framework/win/menus/MainMenu.h"

#include "framework/core/TypInfo.h"
#include "framework/win/menus/MenuPublish.h"
#include "framework/win/imagelists/ImageList.h"

const TClassInfo& TMainMenu::StaticClassInfo() {
  using M = TMainMenu;
  static const TClassInfo info = DefineClassInfo<M, TMenu>("TMainMenu", [](TPropertyBuilder<M>& b) {
    PublishMenuBiDiMode(b);
    b.Component<TCustomImageList>("Images", &M::Images, &M::SetImages);
    b.Bool("OwnerDraw", &M::OwnerDraw, &M::SetOwnerDraw, false);
    PublishMenuParentBiDiMode(b);
  });
  return info;
}

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

TMainMenu::~TMainMenu() {
  SetWindowHandle(nullptr);
}

HMENU TMainMenu::CreateMenuHandle() {
  return CreateMenu();
}

void TMainMenu::SetWindowHandle(HWND window) {
  if (window == window_) return;
  if (window_ != nullptr && IsWindow(window_)) SetMenu(window_, nullptr);
  window_ = window;
  if (window_ != nullptr) {
    SetMenu(window_, Handle());
    DrawMenuBar(window_);
  }
}

void TMainMenu::HandleRebuilt(HMENU newHandle) {
  // The window takes the new bar before the old one is destroyed.
  if (window_ != nullptr) SetMenu(window_, newHandle);
}

void TMainMenu::AfterChange() {
  if (window_ == nullptr) return;
  Handle();
  DrawMenuBar(window_);
}
