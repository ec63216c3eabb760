// Device-independent bitmap files (.bmp) and packed DIBs (bitmap resources, clipboard): reading
// every depth (1, 4, 8, 16, 24, 32 bits; bottom-up and top-down; BI_RGB and BI_BITFIELDS),
// writing, and colour mapping. Portable: never includes windows.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/core/Streams.h"

// One colour-table entry, laid out as the platform's RGBQUAD.
struct TDibColor {
  uint8_t blue = 0;
  uint8_t green = 0;
  uint8_t red = 0;
  uint8_t reserved = 0;
  friend bool operator==(const TDibColor&, const TDibColor&) = default;
};

constexpr uint32_t kDibRgb = 0;        // BI_RGB
constexpr uint32_t kDibBitfields = 3;  // BI_BITFIELDS

// A bitmap in the platform's DIB layout, always bottom-up (row 0 of the picture is the last row
// of bits), each row padded to 4 bytes. After reading it is one of:
//   1, 4, 8 bits, kDibRgb, palette of 1..2^bits entries;
//   16 bits kDibRgb (5-5-5), 16 bits kDibBitfields with masks 0xF800/0x07E0/0x001F (5-6-5);
//   24 or 32 bits kDibRgb (blue, green, red[, unused]).
// Other bit-field layouts are converted to 32 bits on reading.
struct TDibImage {
  int32_t width = 0;   // 1..kMaxDibSide
  int32_t height = 0;  // 1..kMaxDibSide
  uint16_t bitCount = 0;
  uint32_t compression = kDibRgb;
  uint32_t redMask = 0;
  uint32_t greenMask = 0;
  uint32_t blueMask = 0;
  std::vector<TDibColor> palette;
  std::vector<uint8_t> bits;

  size_t Stride() const { return DibStride(width, bitCount); }
  // The bytes of picture row y (0 = top).
  uint8_t* Row(int y) { return bits.data() + static_cast<size_t>(height - 1 - y) * Stride(); }
  const uint8_t* Row(int y) const {
    return bits.data() + static_cast<size_t>(height - 1 - y) * Stride();
  }
  static size_t DibStride(int32_t width, uint16_t bitCount) {
    return ((static_cast<size_t>(width) * bitCount + 31) / 32) * 4;
  }
};

constexpr int32_t kMaxDibSide = 32767;
// Pixel data above this many bytes is refused as not valid (before and after conversion).
constexpr uint64_t kMaxDibBytes = 256ull * 1024 * 1024;

// A bitmap file from the stream's position: file header, information header, colour table and
// pixels; reads exactly up to the end of the pixels. Fails with EInvalidGraphic "Bitmap image is
// not valid" on anything malformed or cut short; the stream position is then unspecified.
TDibImage ReadDibFile(TStream& stream);
// A packed DIB (information header, colour table, pixels), as in RT_BITMAP resources and CF_DIB.
// Same failures.
TDibImage ReadPackedDib(const uint8_t* data, size_t size);

// Writes a bitmap file: 14-byte file header, 40-byte information header, the masks of a
// kDibBitfields image, the palette, the pixels. Fails only through the stream (EWriteError).
void WriteDibFile(const TDibImage& image, TStream& stream);

// The colour of one pixel as 0x00BBGGRR (palette images look the index up; out-of-table indexes
// give black).
uint32_t DibPixelRgb(const TDibImage& image, int x, int y);

// The platform's standard 16 colours in its order: black, maroon, green, olive, navy, purple,
// teal, silver, gray, red, lime, yellow, blue, fuchsia, aqua, white.
const std::vector<TDibColor>& StandardSixteenColors();

// Converts a 16-bit image to 32 bits (unchanged otherwise).
void WidenDibTo32(TDibImage& image);

// Replaces colours (0x00BBGGRR, exact matches) at the same time: palette entries of palette
// images, pixels of the others (16-bit images are widened to 32 bits first). A colour is replaced
// by the first matching entry; replaced values are not matched again.
struct TDibColorMapping {
  uint32_t from = 0;
  uint32_t to = 0;
};
void MapDibColors(TDibImage& image, const std::vector<TDibColorMapping>& mapping);
