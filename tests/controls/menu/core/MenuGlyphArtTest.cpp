// The three glyph pictures pixel by pixel, from their description: "row: columns" of black pixels.
#include "controls/menu/core/MenuGlyphArt.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <utility>

namespace {

using TPixels = std::set<std::pair<int, int>>;  // (column, row)

// "4: 11; 5: 10-11; 7: 4 8-10" into the pixels it names.
TPixels Described(const std::string& text) {
  TPixels pixels;
  std::istringstream rows(text);
  std::string entry;
  while (std::getline(rows, entry, ';')) {
    std::istringstream fields(entry);
    int row = 0;
    char colon = 0;
    fields >> row >> colon;
    std::string span;
    while (fields >> span) {
      const size_t dash = span.find('-');
      const int first = std::stoi(span.substr(0, dash));
      const int last = dash == std::string::npos ? first : std::stoi(span.substr(dash + 1));
      for (int x = first; x <= last; ++x)
        pixels.insert({x, row});
    }
  }
  return pixels;
}

TPixels BlackPixels(const TDibImage& image) {
  TPixels pixels;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const uint32_t rgb = DibPixelRgb(image, x, y);
      EXPECT_TRUE(rgb == 0 || rgb == 0xFFFFFF) << "black or white only, at " << x << "," << y;
      if (rgb == 0) pixels.insert({x, y});
    }
  return pixels;
}

void ExpectOneBitBlackOnWhite(const TDibImage& image, int width, int height) {
  EXPECT_EQ(image.width, width);
  EXPECT_EQ(image.height, height);
  EXPECT_EQ(image.bitCount, 1);
  ASSERT_EQ(image.palette.size(), 2u);
  EXPECT_EQ(image.palette[0], (TDibColor{0, 0, 0, 0}));
  EXPECT_EQ(image.palette[1], (TDibColor{255, 255, 255, 0}));
}

TEST(MenuGlyphArtTest, TheTick) {
  const TDibImage check = CheckGlyphImage();
  ExpectOneBitBlackOnWhite(check, 16, 16);
  EXPECT_EQ(BlackPixels(check),
            Described("4: 11; 5: 10-11; 6: 9-11; 7: 4 8-10; 8: 4-5 7-9; 9: 4-8; 10: 5-7; 11: 6"));
}

TEST(MenuGlyphArtTest, TheRadioDot) {
  const TDibImage radio = RadioGlyphImage();
  ExpectOneBitBlackOnWhite(radio, 16, 16);
  EXPECT_EQ(BlackPixels(radio), Described("5: 6-9; 6: 5-10; 7: 5-10; 8: 5-10; 9: 5-10; 10: 6-9"));
}

TEST(MenuGlyphArtTest, TheSubMenuArrowRowsAreOneToFourAndBackFromTheLeftEdge) {
  const TDibImage arrow = SubMenuGlyphImage();
  ExpectOneBitBlackOnWhite(arrow, 4, 7);
  EXPECT_EQ(BlackPixels(arrow), Described("0: 0; 1: 0-1; 2: 0-2; 3: 0-3; 4: 0-2; 5: 0-1; 6: 0"));
}

TEST(MenuGlyphArtTest, AGlyphSurvivesTheBitmapFile) {
  TMemoryStream stream;
  WriteDibFile(CheckGlyphImage(), stream);
  stream.SetPosition(0);
  const TDibImage read = ReadDibFile(stream);
  ExpectOneBitBlackOnWhite(read, 16, 16);
  EXPECT_EQ(BlackPixels(read), BlackPixels(CheckGlyphImage()));
}

}  // namespace
