// The drag in progress (one per process, as there is one mouse): it follows the mouse of the
// source control from BeginDrag to the drop, finds the control under the cursor, asks it with
// OnDragOver whether it accepts the drop, shows the drag cursor, and ends with OnDragDrop on the
// target and OnEndDrag on the source; Esc, a lost capture or another button cancels it.
#pragma once

#include <windows.h>

#include "framework/core/Types.h"
#include "framework/win/controls/DragTypes.h"
#include "framework/win/controls/Messages.h"

class TControl;

class TDragSession {
 public:
  // Starts a drag of source (nothing while another drag is pending or going on); the drag
  // distance counts from start (a screen point), from the cursor without one.
  static void Begin(TControl& source, bool immediate, int threshold, const TPoint* start = nullptr);
  // Ends the drag: dropped where the mouse is (drop) or cancelled. Nothing without a drag.
  static void End(bool drop);
  // A drag is pending or going on; of source (when given).
  static bool Active(const TControl* source = nullptr);

  // The source's mouse messages: true when the drag took the message.
  static bool HandleMouse(TControl& control, TMessage& message);
  // Esc cancels a drag that is going on: true when the key was taken.
  static bool HandleKey(const TMessage& message);
  // The window that held the capture lost it to another one (or the mode was cancelled).
  static void CaptureLost(HWND window, HWND newCapture);
  // The answer of target's OnDragOver for source at a client point.
  static bool Ask(TControl& target, TObject* source, TPoint at, TDragState state);
  // A control going away stops being the source (the drag ends quietly) or the target.
  static void ControlDestroyed(TControl* control);

 private:
  // The drag proper begins: the source's own press ends, OnStartDrag (or OnStartDock) runs.
  static void Start();
  // The mouse is at a new screen point: the target is asked and the cursor follows its answer.
  static void MoveTo(POINT screen);
  // The last word of the target, then the drop and the end events.
  static void Finish(bool drop, POINT screen);
  // Ends the drag without events.
  static void Quit();
};
