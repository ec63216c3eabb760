#include "framework/win/controls/DragSession.h"

#include <cstdlib>
#include <memory>

#include "framework/win/controls/Controls.h"
#include "framework/win/controls/WinControl.h"

namespace {

struct DragState {
  TControl* source = nullptr;
  TDragKind kind = dkDrag;
  POINT start{};
  int thresholdX = 0;
  int thresholdY = 0;
  bool started = false;
  // Set while the source's own press is ended, so that its release passes.
  bool endingPress = false;
  bool tookCapture = false;
  HCURSOR previousCursor = nullptr;
  TDragObject* object = nullptr;
  std::unique_ptr<TDragObject> ownedObject;
  TControl* target = nullptr;
  bool accepted = false;
};

std::unique_ptr<DragState>& Current() {
  static std::unique_ptr<DragState> state;
  return state;
}

// A drag whose end events are being raised: it no longer counts as a drag, but a control that
// goes away meanwhile must still drop out of it.
DragState*& Ending() {
  static DragState* state = nullptr;
  return state;
}

void ForgetControl(DragState& state, const TControl* control) {
  if (state.source == control) state.source = nullptr;
  if (state.target == control) {
    state.target = nullptr;
    state.accepted = false;
  }
}

// Gives back the capture and the cursor.
void Release(DragState& state) {
  if (state.started && state.previousCursor != nullptr) SetCursor(state.previousCursor);
  if ((state.started || state.tookCapture) && state.source != nullptr)
    state.source->SetMouseCapture(false);
}

// The window whose capture carries the drag: the source's, or its parent's for a windowless one.
HWND CaptureWindow(const TControl& control) {
  if (const auto* windowed = dynamic_cast<const TWinControl*>(&control))
    return windowed->HandleIfAllocated();
  return control.Parent() != nullptr ? control.Parent()->HandleIfAllocated() : nullptr;
}

// The enabled control under a screen point, windowless children included.
TControl* FindDragTarget(POINT screen) {
  TWinControl* windowed = nullptr;
  for (HWND window = WindowFromPoint(screen); window != nullptr && windowed == nullptr;
       window = GetParent(window))
    windowed = TWinControl::FindControl(window);
  if (windowed == nullptr) return nullptr;
  if (TControl* child =
          windowed->ControlAtPos(windowed->ScreenToClient({screen.x, screen.y}), false))
    return child;
  return windowed;
}

}  // namespace

bool TDragSession::Active(const TControl* source) {
  const DragState* state = Current().get();
  return state != nullptr && (source == nullptr || state->source == source);
}

void TDragSession::Begin(TControl& source, bool immediate, int threshold, const TPoint* start) {
  if (Current() != nullptr) return;
  auto state = std::make_unique<DragState>();
  state->source = &source;
  state->kind = source.DragKind();
  if (start != nullptr)
    state->start = {start->X, start->Y};
  else
    GetCursorPos(&state->start);
  state->thresholdX = threshold >= 0 ? threshold : GetSystemMetrics(SM_CXDRAG);
  state->thresholdY = threshold >= 0 ? threshold : GetSystemMetrics(SM_CYDRAG);
  Current() = std::move(state);
  // Moves outside the control count too.
  if (!source.MouseCapture()) {
    source.SetMouseCapture(true);
    if (Current() != nullptr) Current()->tookCapture = source.MouseCapture();
  }
  if (immediate) Start();
}

bool TDragSession::HandleMouse(TControl& control, TMessage& message) {
  DragState* state = Current().get();
  if (state == nullptr || state->source != &control || state->endingPress) return false;
  const TPoint at = control.ClientToScreen({LoSigned(message.LParam), HiSigned(message.LParam)});
  const POINT screen{at.X, at.Y};
  switch (message.Msg) {
    case WM_MOUSEMOVE:
      if (!state->started) {
        if (std::abs(screen.x - state->start.x) < state->thresholdX &&
            std::abs(screen.y - state->start.y) < state->thresholdY)
          return false;
        Start();
        return true;
      }
      MoveTo(screen);
      return true;
    case WM_LBUTTONUP:
      if (!state->started) {
        // A press that never became a drag stays the control's own.
        Quit();
        return false;
      }
      Finish(true, screen);
      return true;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (!state->started) return false;
      Finish(false, screen);
      return true;
    default:
      return state->started;
  }
}

bool TDragSession::HandleKey(const TMessage& message) {
  DragState* state = Current().get();
  if (state == nullptr || message.WParam != VK_ESCAPE) return false;
  switch (message.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
      break;
    default:
      return false;
  }
  if (!state->started) {
    Quit();
    return false;
  }
  POINT screen{};
  GetCursorPos(&screen);
  Finish(false, screen);
  return true;
}

void TDragSession::CaptureLost(HWND window, HWND newCapture) {
  DragState* state = Current().get();
  if (state == nullptr || state->endingPress) return;
  const HWND ours = CaptureWindow(*state->source);
  if (window != ours || newCapture == ours) return;
  if (!state->started) {
    Quit();
    return;
  }
  POINT screen{};
  GetCursorPos(&screen);
  Finish(false, screen);
}

void TDragSession::End(bool drop) {
  DragState* state = Current().get();
  if (state == nullptr) return;
  POINT screen{};
  GetCursorPos(&screen);
  Finish(drop, screen);
}

void TDragSession::ControlDestroyed(TControl* control) {
  if (DragState* ending = Ending()) ForgetControl(*ending, control);
  DragState* state = Current().get();
  if (state == nullptr) return;
  if (state->source == control) {
    // Nothing is raised on a control that is going away; its window lets the capture go.
    if (state->started && state->previousCursor != nullptr) SetCursor(state->previousCursor);
    Current().reset();
    return;
  }
  ForgetControl(*state, control);
  if (state->object != nullptr && state->object->dragTarget_ == control)
    state->object->dragTarget_ = nullptr;
}

void TDragSession::Quit() {
  std::unique_ptr<DragState> ended = std::move(Current());
  if (ended != nullptr) Release(*ended);
}

void TDragSession::Start() {
  DragState* state = Current().get();
  TControl& source = *state->source;
  try {
    if ((source.ControlState() & csLButtonDown) != 0) {
      // The control's own press ends as a release outside it, so that no click follows.
      state->endingPress = true;
      source.ControlStateExclude(csClicked);
      source.Perform(WM_LBUTTONUP, 0, PackPoint(-1, -1));
      state->endingPress = false;
      if (Current().get() != state) return;
    }
    if (!source.MouseCapture()) source.SetMouseCapture(true);
    state->tookCapture = true;
    state->previousCursor = GetCursor();
    if (state->kind == dkDock) {
      TDragDockObject* dock = nullptr;
      source.DoStartDock(dock);
      if (Current().get() != state) return;
      if (dock == nullptr) {
        state->ownedObject = std::make_unique<TDragDockObject>(source);
        dock = static_cast<TDragDockObject*>(state->ownedObject.get());
      }
      state->object = dock;
    } else {
      TDragObject* object = nullptr;
      source.DoStartDrag(object);
      if (Current().get() != state) return;
      if (object == nullptr) {
        state->ownedObject = std::make_unique<TDragControlObject>(source);
        object = state->ownedObject.get();
      }
      state->object = object;
    }
    state->started = true;
  } catch (...) {
    if (Current().get() == state) {
      state->endingPress = false;
      Quit();
    }
    throw;
  }
  POINT screen{};
  GetCursorPos(&screen);
  MoveTo(screen);
}

bool TDragSession::Ask(TControl& target, TObject* source, TPoint at, TDragState state) {
  bool accept = false;
  target.DragOver(source, at.X, at.Y, state, accept);
  return accept;
}

namespace {

// The target's answer at a screen point; at gets the point in its client coordinates.
bool AskTarget(DragState& state, TDragState dragState, POINT screen, TPoint& at) {
  at = state.target->ScreenToClient({screen.x, screen.y});
  return TDragSession::Ask(*state.target, state.object->EventSource(), at, dragState);
}

}  // namespace

void TDragSession::MoveTo(POINT screen) {
  DragState* state = Current().get();
  TDragObject& object = *state->object;
  object.dragPos_ = {screen.x, screen.y};
  try {
    if (state->kind == dkDrag) {
      TControl* target = FindDragTarget(screen);
      TPoint at;
      if (target != state->target) {
        if (state->target != nullptr) {
          AskTarget(*state, dsDragLeave, screen, at);
          if (Current().get() != state) return;
        }
        state->target = target;
        state->accepted = false;
        object.dragTarget_ = target;
        if (target != nullptr) {
          const bool accept = AskTarget(*state, dsDragEnter, screen, at);
          if (Current().get() != state) return;
          state->accepted = accept && state->target != nullptr;
        }
      } else if (target != nullptr) {
        const bool accept = AskTarget(*state, dsDragMove, screen, at);
        if (Current().get() != state) return;
        state->accepted = accept && state->target != nullptr;
      }
    }
    SetCursor(CursorHandle(object.DragCursor(state->kind == dkDock || state->accepted)));
  } catch (...) {
    if (Current().get() == state) Quit();
    throw;
  }
}

void TDragSession::Finish(bool drop, POINT screen) {
  DragState* state = Current().get();
  bool accepted = false;
  TPoint at;
  if (state->started && state->kind == dkDrag && state->target != nullptr) {
    try {
      // The target's last word decides the drop.
      const bool accept = AskTarget(*state, dsDragLeave, screen, at);
      if (Current().get() != state) return;
      accepted = drop && accept && state->target != nullptr;
    } catch (...) {
      if (Current().get() == state) Quit();
      throw;
    }
  }
  std::unique_ptr<DragState> ended = std::move(Current());
  Release(*ended);
  if (!ended->started) return;
  struct EndingScope {
    explicit EndingScope(DragState* state) { Ending() = state; }
    ~EndingScope() { Ending() = nullptr; }
    EndingScope(const EndingScope&) = delete;
    EndingScope& operator=(const EndingScope&) = delete;
  } scope(ended.get());
  if (ended->kind == dkDock) {
    if (ended->source != nullptr) ended->source->DoEndDock(nullptr, 0, 0);
    return;
  }
  TControl* target = accepted ? ended->target : nullptr;
  if (target != nullptr) target->DragDrop(ended->object->EventSource(), at.X, at.Y);
  target = accepted ? ended->target : nullptr;  // the drop may have destroyed it
  if (ended->source != nullptr)
    ended->source->DoEndDrag(target, target != nullptr ? at.X : 0, target != nullptr ? at.Y : 0);
}

// ---- the drag objects and the control's side ----

TObject* TDragControlObject::EventSource() {
  return control_;
}

TCursor TDragControlObject::DragCursor(bool accepted) const {
  return accepted ? control_->DragCursor() : crNoDrop;
}

const std::vector<std::string>& DragModeNames() {
  static const std::vector<std::string> names = {"dmManual", "dmAutomatic"};
  return names;
}

const std::vector<std::string>& DragKindNames() {
  static const std::vector<std::string> names = {"dkDrag", "dkDock"};
  return names;
}

void TControl::BeginDrag(bool immediate, int threshold) {
  TDragSession::Begin(*this, immediate, threshold);
}

void TControl::EndDrag(bool drop) {
  if (TDragSession::Active(this)) TDragSession::End(drop);
}

bool TControl::Dragging() const {
  return TDragSession::Active(this);
}

void TControl::DoStartDrag(TDragObject*& dragObject) {
  OnStartDrag(this, dragObject);
}

void TControl::DoStartDock(TDragDockObject*& dragObject) {
  OnStartDock(this, dragObject);
}

void TControl::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
  accept = static_cast<bool>(OnDragOver);
  if (accept) OnDragOver(this, source, x, y, state, accept);
}

void TControl::DragDrop(TObject* source, int x, int y) {
  OnDragDrop(this, source, x, y);
}

void TControl::DoEndDrag(TObject* target, int x, int y) {
  OnEndDrag(this, target, x, y);
}

void TControl::DoEndDock(TObject* target, int x, int y) {
  OnEndDock(this, target, x, y);
}
