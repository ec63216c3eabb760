#include "controls/menu/MenuAnimation.h"

#include <windows.h>

namespace {

struct AnimationState {
  bool switchedOff = false;
  bool saved = false;
};

AnimationState& State() {
  static AnimationState state;
  return state;
}

}  // namespace

void SwitchOffMenuAnimation() {
  AnimationState& state = State();
  if (state.switchedOff) return;
  BOOL animated = FALSE;
  if (!SystemParametersInfoA(SPI_GETMENUANIMATION, 0, &animated, 0)) animated = FALSE;
  state.saved = animated != FALSE;
  SystemParametersInfoA(SPI_SETMENUANIMATION, 0, reinterpret_cast<void*>(FALSE), SPIF_SENDCHANGE);
  state.switchedOff = true;
}

void RestoreMenuAnimation() {
  AnimationState& state = State();
  if (!state.switchedOff) return;
  SystemParametersInfoA(SPI_SETMENUANIMATION, 0,
                        reinterpret_cast<void*>(static_cast<UINT_PTR>(state.saved)),
                        SPIF_SENDCHANGE);
  state.switchedOff = false;
}

bool SavedMenuAnimation() {
  return State().saved;
}
