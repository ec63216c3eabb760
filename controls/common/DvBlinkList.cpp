#include "controls/common/DvBlinkList.h"

#include <algorithm>

#include "framework/core/SysUtils.h"
#include "framework/win/controls/Controls.h"

namespace {

std::unique_ptr<TDvBlinkingControlsList>& TheList() {
  static std::unique_ptr<TDvBlinkingControlsList> list;
  return list;
}

}  // namespace

TDvBlinkingControlsList::TDvBlinkingControlsList() : timer_([this] { Tick(); }) {
  StartPhase(intervalOff_);
}

TDvBlinkingControlsList::~TDvBlinkingControlsList() = default;

TDvBlinkingControlsList* TDvBlinkingControlsList::Instance() {
  return TheList().get();
}

void TDvBlinkingControlsList::Join(TControl& control) {
  auto& list = TheList();
  if (!list) list.reset(new TDvBlinkingControlsList());
  if (!list->Contains(&control)) list->controls_.push_back(&control);
}

void TDvBlinkingControlsList::Leave(TControl& control) {
  auto& list = TheList();
  if (!list) return;
  std::erase(list->controls_, &control);
  if (list->controls_.empty()) list.reset();
}

bool TDvBlinkingControlsList::Contains(const TControl* control) const {
  return std::find(controls_.begin(), controls_.end(), control) != controls_.end();
}

void TDvBlinkingControlsList::StartPhase(unsigned interval) {
  // A zero interval would stop the timer for good, stuck in one phase.
  currentInterval_ = std::max(interval, 1u);
  try {
    timer_.Start(currentInterval_);
  } catch (const EOutOfResources&) {
    // Without a timer nothing blinks; the labels themselves still work.
  }
}

void TDvBlinkingControlsList::Tick() {
  blinkPhase_ = !blinkPhase_;
  StartPhase(blinkPhase_ ? intervalOn_ : intervalOff_);
  // A member may leave while another repaints; ask only those still in the list.
  const std::vector<TControl*> members = controls_;
  for (TControl* control : members) {
    if (!Contains(control)) continue;
    if (control->Perform(CM_DVBLINKING) == 1)
      control->Perform(CM_DVBLINKPHASE, blinkPhase_ ? 1 : 0);
  }
}
