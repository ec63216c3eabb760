// The base of the self-drawn buttons: caption drawing with text effects, tracking of a left press
// (pressed look while the pointer stays inside, activation on a release inside), and hot
// tracking (the mouse over the control).
#pragma once

#include "controls/common/DvCommonTypes.h"
#include "framework/win/controls/CustomControl.h"

enum TAlignmentVertical { avTop, avCenter, avBottom };
enum TDvHotTrackColorType { htctComplement, htctActual };

const std::vector<std::string>& AlignmentVerticalNames();
const std::vector<std::string>& DvHotTrackColorTypeNames();

class TDvCustomButton : public TCustomControl {
  DV_CLASS(TDvCustomButton)
 public:
  explicit TDvCustomButton(TComponent* owner);
  ~TDvCustomButton() override;

  TAlignmentVertical AlignmentVertical() const { return alignmentVertical_; }
  void SetAlignmentVertical(TAlignmentVertical value) { SetAndRepaint(alignmentVertical_, value); }
  bool HotTrack() const { return hotTrack_; }
  void SetHotTrack(bool value) { SetAndRepaint(hotTrack_, value); }
  TColor HotTrackColor() const { return hotTrackColor_; }
  void SetHotTrackColor(TColor value) { SetAndRepaint(hotTrackColor_, value); }
  TDvHotTrackColorType HotTrackColorType() const { return hotTrackColorType_; }
  void SetHotTrackColorType(TDvHotTrackColorType value) {
    SetAndRepaint(hotTrackColorType_, value);
  }
  TColor HighlightColor() const { return highlightColor_; }
  void SetHighlightColor(TColor value) { SetAndRepaint(highlightColor_, value); }
  bool LightTextStyle() const { return lightTextStyle_; }
  void SetLightTextStyle(bool value) { SetAndRepaint(lightTextStyle_, value); }
  TTextStyle TextStyle() const { return textStyle_; }
  void SetTextStyle(TTextStyle value) { SetAndRepaint(textStyle_, value); }
  TColor TextHighlightColor() const { return textHighlightColor_; }
  void SetTextHighlightColor(TColor value) { SetAndRepaint(textHighlightColor_, value); }
  TColor TextShadowColor() const { return textShadowColor_; }
  void SetTextShadowColor(TColor value) { SetAndRepaint(textShadowColor_, value); }
  int TextShadowDepth() const { return textShadowDepth_; }
  void SetTextShadowDepth(int value) { SetAndRepaint(textShadowDepth_, value); }
  bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool value);

  bool MouseOver() const { return mouseOver_; }
  bool PressedLook() const { return pressedLook_; }
  bool Tracking() const { return tracking_; }

 protected:
  // A press and release inside the control (or its keyboard equivalent) happened.
  virtual void ButtonActivated() { Click(); }
  // The area redrawn when only the hot look changes (the whole control by default).
  virtual TRect HotRect() const { return ClientRect(); }
  void SetPressedLook(bool value);
  // Draws the caption into rect with the text style (or the disabled look), never filling the
  // background; flags are DrawText's.
  void DrawCaption(TCanvas& canvas, const TRect& rect, UINT flags);

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;

  template <class T>
  void SetAndRepaint(T& field, T value) {
    if (field == value) return;
    field = value;
    Invalidate();
  }

 private:
  void InvalidateHotRect();

  TAlignmentVertical alignmentVertical_ = avCenter;
  bool tracking_ = false;
  bool hotTrack_ = false;
  TColor hotTrackColor_ = clHighlight;
  TDvHotTrackColorType hotTrackColorType_ = htctComplement;
  TColor highlightColor_ = clHighlight;
  bool lightTextStyle_ = false;
  TTextStyle textStyle_ = tsNormal;
  TColor textHighlightColor_ = clBtnHighlight;
  TColor textShadowColor_ = clBtnShadow;
  int textShadowDepth_ = 2;
  bool mouseOver_ = false;
  bool transparent_ = false;
  bool pressedLook_ = false;
};
