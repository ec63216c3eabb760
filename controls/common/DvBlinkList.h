// The shared blink list: one process-wide list of the labels with one window-system timer that
// switches every blinking control between its blink colour and its normal colour at the same
// moment. Any control can take part by answering the two messages below.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/win/platform/SystemTimer.h"

class TControl;

// Asks a control whether it blinks; a blinking control answers 1.
constexpr UINT CM_DVBLINKING = 0xB3E8;
// Carries the new shared phase in wParam: 1 the blink phase, 0 the normal phase.
constexpr UINT CM_DVBLINKPHASE = 0xB3E9;

class TDvBlinkingControlsList {
 public:
  ~TDvBlinkingControlsList();
  TDvBlinkingControlsList(const TDvBlinkingControlsList&) = delete;
  TDvBlinkingControlsList& operator=(const TDvBlinkingControlsList&) = delete;

  // The list while any member exists, nullptr otherwise.
  static TDvBlinkingControlsList* Instance();
  // Adds a control; the first creates the list and starts its timer in the blink phase, with
  // both intervals at 500 ms.
  static void Join(TControl& control);
  // Removes a control; the last one frees the list and its timer.
  static void Leave(TControl& control);

  // Length of the normal and of the blink phase in ms, shared by every member; a change takes
  // effect from the next phase.
  uint16_t IntervalOff() const { return intervalOff_; }
  void SetIntervalOff(uint16_t value) { intervalOff_ = value; }
  uint16_t IntervalOn() const { return intervalOn_; }
  void SetIntervalOn(uint16_t value) { intervalOn_ = value; }

  bool BlinkPhase() const { return blinkPhase_; }
  // The length of the phase under way, in ms.
  unsigned CurrentInterval() const { return currentInterval_; }
  bool TimerRunning() const { return timer_.Running(); }
  int Count() const { return static_cast<int>(controls_.size()); }

  // What one timer tick does: flips the shared phase, times the new phase and sends it to every
  // member that answers that it blinks.
  void Tick();

 private:
  TDvBlinkingControlsList();
  void StartPhase(unsigned interval);
  bool Contains(const TControl* control) const;

  std::vector<TControl*> controls_;
  TSystemTimer timer_;
  bool blinkPhase_ = true;
  uint16_t intervalOff_ = 500;
  uint16_t intervalOn_ = 500;
  unsigned currentInterval_ = 0;
};
