#include "tests/controls/common/TestSurface.h"

#include <algorithm>

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
