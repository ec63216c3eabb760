// Mouse cursors by the numbers form data names them ("crHandPoint"), and their platform handles.
#pragma once

#include <windows.h>

#include "framework/core/TypInfo.h"

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
// A drag in progress over a place that accepts it, and over one that does not.
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

// The platform cursor for a cursor number (nullptr for crDefault and unknown numbers). crDrag is
// the arrow with a small box below it, made once per process.
HCURSOR CursorHandle(TCursor cursor);
// Form data names of the cursor numbers.
const TIdentMap& CursorIdents();
