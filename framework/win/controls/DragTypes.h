// The drag-and-drop vocabulary of the controls: how a drag starts (DragMode), what it is
// (DragKind), the objects a drag carries and the signatures of the drag and dock events.
#pragma once

#include <string>
#include <vector>

#include "framework/core/Classes.h"
#include "framework/core/Events.h"
#include "framework/core/Types.h"
#include "framework/win/graphics/Cursors.h"

class TControl;

// dmAutomatic: a left-button press on the control starts a drag once the mouse moves the
// platform's drag distance; dmManual: only BeginDrag starts one.
enum TDragMode { dmManual, dmAutomatic };
// dkDrag: drag and drop onto controls; dkDock: a dock drag (raises the dock events).
enum TDragKind { dkDrag, dkDock };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

// What a drag carries. A handler of OnStartDrag may supply its own (it stays the handler's);
// otherwise the framework makes one for the control.
class TDragObject : public TObject {
 public:
  // Screen position of the drag now, and the control under it (nullptr: none).
  TPoint DragPos() const { return dragPos_; }
  TControl* DragTarget() const { return dragTarget_; }
  // What the target's events receive as their source: the object itself by default.
  virtual TObject* EventSource() { return this; }
  // The cursor over a target that accepts the drop (accepted) or refuses it.
  virtual TCursor DragCursor(bool accepted) const { return accepted ? crDrag : crNoDrop; }

 private:
  friend class TDragSession;
  TPoint dragPos_;
  TControl* dragTarget_ = nullptr;
};

// The drag of a control: the events receive the control as their source and the cursor is the
// control's DragCursor.
class TDragControlObject : public TDragObject {
 public:
  explicit TDragControlObject(TControl& control) : control_(&control) {}
  TControl* Control() const { return control_; }
  TObject* EventSource() override;
  TCursor DragCursor(bool accepted) const override;

 private:
  TControl* control_;
};

// The dock drag of a control.
class TDragDockObject : public TDragControlObject {
 public:
  using TDragControlObject::TDragControlObject;
};

// Sender, source, x, y (the target's client coordinates).
using TDragDropEvent = TEvent<TObject*, TObject*, int, int>;
// Sender, source, x, y, state, accept (enters as true).
using TDragOverEvent = TEvent<TObject*, TObject*, int, int, TDragState, bool&>;
// Sender, target (nullptr when nothing took the drop), x, y (0, 0 then).
using TEndDragEvent = TEvent<TObject*, TObject*, int, int>;
// Sender, the drag object the handler may supply.
using TStartDragEvent = TEvent<TObject*, TDragObject*&>;
using TStartDockEvent = TEvent<TObject*, TDragDockObject*&>;

// Form data names: "dmManual", "dmAutomatic"; "dkDrag", "dkDock".
const std::vector<std::string>& DragModeNames();
const std::vector<std::string>& DragKindNames();
