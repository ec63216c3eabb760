// Device-independent bitmap files in memory: the 54-byte headers, the palette and the rows.
// Portable: never includes windows.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "imaging/gif/GIFTypes.h"

inline constexpr uint32_t kDibHeadersSize = 14 + 40;

// The layout of a parsed file; rows are bottom-up unless topDown.
struct TDibLayout {
  uint32_t width = 0;
  uint32_t height = 0;
  bool topDown = false;
  uint32_t bits = 0;  // 1, 4, 8, 24 or 32
  uint64_t stride = 0;
  uint64_t imageSize = 0;
  uint64_t pixelOffset = 0;
  std::vector<TGIFRgb> palette;  // bits <= 8 only
};

// Writes the file header and the 40-byte information header of a bottom-up uncompressed bitmap
// with paletteEntries palette entries into out[0..53].
void WriteDibHeaders(uint8_t* out, uint32_t width, uint32_t height, uint32_t bits,
                     uint32_t paletteEntries);

// Reads the layout of an uncompressed 1, 4, 8, 24 or 32-bit file. Fails with "Stream read error"
// when the data is cut short, EOutOfMemory beyond the pixel limit, and "Bitmap image is not
// valid" for any other form.
TDibLayout ParseDibFile(const uint8_t* data, size_t size);

// Row y from the top of a parsed file's pixels.
inline const uint8_t* DibRow(const uint8_t* file, const TDibLayout& layout, uint32_t y) {
  const uint64_t index = layout.topDown ? y : layout.height - 1 - y;
  return file + layout.pixelOffset + index * layout.stride;
}
