#include "controls/common/core/DvGeometry.h"

TRect RectCenteredIn(const TRect& rect, int width, int height) {
  const int left = (rect.Left + rect.Right - width) / 2;
  const int top = (rect.Top + rect.Bottom - height) / 2;
  return {left, top, left + width, top + height};
}
