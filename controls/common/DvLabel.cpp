#include "controls/common/DvLabel.h"

#include "controls/common/DvFonts.h"
#include "controls/edit/DvFrameController.h"
#include "framework/core/Filer.h"

namespace {

// The blink intervals every label shares.
struct SharedBlinkIntervals {
  uint16_t off = 500;
  uint16_t on = 500;
};

SharedBlinkIntervals& BlinkIntervals() {
  static SharedBlinkIntervals shared;
  return shared;
}

// Pixels a border of that style takes from the text on each side it is drawn on.
int BorderInset(TFrameStyleEx style, int bevelWidth) {
  switch (style) {
    case fsFlat:
      return 1;
    case fsGroove:
    case fsBump:
    case fsLowered:
    case fsButtonDown:
    case fsRaised:
    case fsButtonUp:
      return 2;
    case fsStatus:
    case fsPopup:
      return bevelWidth;
    default:
      return 0;
  }
}

}  // namespace

TDvLabel::TDvLabel(TComponent* owner) : TLabel(owner) {
  ControlStyleInclude(csOpaque);
  SetColor(clBtnFace);
  SetParentColor(true);
}

TDvLabel::~TDvLabel() {
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
  Invalidate();
}

void TDvLabel::UseTrueTypeFont() {
  if (!FontIsTrueType(GetFont())) Font()->SetName("Verdana");
}

void TDvLabel::SetBlinking(bool value) {
  if (value == blinking_) return;
  blinking_ = value;
  Repaint();
}

uint16_t TDvLabel::BlinkIntervalOff() const {
  return BlinkIntervals().off;
}

void TDvLabel::SetBlinkIntervalOff(uint16_t value) {
  BlinkIntervals().off = value;
}

uint16_t TDvLabel::BlinkIntervalOn() const {
  return BlinkIntervals().on;
}

void TDvLabel::SetBlinkIntervalOn(uint16_t value) {
  BlinkIntervals().on = value;
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
  TLabel::Loaded();
  if (rotation_ == roNone && angle_ != 0) rotation_ = roFlat;
  if (rotation_ != roNone) UseTrueTypeFont();
}

void TDvLabel::Notification(TComponent* component, TOperation operation) {
  TLabel::Notification(component, operation);
  if (operation == TOperation::opRemove && component == frameController_)
    frameController_ = nullptr;
}

void TDvLabel::DefineProperties(TFiler& filer) {
  TLabel::DefineProperties(filer);
  // Old form data framed labels by sides of their own; the setting is gone.
  filer.DefineProperty(
      "FrameSides", [](TReader&) {}, nullptr, false);
}

// ---- painting ----

TColor TDvLabel::CurrentTextColor() const {
  return flyByActive_ ? flyByColor_ : GetFont().Color();
}

TRect TDvLabel::TextRect() const {
  TRect rect = ClientRect().Inflate(-borderWidth_, -borderWidth_);
  const int inset = BorderInset(borderOuter_, bevelWidth_) + BorderInset(borderInner_, bevelWidth_);
  if ((borderSides_ & SideBit(sdLeft)) != 0) rect.Left += inset;
  if ((borderSides_ & SideBit(sdTop)) != 0) rect.Top += inset;
  if ((borderSides_ & SideBit(sdRight)) != 0) rect.Right -= inset;
  if ((borderSides_ & SideBit(sdBottom)) != 0) rect.Bottom -= inset;
  return rect;
}

UINT TDvLabel::DrawFlags() const {
  UINT flags = DT_EXPANDTABS;
  if (Alignment() == taRightJustify) flags |= DT_RIGHT;
  if (Alignment() == taCenter) flags |= DT_CENTER;
  if (WordWrap()) flags |= DT_WORDBREAK;
  if (!ShowAccelChar()) flags |= DT_NOPREFIX;
  if (condenseCaption_ == ccAtEnd) flags |= DT_END_ELLIPSIS;
  if (condenseCaption_ == ccWithinPath) flags |= DT_PATH_ELLIPSIS;
  return flags;
}

void TDvLabel::DrawLayer(TCanvas& canvas, const TRect& rect, int dx, int dy, TColor color,
                         UINT flags) {
  TRect layer = rect.Offset(dx, dy);
  canvas.Font().SetColor(color);
  canvas.DrawText(GetLabelText(), layer, flags);
}

void TDvLabel::DrawFlatText(TCanvas& canvas) {
  const UINT flags = DrawFlags();
  canvas.Font().Assign(Font());
  TRect rect = TextRect();
  if (Layout() != tlTop) {
    TRect measured = rect;
    canvas.DrawText(GetLabelText(), measured, flags | DT_CALCRECT);
    const int room = Height() - borderWidth_ - measured.Bottom;
    rect = rect.Offset(0, Layout() == tlBottom ? room : room / 2);
  }
  if (textStyle_ == tsShadow) {
    if (Alignment() == taRightJustify) rect = rect.Offset(-shadowDepth_, 0);
    if (Layout() == tlBottom) rect = rect.Offset(0, -shadowDepth_);
  }
  if (!Enabled()) {
    DrawLayer(canvas, rect, 1, 1, clBtnHighlight, flags);
    DrawLayer(canvas, rect, 0, 0, clBtnShadow, flags);
    return;
  }
  switch (textStyle_) {
    case tsRaised:
      if (!lightTextStyle_) DrawLayer(canvas, rect, 1, 1, shadowColor_, flags);
      DrawLayer(canvas, rect, -1, -1, highlightColor_, flags);
      break;
    case tsRecessed:
      DrawLayer(canvas, rect, 1, 1, highlightColor_, flags);
      if (!lightTextStyle_) DrawLayer(canvas, rect, -1, -1, shadowColor_, flags);
      break;
    case tsShadow:
      DrawLayer(canvas, rect, shadowDepth_, shadowDepth_, shadowColor_, flags);
      break;
    case tsNormal:
      break;
  }
  DrawLayer(canvas, rect, 0, 0, CurrentTextColor(), flags);
}

void TDvLabel::Paint() {
  TCanvas& canvas = Canvas();
  if (!Transparent()) {
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(bsSolid);
    canvas.FillRect(ClientRect());
  }
  canvas.Brush().SetStyle(bsClear);
  if (GetLabelText().empty()) return;
  DrawFlatText(canvas);
}
