// A non-visual component holding one set of frame and colour settings and pushing them to every
// control registered with it, so that many controls look alike and change together.
#pragma once

#include <memory>
#include <vector>

#include "controls/common/DvCommonTypes.h"
#include "framework/core/Classes.h"
#include "framework/core/Colors.h"

class TControl;
class TDvRegIniFile;

// The setting numbers of PushSettings.
enum TFrameSetting {
  fsetAll = 0,
  fsetColor = 1,
  fsetFocusColor = 2,
  fsetDisabledColor = 3,
  fsetParentColor = 4,
  fsetFlatButtonColor = 5,
  fsetFlatButtons = 6,
  fsetFrameColor = 7,
  fsetFrameHotColor = 8,
  fsetFrameHotTrack = 9,
  fsetFrameHotStyle = 10,
  fsetFrameSides = 11,
  fsetFrameStyle = 12,
  fsetFrameVisible = 13,
  fsetFramingPreference = 14
};

class TDvFrameController : public TComponent {
  DV_CLASS(TDvFrameController)
 public:
  explicit TDvFrameController(TComponent* owner);
  ~TDvFrameController() override;

  // Each setter stores a changed value and pushes its own setting.
  TColor Color() const { return color_; }
  // A focus colour that equalled the old colour follows; ParentColor becomes False.
  void SetColor(TColor value);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  TColor FlatButtonColor() const { return flatButtonColor_; }
  void SetFlatButtonColor(TColor value);
  bool FlatButtons() const { return flatButtons_; }
  void SetFlatButtons(bool value);
  TColor DisabledColor() const { return disabledColor_; }
  void SetDisabledColor(TColor value);
  TColor FocusColor() const { return focusColor_; }
  void SetFocusColor(TColor value);
  TColor FrameColor() const { return frameColor_; }
  void SetFrameColor(TColor value);
  TColor FrameHotColor() const { return frameHotColor_; }
  void SetFrameHotColor(TColor value);
  bool FrameHotTrack() const { return frameHotTrack_; }
  // Switching it on makes the frame visible and (unless loading) all sides framed.
  void SetFrameHotTrack(bool value);
  TFrameStyle FrameHotStyle() const { return frameHotStyle_; }
  void SetFrameHotStyle(TFrameStyle value);
  TSides FrameSides() const { return frameSides_; }
  void SetFrameSides(TSides value);
  TFrameStyle FrameStyle() const { return frameStyle_; }
  void SetFrameStyle(TFrameStyle value);
  bool FrameVisible() const { return frameVisible_; }
  void SetFrameVisible(bool value);
  TFramingPreference FramingPreference() const { return framingPreference_; }
  void SetFramingPreference(TFramingPreference value);
  TDvRegIniFile* RegIniFile() const { return regIniFile_; }
  void SetRegIniFile(TDvRegIniFile* value);

  // Registering pushes every setting to that control once; a second registration does nothing.
  void RegisterControl(TControl* control);
  // The list goes when its last control does.
  void UnregisterControl(TControl* control);
  // Moves a control's reference from its controller to another (either may be null): leaves the
  // old one's list and removal notifications, joins the new one's.
  static void Replace(TControl& control, TDvFrameController*& reference,
                      TDvFrameController* controller);
  int ControlCount() const { return controls_ ? static_cast<int>(controls_->size()) : 0; }
  bool HasControlList() const { return controls_ != nullptr; }

  // Nestable; the last unlock pushes every setting.
  void LockUpdates();
  void UnlockUpdates();
  // Pushes one setting (or fsetAll) to every registered control, in registration order; nothing
  // while locked. A control that implements IFramingNotification is told instead; a control
  // without a property of the pushed name is skipped.
  void PushSettings(int setting);

  // From another frame controller: every setting, pushed once.
  void Assign(const TPersistent* source) override;
  void DefineProperties(TFiler& filer) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void PushTo(TControl& control, int setting);
  void CopyProperty(TControl& control, const char* name);

  int updateCount_ = 0;
  TColor color_ = clWindow;
  bool parentColor_ = false;
  TColor flatButtonColor_ = clBtnFace;
  bool flatButtons_ = true;
  TColor disabledColor_ = clBtnFace;
  TColor focusColor_ = clWindow;
  TColor frameColor_ = clBtnShadow;
  TColor frameHotColor_ = clBtnShadow;
  bool frameHotTrack_ = false;
  TFrameStyle frameHotStyle_ = fsFlatBold;
  TSides frameSides_ = kAllSides;
  TFrameStyle frameStyle_ = fsFlat;
  bool frameVisible_ = false;
  TFramingPreference framingPreference_ = fpXPThemes;
  TDvRegIniFile* regIniFile_ = nullptr;
  std::unique_ptr<std::vector<TControl*>> controls_;
};
