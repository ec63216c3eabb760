// The fsTextured picture: its format, its use of the palette, white text readable on every pixel,
// and edges that join when the picture is tiled.
#include "tools/menubitmaps/MenuTextureArt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>

namespace {

// Relative luminance of an 0x00BBGGRR colour (sRGB).
double Luminance(uint32_t rgb) {
  const auto linear = [](uint32_t channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(rgb & 0xFF) + 0.7152 * linear((rgb >> 8) & 0xFF) +
         0.0722 * linear((rgb >> 16) & 0xFF);
}

int Distance(uint32_t a, uint32_t b) {
  int sum = 0;
  for (int shift = 0; shift < 24; shift += 8)
    sum += std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
  return sum;
}

TEST(MenuTextureTest, NinetySixSquareWithTwoHundredFiftySixColours) {
  const TDibImage texture = MenuTextureImage();
  EXPECT_EQ(texture.width, 96);
  EXPECT_EQ(texture.height, 96);
  EXPECT_EQ(texture.bitCount, 8);
  ASSERT_EQ(texture.palette.size(), 256u);
  std::set<uint32_t> colours;
  for (const TDibColor& entry : texture.palette)
    colours.insert((entry.red << 16) | (entry.green << 8) | entry.blue);
  EXPECT_EQ(colours.size(), 256u) << "256 different colours";
  std::set<uint8_t> used;
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 96; ++x)
      used.insert(texture.Row(y)[x]);
  EXPECT_GT(used.size(), 100u) << "a grain, not a few flat colours";
}

TEST(MenuTextureTest, TheBottomLeftColourMarksThatPixelAlone) {
  // A background picture is drawn with its bottom left colour transparent.
  const TDibImage texture = MenuTextureImage();
  const uint32_t corner = DibPixelRgb(texture, 0, 95);
  int same = 0;
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 96; ++x)
      same += DibPixelRgb(texture, x, y) == corner ? 1 : 0;
  EXPECT_EQ(same, 1);
}

TEST(MenuTextureTest, WhiteTextIsReadableOnEveryPixel) {
  const TDibImage texture = MenuTextureImage();
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 96; ++x) {
      const double contrast = 1.05 / (Luminance(DibPixelRgb(texture, x, y)) + 0.05);
      ASSERT_GE(contrast, 7.0) << "at " << x << "," << y;
    }
}

TEST(MenuTextureTest, TiledEdgesJoinLikeNeighbouringColumns) {
  const TDibImage texture = MenuTextureImage();
  long inside = 0;
  long across = 0;
  for (int i = 0; i < 96; ++i) {
    inside += Distance(DibPixelRgb(texture, 47, i), DibPixelRgb(texture, 48, i)) +
              Distance(DibPixelRgb(texture, i, 47), DibPixelRgb(texture, i, 48));
    across += Distance(DibPixelRgb(texture, 95, i), DibPixelRgb(texture, 0, i)) +
              Distance(DibPixelRgb(texture, i, 95), DibPixelRgb(texture, i, 0));
  }
  EXPECT_LT(across, inside * 2) << "no seam where tiles meet";
}

}  // namespace
