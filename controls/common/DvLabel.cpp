#include "controls/common/DvLabel.h"

#include "controls/common/DvBlinkList.h"
#include "controls/common/DvColors.h"
#include "controls/common/DvFonts.h"
#include "controls/edit/DvFrameController.h"
#include "framework/core/Filer.h"

TDvLabel::TDvLabel(TComponent* owner) : TLabel(owner) {
  ControlStyleInclude(csOpaque);
  TDvBlinkingControlsList::Join(*this);
  SetColor(clBtnFace);
  SetParentColor(true);
}

TDvLabel::~TDvLabel() {
  TDvBlinkingControlsList::Leave(*this);
  if (frameController_ != nullptr) frameController_->UnregisterControl(this);
}

// ---- settings ----

void TDvLabel::SetAngle(int value) {
  const int normalized = ((value % 360) + 360) % 360;
  if (normalized == angle_) return;
  angle_ = normalized;
  if (!IsLoading() && angle_ != 0) UseTrueTypeFont();
  // Rotating needs a rotation kind; the setter would put the angle back to 0.
  if (angle_ != 0 && rotation_ == roNone) rotation_ = roFlat;
  AdjustBounds();
  Invalidate();
}

void TDvLabel::SetRotation(TRotation value) {
  if (value == rotation_) return;
  if (!IsLoading() && value != roNone) UseTrueTypeFont();
  if (value == roNone) angle_ = 0;
  if (value == roFlat) {
    angle_ = 0;
    centerPoint_ = cpCenter;
  }
  rotation_ = value;
  AdjustBounds();
  Invalidate();
}

void TDvLabel::UseTrueTypeFont() {
  if (!FontIsTrueType(GetFont())) Font()->SetName("Verdana");
}

void TDvLabel::SetBlinking(bool value) {
  if (value == blinking_) return;
  blinking_ = value;
  // Stopping shows the font colour at once; starting waits for the next shared phase.
  blinkPhase_ = false;
  Repaint();
}

// The list lives as long as any label, so a label always finds it.
uint16_t TDvLabel::BlinkIntervalOff() const {
  return TDvBlinkingControlsList::Instance()->IntervalOff();
}

void TDvLabel::SetBlinkIntervalOff(uint16_t value) {
  TDvBlinkingControlsList::Instance()->SetIntervalOff(value);
}

uint16_t TDvLabel::BlinkIntervalOn() const {
  return TDvBlinkingControlsList::Instance()->IntervalOn();
}

void TDvLabel::SetBlinkIntervalOn(uint16_t value) {
  TDvBlinkingControlsList::Instance()->SetIntervalOn(value);
}

void TDvLabel::SetCondenseCaption(TDvCondenseCaption value) {
  if (value == condenseCaption_) return;
  condenseCaption_ = value;
  if (value != ccNone) SetAutoSize(false);
  Invalidate();
}

void TDvLabel::SetFlyByEnabled(bool value) {
  if (value == flyByEnabled_) return;
  flyByEnabled_ = value;
  if (!value && flyByActive_) {
    flyByActive_ = false;
    Invalidate();
  }
}

void TDvLabel::SetFrameController(TDvFrameController* controller) {
  TDvFrameController::Replace(*this, frameController_, controller);
}

void TDvLabel::FramingChanged() {
  if (frameController_ == nullptr || !frameController_->FrameVisible()) return;
  borderOuter_ = frameController_->FrameStyle();
  borderSides_ = frameController_->FrameSides();
  flatColor_ = frameController_->FrameColor();
  flatColorAdjustment_ = 0;
  SetColor(frameController_->Color());
  SetParentColor(frameController_->ParentColor());
  borderHighlight_ = LightenColorBy(Color(), 100);
  borderShadow_ = DarkenColorBy(Color(), 50);
  AdjustBounds();
  Invalidate();
}

// ---- events ----

void TDvLabel::MouseEnter() {
  if (!IsDesigning() && flyByEnabled_) {
    flyByActive_ = true;
    Invalidate();
  }
  TLabel::MouseEnter();
}

void TDvLabel::MouseLeave() {
  if (flyByActive_) {
    flyByActive_ = false;
    Invalidate();
  }
  TLabel::MouseLeave();
}

void TDvLabel::FontChanged() {
  TLabel::FontChanged();
  // Only TrueType fonts rotate.
  if (!IsLoading() && angle_ != 0 && !FontIsTrueType(GetFont())) angle_ = 0;
}

void TDvLabel::Loaded() {
  if (rotation_ == roNone && angle_ != 0) rotation_ = roFlat;
  TLabel::Loaded();
  if (rotation_ != roNone) UseTrueTypeFont();
  if (IsDesigning()) Invalidate();
}

void TDvLabel::Notification(TComponent* component, TOperation operation) {
  TLabel::Notification(component, operation);
  if (operation == TOperation::opRemove && component == frameController_)
    frameController_ = nullptr;
}

void TDvLabel::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_DVBLINKING:
      message.Result = blinking_ ? 1 : 0;
      return;
    case CM_DVBLINKPHASE:
      if (blinking_) {
        blinkPhase_ = message.WParam != 0;
        Repaint();
      }
      return;
    default:
      TLabel::WndProc(message);
  }
}

void TDvLabel::DefineProperties(TFiler& filer) {
  TLabel::DefineProperties(filer);
  // Old form data framed labels by sides of their own; the setting is gone.
  filer.DefineProperty(
      "FrameSides", [](TReader&) {}, nullptr, false);
}
