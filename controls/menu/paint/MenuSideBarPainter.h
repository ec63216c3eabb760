// The side bar's own drawing on top of its two backgrounds: the caption turned by 90 degrees, the
// border and the splitter.
#pragma once

#include <windows.h>

#include "framework/core/Types.h"

class TSideBar;

// The caption in SideBar.Font turned to read upwards (dDownToUp) or downwards, placed by Alignment
// along the bar and centred across it, first in ShadowColor Depth pixels off (unless clNone), then
// in the font colour; clipped to bar and one pixel below it.
void PaintSideBarCaption(HDC dc, const TRect& bar, TSideBar& sideBar);

// The border (bar less the splitter, in BorderColor) and the splitter (the rightmost
// SplitterWidth pixels: a vertical bar with gradient ends); each skipped in clNone.
void PaintSideBarFrame(HDC dc, const TRect& bar, const TSideBar& sideBar);
