// Minimal PNG files for previews: 8-bit RGBA, the image data in stored (uncompressed) blocks.
// Portable: never includes windows.h.
#pragma once

#include <cstdint>
#include <vector>

#include "controls/images/ImageListStreamBitmaps.h"

// The whole file for the picture (straight alpha). Never throws beyond allocation.
std::vector<uint8_t> BuildPngFile(const TBgraBitmap& picture);

// The CRC-32 of PNG chunks (and of zip), over bytes.
uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0);
