#include "framework/win/controls/ControlCanvas.h"

#include <algorithm>
#include <vector>

#include "framework/core/TypInfo.h"
#include "framework/win/controls/WinControl.h"

namespace {
// Canvases that hold a DC of their own, so that idle time can give every one back.
std::vector<TControlCanvas*>& CanvasesWithDC() {
  static std::vector<TControlCanvas*> list;
  return list;
}
}  // namespace

const TClassInfo& TControlCanvas::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TControlCanvas, TCanvas>("TControlCanvas");
  return info;
}

TControlCanvas::~TControlCanvas() {
  FreeHandle();
}

void TControlCanvas::SetControl(TControl* control) {
  if (control == control_) return;
  FreeHandle();
  control_ = control;
}

void TControlCanvas::FreeHandle() {
  if (!ownDC_) return;
  SetHandle(nullptr);
  ownDC_.reset();
  auto& list = CanvasesWithDC();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void TControlCanvas::FreeDeviceContexts() {
  const std::vector<TControlCanvas*> list = CanvasesWithDC();
  for (TControlCanvas* canvas : list)
    canvas->FreeHandle();
}

void TControlCanvas::CreateHandle() {
  if (control_ == nullptr) return;
  auto* windowed = dynamic_cast<TWinControl*>(control_);
  TWinControl* host = windowed != nullptr ? windowed : control_->Parent();
  if (host == nullptr || !host->HandleAllocated()) return;
  auto dc = std::make_unique<WindowDC>(host->HandleIfAllocated());
  if (dc->Get() == nullptr) return;
  if (windowed == nullptr) {
    SetViewportOrgEx(dc->Get(), control_->Left(), control_->Top(), nullptr);
    IntersectClipRect(dc->Get(), 0, 0, control_->Width(), control_->Height());
  }
  ownDC_ = std::move(dc);
  CanvasesWithDC().push_back(this);
  SetHandle(ownDC_->Get());
}
