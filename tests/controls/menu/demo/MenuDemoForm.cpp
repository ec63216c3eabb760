// Before any windows.h: winuser.h would rename the class registry's RegisterClass.
#include "framework/core/TypInfo.h"

#include "tests/controls/menu/demo/MenuDemoForm.h"

#include <algorithm>

#include "controls/menu/DvMenus.h"
#include "controls/menu/MenuControls.h"
#include "controls/menu/styler/DvMenuStylers.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/imagelists/ImageList.h"
#include "framework/win/menus/MenuMessages.h"

#undef RegisterClass

const TClassInfo& TMenuDemoFrm::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TMenuDemoFrm, TForm>("TMenuDemoFrm");
  return info;
}

TMenuDemoFrm::TMenuDemoFrm(TComponent* owner) : TForm(owner) {}

TMenuDemoFrm::~TMenuDemoFrm() {
  if (TDvMainMenu* bar = Bar()) bar->SetWindowHandle(nullptr);
}

void TMenuDemoFrm::Prepare() {
  images_ = &TComponent::Create<TImageList>(*this);
  for (TColor color : kDemoImageColors) {
    TBitmap picture(16, 16);
    picture.Canvas().Brush().SetColor(color);
    picture.Canvas().FillRect(TRect{0, 0, 16, 16});
    images_->AddMasked(picture, clFuchsia);
  }
  Component<TDvPopupMenu>("DemoPopupMenu").SetImages(images_);
  Bar()->SetImages(images_);
  Bar()->SetWindowHandle(Handle());
}

bool TMenuDemoFrm::ShowPreset(const std::string& name) {
  const auto& names = FantasyStyleNames();
  const auto found = std::find(names.begin(), names.end(), name);
  if (found == names.end()) return false;
  Component<TDvMenuFantasyStyler>("DemoStyler")
      .SetStyle(static_cast<TFantasyStyle>(found - names.begin()));
  return true;
}

TDvMainMenu* TMenuDemoFrm::Bar() const {
  return dynamic_cast<TDvMainMenu*>(FindComponent("DemoMainMenu"));
}

void TMenuDemoFrm::WndProc(TMessage& message) {
  TDvMainMenu* bar = Bar();
  LRESULT result = 0;
  if (bar != nullptr &&
      DispatchMenuMessage(*bar, message.Msg, message.WParam, message.LParam, result)) {
    message.Result = result;
    return;
  }
  TForm::WndProc(message);
}

void RegisterMenuDemoClasses() {
  RegisterMenuControls();
  ClassRegistry::Register(TMenuDemoFrm::StaticClassInfo());
}
