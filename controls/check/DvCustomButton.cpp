#include "controls/check/DvCustomButton.h"

#include "controls/common/core/DvTextLayers.h"
#include "framework/win/platform/Themes.h"

const std::vector<std::string>& AlignmentVerticalNames() {
  static const std::vector<std::string> names = {"avTop", "avCenter", "avBottom"};
  return names;
}

const std::vector<std::string>& DvHotTrackColorTypeNames() {
  static const std::vector<std::string> names = {"htctComplement", "htctActual"};
  return names;
}

TDvCustomButton::TDvCustomButton(TComponent* owner) : TCustomControl(owner) {
  // Clicks come from state changes only, never from the mouse by themselves.
  SetControlStyle(csCaptureMouse | csSetCaption | csDoubleClicks | csReplicatable);
  StoreBounds(0, 0, 115, 17);
  SetTabStop(true);
}

TDvCustomButton::~TDvCustomButton() = default;

void TDvCustomButton::SetTransparent(bool value) {
  SetAndRepaint(transparent_, value);
}

void TDvCustomButton::SetPressedLook(bool value) {
  if (value == pressedLook_) return;
  pressedLook_ = value;
  Repaint();
}

// ---- mouse ----

void TDvCustomButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  // A drag begun at once by OnMouseDown has already ended the press as a release outside.
  if ((ControlState() & csLButtonDown) == 0) return;
  if (CanFocus() && !Focused()) SetFocus();
  // A refused focus change leaves the press untracked.
  if (!Focused()) return;
  pressedLook_ = true;
  Repaint();
  tracking_ = true;
}

void TDvCustomButton::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (tracking_) SetPressedLook(ClientRect().Contains({x, y}));
}

void TDvCustomButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  if (button != mbLeft || !tracking_) return;
  tracking_ = false;
  pressedLook_ = false;
  if (ClientRect().Contains({x, y})) ButtonActivated();
  Repaint();
}

void TDvCustomButton::InvalidateHotRect() {
  if (!HandleAllocated()) return;
  if (hotTrack_ || ThemesActive()) {
    const RECT rect = ToRECT(HotRect());
    InvalidateRect(HandleIfAllocated(), &rect, FALSE);
  }
}

void TDvCustomButton::MouseEnter() {
  if (IsDesigning()) return;
  mouseOver_ = true;
  TCustomControl::MouseEnter();
  InvalidateHotRect();
}

void TDvCustomButton::MouseLeave() {
  mouseOver_ = false;
  TCustomControl::MouseLeave();
  InvalidateHotRect();
}

// ---- caption ----

void TDvCustomButton::DrawCaption(TCanvas& canvas, const TRect& rect, UINT flags) {
  TRect measured = rect;
  canvas.DrawText(Caption(), measured, flags | DT_CALCRECT);
  TRect place = rect;
  if (alignmentVertical_ == avCenter) place.Top += (rect.Height() - measured.Height()) / 2;
  if (alignmentVertical_ == avBottom) place.Top = rect.Bottom - 1 - measured.Height();
  canvas.Brush().SetStyle(bsClear);
  const TTextLayerLook look{textStyle_, lightTextStyle_, textHighlightColor_, textShadowColor_,
                            textShadowDepth_};
  const std::string caption = Caption();
  DrawTextLayers(look, Enabled(), GetFont().Color(), [&](int dx, int dy, TColor color) {
    TRect layer = place.Offset(dx, dy);
    canvas.Font().SetColor(color);
    canvas.DrawText(caption, layer, flags);
  });
}
