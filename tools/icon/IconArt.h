// The application icon's picture: two overlapping monitors with blue screens joined by a network
// cable, at 16, 32 and 48 pixels.
// Portable: never includes windows.h.
#pragma once

#include "controls/images/ImageListStreamBitmaps.h"

// Pixels 0xAARRGGBB with straight (not premultiplied) alpha. The 16-pixel picture is the
// "connected" state image; larger ones are drawn smooth. smooth=false draws them with hard edges
// and no shadow, for the 256-colour images. Sizes other than 16, 32 and 48 fail with
// EInvalidOperation "Invalid ImageList".
TBgraBitmap DrawMainIcon(int size, bool smooth);
