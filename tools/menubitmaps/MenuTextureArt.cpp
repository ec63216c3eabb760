#include "tools/menubitmaps/MenuTextureArt.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int kSize = kMenuTextureSize;
constexpr double kPi = 3.14159265358979323846;

// A fixed pseudo-random value in 0 .. 1 for a lattice point (an integer hash, so the picture is
// the same on every build).
double LatticeValue(int x, int y, uint32_t seed) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
               seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return static_cast<double>(h & 0xFFFF) / 65535.0;
}

// Smooth value noise on a lattice of cell-pixel squares that wraps around the picture, so that
// its left edge continues its right one and its top its bottom.
double WrappedNoise(int x, int y, int cell, uint32_t seed) {
  const int cells = kSize / cell;
  const int cx = x / cell;
  const int cy = y / cell;
  const double fx = static_cast<double>(x % cell) / cell;
  const double fy = static_cast<double>(y % cell) / cell;
  const auto smooth = [](double t) { return t * t * (3 - 2 * t); };
  const auto at = [&](int i, int j) { return LatticeValue(i % cells, j % cells, seed); };
  const double top = at(cx, cy) + (at(cx + 1, cy) - at(cx, cy)) * smooth(fx);
  const double bottom = at(cx, cy + 1) + (at(cx + 1, cy + 1) - at(cx, cy + 1)) * smooth(fx);
  return top + (bottom - top) * smooth(fy);
}

// 0 .. 1: broad mottling, finer grain, and a faint diagonal weave whose period divides the size.
double Tone(int x, int y) {
  const double mottle = WrappedNoise(x, y, 24, 1) * 0.45 + WrappedNoise(x, y, 12, 2) * 0.3;
  const double grain = WrappedNoise(x, y, 4, 3) * 0.15 + LatticeValue(x, y, 4) * 0.06;
  const double weave =
      0.5 + 0.25 * std::sin(2 * kPi * (x + y) / 8.0) * std::sin(2 * kPi * (x - y + kSize) / 8.0);
  return std::clamp(mottle + grain + weave * 0.12 - 0.12, 0.0, 1.0);
}

// The bottom left pixel's own palette entry: the menu draws the picture with the bottom left colour
// transparent, so that colour must mark that one pixel only.
constexpr int kCornerIndex = 255;
constexpr int kGrainTones = 255;

// From a near-black wine red to a muted burgundy, every entry a colour of its own (a tone that
// rounds onto an earlier one is made a little bluer); the corner's entry last, near the darkest.
std::vector<TDibColor> Palette() {
  std::vector<TDibColor> palette;
  const auto add = [&palette](double red, double green, double blue) {
    TDibColor color{static_cast<uint8_t>(std::lround(blue)),
                    static_cast<uint8_t>(std::lround(green)),
                    static_cast<uint8_t>(std::lround(red)), 0};
    while (std::find(palette.begin(), palette.end(), color) != palette.end())
      ++color.blue;
    palette.push_back(color);
  };
  for (int i = 0; i < kGrainTones; ++i) {
    const double t = i / static_cast<double>(kGrainTones - 1);
    add(30 + 94 * t, 6 + 28 * t, 12 + 40 * t);
  }
  add(31, 6, 13);
  return palette;
}

}  // namespace

TDibImage MenuTextureImage() {
  TDibImage image;
  image.width = kSize;
  image.height = kSize;
  image.bitCount = 8;
  image.palette = Palette();
  image.bits.assign(image.Stride() * kSize, 0);
  for (int y = 0; y < kSize; ++y) {
    uint8_t* row = image.Row(y);
    for (int x = 0; x < kSize; ++x)
      row[x] = static_cast<uint8_t>(std::lround(Tone(x, y) * (kGrainTones - 1)));
  }
  image.Row(kSize - 1)[0] = kCornerIndex;
  return image;
}
