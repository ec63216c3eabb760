// Lays the banner out as a GIF89a file and as stored picture data.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/banner/BannerArt.h"

// One frame with the global table, a graphic control block marking the transparent index with no
// delay, not interlaced, minimum code size 8, compressed by the codec's LZW encoder.
std::vector<uint8_t> BuildBannerGif(const TBannerPicture& picture);
// Length byte 11, "TDvGIFImage", the 32-bit little-endian byte count, the GIF.
std::vector<uint8_t> BuildPictureData(const std::vector<uint8_t>& gif);
