// Command numbers of menu items: unique in the process, so that a WM_COMMAND, WM_MEASUREITEM or
// WM_DRAWITEM names exactly one item whichever menu it came from.
#pragma once

// A free number in 1..0xFFFF; fails with EOutOfResources "Too many menu items" when all are taken.
int AllocateMenuCommand();
// Gives a number back (unknown numbers are ignored).
void ReleaseMenuCommand(int command) noexcept;
