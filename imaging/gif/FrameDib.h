// Turns a frame's stored data into a complete device-independent bitmap file in memory.
// Portable: never includes windows.h.
#pragma once

#include <cstdint>
#include <vector>

#include "imaging/gif/GIFRecords.h"
#include "imaging/gif/GIFTypes.h"

// Builds the file (headers, palette from the item's colour table, decoded rows) into `file` and
// returns why the data is corrupt (ckNone when it is not). Fails with "Wrong number of colors;
// must be a power of 2" for a depth outside 1..8, EOutOfMemory beyond the pixel limit (before
// allocating), and the decoder's failures.
TGIFCorruptKind BuildFrameDibFile(const TGIFItem& item, bool interlaced, bool tolerate,
                                  const TGIFProgressEvent& progress, std::vector<uint8_t>& file);

// The DIB depth for a frame's colour depth: 1 for 1, 4 for 2..4, 8 for 5..8.
uint32_t DibBitsForColorBits(uint32_t colorBits);
