// The parts of one styled item inside its content rectangle: the separator line, the highlight,
// the image or check mark in the icon column, the caption and the shortcut text.
#pragma once

#include <windows.h>

#include <string>

#include "framework/core/Types.h"
#include "framework/win/menus/MenuTypes.h"

class IStyledMenu;
class TCanvas;
class TCustomDvMenuStyler;
class TMenuItem;

// The separator line from the icon column's right edge to the right of content, Separator.Width
// thick around the middle: a bar with gradient ends in the separator's own direction.
void DrawStyledSeparator(HDC dc, const TCustomDvMenuStyler& styler, const TRect& content);

// Highlight, glyph, caption, sub-menu arrow and shortcut of item.
void DrawStyledItemBody(TMenuItem& item, IStyledMenu& menu, const TCustomDvMenuStyler& styler,
                        TCanvas& canvas, const TRect& content, TOwnerDrawState state);

// The item text routine: the font for the item's kind and state (bold for the default item, the
// embossed look when disabled), then DrawTextA with format. With DT_CALCRECT it measures only
// (an empty text or "&" alone is measured with a blank appended).
void DrawStyledItemText(const TMenuItem& item, const TCustomDvMenuStyler& styler, TCanvas& canvas,
                        std::string text, UINT format, TOwnerDrawState state, TRect& rect);
