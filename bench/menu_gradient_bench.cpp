// The menu's gradient fill into 32-bit pixel rows, timed against the plain way of filling: our
// routine computes one colour a row (vertical) or writes the first row and copies it (horizontal);
// the peer computes the colour of every pixel and stores it. Prints megapixels per second of
// both from one run and the ratio ours / peer.
// Usage: menu_gradient_bench [seconds per measurement]
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "CpuTiming.h"
#include "controls/menu/core/MenuGradients.h"

namespace {

// The plain way: every pixel's colour computed and stored on its own.
void PeerFill(const TPixelRows& rows, const TRect& rect, TGradientDirection direction, TColor start,
              TColor end) {
  for (int y = rect.Top; y < rect.Bottom; ++y)
    for (int x = rect.Left; x < rect.Right; ++x) {
      const TColor color = direction == gdVertical
                               ? GradientColor(start, end, y - rect.Top, rect.Height())
                               : GradientColor(start, end, x - rect.Left, rect.Width());
      rows.Row(y)[x] = (static_cast<uint32_t>(RedOf(color)) << 16) |
                       (static_cast<uint32_t>(GreenOf(color)) << 8) | BlueOf(color);
    }
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 0.5;
  // A menu's background: 200 x 400 pixels.
  const int width = 200;
  const int height = 400;
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  const TPixelRows rows{pixels.data(), width, height, width};
  const TRect all{0, 0, width, height};
  const TColor from = RGBColor(255, 255, 255);
  const TColor to = RGBColor(183, 186, 197);
  const double megapixels = width * height / 1e6;
  std::printf("%-12s %14s %14s %8s\n", "direction", "ours Mpx/s", "peer Mpx/s", "ratio");
  for (const TGradientDirection direction : {gdVertical, gdHorizontal}) {
    const double ours = SecondsPerRun(
        [&] { FillGradientPixels(rows, all, direction, from, to, all); }, seconds, true);
    const double peer =
        SecondsPerRun([&] { PeerFill(rows, all, direction, from, to); }, seconds, true);
    std::printf("%-12s %14.1f %14.1f %8.2f\n", direction == gdVertical ? "vertical" : "horizontal",
                megapixels / ours, megapixels / peer, peer / ours);
  }
  return 0;
}
