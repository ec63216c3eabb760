#include "controls/menu/core/MenuPlacement.h"

TPoint PlaceBackgroundImage(TBackgroundPosition position, const TRect& rect, int width, int height,
                            int offsetX, int offsetY) {
  const int left = rect.Left + offsetX;
  const int right = rect.Left + rect.Width() + offsetX - width;
  const int centre = rect.Left + (rect.Width() - width) / 2 + offsetX;
  const int top = rect.Top + offsetY;
  const int bottom = rect.Top + rect.Height() + offsetY - height;
  const int middle = rect.Top + (rect.Height() - height) / 2 + offsetY;
  switch (position) {
    case bpTopRight:
      return TPoint{right, top};
    case bpBottomLeft:
      return TPoint{left, bottom};
    case bpBottomRight:
      return TPoint{right, bottom};
    case bpTopCenter:
      return TPoint{centre, top};
    case bpBottomCenter:
      return TPoint{centre, bottom};
    case bpCenter:
      return TPoint{centre, middle};
    default:
      return TPoint{left, top};
  }
}

int NearestEvenHalf(int numerator) {
  // Floor division, so that negative values round the same way.
  const int floor = numerator >= 0 ? numerator / 2 : -((-numerator + 1) / 2);
  if (numerator % 2 == 0) return floor;
  return floor % 2 == 0 ? floor : floor + 1;
}

TCaptionEnd CaptionEndFor(bool centred, bool rightJustified, TDirection direction) {
  if (centred) return TCaptionEnd::Centre;
  return rightJustified == (direction == dDownToUp) ? TCaptionEnd::Top : TCaptionEnd::Bottom;
}

TPoint PlaceSideBarCaption(int barSize, int barHeight, int textWidth, int textHeight,
                           TCaptionEnd end, TDirection direction, int endOffset,
                           int reservedAtBottom) {
  // Near(v / 2 - 0.5) is Near((v - 1) / 2).
  int x = NearestEvenHalf(barSize - textHeight - 1);
  int y = 0;
  switch (end) {
    case TCaptionEnd::Centre:
      y = NearestEvenHalf(barHeight + textWidth - 1);
      break;
    case TCaptionEnd::Top:
      y = endOffset + textWidth;
      break;
    case TCaptionEnd::Bottom:
      y = barHeight - endOffset - reservedAtBottom;
      break;
  }
  if (direction == dUpToDown) {
    y -= textWidth;
    x += textHeight + 1;
  }
  return TPoint{x, y};
}
