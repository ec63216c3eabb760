// Reduction of 24-bit pixels to an 8-bit, 256-colour device-independent bitmap file.
// Portable: never includes windows.h.
#pragma once

#include <cstdint>
#include <vector>

// rgbRows: bottom-up rows of (blue, green, red), each padded to 4 bytes; the 8-bit indices are
// written over them. Returns the complete 8-bit file (headers, 256-entry palette, rows).
// Histogram method: the 256 most frequent colours (channels coarsened, blue first, while there
// are more than 2049), every other colour mapped to its nearest palette entry.
std::vector<uint8_t> ReduceToHistogramPalette(std::vector<uint8_t>& rgbRows, uint32_t width,
                                              uint32_t height);
// Grey method: palette entry i is (i, i, i); index = (77 red + 150 green + 29 blue) div 256.
std::vector<uint8_t> ReduceToGreyPalette(std::vector<uint8_t>& rgbRows, uint32_t width,
                                         uint32_t height);
