// Generated pictures that look like the files people keep: a dithered photograph, a diagram, a
// bilevel page of text and a screen recording of a user interface. Rows from the top.
#pragma once

#include <cstdint>
#include <vector>

#include "GiflibPeer.h"

// A landscape (sky, sun, hills, lake) reduced to a 6 x 7 x 6 colour cube and 4 greys with
// Floyd-Steinberg dithering, as photographs saved as GIF usually are.
PeerImage DitheredPhoto(uint32_t width, uint32_t height);
// Boxes, lines, labels and a pie chart in 7 colours of a 256-colour table.
PeerImage Diagram(uint32_t width, uint32_t height);
// Black lines of text on a white page, 2 colours.
PeerImage TextPage(uint32_t width, uint32_t height);
// A window with title bar, menu, toolbar, text and buttons, then `changes` frames that each
// redraw one small rectangle (typing, caret, hover, progress, clock), as screen recorders write.
PeerImage ScreenRecording(uint32_t width, uint32_t height, uint32_t changes);
