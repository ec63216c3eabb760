// The bitmap files inside stored image-list data: a file header, an information header, a
// palette for 8 bits or fewer, and the rows bottom-up, each padded to 4 bytes.
// Portable: never includes windows.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class TStream;

// A picture in memory: rows top-down, each pixel 0xAARRGGBB (bytes B, G, R, A in memory).
struct TBgraBitmap {
  int width = 0;   // 0..65535 * 4
  int height = 0;  // 0..65535 * 16384
  std::vector<uint32_t> pixels;

  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  uint32_t& At(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
};

// What the reader found in the headers, for callers that care about the stored depth.
struct TBitmapFileInfo {
  int bitsPerPixel = 0;  // 1, 4, 8, 16, 24 or 32
  bool topDown = false;
};

// Reads one bitmap file at the stream's position and leaves the stream after its last row.
// Uncompressed 1, 4, 8, 16, 24 and 32 bits per pixel (and bit-field 16 and 32) are read; depths
// without alpha give alpha 0xFF. Pictures of more than maxPixels pixels are refused. Fails with
// EReadError "Failed to read ImageList data from stream" on anything malformed or cut short.
TBgraBitmap ReadBitmapFile(TStream& stream, uint64_t maxPixels, TBitmapFileInfo* info = nullptr);

// What the file header's size field holds: the platform's image-list writer puts the offset of the
// rows there; a file of its own holds its whole size.
enum class TBitmapSizeField { bsRowsOffset, bsWholeFile };

// Writes a bottom-up uncompressed bitmap file at bits 1, 4, 8, 16 (5-5-5), 24 or 32. The palette
// (0x00RRGGBB entries, at most 1 << bits) is used for 8 bits or fewer; each pixel takes the nearest
// entry. Fails with EWriteError when the stream does.
void WriteBitmapFile(TStream& stream, const TBgraBitmap& bitmap, int bitsPerPixel,
                     const std::vector<uint32_t>& palette = {},
                     TBitmapSizeField sizeField = TBitmapSizeField::bsRowsOffset);
