// The styled painter: measures and paints the items of TDvPopupMenu and TDvMainMenu with the look
// of their styler. Items of other menus are left to the framework's standard look.
#pragma once

#include <string>

#include "framework/core/Types.h"
#include "framework/win/menus/MenuTypes.h"
#include "framework/win/menus/ShortCuts.h"

class TCanvas;
class TCustomDvMenuStyler;
class TMenuItem;

// The menu's measure handler: width and height arrive holding the standard size of the item.
void MeasureStyledMenuItem(TMenuItem& item, TCanvas& canvas, int& width, int& height);
// The menu's draw handler: rect is the item's rectangle as the window system gives it.
void DrawStyledMenuItem(TMenuItem& item, TCanvas& canvas, const TRect& rect, TOwnerDrawState state);

// Measuring with a given styler; sideBar: the side bar applies to the item.
void MeasureItemWithStyler(const TMenuItem& item, const TCustomDvMenuStyler& styler,
                           TCanvas& canvas, int& width, int& height, bool sideBar);
// The shortcut's text, with "Win+" in front when it carries the Windows-key flag 0x0200.
std::string StyledShortCutText(TShortCut shortCut);
