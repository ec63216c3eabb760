// The standard size and look of owner-drawn menu items, used when an item has no drawing
// handlers of its own. Layout of a drop-down item, left to right: a margin, the glyph column
// (the image list's width, or 16), a margin, a gap, the caption, the shortcut text right-aligned,
// and a right margin that leaves room for the sub-menu arrow.
#pragma once

#include "framework/core/Colors.h"
#include "framework/core/Types.h"
#include "framework/win/menus/MenuTypes.h"

class TCanvas;
class TMenuItem;

inline constexpr int kMenuGlyphSize = 16;      // glyph column without an image list
inline constexpr int kMenuGlyphMargin = 2;     // around the glyph
inline constexpr int kMenuTextGap = 4;         // glyph column to caption
inline constexpr int kMenuShortCutGap = 16;    // caption to shortcut text
inline constexpr int kMenuRightMargin = 16;    // after the text
inline constexpr int kMenuBarItemPadding = 6;  // each side of a bar item's caption
inline constexpr int kMenuSeparatorHeight = 9;

// Whether the item sits on a window's menu bar.
bool IsMenuBarItem(const TMenuItem& item);
// Left edge of the caption inside a drop-down item.
int MenuTextLeft(const TMenuItem& item);

// The size of the item in the canvas's font (the system menu font, bold for the default item):
// a separator is kMenuSeparatorHeight high; a bar item is its caption plus padding; a drop-down
// item follows the layout above and is as high as its text plus 6 or its glyph plus margins.
void MeasureStandardMenuItem(const TMenuItem& item, TCanvas& canvas, int& width, int& height);

// Paints the item: background in clMenu (clHighlight when selected), a separator as an etched
// line, the image from the image list at ImageIndex (greyed when disabled), else the item's
// bitmap, else a check or radio mark when checked, then caption and shortcut in clMenuText
// (clHighlightText when selected, clGrayText when disabled).
void DrawStandardMenuItem(const TMenuItem& item, TCanvas& canvas, const TRect& rect,
                          TOwnerDrawState state, bool barItem);

// A check mark (or a radio dot) centred in box.
void DrawMenuCheckMark(TCanvas& canvas, const TRect& box, bool radio, TColor color);
