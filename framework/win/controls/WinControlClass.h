// Window classes of the windowed controls: registered once per name, all with the shared window
// procedure that links each window to its control.
#pragma once

#include <windows.h>

struct TCreateParams;

LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

namespace WindowClasses {
// Registers params.winClassName once (derived from params.baseClass when set); throws
// EInvalidOperation when the class cannot be registered.
void Register(const TCreateParams& params);
// True when window belongs to a control of this process. Never throws.
bool IsControlWindow(HWND window);
}  // namespace WindowClasses
