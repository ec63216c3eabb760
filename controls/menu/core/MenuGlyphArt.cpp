#include "controls/menu/core/MenuGlyphArt.h"

#include <vector>

namespace {

// The black pixels of one row: columns first .. last.
struct TInkRun {
  int row;
  int first;
  int last;
};

TDibImage OneBitImage(int width, int height, const std::vector<TInkRun>& ink) {
  TDibImage image;
  image.width = width;
  image.height = height;
  image.bitCount = 1;
  image.palette = {TDibColor{0, 0, 0, 0}, TDibColor{255, 255, 255, 0}};
  image.bits.assign(image.Stride() * static_cast<size_t>(height), 0xFF);
  for (const TInkRun& run : ink) {
    uint8_t* row = image.Row(run.row);
    for (int x = run.first; x <= run.last; ++x)
      row[x / 8] = static_cast<uint8_t>(row[x / 8] & ~(0x80u >> (x % 8)));
  }
  return image;
}

}  // namespace

TDibImage CheckGlyphImage() {
  return OneBitImage(16, 16,
                     {{4, 11, 11},
                      {5, 10, 11},
                      {6, 9, 11},
                      {7, 4, 4},
                      {7, 8, 10},
                      {8, 4, 5},
                      {8, 7, 9},
                      {9, 4, 8},
                      {10, 5, 7},
                      {11, 6, 6}});
}

TDibImage RadioGlyphImage() {
  return OneBitImage(16, 16,
                     {{5, 6, 9}, {6, 5, 10}, {7, 5, 10}, {8, 5, 10}, {9, 5, 10}, {10, 6, 9}});
}

TDibImage SubMenuGlyphImage() {
  return OneBitImage(4, 7,
                     {{0, 0, 0}, {1, 0, 1}, {2, 0, 2}, {3, 0, 3}, {4, 0, 2}, {5, 0, 1}, {6, 0, 0}});
}
