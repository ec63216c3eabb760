// The drag-and-drop vocabulary that controls publish (DragMode, DragCursor and the drag events).
// The framework does not start drags yet: the settings are kept and written back, and nothing
// raises the events.
#pragma once

#include <string>
#include <vector>

#include "framework/core/Events.h"
#include "framework/win/Controls.h"

class TDragObject;

enum TDragMode { dmManual, dmAutomatic };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

// The cursor of a drag in progress.
constexpr TCursor crDrag = -12;

// Sender, source, x, y.
using TDragDropEvent = TEvent<TObject*, TObject*, int, int>;
// Sender, source, x, y, state, accept.
using TDragOverEvent = TEvent<TObject*, TObject*, int, int, TDragState, bool&>;
// Sender, target, x, y.
using TEndDragEvent = TEvent<TObject*, TObject*, int, int>;
// Sender, the drag object the handler may supply.
using TStartDragEvent = TEvent<TObject*, TDragObject*&>;

// Form data names: "dmManual", "dmAutomatic".
const std::vector<std::string>& DragModeNames();
// The cursor names of form data, with "crDrag".
const TIdentMap& DragCursorIdents();
