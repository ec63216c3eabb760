#include "framework/win/controls/CustomControl.h"

#include "framework/core/TypInfo.h"

const TClassInfo& TCustomControl::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TCustomControl, TWinControl>("TCustomControl");
  return info;
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner), canvas_(this) {}

TCustomControl::~TCustomControl() {
  // The window goes while the canvas and Paint still exist.
  DestroyHandle();
  canvas_.FreeHandle();
}

void TCustomControl::PaintWindow(HDC dc) {
  TCanvasDCScope scope(canvas_, dc);
  Paint();
}
