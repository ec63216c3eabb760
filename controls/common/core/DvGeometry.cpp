#include "controls/common/core/DvGeometry.h"

#include <cmath>

TRect RectCenteredIn(const TRect& rect, int width, int height) {
  const int left = (rect.Left + rect.Right - width) / 2;
  const int top = (rect.Top + rect.Bottom - height) / 2;
  return {left, top, left + width, top + height};
}

int RoundHalfEven(double value) {
  const double floor = std::floor(value);
  const double fraction = value - floor;
  auto result = static_cast<int>(floor);
  if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0)) ++result;
  return result;
}
