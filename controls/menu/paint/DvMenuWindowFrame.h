// The border of a styled menu window, drawn after every item: a one-pixel frame in
// MenuBorderColor with a ring in the background colour inside it. Where the Windows version
// reserves room for the system's sub-menu arrow, the window is also clipped so that the reserve
// and the system's own border are not shown, and a sub-menu window is moved toward its parent.
#pragma once

#include <windows.h>

class IStyledMenu;
class TCustomDvMenuStyler;
class TMenuItem;

// The one-shot flags kept in the menu window's user-data word.
inline constexpr LONG_PTR kMenuRegionSet = 1;
inline constexpr LONG_PTR kMenuPlacementAdjusted = 2;

// Nothing when dc does not belong to a window, when the menu's DrawMenuFrame is off, or when the
// window is the one carrying a menu bar.
void DrawMenuWindowFrame(const TMenuItem& item, IStyledMenu& menu,
                         const TCustomDvMenuStyler& styler, HDC dc);
