#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "framework/core/SysUtils.h"
#include "tools/icon/IconArt.h"
#include "tools/icon/IconFile.h"
#include "tools/icon/IconPreview.h"
#include "tools/icon/PngFile.h"
#include "tools/stateimages/StateImageArt.h"

namespace {

uint32_t U32(const std::vector<uint8_t>& bytes, size_t at) {
  uint32_t value;
  std::memcpy(&value, &bytes[at], 4);
  return value;
}
uint16_t U16(const std::vector<uint8_t>& bytes, size_t at) {
  return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

bool IsBlue(uint32_t pixel) {
  const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
  return b > 120 && b > r + 60 && b > g + 20;
}

// One image of an icon file, decoded back from its bytes.
struct DecodedImage {
  int size = 0;
  int bits = 0;
  std::vector<uint32_t> colours;  // top-down, 0x00RRGGBB or 0xAARRGGBB at 32 bits
  std::vector<uint8_t> andMask;   // 1 = transparent
};

std::vector<DecodedImage> Decode(const std::vector<uint8_t>& file) {
  std::vector<DecodedImage> images;
  const int count = U16(file, 4);
  for (int i = 0; i < count; ++i) {
    const size_t entry = 6 + 16 * i;
    DecodedImage image;
    image.size = file[entry];
    image.bits = U16(file, entry + 6);
    const uint32_t length = U32(file, entry + 8), offset = U32(file, entry + 12);
    EXPECT_LE(offset + length, file.size());
    EXPECT_EQ(U32(file, offset), 40u);
    EXPECT_EQ(U32(file, offset + 4), static_cast<uint32_t>(image.size));
    EXPECT_EQ(U32(file, offset + 8), static_cast<uint32_t>(2 * image.size));
    EXPECT_EQ(U16(file, offset + 12), 1);
    EXPECT_EQ(U16(file, offset + 14), image.bits);
    const size_t paletteAt = offset + 40;
    const size_t rowsAt = paletteAt + (image.bits == 8 ? 1024 : 0);
    const size_t stride = (static_cast<size_t>(image.size) * image.bits + 31) / 32 * 4;
    const size_t maskStride = (static_cast<size_t>(image.size) + 31) / 32 * 4;
    const size_t maskAt = rowsAt + stride * image.size;
    EXPECT_EQ(maskAt + maskStride * image.size, offset + length);
    EXPECT_EQ(U32(file, offset + 20), stride * image.size + maskStride * image.size);
    for (int y = 0; y < image.size; ++y) {
      const size_t row = rowsAt + stride * (image.size - 1 - y);
      const size_t maskRow = maskAt + maskStride * (image.size - 1 - y);
      for (int x = 0; x < image.size; ++x) {
        image.colours.push_back(image.bits == 8
                                    ? U32(file, paletteAt + 4 * file[row + x]) & 0xFFFFFF
                                    : U32(file, row + 4 * x));
        image.andMask.push_back((file[maskRow + x / 8] >> (7 - x % 8)) & 1);
      }
    }
    images.push_back(std::move(image));
  }
  return images;
}

}  // namespace

TEST(MainIcon, SixImagesAtThreeSizesAndTwoDepths) {
  const std::vector<TIconImage> source = MainIconImages();
  const std::vector<uint8_t> file = BuildIconFile(source);
  EXPECT_EQ(U16(file, 0), 0);
  EXPECT_EQ(U16(file, 2), 1);
  ASSERT_EQ(U16(file, 4), 6);
  const std::vector<DecodedImage> images = Decode(file);
  const int expected[6][2] = {{16, 8}, {32, 8}, {48, 8}, {16, 32}, {32, 32}, {48, 32}};
  size_t end = 6 + 16 * 6;
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(images[i].size, expected[i][0]);
    EXPECT_EQ(images[i].bits, expected[i][1]);
    EXPECT_EQ(U32(file, 6 + 16 * i + 12), end) << "images follow each other";
    end += U32(file, 6 + 16 * i + 8);
  }
  EXPECT_EQ(end, file.size());

  for (int i = 0; i < 6; ++i) {
    const TBgraBitmap& picture = source[i].picture;
    int opaque = 0, partial = 0;
    for (size_t p = 0; p < picture.pixels.size(); ++p) {
      const uint32_t alpha = picture.pixels[p] >> 24;
      EXPECT_EQ(images[i].andMask[p], alpha < 128 ? 1 : 0) << i << " pixel " << p;
      if (images[i].bits == 8) {
        // The 256-colour palette holds every colour exactly; transparent pixels are black.
        EXPECT_EQ(images[i].colours[p], alpha < 128 ? 0u : picture.pixels[p] & 0xFFFFFF);
      } else {
        EXPECT_EQ(images[i].colours[p], picture.pixels[p]);
      }
      opaque += alpha == 255;
      partial += alpha > 0 && alpha < 255;
    }
    EXPECT_GT(opaque, static_cast<int>(picture.pixels.size()) / 3) << i;
    EXPECT_LT(opaque, static_cast<int>(picture.pixels.size())) << i;
    // Smooth edges and shadows only in the 32-bit images larger than 16.
    if (images[i].bits == 32 && images[i].size > 16) {
      EXPECT_GT(partial, 20) << i;
    } else {
      EXPECT_EQ(partial, 0) << i;
    }
  }
}

TEST(MainIcon, SixteenIsTheConnectedStateImageAndScreensAreBlue) {
  const TStoredImage connected = DrawMonitorsImage(TMonitorScreens::msBothOn);
  const TBgraBitmap icon = DrawMainIcon(16, true);
  for (size_t p = 0; p < icon.pixels.size(); ++p) {
    EXPECT_EQ(icon.pixels[p], connected.mask[p] ? 0u : connected.pixels[p]);
  }
  for (int size : {32, 48}) {
    const TBgraBitmap picture = DrawMainIcon(size, true);
    // Middle of the rear screen (upper left) and of the front screen (lower right).
    EXPECT_TRUE(IsBlue(picture.At(size * 30 / 100, size * 25 / 100))) << size;
    EXPECT_TRUE(IsBlue(picture.At(size * 65 / 100, size * 58 / 100))) << size;
    EXPECT_EQ(picture.At(size - 1, 0), 0u) << "top right corner is clear";
  }
  EXPECT_THROW(DrawMainIcon(24, true), EInvalidOperation);
}

TEST(MainIcon, PaletteKeepsTheMostFrequentColours) {
  TBgraBitmap many;
  many.width = many.height = 20;
  for (uint32_t i = 0; i < 400; ++i)
    many.pixels.push_back(0xFF000000u | (i < 100 ? 0x123456 : i));
  const std::vector<uint32_t> palette = IconPalette(many);
  ASSERT_EQ(palette.size(), 256u);
  EXPECT_EQ(palette[0], 0u);
  EXPECT_EQ(palette[1], 0x123456u);
  EXPECT_EQ(std::set<uint32_t>(palette.begin(), palette.end()).size(), 256u);
}

TEST(MainIcon, RefusesImagesAnIconCannotHold) {
  TBgraBitmap picture = DrawMainIcon(32, true);
  EXPECT_THROW(BuildIconFile({{picture, 24}}), EInvalidOperation);
  picture.height = 16;
  EXPECT_THROW(BuildIconFile({{picture, 32}}), EInvalidOperation);
}

TEST(PreviewPng, ChunksAndChecksums) {
  const uint8_t iend[] = {'I', 'E', 'N', 'D'};
  EXPECT_EQ(Crc32(iend, 4), 0xAE426082u);
  TBgraBitmap picture;
  picture.width = 2;
  picture.height = 1;
  picture.pixels = {0xFF102030, 0x80405060};
  const std::vector<uint8_t> png = BuildPngFile(picture);
  const std::vector<uint8_t> expected = {
      0x89, 'P', 'N', 'G', 13,  10,  26,  10,                                          // signature
      0,    0,   0,   13,  'I', 'H', 'D', 'R', 0, 0, 0, 2, 0, 0, 0, 1, 8, 6, 0, 0, 0,  // IHDR
  };
  ASSERT_GT(png.size(), expected.size());
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), png.begin()));
  // IDAT: zlib header, one final stored block of 9 bytes, the rows, then Adler-32.
  const size_t idat = 8 + 25;
  EXPECT_EQ(std::vector<uint8_t>(png.begin() + idat + 4, png.begin() + idat + 8 + 7),
            (std::vector<uint8_t>{'I', 'D', 'A', 'T', 0x78, 0x01, 0x01, 9, 0, 0xF6, 0xFF}));
  EXPECT_EQ(std::vector<uint8_t>(png.begin() + idat + 15, png.begin() + idat + 24),
            (std::vector<uint8_t>{0, 0x10, 0x20, 0x30, 0xFF, 0x40, 0x50, 0x60, 0x80}));
  EXPECT_EQ(png.size(), idat + 12 + 20 + 12);
}
