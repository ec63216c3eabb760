// Where the menu's pictures and the side bar's caption go: the background image position rule and
// the rotated caption's origin. Portable.
#pragma once

#include "controls/menu/core/MenuStylerTypes.h"
#include "framework/core/Types.h"

// The top left corner of an image of width x height placed in rect by position (every position
// but bpTiled, bpStretched and bpXY, which place the image themselves; those give rect's corner
// moved by the offsets).
TPoint PlaceBackgroundImage(TBackgroundPosition position, const TRect& rect, int width, int height,
                            int offsetX, int offsetY);

// The integer nearest to numerator / 2, a tie going to the even integer.
int NearestEvenHalf(int numerator);

// Which end of the bar the caption keeps to: its alignment along the reading direction.
enum class TCaptionEnd { Centre, Top, Bottom };
// taCenter: Centre; right-justified reading upwards or left-justified reading downwards: Top;
// otherwise Bottom.
TCaptionEnd CaptionEndFor(bool centred, bool rightJustified, TDirection direction);

// The side bar caption's text origin, relative to the bar's top left corner, for a text extent of
// textWidth x textHeight in the turned font: centred across the bar (barSize wide), at end of a
// bar barHeight high, endOffset from that end (less reservedAtBottom, the height of a picture
// kept to the bottom); dUpToDown moves the origin to the other corner of the turned text.
TPoint PlaceSideBarCaption(int barSize, int barHeight, int textWidth, int textHeight,
                           TCaptionEnd end, TDirection direction, int endOffset,
                           int reservedAtBottom);
