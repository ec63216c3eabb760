#include "controls/edit/DvFrameController.h"

#include <algorithm>

#include "controls/edit/DvOldPropReader.h"
#include "controls/edit/DvRegIniFile.h"
#include "controls/edit/FramingNotification.h"
#include "framework/core/Filer.h"
#include "framework/core/TypInfo.h"
#include "framework/win/controls/Controls.h"

TDvFrameController::TDvFrameController(TComponent* owner) : TComponent(owner) {}

TDvFrameController::~TDvFrameController() {
  // The registered controls hear of the destruction through their free notification.
  controls_.reset();
}

// ---- settings ----

void TDvFrameController::SetColor(TColor value) {
  if (value == color_) return;
  if (color_ == focusColor_) focusColor_ = value;
  color_ = value;
  parentColor_ = false;
  PushSettings(fsetColor);
}

void TDvFrameController::SetParentColor(bool value) {
  if (value == parentColor_) return;
  parentColor_ = value;
  PushSettings(fsetParentColor);
  if (!value) PushSettings(fsetColor);
}

void TDvFrameController::SetFlatButtonColor(TColor value) {
  if (value == flatButtonColor_) return;
  flatButtonColor_ = value;
  PushSettings(fsetFlatButtonColor);
}

void TDvFrameController::SetFlatButtons(bool value) {
  if (value == flatButtons_) return;
  flatButtons_ = value;
  PushSettings(fsetFlatButtons);
}

void TDvFrameController::SetDisabledColor(TColor value) {
  if (value == disabledColor_) return;
  disabledColor_ = value;
  PushSettings(fsetDisabledColor);
}

void TDvFrameController::SetFocusColor(TColor value) {
  if (value == focusColor_) return;
  focusColor_ = value;
  PushSettings(fsetFocusColor);
}

void TDvFrameController::SetFrameColor(TColor value) {
  if (value == frameColor_) return;
  frameColor_ = value;
  PushSettings(fsetFrameColor);
}

void TDvFrameController::SetFrameHotColor(TColor value) {
  if (value == frameHotColor_) return;
  frameHotColor_ = value;
  PushSettings(fsetFrameHotColor);
}

void TDvFrameController::SetFrameHotTrack(bool value) {
  if (value == frameHotTrack_) return;
  frameHotTrack_ = value;
  if (value) {
    SetFrameVisible(true);
    if (!IsLoading()) frameSides_ = kAllSides;
  }
  PushSettings(fsetFrameHotTrack);
}

void TDvFrameController::SetFrameHotStyle(TFrameStyle value) {
  if (value == frameHotStyle_) return;
  frameHotStyle_ = value;
  PushSettings(fsetFrameHotStyle);
}

void TDvFrameController::SetFrameSides(TSides value) {
  if (value == frameSides_) return;
  frameSides_ = value;
  PushSettings(fsetFrameSides);
}

void TDvFrameController::SetFrameStyle(TFrameStyle value) {
  if (value == frameStyle_) return;
  frameStyle_ = value;
  PushSettings(fsetFrameStyle);
}

void TDvFrameController::SetFrameVisible(bool value) {
  if (value == frameVisible_) return;
  frameVisible_ = value;
  PushSettings(fsetFrameVisible);
}

void TDvFrameController::SetFramingPreference(TFramingPreference value) {
  if (value == framingPreference_) return;
  framingPreference_ = value;
  PushSettings(fsetFramingPreference);
}

void TDvFrameController::SetRegIniFile(TDvRegIniFile* value) {
  if (value == regIniFile_) return;
  if (regIniFile_ != nullptr) RemoveFreeNotification(regIniFile_);
  regIniFile_ = value;
  if (value != nullptr) FreeNotification(value);
}

// ---- registered controls ----

void TDvFrameController::RegisterControl(TControl* control) {
  if (control == nullptr) return;
  if (!controls_) controls_ = std::make_unique<std::vector<TControl*>>();
  if (std::find(controls_->begin(), controls_->end(), control) != controls_->end()) return;
  controls_->push_back(control);
  // A control destroyed without unregistering must not stay in the list.
  FreeNotification(control);
  if (updateCount_ == 0) PushTo(*control, fsetAll);
}

void TDvFrameController::Replace(TControl& control, TDvFrameController*& reference,
                                 TDvFrameController* controller) {
  if (controller == reference) return;
  if (reference != nullptr) {
    reference->UnregisterControl(&control);
    control.RemoveFreeNotification(reference);
  }
  reference = controller;
  if (controller != nullptr) {
    control.FreeNotification(controller);
    controller->RegisterControl(&control);
  }
}

void TDvFrameController::UnregisterControl(TControl* control) {
  if (!controls_) return;
  controls_->erase(std::remove(controls_->begin(), controls_->end(), control), controls_->end());
  if (controls_->empty()) controls_.reset();
}

void TDvFrameController::LockUpdates() {
  ++updateCount_;
}

void TDvFrameController::UnlockUpdates() {
  --updateCount_;
  if (updateCount_ <= 0) {
    updateCount_ = 0;
    PushSettings(fsetAll);
  }
}

void TDvFrameController::PushSettings(int setting) {
  if (updateCount_ > 0 || !controls_) return;
  const std::vector<TControl*> controls = *controls_;
  for (TControl* control : controls)
    PushTo(*control, setting);
}

void TDvFrameController::CopyProperty(TControl& control, const char* name) {
  const TPropInfo* target = control.ClassInfo().FindProperty(name);
  const TPropInfo* source = ClassInfo().FindProperty(name);
  if (target == nullptr || source == nullptr) return;
  // The text form carries every kind alike (colours by name, sets as [sdLeft, ...]).
  target->SetAsText(control, source->GetAsText(*this));
}

void TDvFrameController::PushTo(TControl& control, int setting) {
  if (auto* notified = dynamic_cast<IFramingNotification*>(&control)) {
    notified->FramingChanged();
    return;
  }
  static const char* const kNames[] = {
      nullptr,           "Color",       "FocusColor", "DisabledColor", "ParentColor",
      "FlatButtonColor", "FlatButtons", "FrameColor", "FrameHotColor", "FrameHotTrack",
      "FrameHotStyle",   "FrameSides",  "FrameStyle", "FrameVisible",  "FramingPreference"};
  if (setting >= fsetColor && setting <= fsetFramingPreference) {
    CopyProperty(control, kNames[setting]);
    return;
  }
  if (setting != fsetAll) return;
  CopyProperty(control, "ParentColor");
  if (!parentColor_) CopyProperty(control, "Color");
  for (const char* name : {"DisabledColor", "FocusColor", "FlatButtonColor", "FlatButtons",
                           "FrameColor", "FrameHotColor", "FrameHotTrack", "FrameHotStyle",
                           "FrameSides", "FrameStyle", "FrameVisible", "FramingPreference"})
    CopyProperty(control, name);
}

// ---- component ----

void TDvFrameController::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TDvFrameController*>(source);
  if (other == nullptr) return TComponent::Assign(source);
  LockUpdates();
  color_ = other->color_;
  parentColor_ = other->parentColor_;
  flatButtonColor_ = other->flatButtonColor_;
  flatButtons_ = other->flatButtons_;
  disabledColor_ = other->disabledColor_;
  focusColor_ = other->focusColor_;
  frameColor_ = other->frameColor_;
  frameHotColor_ = other->frameHotColor_;
  frameHotTrack_ = other->frameHotTrack_;
  frameHotStyle_ = other->frameHotStyle_;
  frameSides_ = other->frameSides_;
  frameStyle_ = other->frameStyle_;
  frameVisible_ = other->frameVisible_;
  framingPreference_ = other->framingPreference_;
  UnlockUpdates();
}

void TDvFrameController::DefineProperties(TFiler& filer) {
  TComponent::DefineProperties(filer);
  TDvOldPropReader::DefineFrameProperties(filer, frameHotTrack_, frameStyle_, frameHotStyle_);
}

void TDvFrameController::Loaded() {
  TComponent::Loaded();
  PushSettings(fsetAll);
}

void TDvFrameController::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == regIniFile_) regIniFile_ = nullptr;
  if (!controls_) return;
  // Compared as components: the control part of a dying control is gone already.
  const auto it = std::find_if(controls_->begin(), controls_->end(), [component](TControl* c) {
    return static_cast<TComponent*>(c) == component;
  });
  if (it != controls_->end()) UnregisterControl(*it);
}
