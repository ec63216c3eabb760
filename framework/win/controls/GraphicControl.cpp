#include "framework/win/controls/GraphicControl.h"

#include "framework/core/TypInfo.h"

const TClassInfo& TGraphicControl::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TGraphicControl, TControl>("TGraphicControl");
  return info;
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), canvas_(this) {}

TGraphicControl::~TGraphicControl() {
  canvas_.FreeHandle();
}

void TGraphicControl::WndProc(TMessage& message) {
  if (message.Msg == WM_PAINT && message.WParam != 0) {
    TCanvasDCScope scope(canvas_, reinterpret_cast<HDC>(message.WParam));
    Paint();
    message.Result = 0;
    return;
  }
  TControl::WndProc(message);
}
