// A canvas that draws on a control: during painting on the DC the paint message hands over;
// outside painting on a DC of the control's window (windowless controls: of the parent's window,
// moved to and clipped to the control), released at the latest when the application goes idle.
#pragma once

#include <memory>

#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/GdiObjects.h"

class TControl;

class TControlCanvas : public TCanvas {
  DV_CLASS(TControlCanvas)
 public:
  explicit TControlCanvas(TControl* control = nullptr) : control_(control) {}
  ~TControlCanvas() override;

  TControl* Control() const { return control_; }
  void SetControl(TControl* control);
  // Releases the DC that CreateHandle obtained (a DC attached from outside is only detached).
  void FreeHandle();
  // Releases the DCs of every control canvas (the application calls this when idle).
  static void FreeDeviceContexts();

 protected:
  void CreateHandle() override;

 private:
  TControl* control_;
  std::unique_ptr<WindowDC> ownDC_;
};

// Attaches a DC to a canvas for one scope (painting) and detaches it on every path.
class TCanvasDCScope {
 public:
  TCanvasDCScope(TControlCanvas& canvas, HDC dc) : canvas_(canvas) {
    canvas_.FreeHandle();
    canvas_.SetHandle(dc);
  }
  ~TCanvasDCScope() { canvas_.SetHandle(nullptr); }
  TCanvasDCScope(const TCanvasDCScope&) = delete;
  TCanvasDCScope& operator=(const TCanvasDCScope&) = delete;

 private:
  TControlCanvas& canvas_;
};
