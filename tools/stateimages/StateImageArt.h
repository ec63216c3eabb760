// The four 16 x 16 state images (0 not connected, 1 busy, 2 connected, 3 error) and their stored
// image-list data.
// Portable: never includes windows.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "controls/images/ImageListStream.h"
#include "controls/images/ImageListStreamBitmaps.h"

enum class TMonitorScreens { msBothOff, msFrontOn, msBothOn };

inline constexpr int kStateImageSize = 16;
inline constexpr int kStateImageCapacity = 9;
inline constexpr uint16_t kStateImageFlags = 0x10FF;
// The block keeps the length the form has always carried: the header and both bitmaps take
// 12816 bytes, and zero bytes that every reader ignores follow the mask bitmap.
inline constexpr size_t kStateImageDataSize = 12838;

// Two overlapping monitors joined by a network cable, 16 x 16.
TStoredImage DrawMonitorsImage(TMonitorScreens screens);
// A white medicine bottle with a red cross in front of a pale blue panel, 16 x 16.
TStoredImage DrawErrorImage();

// The list as stored: 4 images, capacity 9, growth 4, 16 x 16, no background, flags 0x10FF.
TStoredImageList StateImageList();
// The stored block: the "IL" stream at 32 bits per pixel, kStateImageDataSize bytes.
std::vector<uint8_t> StateImageListData();

// The images side by side over a light and a dark background, scale times enlarged.
TBgraBitmap StateImagesPreview(const std::vector<TStoredImage>& images, int size, int scale);
