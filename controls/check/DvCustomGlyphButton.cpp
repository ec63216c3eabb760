#include "controls/check/DvCustomGlyphButton.h"

#include <algorithm>

#include "controls/check/DvCheckedActionLink.h"
#include "controls/common/DvBorders.h"
#include "controls/common/DvColors.h"
#include "controls/common/DvGrafx.h"
#include "controls/edit/DvFrameController.h"
#include "framework/core/ScopedFlag.h"
#include "framework/core/SysUtils.h"
#include "framework/win/platform/Themes.h"

TDvCustomGlyphButton::TDvCustomGlyphButton(TComponent* owner)
    : TDvCustomButton(owner), customGlyphs_(std::make_unique<TStoredBitmap>()) {
  ControlStyleInclude(csSetCaption | csReplicatable);
  customGlyphs_->OnChange = [this](TObject*) { CustomGlyphsChanged(); };
}

TDvCustomGlyphButton::~TDvCustomGlyphButton() {
  DestroyHandle();
  customGlyphs_->OnChange.Clear();
  if (frameController_ != nullptr) frameController_->UnregisterControl(this);
}

// ---- glyph ----

void TDvCustomGlyphButton::SetUseCustomGlyphs(bool value) {
  if (value == useCustomGlyphs_) return;
  useCustomGlyphs_ = value;
  UpdateGlyphSize();
  Invalidate();
}

void TDvCustomGlyphButton::UpdateGlyphSize() {
  if (useCustomGlyphs_ && glyphCells_ > 0 && !customGlyphs_->Empty()) {
    glyphWidth_ = customGlyphs_->Width() / glyphCells_;
    glyphHeight_ = customGlyphs_->Height();
  } else {
    glyphWidth_ = 13;
    glyphHeight_ = 13;
  }
}

void TDvCustomGlyphButton::CustomGlyphsChanged() {
  useCustomGlyphs_ = !customGlyphs_->Empty();
  UpdateGlyphSize();
  backgroundStale_ = true;
  Invalidate();
}

TAlignment TDvCustomGlyphButton::CaptionSide() const {
  return BiDiAlignment(alignment_);
}

TRect TDvCustomGlyphButton::GlyphRect() const {
  const int x = CaptionSide() == taRightJustify ? 0 : Width() - glyphWidth_;
  int y = 2;
  if (AlignmentVertical() == avCenter) y = (Height() - glyphHeight_) / 2;
  if (AlignmentVertical() == avBottom) y = Height() - glyphHeight_ - 2;
  return Bounds(x, y, glyphWidth_, glyphHeight_);
}

TRect TDvCustomGlyphButton::CaptionRect() const {
  TRect rect = ClientRect().Inflate(-1, -1);
  if (CaptionSide() == taRightJustify)
    rect.Left += glyphWidth_ + 4;
  else
    rect.Right -= glyphWidth_ + 4;
  return rect;
}

TColor TDvCustomGlyphButton::AvoidMaskColors(TColor color) const {
  const TColor rgb = ColorToRGB(color);
  if (rgb == ColorToRGB(transparentColor_) || rgb == ColorToRGB(winMaskColor_) || rgb == clGray)
    return rgb + 1;
  return color;
}

TDvCustomGlyphButton::THotTrackColors TDvCustomGlyphButton::HotTrackGlyphColors() const {
  if (!Enabled()) return {disabledColor_, disabledColor_, disabledColor_, clBtnShadow};
  const TColor mark = AvoidMaskColors(HighlightColor());
  // With 256 colours or fewer the shades would dither: the bands stay in the window colour.
  TColor light = clWindow;
  TColor dark = clWindow;
  TColor pressed = clWindow;
  if (ScreenHasFullColor()) {
    const bool actual = HotTrackColorType() == htctActual;
    const TColor tone = actual ? HotTrackColor() : OppositeHueColor(HotTrackColor(), 180);
    light = actual ? LightenColorBy(HotTrackColor(), 30) : tone;
    dark = DarkenColorBy(tone, 30);
    pressed = DarkenColorBy(clWindow, 20);
  }
  if (PressedLook()) return {pressed, pressed, pressed, mark};
  if (MouseOver()) return {clWindow, light, dark, mark};
  return {clWindow, clWindow, clWindow, mark};
}

void TDvCustomGlyphButton::DrawStateGlyph(TCanvas& canvas) {
  const TRect glyph = GlyphRect();
  const TRect cell{0, 0, glyphWidth_, glyphHeight_};
  TBitmap state(glyphWidth_, glyphHeight_);
  BuildStateImage(state);
  TBitmap composed(glyphWidth_, glyphHeight_);
  if (Transparent()) {
    composed.Canvas().CopyRect(cell, canvas, glyph);
    PaintMaskedBitmap(composed.Canvas(), state, cell,
                      ThemesActive() ? clBtnFace : transparentColor_, cell);
  } else {
    composed.Canvas().Brush().SetColor(Color());
    composed.Canvas().BrushCopy(cell, state, cell, transparentColor_);
  }
  TBitmap windowColored(glyphWidth_, glyphHeight_);
  windowColored.Canvas().Brush().SetColor(clWindow);
  windowColored.Canvas().BrushCopy(cell, composed, cell, winMaskColor_);
  TBitmap framed(glyphWidth_, glyphHeight_);
  framed.Canvas().Brush().SetColor(MixColors(frameColor_, canvas.Pixel(0, 0), 128));
  framed.Canvas().BrushCopy(cell, windowColored, cell, clGreen);
  canvas.CopyRect(glyph, framed.Canvas(), cell);
}

// ---- painting ----

void TDvCustomGlyphButton::RebuildBackground() {
  const int width = std::max(Width(), 1);
  const int height = std::max(Height(), 1);
  background_.SetSize(width, height);
  TCanvas& canvas = background_.Canvas();
  if (Transparent()) {
    PaintParentBackground(*this, canvas.Handle(), false);
  } else {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect({0, 0, width, height});
  }
  backgroundStale_ = false;
}

void TDvCustomGlyphButton::Paint() {
  const int width = Width();
  const int height = Height();
  if (width <= 0 || height <= 0) return;
  if (backgroundStale_) RebuildBackground();
  // Everything is drawn off-screen and copied in one go.
  TBitmap offscreen(width, height);
  TCanvas& draw = offscreen.Canvas();
  draw.Font().Assign(Font());
  draw.Brush().SetColor(Color());
  draw.CopyRect({0, 0, width, height}, background_.Canvas(), {0, 0, width, height});
  DrawStateGlyph(draw);
  const TRect caption = CaptionRect();
  // Right-to-left modes read the caption right to left; a flipped alignment also sets it, and its
  // focus rectangle, against the right edge.
  const UINT flags = DrawTextBiDiModeFlags(DT_WORDBREAK | DT_EXPANDTABS);
  DrawCaption(draw, caption, flags);
  if (Focused() && !Caption().empty()) {
    TRect focus = caption.Inflate(1, 1);
    const int width = std::min(focus.Width(), draw.TextWidth(TrimSpaces(Caption())) + 3);
    if ((flags & DT_RIGHT) != 0)
      focus.Left = focus.Right - width;
    else
      focus.Right = focus.Left + width;
    PaintDottedFocus(draw, focus);
  }
  Canvas().CopyRect({0, 0, width, height}, draw, {0, 0, width, height});
}

// ---- messages ----

void TDvCustomGlyphButton::SetTransparent(bool value) {
  if (value == Transparent()) return;
  backgroundStale_ = true;
  TDvCustomButton::SetTransparent(value);
}

void TDvCustomGlyphButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      // Paint covers the whole control from the background cache.
      backgroundStale_ = true;
      message.Result = 1;
      return;
    case CM_ENABLEDCHANGED:
    case CM_PARENTCOLORCHANGED:
    case CM_COLORCHANGED:
      backgroundStale_ = true;
      TDvCustomButton::WndProc(message);
      return;
    case CM_TEXTCHANGED:
      TDvCustomButton::WndProc(message);
      Repaint();
      return;
    default:
      TDvCustomButton::WndProc(message);
  }
}

void TDvCustomGlyphButton::Resize() {
  backgroundStale_ = true;
  TDvCustomButton::Resize();
}

void TDvCustomGlyphButton::KeyPress(char& key) {
  TDvCustomButton::KeyPress(key);
  if (key == '\r' && tabOnEnter_) {
    key = 0;
    if (HandleAllocated()) PostMessageA(HandleIfAllocated(), WM_KEYDOWN, VK_TAB, 0);
  }
}

// ---- action ----

void TDvCustomGlyphButton::SetCheckedFromAction(bool value) {
  ScopedFlag updating(actionUpdating_);
  SetChecked(value);
}

bool TDvCustomGlyphButton::StoresChecked() const {
  return ActionLink() == nullptr || !ActionLink()->IsCheckedLinked();
}

std::unique_ptr<TControlActionLink> TDvCustomGlyphButton::CreateActionLink() {
  return std::make_unique<TDvCheckedActionLink>(*this);
}

void TDvCustomGlyphButton::ActionChange(TObject* sender, bool checkDefaults) {
  TDvCustomButton::ActionChange(sender, checkDefaults);
  const auto* action = dynamic_cast<const TCustomAction*>(sender);
  if (action == nullptr) return;
  // Taking the action's state is no click: assigning an action must not run it.
  if (!checkDefaults || !Checked()) SetCheckedFromAction(action->Checked());
}

// ---- frame controller ----

void TDvCustomGlyphButton::SetFrameController(TDvFrameController* controller) {
  TDvFrameController::Replace(*this, frameController_, controller);
}

void TDvCustomGlyphButton::FramingChanged() {
  if (frameController_ == nullptr || !frameController_->FrameVisible()) return;
  frameColor_ = frameController_->FrameColor();
  disabledColor_ = frameController_->DisabledColor();
  Invalidate();
}

void TDvCustomGlyphButton::Notification(TComponent* component, TOperation operation) {
  TDvCustomButton::Notification(component, operation);
  if (operation == TOperation::opRemove && component == frameController_)
    frameController_ = nullptr;
}
