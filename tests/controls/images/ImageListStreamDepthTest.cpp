// Images bitmaps in every depth a stored stream may carry, written by hand.
#include <gtest/gtest.h>

#include "controls/images/ImageListStream.h"
#include "framework/core/Streams.h"
#include "support/ImageListSamples.h"

namespace {

constexpr int kCell = 4;                // 4 x 4 images
constexpr int kStripWidth = 4 * kCell;  // 4 cells to a row
constexpr uint16_t kCount = 3;          // one row of cells

std::vector<uint8_t> MaskFile() {
  return BitmapFileBytes(
      MakeBitmap(kStripWidth, kCell, [](int x, int y) { return (x ^ y) & 1 ? 0xFFFFFFFFu : 0u; }),
      1, {0x000000, 0xFFFFFF});
}

std::vector<uint8_t> StreamWith(const std::vector<uint8_t>& imagesFile, uint16_t depthFlag) {
  std::vector<uint8_t> bytes = HeaderBytes(kCount, 4, kCell, kCell, depthFlag | kImageListMask);
  Append(bytes, imagesFile);
  Append(bytes, MaskFile());
  return bytes;
}

// Each image read back equals the strip's cell, and the mask follows the checkerboard.
template <typename ColourAt>
void ExpectCells(const TStoredImageList& read, ColourAt expected) {
  ASSERT_EQ(read.images.size(), kCount);
  for (int i = 0; i < kCount; ++i) {
    for (int y = 0; y < kCell; ++y) {
      for (int x = 0; x < kCell; ++x) {
        const size_t at = static_cast<size_t>(y) * kCell + x;
        const int stripX = i * kCell + x;
        EXPECT_EQ(read.images[i].pixels[at], expected(stripX, y)) << i << " " << x << "," << y;
        EXPECT_EQ(read.images[i].mask[at], (stripX ^ y) & 1) << i << " " << x << "," << y;
      }
    }
  }
}

std::vector<uint32_t> Palette(size_t entries) {
  std::vector<uint32_t> palette;
  for (size_t i = 0; i < entries; ++i) {
    palette.push_back(static_cast<uint32_t>((i * 0x3B1F27u + 0x102030u) & 0xFFFFFF));
  }
  return palette;
}

}  // namespace

TEST(ImageListStreamDepths, PalettedDepthsUseTheirPalettes) {
  for (int bits : {1, 4, 8}) {
    const std::vector<uint32_t> palette = Palette(size_t{1} << bits);
    const auto colourAt = [&](int x, int y) {
      return 0xFF000000u | palette[static_cast<size_t>(x * 7 + y * 3) % palette.size()];
    };
    const TStoredImageList read = ReadBytes(
        StreamWith(BitmapFileBytes(MakeBitmap(kStripWidth, kCell, colourAt), bits, palette),
                   static_cast<uint16_t>(bits == 1 ? 0 : bits)),
        kCell, kCell);
    EXPECT_EQ(read.storedBitsPerPixel, bits);
    ExpectCells(read, colourAt);
  }
}

TEST(ImageListStreamDepths, ShortPaletteAndIndexesPastIt) {
  // 8 bits with 2 palette entries in use: index 5 has no entry and reads as black.
  std::vector<uint8_t> rows(kStripWidth * kCell, 1);
  rows[0] = 5;  // bottom row, left: pixel (0, 3)
  const std::vector<uint8_t> palette = {0x10, 0x20, 0x30, 0, 0x40, 0x50, 0x60, 0};
  std::vector<uint8_t> file(14 + 40, 0);
  Put16At(file, 0, 0x4D42);
  Put32At(file, 10, 14 + 40 + 8);
  Put32At(file, 14, 40);
  Put32At(file, 18, kStripWidth);
  Put32At(file, 22, kCell);
  Put16At(file, 26, 1);
  Put16At(file, 28, 8);
  Put32At(file, 46, 2);
  Append(file, palette);
  Append(file, rows);
  ExpectCells(ReadBytes(StreamWith(file, 8), kCell, kCell),
              [](int x, int y) { return x == 0 && y == 3 ? 0xFF000000u : 0xFF605040u; });
}

TEST(ImageListStreamDepths, SixteenBitsWidenFiveBitsByRepeatingThem) {
  const auto widen = [](uint32_t five) { return (five << 3) | (five >> 2); };
  const auto colourAt = [&](int x, int y) {
    return 0xFF000000u | widen((x * 5 + y) & 31) << 16 | widen((x * 3 + 7 * y) & 31) << 8 |
           widen((31 - x - y) & 31);
  };
  const TStoredImageList read = ReadBytes(
      StreamWith(BitmapFileBytes(MakeBitmap(kStripWidth, kCell, colourAt), 16), 16), kCell, kCell);
  EXPECT_EQ(read.storedBitsPerPixel, 16);
  ExpectCells(read, colourAt);
}

TEST(ImageListStreamDepths, BitFieldsFiveSixFiveAndTopDownRows) {
  // Top-down rows (negative height) of 5-6-5 pixels, each row holding value y * 0x0821 + x.
  std::vector<uint8_t> file(14 + 40, 0);
  Put16At(file, 0, 0x4D42);
  Put32At(file, 10, 14 + 40 + 12);
  Put32At(file, 14, 40);
  Put32At(file, 18, kStripWidth);
  Put32At(file, 22, static_cast<uint32_t>(-kCell));
  Put16At(file, 26, 1);
  Put16At(file, 28, 16);
  Put32At(file, 30, 3);
  const std::vector<uint8_t> masks = {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0};
  Append(file, masks);
  const auto raw = [](int x, int y) { return static_cast<uint16_t>(y * 0x0821 + x); };
  for (int y = 0; y < kCell; ++y) {
    for (int x = 0; x < kStripWidth; ++x) {
      file.push_back(static_cast<uint8_t>(raw(x, y)));
      file.push_back(static_cast<uint8_t>(raw(x, y) >> 8));
    }
  }
  const auto colourAt = [&](int x, int y) {
    const uint32_t value = raw(x, y);
    const uint32_t r = value >> 11, g = (value >> 5) & 63, b = value & 31;
    return 0xFF000000u | ((r << 3) | (r >> 2)) << 16 | ((g << 2) | (g >> 4)) << 8 |
           ((b << 3) | (b >> 2));
  };
  ExpectCells(ReadBytes(StreamWith(file, 16), kCell, kCell), colourAt);
}

TEST(ImageListStreamDepths, TrueColourDepthsAndAlpha) {
  const auto colourAt = [](int x, int y) {
    return static_cast<uint32_t>(x * 16 + y) << 24 | static_cast<uint32_t>(x * 13) << 16 |
           static_cast<uint32_t>(y * 60) << 8 | static_cast<uint32_t>(x * y);
  };
  const TBgraBitmap strip = MakeBitmap(kStripWidth, kCell, colourAt);
  ExpectCells(ReadBytes(StreamWith(BitmapFileBytes(strip, 32), 32), kCell, kCell), colourAt);
  ExpectCells(ReadBytes(StreamWith(BitmapFileBytes(strip, 24), 24), kCell, kCell),
              [&](int x, int y) { return colourAt(x, y) | 0xFF000000u; });
}

TEST(ImageListStreamDepths, RowsOffsetGapIsSkippedAndAnEarlyOffsetIgnored) {
  const auto colourAt = [](int x, int y) { return 0xFF000000u | static_cast<uint32_t>(x * 9 + y); };
  const std::vector<uint8_t> plain = BitmapFileBytes(MakeBitmap(kStripWidth, kCell, colourAt), 32);
  std::vector<uint8_t> gap(plain.begin(), plain.begin() + 54);
  Put32At(gap, 10, 54 + 10);
  Append(gap, std::vector<uint8_t>(10, 0xEE));
  gap.insert(gap.end(), plain.begin() + 54, plain.end());
  ExpectCells(ReadBytes(StreamWith(gap, 32), kCell, kCell), colourAt);
  std::vector<uint8_t> early = plain;
  Put32At(early, 10, 0);
  ExpectCells(ReadBytes(StreamWith(early, 32), kCell, kCell), colourAt);
}

TEST(ImageListStreamDepths, MaskColoursDecideByLightness) {
  // A mask whose palette is inverted: index 0 is white, so clear bits are transparent.
  std::vector<uint8_t> bytes = HeaderBytes(1, 1, 2, 2, 0x21);
  Append(bytes, BitmapFileBytes(MakeBitmap(8, 2, [](int, int) { return 0xFF336699u; }), 32));
  Append(bytes, BitmapFileBytes(
                    MakeBitmap(8, 2, [](int x, int) { return x == 0 ? 0xFFFFFFFFu : 0xFF000000u; }),
                    1, {0xFFFFFF, 0x000000}));
  const TStoredImageList read = ReadBytes(bytes);
  ASSERT_EQ(read.images.size(), 1u);
  EXPECT_EQ(read.images[0].mask, (std::vector<uint8_t>{1, 0, 1, 0}));
}

TEST(ImageListStreamDepths, OwnFilesCarryTheirWholeSize) {
  TMemoryStream stream;
  WriteBitmapFile(stream, MakeBitmap(3, 2, [](int, int) { return 0u; }), 24, {},
                  TBitmapSizeField::bsWholeFile);
  const std::vector<uint8_t>& bytes = stream.Bytes();
  ASSERT_EQ(bytes.size(), 54u + 2 * 12);
  EXPECT_EQ(bytes[2], 54 + 24);
  EXPECT_EQ(bytes[10], 54);
  EXPECT_EQ(bytes[34], 24);  // size of the rows: 9 bytes padded to 12, twice
}
