// The label: the framework label with borders, raised, recessed and shadowed text, text turned by
// an angle or laid along an arc, an ellipsis rule, a colour while the mouse passes over it and
// blinking in step with every other blinking label (the shared blink list).
#pragma once

#include <cstdint>

#include "controls/common/DvCommonTypes.h"
#include "controls/common/DvLayeredBorders.h"
#include "controls/common/core/DvTextLayers.h"
#include "controls/edit/FramingNotification.h"
#include "framework/win/stdctrls/Label.h"

class TDvFrameController;

enum TDvCondenseCaption { ccNone, ccAtEnd, ccWithinPath };
enum TCenterPoint {
  cpUpperLeft,
  cpUpperCenter,
  cpUpperRight,
  cpLeftCenter,
  cpCenter,
  cpRightCenter,
  cpLowerLeft,
  cpLowerCenter,
  cpLowerRight
};
enum TRotation { roNone, roFlat, roCurve };

const std::vector<std::string>& DvCondenseCaptionNames();
const std::vector<std::string>& CenterPointNames();
const std::vector<std::string>& RotationNames();

class TDvLabel : public TLabel, public IFramingNotification {
  DV_CLASS(TDvLabel)
 public:
  explicit TDvLabel(TComponent* owner);
  ~TDvLabel() override;

  int Angle() const { return angle_; }
  // Kept in 0..359 (negative values count back from 360); a non-zero angle rotates the text
  // (roFlat) and needs a TrueType font ("Verdana" replaces another).
  void SetAngle(int value);
  bool Blinking() const { return blinking_; }
  void SetBlinking(bool value);
  TColor BlinkColor() const { return blinkColor_; }
  void SetBlinkColor(TColor value) { SetAndInvalidate(blinkColor_, value); }
  // Shared by every label: setting them on one changes them for all.
  uint16_t BlinkIntervalOff() const;
  void SetBlinkIntervalOff(uint16_t value);
  uint16_t BlinkIntervalOn() const;
  void SetBlinkIntervalOn(uint16_t value);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value) { SetAndResize(bevelWidth_, value); }
  TFrameStyleEx BorderInner() const { return borderInner_; }
  void SetBorderInner(TFrameStyleEx value) { SetAndResize(borderInner_, value); }
  TFrameStyleEx BorderOuter() const { return borderOuter_; }
  void SetBorderOuter(TFrameStyleEx value) { SetAndResize(borderOuter_, value); }
  TSides BorderSides() const { return borderSides_; }
  void SetBorderSides(TSides value) { SetAndResize(borderSides_, value); }
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value) { SetAndInvalidate(borderColor_, value); }
  TColor BorderHighlight() const { return borderHighlight_; }
  void SetBorderHighlight(TColor value) { SetAndInvalidate(borderHighlight_, value); }
  TColor BorderShadow() const { return borderShadow_; }
  void SetBorderShadow(TColor value) { SetAndInvalidate(borderShadow_, value); }
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value) { SetAndResize(borderWidth_, value); }
  TDvCondenseCaption CondenseCaption() const { return condenseCaption_; }
  // An ellipsis rule switches AutoSize off.
  void SetCondenseCaption(TDvCondenseCaption value);
  TColor FlatColor() const { return flatColor_; }
  void SetFlatColor(TColor value) { SetAndInvalidate(flatColor_, value); }
  int FlatColorAdjustment() const { return flatColorAdjustment_; }
  void SetFlatColorAdjustment(int value) { SetAndInvalidate(flatColorAdjustment_, value); }
  TDvFrameController* FrameController() const { return frameController_; }
  void SetFrameController(TDvFrameController* controller);
  TCenterPoint CenterPoint() const { return centerPoint_; }
  void SetCenterPoint(TCenterPoint value) { SetAndInvalidate(centerPoint_, value); }
  TColor FlyByColor() const { return flyByColor_; }
  void SetFlyByColor(TColor value) { SetAndInvalidate(flyByColor_, value); }
  bool FlyByEnabled() const { return flyByEnabled_; }
  void SetFlyByEnabled(bool value);
  bool LightTextStyle() const { return lightTextStyle_; }
  void SetLightTextStyle(bool value) { SetAndInvalidate(lightTextStyle_, value); }
  TRotation Rotation() const { return rotation_; }
  // roNone and roFlat put Angle back to 0 (roFlat also CenterPoint to cpCenter).
  void SetRotation(TRotation value);
  TColor HighlightColor() const { return highlightColor_; }
  void SetHighlightColor(TColor value) { SetAndInvalidate(highlightColor_, value); }
  TColor ShadowColor() const { return shadowColor_; }
  void SetShadowColor(TColor value) { SetAndInvalidate(shadowColor_, value); }
  int ShadowDepth() const { return shadowDepth_; }
  void SetShadowDepth(int value) { SetAndResize(shadowDepth_, value); }
  TTextStyle TextStyle() const { return textStyle_; }
  void SetTextStyle(TTextStyle value) { SetAndResize(textStyle_, value); }

  // The colour the caption is drawn in now: a blinking label's BlinkColor in the blink phase and
  // its font colour otherwise; FlyByColor while the mouse is over a fly-by label; else the font
  // colour.
  TColor CurrentTextColor() const;
  // The label's own phase, set by the shared blink list while the label blinks.
  bool InBlinkPhase() const { return blinkPhase_; }
  // The rectangle the text is laid out in: the client area inside the border width and borders.
  TRect TextRect() const;

  // Takes the controller's frame when its frame is visible.
  void FramingChanged() override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void DefineProperties(TFiler& filer) override;
  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;
  // Draws the caption in its text-style layers (DT_CALCRECT measures it as the framework does).
  void DoDrawText(TRect& rect, UINT flags) override;
  // Fits the caption with its borders, blank width, shadow and rotation.
  void AdjustBounds() override;
  void MouseEnter() override;
  void MouseLeave() override;
  void FontChanged() override;

 private:
  template <class T>
  void SetAndInvalidate(T& field, T value) {
    if (field == value) return;
    field = value;
    Invalidate();
  }
  // For the settings that change what an auto-sized label needs.
  template <class T>
  void SetAndResize(T& field, T value) {
    if (field == value) return;
    field = value;
    AdjustBounds();
    Invalidate();
  }
  UINT DrawFlags() const;
  TTextLayerLook TextLook() const;
  TLayeredBorders Borders() const;
  // Pixels the borders and the blank width take on the left, top, right and bottom.
  TRect TextInsets() const;
  void DrawFlatText();
  void DrawRotatedText(TCanvas& canvas);
  void DrawArcText(TCanvas& canvas);
  void UseTrueTypeFont();

  int angle_ = 0;
  bool blinking_ = false;
  TColor blinkColor_ = clHighlight;
  int bevelWidth_ = 1;
  TFrameStyleEx borderInner_ = fsNone;
  TFrameStyleEx borderOuter_ = fsNone;
  TSides borderSides_ = kAllSides;
  TColor borderColor_ = clBtnFace;
  TColor borderHighlight_ = clBtnHighlight;
  TColor borderShadow_ = clBtnShadow;
  int borderWidth_ = 0;
  TDvCondenseCaption condenseCaption_ = ccNone;
  TColor flatColor_ = clBtnShadow;
  int flatColorAdjustment_ = 30;
  TDvFrameController* frameController_ = nullptr;
  TCenterPoint centerPoint_ = cpCenter;
  TColor flyByColor_ = clHighlight;
  bool flyByEnabled_ = false;
  bool flyByActive_ = false;  // the mouse is over a fly-by label
  bool blinkPhase_ = false;   // this label shows BlinkColor now
  bool lightTextStyle_ = false;
  TRotation rotation_ = roNone;
  TColor highlightColor_ = clBtnHighlight;
  TColor shadowColor_ = clBtnShadow;
  int shadowDepth_ = 2;
  TTextStyle textStyle_ = tsNormal;
};
