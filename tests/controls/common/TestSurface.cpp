#include "tests/controls/common/TestSurface.h"

#include <algorithm>
#include <sstream>

PixelBox FindPixels(const PixelSurface& surface, const TRect& area, TColor color, bool other) {
  PixelBox box;
  const TColor wanted = Plain(color);
  for (int y = area.Top; y < area.Bottom; ++y) {
    for (int x = area.Left; x < area.Right; ++x) {
      if ((surface.At(x, y) == wanted) == other) continue;
      if (box.count == 0) {
        box = {x, y, x + 1, y + 1, 0};
      } else {
        box.left = std::min(box.left, x);
        box.top = std::min(box.top, y);
        box.right = std::max(box.right, x + 1);
        box.bottom = std::max(box.bottom, y + 1);
      }
      ++box.count;
    }
  }
  return box;
}

namespace {

char LetterOf(TColor pixel, const PixelLegend& legend) {
  for (const auto& [letter, color] : legend)
    if (Plain(color) == pixel) return letter;
  return '?';
}

}  // namespace

testing::AssertionResult MatchesArt(const PixelSurface& surface, TPoint origin,
                                    const std::vector<std::string>& art,
                                    const PixelLegend& legend) {
  bool same = true;
  std::ostringstream shown;
  for (size_t row = 0; row < art.size(); ++row) {
    std::string actual;
    for (size_t column = 0; column < art[row].size(); ++column) {
      const TColor pixel =
          surface.At(origin.X + static_cast<int>(column), origin.Y + static_cast<int>(row));
      const auto expected = std::find_if(legend.begin(), legend.end(), [&](const auto& entry) {
        return entry.first == art[row][column];
      });
      if (expected == legend.end() || Plain(expected->second) != pixel) same = false;
      actual += LetterOf(pixel, legend);
    }
    shown << "  \"" << actual << "\"  expected \"" << art[row] << "\"\n";
  }
  if (same) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "pixels differ from the art:\n" << shown.str();
}
