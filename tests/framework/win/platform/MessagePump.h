// Small message loops for tests: they dispatch the thread's messages until a condition holds or a
// short deadline passes, so that timers, posted commands and menus can run.
#pragma once

#include <functional>

// Dispatches messages until done() is true or timeoutMs have passed; returns done().
bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs);
// Dispatches messages for a fixed time.
void PumpFor(unsigned milliseconds);
// Dispatches every message already waiting.
void PumpPending();
// Milliseconds from a steady clock.
double NowMs();
