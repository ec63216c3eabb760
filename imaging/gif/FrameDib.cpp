#include "imaging/gif/FrameDib.h"

#include <cstring>

#include "imaging/gif/DibFile.h"
#include "imaging/gif/GIFFramePixels.h"
#include "imaging/gif/Interlace.h"
#include "imaging/gif/LzwDecoder.h"

namespace {

// One row of byte-per-pixel indices packed at 1, 4 or 8 bits, leftmost pixel in the high bits.
// The decoder masked every value to the frame's depth, which the DIB depth covers, so the values
// need no masking here.
void PackRow(const uint8_t* indices, uint32_t width, uint32_t bits, uint8_t* row) {
  if (bits == 8) {
    std::memcpy(row, indices, width);
  } else if (bits == 4) {
    uint32_t x = 0;
    for (; x + 1 < width; x += 2)
      *row++ = static_cast<uint8_t>(indices[x] << 4 | indices[x + 1]);
    if (x < width) *row = static_cast<uint8_t>(indices[x] << 4);
  } else {
    uint32_t x = 0;
    for (; x + 8 <= width; x += 8) {
      const uint8_t* in = indices + x;
      *row++ = static_cast<uint8_t>(in[0] << 7 | in[1] << 6 | in[2] << 5 | in[3] << 4 | in[4] << 3 |
                                    in[5] << 2 | in[6] << 1 | in[7]);
    }
    if (x < width) {
      uint8_t byte = 0;
      for (uint32_t shift = 7; x < width; ++x, --shift)
        byte = static_cast<uint8_t>(byte | indices[x] << shift);
      *row = byte;
    }
  }
}

}  // namespace

uint32_t DibBitsForColorBits(uint32_t colorBits) {
  if (colorBits == 1) return 1;
  if (colorBits >= 2 && colorBits <= 4) return 4;
  if (colorBits >= 5 && colorBits <= 8) return 8;
  ThrowGIFError(gifmsg::kWrongColorCount);
}

TGIFCorruptKind BuildFrameDibFile(const TGIFItem& item, bool interlaced, bool tolerate,
                                  const TGIFProgressEvent& progress, std::vector<uint8_t>& file) {
  const uint32_t dibBits = DibBitsForColorBits(item.bitsPerPixel);
  const uint32_t width = static_cast<uint32_t>(std::max(item.width, 0));
  const uint32_t height = static_cast<uint32_t>(std::max(item.height, 0));
  const uint64_t imageSize = CheckedPixelBufferSize(width, height, dibBits);
  const uint32_t paletteEntries = 1u << dibBits;
  const uint64_t pixelOffset = kDibHeadersSize + 4 * paletteEntries;

  // Decoded first at a byte per pixel with the rows left in stored order (placed below); refused
  // before anything is allocated when that is beyond the pixel limit.
  TGIFFramePixels pixels;
  const TGIFCorruptKind corruption =
      pixels.DecodeStored(item, /*interlaced=*/false, tolerate, progress);

  file.assign(static_cast<size_t>(pixelOffset + imageSize), 0);
  WriteDibHeaders(file.data(), width, height, dibBits, paletteEntries);
  uint8_t* quad = file.data() + kDibHeadersSize;
  for (uint32_t i = 0; i < paletteEntries; ++i, quad += 4) {
    if (i < item.colors.count) {
      const TGIFRgb& color = item.colors.entries[i];
      quad[0] = color.blue;
      quad[1] = color.green;
      quad[2] = color.red;
      quad[3] = 0;
    } else {
      quad[0] = quad[1] = quad[2] = quad[3] = 128;
    }
  }
  // Each stored row goes to its image row, counted from the bottom in the file.
  const uint64_t stride = DibRowStride(width, dibBits);
  uint8_t* const rows = file.data() + pixelOffset;
  uint32_t row = 0;
  int pass = 0;
  for (uint32_t stored = 0; stored < height; ++stored) {
    PackRow(pixels.Row(stored), width, dibBits, rows + (height - 1 - row) * stride);
    row = interlaced ? NextInterlacedRow(row, height, pass) : row + 1;
  }
  return corruption;
}
