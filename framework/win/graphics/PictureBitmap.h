// A picture's graphic as a bitmap, for code that needs pixels (image lists, GIF frames).
#pragma once

#include <memory>

#include "framework/core/Picture.h"
#include "framework/win/graphics/Bitmap.h"

// A new bitmap of the picture's size with its graphic drawn at (0, 0) over background (a bitmap
// graphic is copied as it is). Empty for an empty picture.
std::unique_ptr<TBitmap> PictureToBitmap(const TPicture& picture, TColor background = clWhite);
// The picture's graphic when it is a bitmap; otherwise the picture takes a bitmap made by
// PictureToBitmap (an empty bitmap for an empty picture) and that is returned.
TBitmap& PictureBitmap(TPicture& picture);
