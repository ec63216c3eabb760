#include "tests/harness/GlyphInk.h"

#include <algorithm>
#include <utility>

#include "framework/win/graphics/GdiObjects.h"
#include "tests/support/win/PixelSurface.h"

namespace {

// Room around the drawn text for overhangs to the left and right of a glyph's advance.
constexpr int kMargin = 8;

// Cuts a set of covered pixels (in surface coordinates) to their bounds.
TInk InkFromPoints(const std::vector<TPoint>& points) {
  TInk ink;
  if (points.empty()) return ink;
  TRect bounds{points[0].X, points[0].Y, points[0].X + 1, points[0].Y + 1};
  for (const TPoint& p : points) {
    bounds.Left = std::min(bounds.Left, p.X);
    bounds.Top = std::min(bounds.Top, p.Y);
    bounds.Right = std::max(bounds.Right, p.X + 1);
    bounds.Bottom = std::max(bounds.Bottom, p.Y + 1);
  }
  ink.width = bounds.Width();
  ink.height = bounds.Height();
  ink.covered.assign(static_cast<size_t>(ink.width) * static_cast<size_t>(ink.height), false);
  for (const TPoint& p : points)
    ink.covered[static_cast<size_t>(p.Y - bounds.Top) * static_cast<size_t>(ink.width) +
                static_cast<size_t>(p.X - bounds.Left)] = true;
  return ink;
}

// Draws with draw(dc, x, y) in black on a surface of the given text extent plus margins.
template <class Draw>
TInk DrawnInk(HFONT font, SIZE extent, TColor background, Draw draw) {
  PixelSurface surface(extent.cx + 2 * kMargin, extent.cy + 2 * kMargin, background);
  {
    const SelectGuard selected(surface.Dc(), font);
    SetBkMode(surface.Dc(), TRANSPARENT);
    SetTextColor(surface.Dc(), RGB(0, 0, 0));
    draw(surface.Dc(), kMargin, kMargin);
  }
  return InkOf(surface, TRect{0, 0, surface.Width(), surface.Height()}, background);
}

SIZE TextExtent(HFONT font, const std::wstring& text) {
  MemoryDC dc;
  const SelectGuard selected(dc.Get(), font);
  SIZE extent{};
  GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
  return extent;
}

TInk GlyphInk(HFONT font, WORD glyph, TColor background) {
  MemoryDC dc;
  SIZE extent{};
  {
    const SelectGuard selected(dc.Get(), font);
    GetTextExtentPointI(dc.Get(), &glyph, 1, &extent);
  }
  return DrawnInk(font, extent, background, [glyph](HDC target, int x, int y) {
    ExtTextOutW(target, x, y, ETO_GLYPH_INDEX, nullptr, reinterpret_cast<LPCWSTR>(&glyph), 1,
                nullptr);
  });
}

}  // namespace

TInk InkOf(const PixelSurface& surface, const TRect& area, TColor background) {
  const TColor plainBackground = Plain(background);
  std::vector<TPoint> points;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x)
      if (surface.At(x, y) != plainBackground) points.push_back(TPoint{x, y});
  return InkFromPoints(points);
}

std::vector<TInk> InkPieces(const PixelSurface& surface, const TRect& area, TColor background) {
  const TColor plainBackground = Plain(background);
  const int width = area.Width();
  const auto index = [&](int x, int y) {
    return static_cast<size_t>(y - area.Top) * static_cast<size_t>(width) +
           static_cast<size_t>(x - area.Left);
  };
  std::vector<bool> inked(static_cast<size_t>(width) * static_cast<size_t>(area.Height()));
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x)
      inked[index(x, y)] = surface.At(x, y) != plainBackground;

  std::vector<TInk> pieces;
  std::vector<TPoint> stack;
  for (int y = area.Top; y < area.Bottom; ++y) {
    for (int x = area.Left; x < area.Right; ++x) {
      if (!inked[index(x, y)]) continue;
      std::vector<TPoint> piece;
      inked[index(x, y)] = false;
      stack.push_back(TPoint{x, y});
      while (!stack.empty()) {
        const TPoint p = stack.back();
        stack.pop_back();
        piece.push_back(p);
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            const TPoint next{p.X + dx, p.Y + dy};
            if (!area.Contains(next) || !inked[index(next.X, next.Y)]) continue;
            inked[index(next.X, next.Y)] = false;
            stack.push_back(next);
          }
        }
      }
      pieces.push_back(InkFromPoints(piece));
    }
  }
  return pieces;
}

TInk TextInk(HFONT font, const std::wstring& text, TColor background) {
  return DrawnInk(font, TextExtent(font, text), background, [&text](HDC target, int x, int y) {
    ExtTextOutW(target, x, y, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
  });
}

TInk MissingGlyphInk(HFONT font, TColor background) {
  return GlyphInk(font, 0, background);
}

TInk DefaultCharacterInk(HFONT font, TColor background) {
  MemoryDC dc;
  TEXTMETRICW metrics{};
  {
    const SelectGuard selected(dc.Get(), font);
    GetTextMetricsW(dc.Get(), &metrics);
  }
  return TextInk(font, std::wstring(1, metrics.tmDefaultChar), background);
}
