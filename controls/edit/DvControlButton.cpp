#include "controls/edit/DvControlButton.h"

#include <vsstyle.h>

#include <algorithm>

#include "controls/common/DvArrows.h"
#include "controls/common/DvBorders.h"
#include "controls/common/DvGrafx.h"
#include "controls/common/core/DvGeometry.h"
#include "framework/win/forms/Application.h"
#include "framework/win/platform/SystemTimer.h"
#include "framework/win/controls/WinControl.h"
#include "framework/win/platform/Themes.h"

const std::vector<std::string>& DvControlButtonStyleNames() {
  static const std::vector<std::string> names = {"cbsNone",  "cbsLeft", "cbsUp",
                                                 "cbsRight", "cbsDown", "cbsDropDown"};
  return names;
}

TDvControlButton::TDvControlButton(TComponent* owner)
    : TGraphicControl(owner), glyph_(std::make_unique<TStoredBitmap>()) {
  // The button decides itself what a click is.
  SetControlStyle(csCaptureMouse);
  StoreBounds(0, 0, 17, 21);
  SetColor(clBtnFace);
  glyph_->OnChange = [this](TObject*) { OwnGlyphChanged(); };
}

TDvControlButton::~TDvControlButton() {
  StopRepeat();
  glyph_->OnChange.Clear();
}

// ---- properties ----

void TDvControlButton::SetFlat(bool value) {
  if (value == flat_) return;
  flat_ = value;
  Repaint();
}

void TDvControlButton::SetNumGlyphs(int value) {
  value = std::clamp(value, 1, 4);
  if (value == numGlyphs_) return;
  numGlyphs_ = value;
  Invalidate();
}

void TDvControlButton::SetStyle(TDvControlButtonStyle value) {
  if (value == style_) return;
  style_ = value;
  Invalidate();
}

void TDvControlButton::OwnGlyphChanged() {
  const int width = glyph_->Width();
  const int height = glyph_->Height();
  if (height != 0 && width % height == 0) {
    const int cells = width / height;
    numGlyphs_ = cells < 5 && cells > 0 ? cells : 1;
  }
  Invalidate();
}

// ---- press, release and repeat ----

unsigned TDvControlButton::RepeatInterval() const {
  return repeatTimer_ && repeatTimer_->Running() ? repeatInterval_ : 0;
}

void TDvControlButton::StartRepeat(unsigned interval) {
  if (!repeatTimer_)
    repeatTimer_ = std::make_unique<TSystemTimer>([this] { RepeatTimerTick(); }, this);
  repeatInterval_ = interval;
  repeatTimer_->Start(interval);
}

void TDvControlButton::StopRepeat() noexcept {
  if (repeatTimer_) repeatTimer_->Stop();
  repeatInterval_ = 0;
}

void TDvControlButton::RepeatTimerTick() {
  StartRepeat(delay_);
  if (!pressed_ || !MouseCapture()) return;
  try {
    Click();
  } catch (...) {
    StopRepeat();
    throw;
  }
}

void TDvControlButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  // The holder's handler may cancel the press (a focus change that was refused).
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  tracking_ = true;
  if (!pressed_) {
    pressed_ = true;
    Repaint();
  }
  if (repeatClicks_) StartRepeat(initialDelay_);
}

void TDvControlButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  struct StopOnExit {
    TDvControlButton& button;
    ~StopOnExit() { button.StopRepeat(); }
  } stop{*this};
  TGraphicControl::MouseUp(button, shift, x, y);
  // The release of any button ends a press that the left button began.
  if (!tracking_) return;
  tracking_ = false;
  pressed_ = false;
  mouseOver_ = false;
  Repaint();
  if (ClientRect().Contains({x, y})) Click();
  SyncHotStateWithCursor();
}

void TDvControlButton::SyncHotStateWithCursor() {
  if (!(flat_ || ThemesActive()) || !Enabled()) return;
  POINT cursor{};
  if (!GetCursorPos(&cursor)) return;
  if (TApplication::ControlAtScreenPoint(cursor) == this)
    Perform(CM_MOUSEENTER);
  else
    Perform(CM_MOUSELEAVE);
}

void TDvControlButton::MouseEnter() {
  if (IsDesigning()) return;
  mouseOver_ = true;
  TGraphicControl::MouseEnter();
  if (flat_ || ThemesActive()) Repaint();
}

void TDvControlButton::MouseLeave() {
  mouseOver_ = false;
  TGraphicControl::MouseLeave();
  if (flat_ || ThemesActive()) Repaint();
}

// ---- painting ----

bool TDvControlButton::IsHot() const {
  return pressed_ || (mouseOver_ && Enabled()) || IsDesigning();
}

void TDvControlButton::PaintFace(TCanvas& canvas, TRect& rect) {
  TColor fill = Color();
  if (flat_) {
    if (IsHot()) rect = PaintStyledBorder(canvas, rect, pressed_ ? fsStatus : fsPopup);
  } else {
    if (pressed_)
      rect = PaintBevel(canvas, rect, clBtnShadow, kAllSides, 1, clBtnShadow);
    else
      rect = PaintStyledBorder(canvas, rect, fsButtonUp);
    fill = clBtnFace;
  }
  canvas.Brush().SetColor(fill);
  canvas.FillRect(rect);
}

bool TDvControlButton::PaintThemedFace(TCanvas& canvas, TRect& rect) {
  if (flat_ && !IsHot()) {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(rect);
    rect = rect.Inflate(-2, -2);
    return false;
  }
  // Every part this button draws numbers its states alike: normal 1, hot 2, pressed 3,
  // disabled 4.
  int state = UPS_NORMAL;
  if (pressed_)
    state = UPS_PRESSED;
  else if (IsHot())
    state = UPS_HOT;
  else if (!Enabled())
    state = UPS_DISABLED;
  const HWND window = Parent() != nullptr ? Parent()->HandleIfAllocated() : nullptr;
  const HDC dc = canvas.Handle();
  bool drawn = false;
  if (style_ == cbsNone) {
    // The thumb is drawn a pixel larger all round, so that its outer edge is cut off.
    const ThemeData theme(window, L"SCROLLBAR");
    const RECT clip = ToRECT(rect);
    drawn = theme.DrawBackground(dc, SBP_THUMBBTNHORZ, state, ToRECT(rect.Inflate(1, 1)), &clip);
  } else {
    int part = SPNP_UP;
    if (style_ == cbsDown) part = SPNP_DOWN;
    if (style_ == cbsRight) part = SPNP_UPHORZ;
    if (style_ == cbsLeft) part = SPNP_DOWNHORZ;
    const ThemeData theme(window, L"SPIN");
    drawn = theme.DrawBackground(dc, part, state, ToRECT(rect));
  }
  if (!drawn) {
    // No theme to draw with after all: the plain face.
    PaintFace(canvas, rect);
    return false;
  }
  rect = rect.Inflate(-2, -2);
  return style_ != cbsNone;
}

void TDvControlButton::PaintGlyph(TCanvas& canvas, const TRect& rect) {
  const int cellWidth = glyph_->Width() / numGlyphs_;
  const int cellHeight = glyph_->Height();
  if (cellWidth <= 0 || cellHeight <= 0) return;
  TRect target = RectCenteredIn(rect.Inflate(-1, -1), cellWidth, cellHeight);
  // A themed face shows its press without moving down.
  if (pressed_) target = target.Offset(1, ThemesActive() ? 0 : 1);
  const int cell = numGlyphs_ >= 2 && !Enabled() ? 1 : 0;
  const TRect source{cell * cellWidth, 0, (cell + 1) * cellWidth, cellHeight};
  const TColor transparent = glyph_->Canvas().Pixel(0, cellHeight - 1);
  // What is painted already shows through the glyph's transparent pixels.
  TBitmap work(cellWidth, cellHeight);
  work.Canvas().CopyRect({0, 0, cellWidth, cellHeight}, canvas, target);
  PaintMaskedBitmap(work.Canvas(), *glyph_, {0, 0, cellWidth, cellHeight}, transparent, source);
  canvas.CopyRect(target, work.Canvas(), {0, 0, cellWidth, cellHeight});
}

void TDvControlButton::Paint() {
  TCanvas& canvas = Canvas();
  TRect rect = ClientRect();
  const bool themed = ThemesActive();
  // A theme's spin part brings its own arrow.
  bool elementDrawn = false;
  if (themed)
    elementDrawn = PaintThemedFace(canvas, rect);
  else
    PaintFace(canvas, rect);
  if (style_ == cbsNone) {
    if (!glyph_->Empty()) PaintGlyph(canvas, rect);
    return;
  }
  if (elementDrawn || style_ == cbsDropDown) return;
  int direction = adUp;
  if (style_ == cbsDown) direction = adDown;
  if (style_ == cbsLeft) direction = adLeft;
  if (style_ == cbsRight) direction = adRight;
  PaintSpinArrow(canvas, rect, themed, Enabled(), pressed_, direction);
}
