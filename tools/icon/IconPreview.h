// The six images of the application icon and a preview sheet of them.
// Portable: never includes windows.h.
#pragma once

#include <vector>

#include "tools/icon/IconFile.h"

// 16, 32 and 48 pixels at 8 bits, then the same at 32 bits.
std::vector<TIconImage> MainIconImages();

// A row per depth, each image scale times enlarged over a grey checkerboard (opaque result).
TBgraBitmap IconPreviewSheet(const std::vector<TIconImage>& images, int scale);
