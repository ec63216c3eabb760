#include "controls/edit/DvCustomEdit.h"

#include "controls/edit/DvFrameController.h"
#include "controls/common/DvBorders.h"
#include "controls/edit/DvOldPropReader.h"
#include "controls/edit/SystemVersion.h"
#include "framework/core/Filer.h"
#include "framework/win/forms/Application.h"
#include "framework/win/platform/Themes.h"

TDvCustomEdit::TDvCustomEdit(TComponent* owner) : TCustomEdit(owner) {
  ControlStyleExclude(csSetCaption);
  ControlStyleInclude(csCaptureMouse);
}

TDvCustomEdit::~TDvCustomEdit() {
  // The window goes while this class's message handling still exists.
  DestroyHandle();
  if (frameController_ != nullptr) frameController_->UnregisterControl(this);
}

// ---- state ----

bool TDvCustomEdit::UsesThemedFrame() const {
  return framingPreference_ == fpXPThemes && ThemesActive();
}

void TDvCustomEdit::RefreshFrame() {
  if (HandleAllocated())
    RedrawWindow(HandleIfAllocated(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

void TDvCustomEdit::ApplyStateColor() {
  if (IsLoading()) return;
  updatingColor_ = true;
  try {
    if (!Enabled())
      SetColor(disabledColor_);
    else if (inControl_)
      SetColor(focusColor_);
    else
      SetColor(unfocusedColor_);
  } catch (...) {
    updatingColor_ = false;
    throw;
  }
  updatingColor_ = false;
}

void TDvCustomEdit::HotStateChanged(bool isMouse, bool entered) {
  if (isMouse)
    overControl_ = entered;
  else
    inControl_ = entered;
  if (frameHotTrack_) RefreshFrame();
  ApplyStateColor();
}

bool TDvCustomEdit::StoresColor() const {
  return frameController_ == nullptr && Enabled();
}

bool TDvCustomEdit::StoresFocusColor() const {
  return frameController_ == nullptr && ColorToRGB(focusColor_) != ColorToRGB(Color());
}

// ---- setters ----

void TDvCustomEdit::SetDisabledColor(TColor value) {
  disabledColor_ = value;
  if (!Enabled()) ApplyStateColor();
}

void TDvCustomEdit::SetFocusColor(TColor value) {
  focusColor_ = value;
  if (inControl_) ApplyStateColor();
}

void TDvCustomEdit::SetFrameColor(TColor value) {
  if (value == frameColor_) return;
  frameColor_ = value;
  RefreshFrame();
}

void TDvCustomEdit::SetFrameHotColor(TColor value) {
  if (value == frameHotColor_) return;
  frameHotColor_ = value;
  RefreshFrame();
}

void TDvCustomEdit::SetFrameHotTrack(bool value) {
  if (value == frameHotTrack_) return;
  frameHotTrack_ = value;
  if (value) {
    SetFrameVisible(true);
    if (!IsLoading()) frameSides_ = kAllSides;
  }
  RefreshFrame();
  Invalidate();
}

void TDvCustomEdit::SetFrameHotStyle(TFrameStyle value) {
  if (value == frameHotStyle_) return;
  frameHotStyle_ = value;
  RefreshFrame();
}

void TDvCustomEdit::SetFrameSides(TSides value) {
  if (value == frameSides_) return;
  frameSides_ = value;
  RefreshFrame();
}

void TDvCustomEdit::SetFrameStyle(TFrameStyle value) {
  if (value == frameStyle_) return;
  frameStyle_ = value;
  RefreshFrame();
}

void TDvCustomEdit::SetFrameVisible(bool value) {
  if (value == frameVisible_) return;
  frameVisible_ = value;
  if (value) SetCtl3D(true);
  RecreateWnd();
}

void TDvCustomEdit::SetFramingPreference(TFramingPreference value) {
  if (value == framingPreference_) return;
  framingPreference_ = value;
  if (value == fpCustomFraming) RefreshFrame();
}

void TDvCustomEdit::SetFlatButtons(bool value) {
  if (value == flatButtons_) return;
  flatButtons_ = value;
  if (HandleAllocated())
    RedrawWindow(HandleIfAllocated(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TDvCustomEdit::SetFrameController(TDvFrameController* controller) {
  TDvFrameController::Replace(*this, frameController_, controller);
}

// ---- messages ----

void TDvCustomEdit::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  // The embedded buttons stay clear of the text.
  params.style |= WS_CLIPCHILDREN;
}

void TDvCustomEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT:
      DefaultHandler(message);
      if (frameVisible_ && !UsesThemedFrame()) {
        PaintFrame();
        message.Result = 0;
      }
      return;
    case CM_ENABLEDCHANGED:
      TCustomEdit::WndProc(message);
      if (HandleAllocated())
        RedrawWindow(HandleIfAllocated(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      ApplyStateColor();
      return;
    default:
      TCustomEdit::WndProc(message);
  }
}

void TDvCustomEdit::PaintFrame() {
  WindowDC dc(HandleIfAllocated(), true);
  if (dc.Get() == nullptr) return;
  // The canvas lets go of the DC (and puts its objects back) before the DC is released.
  struct Detach {
    TCanvas& canvas;
    ~Detach() { canvas.SetHandle(nullptr); }
  } detach{nonClientCanvas_};
  nonClientCanvas_.SetHandle(dc.Get());
  const bool hot = frameHotTrack_ && IsHot();
  PaintEditFrame(nonClientCanvas_, Width(), Height(), false, frameSides_,
                 hot ? frameHotColor_ : frameColor_, Color(), hot ? frameHotStyle_ : frameStyle_);
}

void TDvCustomEdit::ColorChanged() {
  if (!updatingColor_) {
    // A focus colour never set apart keeps following the background.
    if (focusColor_ == unfocusedColor_) focusColor_ = Color();
    unfocusedColor_ = Color();
    if (frameVisible_ && !UsesThemedFrame()) RefreshFrame();
  }
  TCustomEdit::ColorChanged();
}

void TDvCustomEdit::Resize() {
  TCustomEdit::Resize();
  if (frameVisible_ && !UsesThemedFrame()) RefreshFrame();
}

void TDvCustomEdit::DoEnter() {
  HotStateChanged(false, true);
  TCustomEdit::DoEnter();
}

void TDvCustomEdit::DoExit() {
  TCustomEdit::DoExit();
  HotStateChanged(false, false);
}

void TDvCustomEdit::MouseEnter() {
  HotStateChanged(true, true);
  TCustomEdit::MouseEnter();
}

void TDvCustomEdit::MouseLeave() {
  // Moving onto a control inside the edit (its buttons) does not leave it.
  const TControl* now = Application().MouseControl();
  if (now != nullptr && now != this && ContainsControl(now)) return;
  HotStateChanged(true, false);
  TCustomEdit::MouseLeave();
}

void TDvCustomEdit::KeyPress(char& key) {
  TCustomEdit::KeyPress(key);
  if (key != '\r') return;
  if (tabOnEnter_) {
    key = 0;
    if (HandleAllocated()) PostMessageA(HandleIfAllocated(), WM_KEYDOWN, VK_TAB, 0);
  } else if (SystemReportsVersion40() && Alignment() == taRightJustify) {
    key = 0;
  }
}

// ---- component ----

void TDvCustomEdit::Loaded() {
  TCustomEdit::Loaded();
  ApplyStateColor();
  HotStateChanged(false, false);
}

void TDvCustomEdit::Notification(TComponent* component, TOperation operation) {
  TCustomEdit::Notification(component, operation);
  if (operation == TOperation::opRemove && component == frameController_)
    frameController_ = nullptr;
}

void TDvCustomEdit::DefineProperties(TFiler& filer) {
  TCustomEdit::DefineProperties(filer);
  TDvOldPropReader::DefineFrameProperties(filer, frameHotTrack_, frameStyle_, frameHotStyle_);
}
