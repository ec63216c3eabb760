#include "controls/menu/styler/DvMenuStyler.h"

#include <windows.h>

#include "framework/win/menus/SystemMenuFont.h"

namespace {
constexpr int kArrowReserve = 15;
}  // namespace

bool WindowsReservesMenuArrow() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&version)) return false;
#pragma GCC diagnostic pop
  return version.dwMajorVersion > 5 || (version.dwMajorVersion == 5 && version.dwMinorVersion > 0);
}

const TClassInfo& TCustomDvMenuStyler::StaticClassInfo() {
  static const TClassInfo info =
      DefineClassInfo<TCustomDvMenuStyler, TComponent>("TCustomDvMenuStyler");
  return info;
}

TCustomDvMenuStyler::TCustomDvMenuStyler(TComponent* owner)
    : TComponent(owner),
      separator_(std::make_unique<TSeparator>()),
      background_(std::make_unique<TBackground>()),
      iconBar_(std::make_unique<TIconBar>()),
      selectedItem_(std::make_unique<TSelectedItem>()),
      rootItem_(std::make_unique<TRootItem>()),
      glyphs_(std::make_unique<TMenuGlyphs>()),
      sideBar_(std::make_unique<TSideBar>()) {
  AssignSystemMenuFont(font_);
  clipMenuWindow_ = WindowsReservesMenuArrow();
  systemArrowReserve_ = clipMenuWindow_ ? kArrowReserve : 0;
}

TCustomDvMenuStyler::~TCustomDvMenuStyler() = default;

void TCustomDvMenuStyler::SetMenu(TMenu* menu) {
  menu_ = menu;
  separator_->SetMenu(menu);
  background_->SetMenu(menu);
  iconBar_->SetMenu(menu);
  selectedItem_->SetMenu(menu);
  rootItem_->SetMenu(menu);
  glyphs_->SetMenu(menu);
  sideBar_->SetMenu(menu);
}

void TCustomDvMenuStyler::Assign(const TPersistent* source) {
  if (const auto* styler = dynamic_cast<const TDvMenuStyler*>(source)) {
    separator_->Assign(styler->separator_.get());
    background_->Assign(styler->background_.get());
    iconBar_->Assign(styler->iconBar_.get());
    selectedItem_->Assign(styler->selectedItem_.get());
    rootItem_->Assign(styler->rootItem_.get());
    glyphs_->Assign(styler->glyphs_.get());
    sideBar_->Assign(styler->sideBar_.get());
    font_.Assign(&styler->font_);
    useSystemFont_ = styler->useSystemFont_;
    return;
  }
  TComponent::Assign(source);
}

const TClassInfo& TDvMenuStyler::StaticClassInfo() {
  using S = TDvMenuStyler;
  static const TClassInfo info =
      DefineClassInfo<S, TCustomDvMenuStyler>("TDvMenuStyler", [](auto& b) {
        b.Object("Background", [](S& s) { return &s.Background(); });
        b.Object("IconBar", [](S& s) { return &s.IconBar(); });
        b.Object("SelectedItem", [](S& s) { return &s.SelectedItem(); });
        b.Object("RootItem", [](S& s) { return &s.RootItem(); });
        b.Object("Glyphs", [](S& s) { return &s.Glyphs(); });
        b.Object("SideBar", [](S& s) { return &s.SideBar(); });
        b.Object("Separator", [](S& s) { return &s.Separator(); });
        b.Object("Font", [](S& s) { return &s.Font(); });
        b.Bool("UseSystemFont", &S::UseSystemFont, &S::SetUseSystemFont, true);
        PublishColor<S>(b, "MenuBorderColor", &S::MenuBorderColor, &S::SetMenuBorderColor,
                        kDefaultMenuBorderColor);
      });
  return info;
}
