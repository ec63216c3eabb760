// TDvTrayIcon (unit DvTray): one icon in the shell's notification area with a tip and a picture
// from an image list; mouse actions on it become events, restore the application or show a popup
// menu; while the application is minimised its taskbar button can be hidden so that only the icon
// remains. The shell's callbacks, the session messages and the "TaskbarCreated" broadcast arrive
// at a hidden window of the icon's own.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/core/Classes.h"
#include "framework/win/graphics/Icon.h"
#include "framework/win/platform/SystemTimer.h"

class TApplication;
class TCustomImageList;
class TPopupMenu;
class TTrayNotifyRecord;
class TUtilityWindow;

enum TDvTrayIconClicks {
  ticNone,
  ticLeftClick,
  ticLeftDblClick,
  ticLeftClickUp,
  ticRightClick,
  ticRightDblClick,
  ticRightClickUp
};
// Form data names "ticNone", ... in ordinal order.
const std::vector<std::string>& TrayIconClickNames();

// Sender, var AllowSessionToEnd.
using TDvQueryEndSessionEvent = TEvent<TObject*, bool&>;

class TDvTrayIcon : public TComponent {
  DV_CLASS(TDvTrayIcon)
 public:
  // Makes the notification window (fails with EOutOfResources "Error creating window" without a
  // window system), reads the shell version once and installs the application hooks. The icon
  // is added to the notification area when loading ends.
  explicit TDvTrayIcon(TComponent* owner);
  // Removes the icon and takes this icon's application hooks off.
  ~TDvTrayIcon() override;

  // ---- published properties ----
  virtual bool Animate() const { return animate_; }
  virtual void SetAnimate(bool animate);
  bool Enabled() const { return enabled_; }
  // True adds the icon (a refusal by the shell leaves Enabled false) and installs the
  // application hooks; false removes it. Only stored while loading.
  virtual void SetEnabled(bool enabled);
  bool HideOnMinimize() const { return hideOnMinimize_; }
  void SetHideOnMinimize(bool hide) { hideOnMinimize_ = hide; }
  const std::string& Hint() const { return hint_; }
  // An unchanged text sends nothing; otherwise the tip (cut to the record's limit) is sent.
  virtual void SetHint(const std::string& hint);
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu);
  TCustomImageList* Icons() const { return icons_; }
  void SetIcons(TCustomImageList* icons);
  int IconIndex() const { return iconIndex_; }
  // Always applied, unchanged or not: fetches image index from Icons (when set) and updates the
  // icon. Not range-checked: an index the list does not have shows no picture.
  virtual void SetIconIndex(int index);
  // Animation step in milliseconds.
  virtual unsigned Interval() const { return interval_; }
  virtual void SetInterval(unsigned interval);
  TDvTrayIconClicks RestoreOn() const { return restoreOn_; }
  void SetRestoreOn(TDvTrayIconClicks click) { restoreOn_ = click; }
  TDvTrayIconClicks PopupMenuOn() const { return popupMenuOn_; }
  void SetPopupMenuOn(TDvTrayIconClicks click) { popupMenuOn_ = click; }

  TNotifyEvent OnBalloonHintHide;
  TNotifyEvent OnBalloonHintClose;
  TNotifyEvent OnBalloonHintClick;
  TNotifyEvent OnMinimizeApp;
  TNotifyEvent OnRestoreApp;
  TNotifyEvent OnLButtonDown;
  TNotifyEvent OnLButtonUp;
  TNotifyEvent OnLButtonDblClick;
  TNotifyEvent OnRButtonDown;
  TNotifyEvent OnRButtonUp;
  TNotifyEvent OnRButtonDblClick;
  TNotifyEvent OnEndSession;
  TDvQueryEndSessionEvent OnQueryEndSession;

  // ---- operations ----
  // Un-minimises the application and brings it to the front; nothing while the popup menu is
  // being tracked.
  void RestoreApplication();
  // Minimises the application and, when Enabled and HideOnMinimize, hides its taskbar button.
  void MinimizeApplication();
  // One animation step (what each tick of the animation timer runs): the next image of Icons,
  // back to 0 after the last.
  void AnimationStep();

  // ---- state, for the program and its tests ----
  HWND NotifyWindow() const;
  // The record as last sent (or to be sent) to the shell.
  const NOTIFYICONDATAA& NotifyData() const;
  // The picture shown: image IconIndex of Icons, or the application icon.
  const TIcon& Picture() const { return picture_; }
  bool MenuShowing() const { return menuShowing_; }
  // True from a WM_ENDSESSION that ends the session (wParam 1) on, false after one that does not:
  // what OnEndSession's handlers look at to tell the two apart.
  bool SessionEnding() const { return sessionEnding_; }
  bool AnimationRunning() const { return animationTimer_.Running(); }

  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool HandleNotifyMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void HandleCallback(LPARAM event);
  void MouseAction(TDvTrayIconClicks click, const TNotifyEvent& event);
  void ShowPopupMenu();
  void ReAddAfterTaskbarRestart();
  void InstallApplicationHooks();
  void RemoveApplicationHooks();
  void FetchPicture();
  void UseApplicationIcon();
  void UpdateIcon();

  // The application's minimise and restore notifications while this icon's are installed; the
  // type lets the destructor recognise its own hooks.
  struct ApplicationHook {
    TDvTrayIcon* icon;
    bool minimize;
    void operator()(TObject* sender) const;
  };

  TApplication* application_ = nullptr;  // cleared when the application object goes
  bool animate_ = false;
  bool enabled_ = false;
  bool hideOnMinimize_ = true;
  std::string hint_;
  TPopupMenu* popupMenu_ = nullptr;
  TCustomImageList* icons_ = nullptr;
  int iconIndex_ = 0;
  unsigned interval_ = 1000;
  TDvTrayIconClicks restoreOn_ = ticLeftDblClick;
  TDvTrayIconClicks popupMenuOn_ = ticRightClickUp;

  TIcon picture_;
  TSystemTimer animationTimer_;
  std::unique_ptr<TUtilityWindow> notifyWindow_;
  std::unique_ptr<TTrayNotifyRecord> record_;
  bool menuShowing_ = false;
  bool restoring_ = false;
  bool forcedEnable_ = false;
  bool sessionEnding_ = false;
};
