// The base of every visual control: position and size inside a parent (within its size
// constraints), visibility, enabled state, text, colour, font and reading order (inherited from
// the parent on request), hints and help, popup menu, action, mouse, click and drag handling, and
// the message entry point Perform/WndProc shared by windowed and windowless controls.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/BiDiMode.h"
#include "framework/core/Classes.h"
#include "framework/core/Colors.h"
#include "framework/core/SizeConstraints.h"
#include "framework/core/Types.h"
#include "framework/win/controls/DragTypes.h"
#include "framework/win/controls/Messages.h"
#include "framework/win/graphics/Cursors.h"
#include "framework/win/graphics/Font.h"

class TWinControl;
class TPopupMenu;
class TBasicAction;
class TControlActionLink;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = uint32_t;  // bit (1 << TAnchorKind)
constexpr TAnchors AnchorBit(TAnchorKind kind) {
  return 1u << kind;
}
constexpr TAnchors kDefaultAnchors = AnchorBit(akLeft) | AnchorBit(akTop);

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftStateFlag : uint32_t {
  ssShift = 1u << 0,
  ssAlt = 1u << 1,
  ssCtrl = 1u << 2,
  ssLeft = 1u << 3,
  ssRight = 1u << 4,
  ssMiddle = 1u << 5,
  ssDouble = 1u << 6,
};
using TShiftState = uint32_t;

enum TControlStyleFlag : uint32_t {
  csAcceptsControls = 1u << 0,
  csCaptureMouse = 1u << 1,
  csClickEvents = 1u << 2,
  csFramed = 1u << 3,
  csSetCaption = 1u << 4,
  csOpaque = 1u << 5,
  csDoubleClicks = 1u << 6,
  csFixedWidth = 1u << 7,
  csFixedHeight = 1u << 8,
  csReplicatable = 1u << 9,
  csNoStdEvents = 1u << 10,
  csParentBackground = 1u << 11,
};
using TControlStyle = uint32_t;

enum TControlStateFlag : uint32_t {
  csLButtonDown = 1u << 0,
  csClicked = 1u << 1,
  csFocusing = 1u << 2,
  csCreating = 1u << 3,
  csPaintCopy = 1u << 4,
  csCustomPaint = 1u << 5,
  csDestroyingHandle = 1u << 6,
  csAligning = 1u << 7,
};
using TControlState = uint32_t;

// Border of forms and of the controls that draw one (edit boxes, image squares use the first two).
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
// Whether F1 help looks a control up by HelpKeyword or by HelpContext.
enum THelpType { htKeyword, htContext };
enum TTextLayout { tlTop, tlCenter, tlBottom };

using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
using TKeyEvent = TEvent<TObject*, WORD&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, char&>;
using TContextPopupEvent = TEvent<TObject*, TPoint, bool&>;
using TMouseWheelEvent = TEvent<TObject*, TShiftState, int, TPoint, bool&>;
using TMouseWheelUpDownEvent = TEvent<TObject*, TShiftState, TPoint, bool&>;

// The shift state now (keyboard) and from a mouse message's key flags.
TShiftState KeyboardShiftState();
TShiftState KeysToShiftState(WPARAM keys);
// Key data of WM_KEYDOWN/WM_CHAR: Alt is reported in bit 29.
TShiftState KeyDataToShiftState(LPARAM keyData);

class TControl : public TComponent, public IBiDiModeOwner {
  DV_CLASS(TControl)
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  // ---- messages ----
  // Sends a message straight to the control's handler (windowless controls too).
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  virtual void WndProc(TMessage& message);
  // What happens to a message nobody handled (windowed controls: the window class's procedure).
  virtual void DefaultHandler(TMessage& message);

  // ---- parent and geometry ----
  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
  void SetTop(int value) { SetBounds(left_, value, width_, height_); }
  void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
  void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
  // Moves and sizes the control (in its parent's client coordinates); realigns the parent.
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
  virtual TRect ClientRect() const;
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  virtual void SetClientWidth(int value);
  virtual void SetClientHeight(int value);
  // Screen position of the client area's top-left corner.
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint point) const;
  TPoint ScreenToClient(TPoint point) const;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors anchors);

  // ---- state ----
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible here and in every parent.
  bool IsVisibleOnScreen() const;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  TControlStyle ControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyle style) { controlStyle_ = style; }
  TControlState ControlState() const { return controlState_; }
  void SetControlState(TControlState state) { controlState_ = state; }
  // The mouse is over the control (set by the enter and leave notifications).
  bool MouseInControl() const { return mouseInControl_; }

  // ---- text, colour, font ----
  std::string Text() const { return GetText(); }
  // Setting the same text does nothing; a change is announced with CM_TEXTCHANGED.
  void SetText(const std::string& text);
  std::string Caption() const { return GetText(); }
  void SetCaption(const std::string& text) { SetText(text); }
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  TFont* Font() { return &font_; }
  const TFont& GetFont() const { return font_; }
  void SetFont(const TFont& font) { font_.Assign(&font); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);

  // ---- hints, menu, cursor, misc ----
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint) { hint_ = hint; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool value);
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);
  intptr_t Tag() const { return tag_; }
  void SetTag(intptr_t tag) { tag_ = tag; }
  // Setting the context (or the keyword) outside loading makes it the help type.
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int value);
  THelpType HelpType() const { return helpType_; }
  void SetHelpType(THelpType value) { helpType_ = value; }
  const std::string& HelpKeyword() const { return helpKeyword_; }
  void SetHelpKeyword(const std::string& value);

  // ---- right to left ----
  // Setting BiDiMode clears ParentBiDiMode; with ParentBiDiMode the parent's mode is taken.
  TBiDiMode BiDiMode() const override { return bidiMode_; }
  void SetBiDiMode(TBiDiMode value);
  bool ParentBiDiMode() const { return parentBiDiMode_; }
  void SetParentBiDiMode(bool value);
  // The control reads right to left (any mode but bdLeftToRight).
  bool UseRightToLeftReading() const { return ReadsRightToLeft(bidiMode_); }
  // Left and right alignment swap (bdRightToLeft).
  bool UseRightToLeftAlignment() const { return AlignmentFlipped(bidiMode_); }
  // Scroll bars, embedded buttons and glyphs go to the other side (bdRightToLeft and
  // bdRightToLeftNoAlign).
  bool UseRightToLeftLayout() const { return LayoutMirrored(bidiMode_); }
  // DrawText flags for this control: DT_LEFT and DT_RIGHT swapped when the alignment is flipped,
  // DT_RTLREADING added when it reads right to left.
  UINT DrawTextBiDiModeFlags(UINT flags) const;
  // DT_RTLREADING when the control reads right to left, else 0.
  UINT DrawTextBiDiModeFlagsReadingOnly() const;
  // taLeftJustify and taRightJustify swapped when the alignment is flipped.
  TAlignment BiDiAlignment(TAlignment alignment) const;

  // ---- size constraints ----
  // Applied to every size the control takes; a change applies them at once (not while loading:
  // loading applies them when it ends).
  TSizeConstraints* Constraints() { return &constraints_; }
  const TSizeConstraints& GetConstraints() const { return constraints_; }

  // ---- action ----
  // The action the control follows (nullptr: none); its link keeps caption, enabled state, hint
  // and visibility in step, and a click without an OnClick handler runs it.
  TBasicAction* Action() const;
  void SetAction(TBasicAction* action);
  TControlActionLink* ActionLink() const { return actionLink_.get(); }
  // Storage rules: a value that follows the action is not written to form data.
  bool StoresCaption() const;
  bool StoresEnabled() const;
  bool StoresHint() const;
  bool StoresVisible() const;

  // ---- drag and drop ----
  TDragMode DragMode() const { return dragMode_; }
  void SetDragMode(TDragMode value) { dragMode_ = value; }
  TDragKind DragKind() const { return dragKind_; }
  void SetDragKind(TDragKind value) { dragKind_ = value; }
  TCursor DragCursor() const { return dragCursor_; }
  void SetDragCursor(TCursor value) { dragCursor_ = value; }
  // Starts a drag of this control: at once, or once the mouse moved threshold pixels (negative:
  // the platform's drag distance) with the left button held. When the drag starts, a press the
  // control is tracking ends as a release outside it, so no click follows. Nothing while another
  // drag is going on.
  void BeginDrag(bool immediate, int threshold = -1);
  // Ends this control's drag: drops it where the mouse is (drop) or cancels it.
  void EndDrag(bool drop);
  // A drag of this control is pending or going on.
  bool Dragging() const;

  // ---- painting ----
  // Marks the control for repainting (windowless: its rectangle on the parent).
  virtual void Invalidate();
  // Paints what is marked, now.
  virtual void Update();
  // Invalidate and Update: the control is painted before this returns.
  virtual void Repaint();
  void Refresh() { Repaint(); }

  // ---- mouse ----
  bool MouseCapture() const;
  void SetMouseCapture(bool capture);

  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TMouseWheelEvent OnMouseWheel;
  TMouseWheelUpDownEvent OnMouseWheelUp;
  TMouseWheelUpDownEvent OnMouseWheelDown;
  TContextPopupEvent OnContextPopup;
  TNotifyEvent OnResize;
  // Raised by the default MouseEnter/MouseLeave; controls that publish them decide when.
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  // Drag and drop: the target hears OnDragOver and OnDragDrop, the source OnStartDrag and
  // OnEndDrag (OnStartDock and OnEndDock for a dock drag).
  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  TStartDragEvent OnStartDrag;
  TEndDragEvent OnEndDrag;
  TStartDockEvent OnStartDock;
  TEndDragEvent OnEndDock;

  // Raises the click event (virtual so that controls add their own behaviour).
  virtual void Click();
  virtual void DblClick();
  // Wheel with shift state: OnMouseWheel, then OnMouseWheelUp/Down; true when handled.
  virtual bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos);
  // The context menu request at a client point; true when handled (a menu was shown).
  virtual bool DoContextPopup(TPoint clientPos);

 protected:
  virtual std::string GetText() const { return text_; }
  virtual void SetTextValue(const std::string& text) { text_ = text; }
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual bool DoMouseWheelDown(TShiftState shift, TPoint mousePos);
  virtual bool DoMouseWheelUp(TShiftState shift, TPoint mousePos);
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void Resize();
  virtual void ColorChanged() { Invalidate(); }
  // The reading order changed (windowed controls make their window again).
  virtual void BiDiModeChanged() { Invalidate(); }
  virtual void FontChanged() { Invalidate(); }
  // Moves and sizes the control for real (windowless: on the parent; windowed: the window).
  virtual void ChangeBounds(int left, int top, int width, int height);
  // Sends msg to this control only (windowed controls send it to their children too).
  virtual void NotifyAncestorChange(UINT msg) { Perform(msg); }
  // Whether ShowHint comes from the parent.
  void ParentShowHintChanged();
  // The parent client size now, for anchoring.
  void UpdateAnchorRules();
  // Applies anchors for the parent's new client size (called by the parent's layout).
  void AnchorTo(int parentClientWidth, int parentClientHeight);
  // Sets the bounds (through SetBounds) without moving the anchoring origin.
  void SetBoundsFromLayout(int left, int top, int width, int height);

  void ControlStyleInclude(TControlStyle flags) { controlStyle_ |= flags; }
  void ControlStyleExclude(TControlStyle flags) { controlStyle_ &= ~flags; }
  void ControlStateInclude(TControlState flags) { controlState_ |= flags; }
  void ControlStateExclude(TControlState flags) { controlState_ &= ~flags; }
  // The control's action link; controls with more to follow (a check state) make their own.
  virtual std::unique_ptr<TControlActionLink> CreateActionLink();
  // Takes the action's values when it is assigned; with checkDefaults (the action is still
  // loading) only into the properties that still hold their defaults.
  virtual void ActionChange(TObject* sender, bool checkDefaults);

  // The drag events, raised by the drag in progress.
  virtual void DoStartDrag(TDragObject*& dragObject);
  virtual void DoStartDock(TDragDockObject*& dragObject);
  // accept enters as "OnDragOver is set"; the handler may change it.
  virtual void DragOver(TObject* source, int x, int y, TDragState state, bool& accept);
  virtual void DragDrop(TObject* source, int x, int y);
  virtual void DoEndDrag(TObject* target, int x, int y);
  virtual void DoEndDock(TObject* target, int x, int y);

  // Sets the visibility flag alone (forms start hidden).
  void SetVisibleFlag(bool visible) { visible_ = visible; }
  // Stores bounds without repositioning anything (windowed controls reading their window).
  void StoreBounds(int left, int top, int width, int height);

  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;

 private:
  friend class TWinControl;
  friend class TDragSession;
  void ConstraintsChanged();
  void ParentBiDiModeChanged();
  void HandleMouseButton(TMessage& message, TMouseButton button, bool down, bool doubleClick);
  void FontChangedHandler(TObject* sender);

  TWinControl* parent_ = nullptr;
  TAlign align_ = alNone;
  TAnchors anchors_ = kDefaultAnchors;
  // Anchoring origin: the parent's client size and the bounds when they were last set by hand.
  struct AnchorOrigin {
    bool valid = false;
    int parentWidth = 0;
    int parentHeight = 0;
    TRect bounds;
  } anchorOrigin_;
  bool visible_ = true;
  bool enabled_ = true;
  bool mouseInControl_ = false;
  TControlStyle controlStyle_ = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
  TControlState controlState_ = 0;
  std::string text_;
  TColor color_ = clWindow;
  bool parentColor_ = true;
  TFont font_;
  bool parentFont_ = true;
  bool fontFromParent_ = false;
  std::string hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TPopupMenu* popupMenu_ = nullptr;
  TComponent* popupMenuComponent_ = nullptr;  // the same menu, for removal notices
  TCursor cursor_ = crDefault;
  intptr_t tag_ = 0;
  int helpContext_ = 0;
  THelpType helpType_ = htContext;
  std::string helpKeyword_;
  TBiDiMode bidiMode_ = bdLeftToRight;
  bool parentBiDiMode_ = true;
  TSizeConstraints constraints_;
  std::unique_ptr<TControlActionLink> actionLink_;
  TDragMode dragMode_ = dmManual;
  TDragKind dragKind_ = dkDrag;
  TCursor dragCursor_ = crDrag;
};

// Whether key is the accelerator of caption: the letter after a single "&", case-insensitive.
bool IsAccel(char key, const std::string& caption);
// The part of a hint before "|" (the whole hint when it has none).
std::string ShortHint(const std::string& hint);

// Form data names of the framework's enumerations.
const std::vector<std::string>& AlignNames();
const std::vector<std::string>& AnchorNames();
const std::vector<std::string>& AlignmentNames();
const std::vector<std::string>& TextLayoutNames();
const std::vector<std::string>& BorderStyleNames();
const std::vector<std::string>& HelpTypeNames();
