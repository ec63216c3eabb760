// A control with a window of its own: creates and destroys the window, keeps the child controls
// (windowed and windowless), routes mouse messages to windowless children, paints them, reflects
// child notifications, handles focus, keys and the tab order, and lays children out by Align and
// Anchors.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/win/controls/Controls.h"
#include "framework/win/platform/InputMethod.h"

// What CreateWindowEx receives; CreateParams fills it in.
struct TCreateParams {
  std::string caption;
  DWORD style = 0;
  DWORD exStyle = 0;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  HWND wndParent = nullptr;
  // The window class: a class of our own named after the control class; when baseClass is set
  // (a system class such as "EDIT") ours is derived from it and falls back to its procedure.
  std::string winClassName;
  std::string baseClass;
  UINT classStyle = CS_DBLCLKS;
  HBRUSH background = nullptr;
};

class TWinControl : public TControl {
  DV_CLASS(TWinControl)
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // ---- window ----
  // The window, created on first use (with the parent's window first).
  HWND Handle();
  HWND HandleIfAllocated() const { return handle_; }
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  // Destroys the window (and its children's); the control stays and can create it again.
  void DestroyHandle();
  // Destroys and creates the window again, so that new creation parameters apply; the keyboard
  // focus, when it was in the window, is given back to the same control.
  void RecreateWnd();
  // The control that owns a window of this process, or nullptr.
  static TWinControl* FindControl(HWND window);

  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;

  // ---- children ----
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
  // True for this control and every control inside it.
  bool ContainsControl(const TControl* control) const;
  // The child at a client point, topmost first; disabled children only when asked, windowed
  // children only when asked.
  TControl* ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls = false) const;
  // Sends msg to every child.
  void Broadcast(TMessage& message);
  void NotifyControls(UINT msg);
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

  // ---- geometry ----
  TRect ClientRect() const override;
  TPoint ClientOrigin() const override;
  // Lays the children out again (Align, then Anchors).
  void Realign();

  // ---- focus and keys ----
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value) { tabStop_ = value; }
  int TabOrder() const;
  void SetTabOrder(int order);
  // Every windowed descendant in tab order (depth first).
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  virtual bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();
  // The focus is on this control's window or inside it.
  bool ContainsFocus() const;
  // Moves the focus away from this control (to the next control of its form).
  void RemoveFocus();
  // The next (or previous) control in tab order after current, wrapping; nullptr when none.
  TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                               bool checkParent) const;
  void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool value);
  bool ParentCtl3D() const { return parentCtl3D_; }
  void SetParentCtl3D(bool value);
  bool DoubleBuffered() const { return doubleBuffered_; }
  void SetDoubleBuffered(bool value) { doubleBuffered_ = value; }

  // ---- input method ----
  // Applied while the control has the focus, by controls that take text (edit boxes).
  TImeMode ImeMode() const { return imeMode_; }
  void SetImeMode(TImeMode value);
  // The description of the input method to switch to while the control has the focus (empty:
  // the current one).
  const std::string& ImeName() const { return imeName_; }
  void SetImeName(const std::string& value);

  // ---- painting ----
  void Invalidate() override;
  void Update() override;
  void Repaint() override;
  // Paints the windowless children into dc (client coordinates), from first onwards.
  void PaintControls(HDC dc, TControl* first);

  void Loaded() override;

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  // After the window exists (fonts, text limits, children's windows).
  virtual void CreateWindowHandle(const TCreateParams& params);
  virtual void DestroyWnd();
  // The DC-based painting of the window itself (default: the class's own WM_PAINT).
  virtual void PaintWindow(HDC dc);
  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void KeyPress(char& key);
  virtual void KeyUp(WORD& key, TShiftState shift);
  virtual void DoEnter();
  virtual void DoExit();
  // Lays out the children inside rect (client coordinates).
  virtual void AlignControls(TControl* control, TRect& rect);
  void ChangeBounds(int left, int top, int width, int height) override;
  void FontChanged() override;
  void ColorChanged() override;
  void NotifyAncestorChange(UINT msg) override;
  std::string GetText() const override;
  void SetTextValue(const std::string& text) override;
  // The client size to anchor children to while no window exists.
  virtual TSize ClientSizeWithoutHandle() const { return {width_, height_}; }
  // The brush that erases the background (the control's colour).
  HBRUSH BackgroundBrush();
  // The extended styles of the reading order: right-to-left reading, scroll bar on the left.
  DWORD BiDiExStyle() const;
  // The window is made again when its reading-order styles no longer match; children follow.
  void BiDiModeChanged() override;
  // Whether the window's styles differ from what CreateParams gives for the reading order now.
  virtual bool BiDiStylesChanged();
  // Controls that take text answer true: ImeMode and ImeName then apply while they have the
  // focus.
  virtual bool UsesInputMethod() const { return false; }
  void UpdateBoundsFromWindow();

 private:
  friend class TControl;
  friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void AttachHandle(HWND window, WNDPROC defaultProc);
  void DetachHandle();
  void CreateChildHandles();
  bool RouteMouseToChild(TMessage& message);
  void HandlePaint(TMessage& message);
  void HandleEraseBackground(TMessage& message);
  void HandleContextMenu(TMessage& message);
  void HandleKeyMessage(TMessage& message);
  void HandleCnKeyDown(TMessage& message);
  void HandleCnChar(TMessage& message, bool system);
  void HandleSetCursor(TMessage& message);
  void HandleMouseWheel(TMessage& message);
  void HandlePosChanging(TMessage& message);
  void HandleGetMinMaxInfo(TMessage& message);
  void HandleFocusMessage(TMessage& message);
  void ReflectToChild(TMessage& message, HWND child);
  void FixupTabList();
  void ApplyInputMethod();
  void RestoreInputMethod();

  HWND handle_ = nullptr;
  WNDPROC defWndProc_ = nullptr;
  std::vector<TControl*> controls_;  // stacking order, bottom first
  std::vector<TWinControl*> tabList_;
  int loadedTabOrder_ = -1;
  bool tabStop_ = false;
  bool ctl3D_ = true;
  bool parentCtl3D_ = true;
  bool doubleBuffered_ = false;
  bool trackingMouseLeave_ = false;
  TControl* captureChild_ = nullptr;
  GdiObject<HBRUSH> brush_;
  TColor brushColor_ = clNone;
  TImeMode imeMode_ = imDontCare;
  std::string imeName_;
  HKL layoutBeforeIme_ = nullptr;  // to switch back to when the focus leaves
};

// The form (top-level control) that contains control, or nullptr.
class TCustomForm;
TCustomForm* GetParentForm(const TControl* control);
