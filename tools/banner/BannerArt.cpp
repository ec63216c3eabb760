#include "tools/banner/BannerArt.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int kWidth = static_cast<int>(TBannerPicture::kWidth);
constexpr int kHeight = static_cast<int>(TBannerPicture::kHeight);

// Small characters of the falling columns, 3 x 5, '#' lit.
constexpr const char* kSmallGlyphs[][5] = {
    {"###", "#.#", "#.#", "#.#", "###"}, {".#.", "##.", ".#.", ".#.", "###"},
    {"##.", "..#", ".#.", "#..", "###"}, {"##.", "..#", ".#.", "..#", "##."},
    {"#.#", "#.#", "###", "..#", "..#"}, {"###", "#..", "##.", "..#", "##."},
    {"###", "..#", ".#.", ".#.", ".#."}, {"###", "#.#", "###", "#.#", "###"},
    {"###", "..#", ".##", ".#.", "#.."}, {"#.#", "#.#", "..#", ".#.", "#.."},
    {"###", ".#.", "###", ".#.", ".#."}, {"#..", "###", "#..", "#..", ".##"},
    {".#.", "###", ".#.", "#.#", "#.#"}, {"###", "#..", "#..", "#..", "###"},
    {"#.#", ".#.", "#.#", ".#.", "#.#"}, {"..#", ".#.", "##.", ".#.", "..#"}};
constexpr int kSmallGlyphCount = sizeof kSmallGlyphs / sizeof kSmallGlyphs[0];

// The letters of the word on a 7 x 9 grid; o, r and v stand on D's baseline.
constexpr const char* kLetters[][9] = {{"#####..", "##..##.", "##...##", "##...##", "##...##",
                                        "##...##", "##...##", "##..##.", "#####.."},
                                       {".......", ".......", ".......", ".#####.", "##...##",
                                        "##...##", "##...##", "##...##", ".#####."},
                                       {".......", ".......", ".......", "##.####", "####..#",
                                        "###....", "##.....", "##.....", "##....."},
                                       {".......", ".......", ".......", "##...##", "##...##",
                                        "##...##", ".##.##.", ".##.##.", "..###.."}};
constexpr int kLetterColumns = 7;
constexpr int kLetterRows = 9;
constexpr int kLetterScale = 4;
constexpr int kLetterGap = 6;

class Random {
 public:
  explicit Random(uint32_t seed) : state_(seed) {}
  uint32_t Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }
  int Between(int low, int high) { return low + static_cast<int>(Next() % (high - low + 1)); }
  double Unit() { return (Next() & 0xFFFF) / 65535.0; }

 private:
  uint32_t state_;
};

using Plane = std::vector<double>;

double& At(Plane& plane, int x, int y) {
  return plane[static_cast<size_t>(y * kWidth + x)];
}

// A box blur of the given radius, horizontal then vertical, edges clamped.
Plane Blur(const Plane& source, int radius) {
  Plane across(source.size());
  Plane result(source.size());
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      double sum = 0;
      for (int d = -radius; d <= radius; ++d)
        sum += source[static_cast<size_t>(y * kWidth + std::clamp(x + d, 0, kWidth - 1))];
      across[static_cast<size_t>(y * kWidth + x)] = sum / (2 * radius + 1);
    }
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      double sum = 0;
      for (int d = -radius; d <= radius; ++d)
        sum += across[static_cast<size_t>(std::clamp(y + d, 0, kHeight - 1) * kWidth + x)];
      result[static_cast<size_t>(y * kWidth + x)] = sum / (2 * radius + 1);
    }
  return result;
}

void DrawSmallGlyph(Plane& plane, int glyph, int left, int top, double brightness) {
  for (int row = 0; row < 5; ++row)
    for (int column = 0; column < 3; ++column) {
      if (kSmallGlyphs[glyph][row][column] != '#') continue;
      const int x = left + column;
      const int y = top + row;
      if (x >= 0 && x < kWidth && y >= 0 && y < kHeight)
        At(plane, x, y) = std::max(At(plane, x, y), brightness);
    }
}

// Falling columns of characters: a bright head and a fading trail, with faint ghosts elsewhere.
Plane DrawRain(Random& random) {
  Plane rain(static_cast<size_t>(kWidth * kHeight), 0.0);
  constexpr int kPitchX = 5;
  constexpr int kPitchY = 7;
  for (int column = 0; column * kPitchX < kWidth; ++column) {
    const int left = column * kPitchX + 1;
    const int offset = -random.Between(0, kPitchY - 1);
    const int drops = random.Between(0, 9) < 3 ? 2 : 1;
    int heads[2] = {random.Between(-1, 9), random.Between(-4, 4)};
    int lengths[2] = {random.Between(3, 9), random.Between(2, 5)};
    for (int row = 0; offset + row * kPitchY < kHeight; ++row) {
      double brightness = random.Between(0, 9) < 3 ? 0.07 : 0.0;
      for (int drop = 0; drop < drops; ++drop) {
        const int distance = heads[drop] - row;
        if (distance < 0 || distance >= lengths[drop]) continue;
        const double fade = 1.0 - static_cast<double>(distance) / lengths[drop];
        brightness = std::max(brightness, distance == 0 ? 0.95 : 0.1 + 0.6 * std::pow(fade, 1.3));
      }
      if (brightness > 0)
        DrawSmallGlyph(rain, random.Between(0, kSmallGlyphCount - 1), left, offset + row * kPitchY,
                       brightness);
    }
  }
  const Plane glow = Blur(rain, 1);
  for (size_t i = 0; i < rain.size(); ++i)
    rain[i] = std::max(rain[i], 0.55 * glow[i]);
  return rain;
}

// The word's letters with softened corners: coverage of the scaled-up grid, sharpened.
Plane DrawWord() {
  Plane word(static_cast<size_t>(kWidth * kHeight), 0.0);
  constexpr int kLetterWidth = kLetterColumns * kLetterScale;
  constexpr int kWordWidth = 4 * kLetterWidth + 3 * kLetterGap;
  const int wordLeft = (kWidth - kWordWidth) / 2;
  const int wordTop = (kHeight - kLetterRows * kLetterScale) / 2;
  for (int letter = 0; letter < 4; ++letter) {
    const int letterLeft = wordLeft + letter * (kLetterWidth + kLetterGap);
    auto lit = [&](int column, int row) {
      if (column < 0 || column >= kLetterColumns || row < 0 || row >= kLetterRows) return 0.0;
      return kLetters[letter][row][column] == '#' ? 1.0 : 0.0;
    };
    for (int y = 0; y < kLetterRows * kLetterScale; ++y)
      for (int x = 0; x < kLetterWidth; ++x) {
        // Bilinear sample between cell centres.
        const double gx = (x + 0.5) / kLetterScale - 0.5;
        const double gy = (y + 0.5) / kLetterScale - 0.5;
        const int cx = static_cast<int>(std::floor(gx));
        const int cy = static_cast<int>(std::floor(gy));
        const double fx = gx - cx;
        const double fy = gy - cy;
        const double coverage = (1 - fx) * (1 - fy) * lit(cx, cy) +
                                fx * (1 - fy) * lit(cx + 1, cy) + (1 - fx) * fy * lit(cx, cy + 1) +
                                fx * fy * lit(cx + 1, cy + 1);
        const double edge = std::clamp((coverage - 0.3) / 0.4, 0.0, 1.0);
        At(word, letterLeft + x, wordTop + y) = edge * edge * (3 - 2 * edge);
      }
  }
  return word;
}

std::vector<TGIFRgb> GlowPalette() {
  std::vector<TGIFRgb> palette(256);
  palette[0] = TGIFRgb{0, 0, 0};
  palette[1] = TGIFRgb{255, 255, 255};
  for (int i = 2; i <= 254; ++i) {
    const double t = (i - 2) / 252.0;
    const double white = std::pow(std::max(0.0, (t - 0.72) / 0.28), 1.6);
    palette[static_cast<size_t>(i)] =
        TGIFRgb{static_cast<uint8_t>(std::lround(235 * white)),
                static_cast<uint8_t>(std::lround(255 * std::min(1.0, 0.1 + 1.05 * t))),
                static_cast<uint8_t>(std::lround(200 * white + 30 * t))};
  }
  // Like entry 1: the reader makes the transparent entry unique when it loads the file.
  palette[TBannerPicture::kTransparentIndex] = TGIFRgb{255, 255, 255};
  return palette;
}

}  // namespace

TBannerPicture DrawBanner() {
  Random random(0x0D02F);
  const Plane rain = DrawRain(random);
  const Plane word = DrawWord();
  const Plane glow = Blur(Blur(word, 2), 2);
  const Plane halo = Blur(Blur(word, 5), 5);

  TBannerPicture picture;
  picture.palette = GlowPalette();
  picture.indices.resize(static_cast<size_t>(kWidth * kHeight));
  for (size_t i = 0; i < picture.indices.size(); ++i) {
    // The word stays readable: the columns darken behind its halo.
    const double behind = rain[i] * (1.0 - std::min(1.0, 2.2 * halo[i]));
    const double level = std::max({behind, 0.9 * std::pow(glow[i], 1.1), word[i]});
    // The hottest filament inside the letters is white: the transparent entry, which loading
    // keeps one step off white (255, 255, 254).
    if (word[i] > 0.999 && glow[i] > 0.97) {
      picture.indices[i] = TBannerPicture::kTransparentIndex;
      continue;
    }
    picture.indices[i] =
        level < 0.03 ? 0 : static_cast<uint8_t>(std::clamp(2 + std::lround(level * 252), 2L, 254L));
  }
  return picture;
}
