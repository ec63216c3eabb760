// Reduction of true-colour pictures to 256 colours: histogram and grey methods.
#include <gtest/gtest.h>

#include <set>

#include "GifTestFiles.h"
#include "imaging/gif/ColorReduction.h"
#include "imaging/gif/DibFile.h"

namespace {

struct Reduced {
  TDibLayout layout;
  std::vector<uint8_t> file;
  uint32_t IndexAt(uint32_t x, uint32_t y) const { return DibRow(file.data(), layout, y)[x]; }
};

std::vector<uint8_t> RgbRows(uint32_t width, uint32_t height, const std::vector<TGIFRgb>& colors) {
  return TGIFMemoryBitmap::FromRgb(width, height, colors)->ReadRgbRows();
}

Reduced Histogram(uint32_t width, uint32_t height, const std::vector<TGIFRgb>& colors) {
  std::vector<uint8_t> rows = RgbRows(width, height, colors);
  Reduced reduced;
  reduced.file = ReduceToHistogramPalette(rows, width, height);
  reduced.layout = ParseDibFile(reduced.file.data(), reduced.file.size());
  return reduced;
}

TEST(HistogramReduction, FewColoursComeFirstByDescendingCountThenMidGrey) {
  const std::vector<TGIFRgb> colors = {{1, 1, 1}, {2, 2, 2}, {2, 2, 2},
                                       {3, 3, 3}, {3, 3, 3}, {3, 3, 3}};
  const Reduced reduced = Histogram(3, 2, colors);
  ASSERT_EQ(reduced.layout.bits, 8u);
  ASSERT_EQ(reduced.layout.palette.size(), 256u);
  EXPECT_EQ(reduced.layout.palette[0], (TGIFRgb{3, 3, 3}));
  EXPECT_EQ(reduced.layout.palette[1], (TGIFRgb{2, 2, 2}));
  EXPECT_EQ(reduced.layout.palette[2], (TGIFRgb{1, 1, 1}));
  for (size_t i = 3; i < 256; ++i)
    EXPECT_EQ(reduced.layout.palette[i], (TGIFRgb{128, 128, 128}));
  EXPECT_EQ(reduced.IndexAt(0, 0), 2u);
  EXPECT_EQ(reduced.IndexAt(1, 0), 1u);
  EXPECT_EQ(reduced.IndexAt(2, 1), 0u);
  EXPECT_EQ(reduced.file.size(), 14u + 40 + 1024 + 2 * 4);
  EXPECT_EQ(reduced.layout.pixelOffset, 1078u);
}

TEST(HistogramReduction, ColoursBeyondThePaletteTakeTheNearestEntry) {
  std::vector<TGIFRgb> colors;
  for (uint32_t i = 0; i < 256; ++i)
    for (int copy = 0; copy < 2; ++copy)
      colors.push_back(TGIFRgb{static_cast<uint8_t>(i), 0, static_cast<uint8_t>(255 - i)});
  // Once: not chosen. (102, 0, 153) and (103, 0, 152) are both 22 away; the first entry wins.
  colors.push_back(TGIFRgb{100, 3, 150});
  colors.resize(520, TGIFRgb{0, 0, 255});
  const Reduced reduced = Histogram(520, 1, colors);
  const uint32_t index = reduced.IndexAt(512, 0);
  EXPECT_EQ(reduced.layout.palette[index], (TGIFRgb{102, 0, 153}));
}

std::set<std::pair<int, int>> ParitiesOfPalette(const Reduced& reduced, int channel) {
  std::set<std::pair<int, int>> parities;
  for (const TGIFRgb& color : reduced.layout.palette) {
    if (color == TGIFRgb{128, 128, 128}) continue;
    const int value = channel == 0 ? color.red : channel == 1 ? color.green : color.blue;
    parities.insert({channel, value & 1});
  }
  return parities;
}

TEST(HistogramReduction, TooManyColoursCoarsenBlueThenRedThenGreen) {
  // 17 levels per channel: 4913 colours; dropping blue's low bit leaves 2601, then red's 1377.
  std::vector<TGIFRgb> colors;
  for (int r = 0; r < 17; ++r)
    for (int g = 0; g < 17; ++g)
      for (int b = 0; b < 17; ++b)
        colors.push_back(
            {static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)});
  const Reduced twoSteps = Histogram(17 * 17, 17, colors);
  EXPECT_EQ(ParitiesOfPalette(twoSteps, 2), (std::set<std::pair<int, int>>{{2, 0}}));
  EXPECT_EQ(ParitiesOfPalette(twoSteps, 0), (std::set<std::pair<int, int>>{{0, 0}}));
  EXPECT_EQ(ParitiesOfPalette(twoSteps, 1), (std::set<std::pair<int, int>>{{1, 0}, {1, 1}}));

  // 23 levels: 12167 colours need a third step, on green.
  colors.clear();
  for (int r = 0; r < 23; ++r)
    for (int g = 0; g < 23; ++g)
      for (int b = 0; b < 23; ++b)
        colors.push_back(
            {static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)});
  const Reduced threeSteps = Histogram(23 * 23, 23, colors);
  EXPECT_EQ(ParitiesOfPalette(threeSteps, 1), (std::set<std::pair<int, int>>{{1, 0}}));
}

TEST(GreyReduction, UsesTheGreyRampAndTheLuminanceWeights) {
  std::vector<uint8_t> rows = RgbRows(3, 1, {{255, 255, 255}, {255, 0, 0}, {10, 200, 30}});
  const std::vector<uint8_t> file = ReduceToGreyPalette(rows, 3, 1);
  const TDibLayout layout = ParseDibFile(file.data(), file.size());
  EXPECT_EQ(layout.palette[77], (TGIFRgb{77, 77, 77}));
  const uint8_t* row = DibRow(file.data(), layout, 0);
  EXPECT_EQ(row[0], 255);
  EXPECT_EQ(row[1], 76);                                     // 77 x 255 div 256
  EXPECT_EQ(row[2], (77 * 10 + 150 * 200 + 29 * 30) / 256);  // 123
}

}  // namespace
