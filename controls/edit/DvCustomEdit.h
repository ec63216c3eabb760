// A single-line edit box that can paint its own flat frame in the non-client area instead of the
// sunken platform border, switches that frame to a second style and colour while hot (mouse over
// it or focus in it), and swaps its background between a normal, a focus and a disabled colour.
#pragma once

#include "controls/common/DvCommonTypes.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/stdctrls/Edit.h"

class TDvFrameController;

class TDvCustomEdit : public TCustomEdit {
  DV_CLASS(TDvCustomEdit)
 public:
  explicit TDvCustomEdit(TComponent* owner);
  ~TDvCustomEdit() override;

  bool TabOnEnter() const { return tabOnEnter_; }
  void SetTabOnEnter(bool value) { tabOnEnter_ = value; }
  TColor DisabledColor() const { return disabledColor_; }
  void SetDisabledColor(TColor value);
  TColor FocusColor() const { return focusColor_; }
  void SetFocusColor(TColor value);
  // The background while enabled and unfocused; follows every outside change of Color.
  TColor UnfocusedColor() const { return unfocusedColor_; }
  TColor FrameColor() const { return frameColor_; }
  void SetFrameColor(TColor value);
  TColor FrameHotColor() const { return frameHotColor_; }
  void SetFrameHotColor(TColor value);
  bool FrameHotTrack() const { return frameHotTrack_; }
  // Switching it on makes the frame visible and (unless loading) frames all sides.
  void SetFrameHotTrack(bool value);
  TFrameStyle FrameHotStyle() const { return frameHotStyle_; }
  void SetFrameHotStyle(TFrameStyle value);
  TSides FrameSides() const { return frameSides_; }
  void SetFrameSides(TSides value);
  TFrameStyle FrameStyle() const { return frameStyle_; }
  virtual void SetFrameStyle(TFrameStyle value);
  bool FrameVisible() const { return frameVisible_; }
  // Switching it on turns Ctl3D on; the window is created again.
  void SetFrameVisible(bool value);
  TFramingPreference FramingPreference() const { return framingPreference_; }
  void SetFramingPreference(TFramingPreference value);
  bool FlatButtons() const { return flatButtons_; }
  virtual void SetFlatButtons(bool value);
  TDvFrameController* FrameController() const { return frameController_; }
  // Registering with a controller takes all its settings at once.
  void SetFrameController(TDvFrameController* controller);

  // The mouse is over the control or it has the focus.
  bool IsHot() const { return overControl_ || inControl_; }
  // The mouse is over the control or over a control inside it.
  bool MouseOverControl() const { return overControl_; }
  // fpXPThemes while visual themes are active: the platform's border stays, no custom frame.
  bool UsesThemedFrame() const;
  // Redraws the non-client area now.
  void RefreshFrame();
  // Color := DisabledColor, FocusColor or UnfocusedColor by the state (not while loading).
  void ApplyStateColor();

  // Storage rules of the published colour and frame properties: a control with a frame
  // controller takes them from the controller; a disabled one holds DisabledColor in Color.
  bool StoresColor() const;
  bool StoresFocusColor() const;
  bool StoresFrameSettings() const { return frameController_ == nullptr; }

  void WndProc(TMessage& message) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void DefineProperties(TFiler& filer) override;

 protected:
  // Mouse (isMouse) or focus entered or left; redraws the frame and the state colour.
  virtual void HotStateChanged(bool isMouse, bool entered);
  void CreateParams(TCreateParams& params) override;
  void DoEnter() override;
  void DoExit() override;
  void KeyPress(char& key) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void ColorChanged() override;
  void Resize() override;

 private:
  void PaintFrame();

  bool tabOnEnter_ = false;
  TColor disabledColor_ = clBtnFace;
  TColor focusColor_ = clWindow;
  TColor unfocusedColor_ = clWindow;
  TColor frameColor_ = clBtnShadow;
  TColor frameHotColor_ = clBtnShadow;
  TDvFrameController* frameController_ = nullptr;
  bool frameHotTrack_ = false;
  TFrameStyle frameHotStyle_ = fsFlatBold;
  TSides frameSides_ = kAllSides;
  TFrameStyle frameStyle_ = fsFlat;
  TFramingPreference framingPreference_ = fpXPThemes;
  bool flatButtons_ = false;
  TCanvas nonClientCanvas_;  // attached to the window DC only while the frame is painted
  bool inControl_ = false;
  bool overControl_ = false;
  bool frameVisible_ = false;
  bool updatingColor_ = false;
};
