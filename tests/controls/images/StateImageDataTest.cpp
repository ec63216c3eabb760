// The generated data of the state image list.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "controls/images/ImageListStream.h"
#include "support/ImageListSamples.h"
#include "tools/stateimages/StateImageArt.h"

namespace {

uint32_t Rgb(uint32_t pixel) {
  return pixel & 0xFFFFFF;
}
bool IsGrey(uint32_t pixel) {
  const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
  return std::abs(r - g) < 8 && std::abs(g - b) < 8;
}
bool IsBlue(uint32_t pixel) {
  const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
  return b > 150 && b > r + 60 && b > g + 40;
}
bool IsRed(uint32_t pixel) {
  const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
  return r > 180 && g < 80 && b < 80;
}

}  // namespace

TEST(StateImageData, IsTheFixedBlock) {
  const std::vector<uint8_t> data = StateImageListData();
  ASSERT_EQ(data.size(), 12838u);
  // "IL", version 0x0101, 4 images, capacity 9, growth 4, 16 x 16, no background, flags 0x10FF,
  // overlays -1.
  const std::vector<uint8_t> header = {0x49, 0x4C, 0x01, 0x01, 0x04, 0x00, 0x09, 0x00, 0x04, 0x00,
                                       0x10, 0x00, 0x10, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x10,
                                       0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_TRUE(std::equal(header.begin(), header.end(), data.begin()));
  // A 64 x 48 bitmap at 32 bits, then a 64 x 48 one-bit mask, then zero padding.
  EXPECT_EQ(data[28], 'B');
  EXPECT_EQ(data[28 + 18], 64);
  EXPECT_EQ(data[28 + 22], 48);
  EXPECT_EQ(data[28 + 28], 32);
  const size_t maskAt = 28 + 54 + 64 * 48 * 4;
  EXPECT_EQ(data[maskAt], 'B');
  EXPECT_EQ(data[maskAt + 18], 64);
  EXPECT_EQ(data[maskAt + 22], 48);
  EXPECT_EQ(data[maskAt + 28], 1);
  const size_t maskEnd = maskAt + 62 + 8 * 48;
  EXPECT_EQ(maskEnd, 12816u);
  EXPECT_TRUE(std::all_of(data.begin() + maskEnd, data.end(), [](uint8_t b) { return b == 0; }));
}

TEST(StateImageData, ReadsBackToFourMaskedImages) {
  const std::vector<uint8_t> data = StateImageListData();
  const TStoredImageList read = ReadBytes(data);
  EXPECT_EQ(read.layout, TImageListLayout::ilCurrent);
  EXPECT_EQ(read.width, 16);
  EXPECT_EQ(read.height, 16);
  EXPECT_EQ(read.capacity, 9);
  EXPECT_EQ(read.flags, 0x10FF);
  ASSERT_EQ(read.images.size(), 4u);
  const TStoredImageList drawn = StateImageList();
  for (size_t i = 0; i < 4; ++i) {
    const TStoredImage& image = read.images[i];
    EXPECT_EQ(image.pixels, drawn.images[i].pixels);
    EXPECT_EQ(image.mask, drawn.images[i].mask);
    const auto opaque = std::count(image.mask.begin(), image.mask.end(), 0);
    EXPECT_GT(opaque, 100) << i;
    EXPECT_LT(opaque, 256) << i;
    for (size_t p = 0; p < image.pixels.size(); ++p) {
      // Transparent pixels are black without alpha, opaque ones fully opaque.
      EXPECT_EQ(image.pixels[p], image.mask[p] ? 0u : (image.pixels[p] | 0xFF000000u));
    }
  }
  // Writing what was read gives the same stream, less the padding.
  const std::vector<uint8_t> again = WriteCurrent(read);
  EXPECT_TRUE(std::equal(again.begin(), again.end(), data.begin()));
}

TEST(StateImageData, ScreensTellTheStates) {
  const TStoredImageList list = StateImageList();
  const TStoredImage &off = list.images[0], &busy = list.images[1], &on = list.images[2];
  EXPECT_EQ(off.mask, busy.mask);
  EXPECT_EQ(off.mask, on.mask);
  int rearScreen = 0, frontScreen = 0;
  for (size_t p = 0; p < off.pixels.size(); ++p) {
    if (off.pixels[p] == on.pixels[p]) {
      EXPECT_EQ(busy.pixels[p], off.pixels[p]);  // everything but the screens is shared
      continue;
    }
    // A screen pixel: grey when off, blue when on; busy has the front (lower right) one on.
    EXPECT_TRUE(IsGrey(off.pixels[p])) << p;
    EXPECT_TRUE(IsBlue(on.pixels[p])) << p;
    const bool front = p >= 7 * 16 && p % 16 >= 6;
    if (front) {
      ++frontScreen;
      EXPECT_EQ(busy.pixels[p], on.pixels[p]) << p;
    } else {
      ++rearScreen;
      EXPECT_EQ(busy.pixels[p], off.pixels[p]) << p;
    }
  }
  EXPECT_GE(rearScreen, 12);
  EXPECT_GE(frontScreen, 12);
}

TEST(StateImageData, ErrorImageIsABottleWithARedCross) {
  const TStoredImage error = StateImageList().images[3];
  std::set<uint32_t> colours;
  int red = 0, white = 0;
  for (size_t p = 0; p < error.pixels.size(); ++p) {
    if (error.mask[p]) continue;
    colours.insert(Rgb(error.pixels[p]));
    red += IsRed(error.pixels[p]);
    white += Rgb(error.pixels[p]) == 0xFFFFFF;
  }
  EXPECT_EQ(red, 20);  // a cross of two 6 x 2 bars
  EXPECT_GE(white, 20);
  EXPECT_GE(colours.size(), 5u);
  // The cross is centred between columns 7 and 8.
  for (int y = 7; y <= 12; ++y) {
    EXPECT_TRUE(IsRed(error.pixels[y * 16 + 7]));
    EXPECT_TRUE(IsRed(error.pixels[y * 16 + 8]));
  }
}

TEST(StateImageData, PreviewShowsImagesOverBothBackgrounds) {
  const TStoredImageList list = StateImageList();
  const TBgraBitmap preview = StateImagesPreview(list.images, 16, 2);
  EXPECT_EQ(preview.width, 4 * 18 * 2);
  EXPECT_EQ(preview.height, 2 * 18 * 2);
  EXPECT_EQ(preview.At(0, 0), 0xFFF0F0F0u);
  EXPECT_EQ(preview.At(0, 18 * 2), 0xFF202838u);
  // Pixel (0, 0) of image 0 is opaque outline at preview (2, 2) and (3, 3).
  EXPECT_EQ(preview.At(2, 2), list.images[0].pixels[0]);
  EXPECT_EQ(preview.At(3, 3 + 36), list.images[0].pixels[0]);
}
