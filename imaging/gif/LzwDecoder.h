// LZW decoding of one frame's stored data into one byte per pixel, rows in stored order.
// Portable: never includes windows.h.
#pragma once

#include <cstddef>
#include <cstdint>

#include "imaging/gif/GIFTypes.h"

// Bytes the pixel buffer must have after the frame's last pixel, for the decoder's own use:
// strings are copied in 16-byte chunks that may run on past their end, and the literal codes'
// bytes are kept there, so that a literal is copied like any other string.
inline constexpr size_t kLzwOutputSlack = 16 + 512 + 16;

// Decodes `data` (minimum code size byte, then sub-blocks) into pixels[0..pixelCount), rows as
// stored (interlaced frames in pass order), each value masked to colorBits (1..8, the frame's
// colour table depth). pixels must hold pixelCount + kLzwOutputSlack bytes; pixels never reached
// are 0, the slack bytes are overwritten.
//
// Returns ckNone, or why the data is corrupt when tolerate is on; decoding stops at the fault.
// With tolerate off: "GIF code size not in range 2 to 9", "GIF encoded data is corrupt" (a code
// beyond the table, the end code before the last pixel) and "Stream read error" (the data runs
// out). Always "Wrong number of colors; must be a power of 2" for colorBits outside 1..8.
// Reports psStarting, psRunning after every code, and psEnding on every path.
TGIFCorruptKind DecodeLzwIndices(const uint8_t* data, size_t size, uint8_t* pixels,
                                 size_t pixelCount, uint32_t colorBits, bool tolerate,
                                 const TGIFProgressEvent& progress);
