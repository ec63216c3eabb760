#include "GifCorpusScenes.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "GifCorpus.h"
#include "GifTestFiles.h"

namespace {

// A picture of indices being drawn on.
struct Canvas {
  uint32_t width;
  uint32_t height;
  std::vector<uint8_t> indices;

  Canvas(uint32_t w, uint32_t h, uint8_t fill)
      : width(w), height(h), indices(size_t{w} * h, fill) {}
  void Fill(int left, int top, int right, int bottom, uint8_t index) {
    for (int y = std::max(top, 0); y < std::min<int>(bottom, static_cast<int>(height)); ++y)
      for (int x = std::max(left, 0); x < std::min<int>(right, static_cast<int>(width)); ++x)
        indices[size_t(y) * width + size_t(x)] = index;
  }
  void Frame3D(int left, int top, int right, int bottom, uint8_t light, uint8_t dark) {
    Fill(left, top, right, top + 1, light);
    Fill(left, top, left + 1, bottom, light);
    Fill(left, bottom - 1, right, bottom, dark);
    Fill(right - 1, top, right, bottom, dark);
  }
  // Glyph-like marks 5 x 7 in cells of 6 x 9, chosen by the characters' codes.
  void Text(int left, int top, const char* text, uint8_t index) {
    for (int n = 0; text[n]; ++n) {
      if (text[n] == ' ') continue;
      TestRandom shape(static_cast<uint32_t>(text[n]) * 7919u);
      for (int y = 0; y < 7; ++y) {
        const uint32_t bits = shape.Next();
        for (int x = 0; x < 5; ++x)
          if ((bits >> x) & 1)
            Fill(left + 6 * n + x, top + y + 1, left + 6 * n + x + 1, top + y + 2, index);
      }
    }
  }
  std::vector<uint8_t> Crop(uint32_t left, uint32_t top, uint32_t w, uint32_t h) const {
    std::vector<uint8_t> part;
    for (uint32_t y = top; y < top + h; ++y)
      part.insert(part.end(), indices.begin() + static_cast<ptrdiff_t>(size_t{y} * width + left),
                  indices.begin() + static_cast<ptrdiff_t>(size_t{y} * width + left + w));
    return part;
  }
};

PeerFrame WholeFrame(const Canvas& canvas) {
  PeerFrame frame;
  frame.width = static_cast<int>(canvas.width);
  frame.height = static_cast<int>(canvas.height);
  frame.indices = canvas.indices;
  return frame;
}

const char* const kWords[] = {"File", "Edit",  "View", "Tools", "Help", "the",  "quick",  "brown",
                              "fox",  "jumps", "over", "lazy",  "dog",  "Save", "Cancel", "OK"};

}  // namespace

PeerImage DitheredPhoto(uint32_t width, uint32_t height) {
  PeerImage image;
  image.width = static_cast<int>(width);
  image.height = static_cast<int>(height);
  for (uint32_t r = 0; r < 6; ++r)
    for (uint32_t g = 0; g < 7; ++g)
      for (uint32_t b = 0; b < 6; ++b)
        image.globalColors.push_back(TGIFRgb{static_cast<uint8_t>(r * 51),
                                             static_cast<uint8_t>(g * 255 / 6),
                                             static_cast<uint8_t>(b * 51)});
  for (uint8_t grey : {32, 96, 160, 224})
    image.globalColors.push_back(TGIFRgb{grey, grey, grey});

  // The scene in floating point, then error diffusion to the nearest cube colour.
  std::vector<std::array<float, 3>> light(size_t{width} * height);
  TestRandom random(12);
  const float w = static_cast<float>(width);
  const float h = static_cast<float>(height);
  for (uint32_t y = 0; y < height; ++y) {
    for (uint32_t x = 0; x < width; ++x) {
      const float u = static_cast<float>(x) / w;
      const float v = static_cast<float>(y) / h;
      const float ridge = 0.45f + 0.08f * std::sin(u * 9.0f) + 0.05f * std::sin(u * 23.0f + 1.3f);
      std::array<float, 3> color;
      if (v < ridge) {
        color = {90 + 120 * v, 140 + 90 * v, 235 - 20 * v};
        const float sun = std::hypot(u - 0.72f, v - 0.18f);
        if (sun < 0.25f) {
          const float glow = (0.25f - sun) * 4.0f;
          color = {color[0] + 160 * glow, color[1] + 140 * glow, color[2] + 40 * glow};
        }
      } else if (v < 0.78f) {
        const float grain = static_cast<float>(random.Below(40)) - 20;
        const float depth = (v - ridge) * 3.0f;
        color = {60 + 50 * depth + grain, 110 - 20 * depth + grain, 50 + grain / 2};
      } else {
        const float ripple = 12 * std::sin(static_cast<float>(y) * 0.9f + u * 3.0f);
        color = {70 + ripple, 120 + ripple, 190 - 40 * (v - 0.78f) + ripple};
      }
      light[size_t{y} * width + x] = color;
    }
  }
  PeerFrame frame;
  frame.width = image.width;
  frame.height = image.height;
  frame.indices.resize(size_t{width} * height);
  auto nearest = [&](const std::array<float, 3>& c) {
    auto level = [](float value, int levels) {
      const int step =
          static_cast<int>(std::lround(std::clamp(value, 0.0f, 255.0f) * (levels - 1) / 255.0f));
      return std::clamp(step, 0, levels - 1);
    };
    return static_cast<uint8_t>(level(c[0], 6) * 42 + level(c[1], 7) * 6 + level(c[2], 6));
  };
  for (uint32_t y = 0; y < height; ++y) {
    for (uint32_t x = 0; x < width; ++x) {
      const std::array<float, 3> wanted = light[size_t{y} * width + x];
      const uint8_t index = nearest(wanted);
      frame.indices[size_t{y} * width + x] = index;
      const TGIFRgb got = image.globalColors[index];
      const float error[3] = {wanted[0] - got.red, wanted[1] - got.green, wanted[2] - got.blue};
      auto spread = [&](int dx, int dy, float share) {
        const int64_t nx = int64_t{x} + dx;
        const int64_t ny = int64_t{y} + dy;
        if (nx < 0 || nx >= int64_t{width} || ny >= int64_t{height}) return;
        std::array<float, 3>& target = light[size_t(ny) * width + size_t(nx)];
        for (int c = 0; c < 3; ++c)
          target[size_t(c)] += error[c] * share;
      };
      spread(1, 0, 7 / 16.0f);
      spread(-1, 1, 3 / 16.0f);
      spread(0, 1, 5 / 16.0f);
      spread(1, 1, 1 / 16.0f);
    }
  }
  image.frames.push_back(std::move(frame));
  return image;
}

PeerImage Diagram(uint32_t width, uint32_t height) {
  PeerImage image;
  image.width = static_cast<int>(width);
  image.height = static_cast<int>(height);
  image.globalColors = RandomPalette(256, 44);
  const TGIFRgb used[] = {{255, 255, 255}, {0, 0, 0},      {200, 40, 40},  {40, 160, 60},
                          {50, 90, 200},   {240, 200, 40}, {150, 150, 150}};
  std::copy(std::begin(used), std::end(used), image.globalColors.begin());
  Canvas canvas(width, height, 0);
  const int w = static_cast<int>(width);
  const int h = static_cast<int>(height);
  for (int box = 0; box < 4; ++box) {
    const int left = w / 20 + box * w / 5;
    const int top = h / 10 + (box % 2) * h / 4;
    canvas.Fill(left, top, left + w / 7, top + h / 8, static_cast<uint8_t>(2 + box));
    canvas.Frame3D(left, top, left + w / 7, top + h / 8, 1, 1);
    canvas.Text(left + 3, top + 3, kWords[box], 1);
    if (box > 0) canvas.Fill(left - w / 20, top + h / 16, left, top + h / 16 + 1, 1);
  }
  // A pie chart: sectors by angle around a centre.
  const int cx = w * 3 / 4;
  const int cy = h * 2 / 3;
  const int radius = std::min(w, h) / 5;
  for (int y = cy - radius; y <= cy + radius; ++y)
    for (int x = cx - radius; x <= cx + radius; ++x) {
      const int dx = x - cx;
      const int dy = y - cy;
      if (dx * dx + dy * dy > radius * radius) continue;
      const double angle = std::atan2(dy, dx) + 3.14159265;
      canvas.Fill(x, y, x + 1, y + 1,
                  static_cast<uint8_t>(2 + static_cast<int>(angle * 5 / 6.2832) % 5));
    }
  for (int line = 0; line < 6; ++line)
    canvas.Text(w / 20, h / 2 + line * 12, "the quick brown fox", line == 0 ? 1 : 6);
  image.frames.push_back(WholeFrame(canvas));
  return image;
}

PeerImage TextPage(uint32_t width, uint32_t height) {
  PeerImage image;
  image.width = static_cast<int>(width);
  image.height = static_cast<int>(height);
  image.globalColors = {TGIFRgb{255, 255, 255}, TGIFRgb{0, 0, 0}};
  Canvas canvas(width, height, 0);
  TestRandom random(3);
  const int margin = static_cast<int>(width) / 12;
  for (int top = margin; top + 9 < static_cast<int>(height) - margin; top += 12) {
    int left = margin;
    while (true) {
      const char* word = kWords[random.Below(16)];
      const int length = 6 * static_cast<int>(std::char_traits<char>::length(word));
      if (left + length > static_cast<int>(width) - margin) break;
      canvas.Text(left, top, word, 1);
      left += length + 6;
    }
  }
  image.frames.push_back(WholeFrame(canvas));
  return image;
}

PeerImage ScreenRecording(uint32_t width, uint32_t height, uint32_t changes) {
  enum : uint8_t { kDesktop, kFace, kLight, kShadow, kBlack, kWhite, kCaption, kHot, kBar };
  PeerImage image;
  image.width = static_cast<int>(width);
  image.height = static_cast<int>(height);
  image.loop = true;
  image.globalColors = RandomPalette(256, 31);
  const TGIFRgb ui[] = {{0, 128, 128},   {212, 208, 200}, {255, 255, 255},
                        {128, 128, 128}, {0, 0, 0},       {255, 255, 255},
                        {10, 36, 106},   {182, 189, 210}, {49, 106, 197}};
  std::copy(std::begin(ui), std::end(ui), image.globalColors.begin());
  // The caption's gradient: 32 entries from dark to light blue.
  for (int i = 0; i < 32; ++i)
    image.globalColors[size_t(16 + i)] =
        TGIFRgb{static_cast<uint8_t>(10 + i * 4), static_cast<uint8_t>(36 + i * 4),
                static_cast<uint8_t>(106 + i * 4)};

  const int w = static_cast<int>(width);
  const int h = static_cast<int>(height);
  Canvas screen(width, height, kDesktop);
  const int left = w / 16, top = h / 16, right = w - w / 16, bottom = h - h / 12;
  screen.Fill(left, top, right, bottom, kFace);
  screen.Frame3D(left, top, right, bottom, kLight, kShadow);
  for (int x = left + 3; x < right - 3; ++x)
    screen.Fill(x, top + 3, x + 1, top + 21,
                static_cast<uint8_t>(16 + (x - left) * 32 / (right - left)));
  screen.Text(left + 8, top + 7, "Untitled - Notes", kWhite);
  for (int n = 0; n < 5; ++n)
    screen.Text(left + 8 + 40 * n, top + 24, kWords[n], kBlack);
  for (int n = 0; n < 8; ++n) {  // toolbar buttons with little icons
    const int bx = left + 6 + 26 * n;
    screen.Frame3D(bx, top + 38, bx + 24, top + 60, kLight, kShadow);
    screen.Fill(bx + 6, top + 44, bx + 18, top + 54, static_cast<uint8_t>(60 + 13 * n));
  }
  const int textTop = top + 66, textBottom = bottom - 40;
  screen.Fill(left + 6, textTop, right - 6, textBottom, kWhite);
  screen.Frame3D(left + 6, textTop, right - 6, textBottom, kShadow, kLight);
  TestRandom random(8);
  for (int y = textTop + 4, line = 0; y + 10 < textBottom - 20; y += 12, ++line) {
    int x = left + 12;
    for (int word = 0; word < 1 + (line * 7) % 9; ++word) {
      const char* text = kWords[random.Below(16)];
      const int length = 6 * static_cast<int>(std::char_traits<char>::length(text));
      if (x + length > right - 20) break;
      screen.Text(x, y, text, kBlack);
      x += length + 6;
    }
  }
  const int buttonsTop = bottom - 32;
  for (int n = 0; n < 2; ++n) {
    const int bx = right - 160 + 76 * n;
    screen.Fill(bx, buttonsTop, bx + 70, buttonsTop + 22, kFace);
    screen.Frame3D(bx, buttonsTop, bx + 70, buttonsTop + 22, kLight, kShadow);
    screen.Text(bx + 18, buttonsTop + 6, kWords[14 + n], kBlack);
  }
  screen.Fill(0, h - h / 24, w, h, kFace);  // taskbar with a clock
  screen.Text(w - 40, h - h / 24 + 2, "12 00", kBlack);
  image.frames.push_back(WholeFrame(screen));

  // Each change redraws one rectangle of the screen and sends just that rectangle.
  int caretX = left + 12, caretY = textBottom - 30;
  for (uint32_t change = 0; change < changes; ++change) {
    int rx = 0, ry = 0, rw = 0, rh = 0;
    switch (change % 5) {
      case 0:  // a typed word
        rw = 6 * 6;
        rh = 10;
        rx = caretX;
        ry = caretY;
        screen.Fill(rx, ry, rx + rw, ry + rh, kWhite);
        screen.Text(rx, ry, kWords[random.Below(16)], kBlack);
        caretX += rw;
        if (caretX > right - 60) caretX = left + 12;
        break;
      case 1:  // the caret
        rw = 2;
        rh = 11;
        rx = caretX;
        ry = caretY;
        screen.Fill(rx, ry, rx + 1, ry + rh, (change / 5) % 2 ? kWhite : kBlack);
        break;
      case 2:  // a toolbar button lights up under the mouse
        rx = left + 6 + 26 * static_cast<int>(change % 8);
        ry = top + 38;
        rw = 24;
        rh = 22;
        screen.Fill(rx + 1, ry + 1, rx + rw - 1, ry + rh - 1, (change / 5) % 2 ? kFace : kHot);
        screen.Fill(rx + 6, ry + 6, rx + 18, ry + 16, static_cast<uint8_t>(60 + 13 * (change % 8)));
        break;
      case 3:  // progress in the button row
        rx = left + 12;
        ry = buttonsTop + 6;
        rw = std::min(8 * static_cast<int>(change / 5 + 1), w / 3);
        rh = 10;
        screen.Fill(rx, ry, rx + rw, ry + rh, kBar);
        break;
      default:  // the clock
        rx = w - 40;
        ry = h - h / 24 + 2;
        rw = 30;
        rh = 9;
        screen.Fill(rx, ry, rx + rw, ry + rh, kFace);
        screen.Text(rx, ry, change % 2 ? "12 01" : "12 02", kBlack);
        break;
    }
    rx = std::clamp(rx, 0, w - 1);
    ry = std::clamp(ry, 0, h - 1);
    rw = std::max(1, std::min(rw, w - rx));
    rh = std::max(1, std::min(rh, h - ry));
    PeerFrame frame;
    frame.left = rx;
    frame.top = ry;
    frame.width = rw;
    frame.height = rh;
    frame.delayHundredths = 10;
    frame.indices = screen.Crop(static_cast<uint32_t>(rx), static_cast<uint32_t>(ry),
                                static_cast<uint32_t>(rw), static_cast<uint32_t>(rh));
    image.frames.push_back(std::move(frame));
  }
  return image;
}
