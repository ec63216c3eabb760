#include "tests/framework/win/forms/TestForm.h"

#include "framework/win/menus/Menus.h"
#include "framework/win/platform/Timers.h"

const TClassInfo& TTestRootForm::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TTestRootForm, TComponent>("TTestRootForm");
  return info;
}

TTestRootForm::TTestRootForm(TComponent* owner) : TComponent(owner) {
  methods_.Add("TimerTick", this, &TTestRootForm::TimerTick);
  methods_.Add("ItemClick", this, &TTestRootForm::ItemClick);
  methods_.Add("MenuPopup", this, &TTestRootForm::MenuPopup);
}

static std::string NameOf(TObject* sender) {
  auto* component = dynamic_cast<TComponent*>(sender);
  return component != nullptr ? component->Name() : "?";
}

void TTestRootForm::TimerTick(TObject* sender) {
  log.push_back("TimerTick:" + NameOf(sender));
}

void TTestRootForm::ItemClick(TObject* sender) {
  log.push_back("ItemClick:" + NameOf(sender));
}

void TTestRootForm::MenuPopup(TObject* sender) {
  log.push_back("MenuPopup:" + NameOf(sender));
}

void TTestRootForm::GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) const {
  for (int i = 0; i < ComponentCount(); ++i)
    if (!Components(i)->HasParent()) proc(Components(i));
}

// The class registry's function, not winuser.h's RegisterClassA.
#undef RegisterClass

void RegisterTestRootClasses() {
  ClassRegistry::Register(TTestRootForm::StaticClassInfo());
  RegisterTimerClasses();
  RegisterMenuClasses();
}
