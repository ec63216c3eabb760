#include "controls/menu/core/GradientEnds.h"

namespace {

// The bar laid along one axis: positions first .. last (exclusive) of the length, and a way to
// turn a span of it back into a rectangle.
struct TAxis {
  TRect rect;
  bool horizontal;
  int First() const { return horizontal ? rect.Left : rect.Top; }
  int Last() const { return horizontal ? rect.Right : rect.Bottom; }
  TRect Span(int from, int to) const {
    return horizontal ? TRect{from, rect.Top, to, rect.Bottom}
                      : TRect{rect.Left, from, rect.Right, to};
  }
};

}  // namespace

std::vector<TBarFill> PlanGradientEndsBar(const TRect& rect, int margin, int gradientWidth,
                                          TGradientType type, TGradientDirection orientation,
                                          TColor color, TColor colorTo) {
  const bool horizontal = orientation == gdHorizontal;
  const TColor second = colorTo == clNone ? color : colorTo;
  TRect inset = rect;
  if (horizontal) {
    inset.Left += margin;
    inset.Right -= margin;
  } else {
    inset.Top += margin;
    inset.Bottom -= margin;
  }
  const TAxis axis{inset, horizontal};
  const int first = axis.First();
  const int last = axis.Last();
  const int length = last - first;
  int width = gradientWidth;
  if (!horizontal && type == gtBoth) width *= 2;

  std::vector<TBarFill> fills;
  const auto add = [&](int from, int to, TColor start, TColor end) {
    const TRect piece = axis.Span(from, to);
    if (!piece.IsEmpty()) fills.push_back(TBarFill{piece, start, end, orientation});
  };
  // The solid part, at the end opposite the shaded one (both ends shaded: in the middle). On a
  // vertical bar gtLeft shades the bottom end and gtRight the top, in the order of the rows.
  const bool shadeLow = horizontal ? type == gtLeft : type == gtRight;
  if (width < length) {
    if (type == gtBoth)
      add(first + width / 2, last - width / 2, color, color);
    else if (shadeLow)
      add(first + width, last, second, second);
    else
      add(first, last - width, second, second);
  } else {
    width = length;
  }
  if (width < 1) return fills;
  if (type == gtBoth) {
    add(first, first + width / 2, second, color);
    add(last - width / 2, last, color, second);
  } else if (shadeLow) {
    add(first, first + width, color, second);
  } else {
    add(last - width, last, second, color);
  }
  return fills;
}
