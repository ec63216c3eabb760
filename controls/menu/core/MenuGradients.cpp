#include "controls/menu/core/MenuGradients.h"

#include <algorithm>
#include <cstring>

namespace {

uint32_t PixelOf(TColor color) {
  return (static_cast<uint32_t>(RedOf(color)) << 16) |
         (static_cast<uint32_t>(GreenOf(color)) << 8) | BlueOf(color);
}

}  // namespace

TColor GradientColor(TColor start, TColor end, int offset, int length) {
  if (length <= 0) return start;
  const auto channel = [&](int from, int to) {
    return static_cast<uint8_t>(from + (offset * (to - from)) / length);
  };
  return RGBColor(channel(RedOf(start), RedOf(end)), channel(GreenOf(start), GreenOf(end)),
                  channel(BlueOf(start), BlueOf(end)));
}

TGradientKind KindOfGradient(TColor start, TColor end) {
  if (start == clNone) return TGradientKind::None;
  if (end == clNone || end == start) return TGradientKind::Solid;
  return TGradientKind::Shaded;
}

void FillGradientPixels(const TPixelRows& rows, const TRect& full, TGradientDirection direction,
                        TColor start, TColor end, const TRect& clip) {
  const TGradientKind kind = KindOfGradient(start, end);
  if (kind == TGradientKind::None) return;
  const TRect part = full.Intersect(clip).Intersect(TRect{0, 0, rows.width, rows.height});
  if (part.IsEmpty()) return;
  const size_t rowBytes = static_cast<size_t>(part.Width()) * sizeof(uint32_t);
  uint32_t* first = rows.Row(part.Top) + part.Left;
  if (kind == TGradientKind::Solid || direction == gdVertical) {
    for (int y = part.Top; y < part.Bottom; ++y) {
      const TColor color = kind == TGradientKind::Solid
                               ? start
                               : GradientColor(start, end, y - full.Top, full.Height());
      std::fill_n(rows.Row(y) + part.Left, part.Width(), PixelOf(color));
    }
    return;
  }
  for (int x = part.Left; x < part.Right; ++x)
    first[x - part.Left] = PixelOf(GradientColor(start, end, x - full.Left, full.Width()));
  for (int y = part.Top + 1; y < part.Bottom; ++y)
    std::memcpy(rows.Row(y) + part.Left, first, rowBytes);
}
