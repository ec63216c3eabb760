#include "tools/icon/IconArt.h"

#include <algorithm>
#include <cmath>

#include "framework/core/SysUtils.h"
#include "tools/stateimages/StateImageArt.h"

namespace {

struct Rgb {
  float r, g, b;
};

Rgb FromHex(uint32_t colour) {
  return {((colour >> 16) & 0xFF) / 255.0f, ((colour >> 8) & 0xFF) / 255.0f,
          (colour & 0xFF) / 255.0f};
}

Rgb Mix(Rgb a, Rgb b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

struct Box {
  float left, top, right, bottom;  // pixels of the icon
  float radius = 0;
  Box Inset(float by) const {
    return {left + by, top + by, right - by, bottom - by, std::max(0.0f, radius - by)};
  }
  bool Contains(float x, float y) const {
    if (x < left || x >= right || y < top || y >= bottom) return false;
    const float cx = std::clamp(x, left + radius, right - radius);
    const float cy = std::clamp(y, top + radius, bottom - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
  }
};

// Painting on a grid finer than the icon; each fine pixel holds premultiplied colour and cover.
class FineCanvas {
 public:
  FineCanvas(int size, int factor)
      : size_(size), factor_(factor), cells_(static_cast<size_t>(size * factor) * size * factor) {}

  // Paints every fine pixel inside the shape with colourAt(x, y) at the given opacity.
  template <typename Inside, typename ColourAt>
  void Paint(Inside inside, ColourAt colourAt, float opacity = 1) {
    const int fine = size_ * factor_;
    for (int fy = 0; fy < fine; ++fy) {
      for (int fx = 0; fx < fine; ++fx) {
        const float x = (fx + 0.5f) / factor_, y = (fy + 0.5f) / factor_;
        if (!inside(x, y)) continue;
        const Rgb colour = colourAt(x, y);
        Cell& cell = cells_[static_cast<size_t>(fy) * fine + fx];
        const float keep = 1 - opacity;
        cell.r = colour.r * opacity + cell.r * keep;
        cell.g = colour.g * opacity + cell.g * keep;
        cell.b = colour.b * opacity + cell.b * keep;
        cell.a = opacity + cell.a * keep;
      }
    }
  }

  void FillBox(const Box& box, Rgb top, Rgb bottom, float opacity = 1) {
    Paint([&](float x, float y) { return box.Contains(x, y); },
          [&](float, float y) { return Mix(top, bottom, (y - box.top) / (box.bottom - box.top)); },
          opacity);
  }

  // A line through the points, width wide, with round joints.
  void Stroke(const std::vector<std::pair<float, float>>& points, float width, Rgb colour) {
    const float half = width / 2;
    Paint(
        [&](float x, float y) {
          for (size_t i = 0; i + 1 < points.size(); ++i) {
            const auto [ax, ay] = points[i];
            const auto [bx, by] = points[i + 1];
            const float dx = bx - ax, dy = by - ay;
            const float t =
                std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0f, 1.0f);
            const float px = ax + t * dx - x, py = ay + t * dy - y;
            if (px * px + py * py <= half * half) return true;
          }
          return false;
        },
        [&](float, float) { return colour; });
  }

  TBgraBitmap Resolve() const {
    TBgraBitmap bitmap;
    bitmap.width = bitmap.height = size_;
    bitmap.pixels.resize(static_cast<size_t>(size_) * size_);
    const int fine = size_ * factor_;
    for (int y = 0; y < size_; ++y) {
      for (int x = 0; x < size_; ++x) {
        Cell sum;
        for (int sy = 0; sy < factor_; ++sy) {
          for (int sx = 0; sx < factor_; ++sx) {
            const Cell& cell =
                cells_[static_cast<size_t>(y * factor_ + sy) * fine + x * factor_ + sx];
            sum.r += cell.r;
            sum.g += cell.g;
            sum.b += cell.b;
            sum.a += cell.a;
          }
        }
        const float count = static_cast<float>(factor_ * factor_);
        const float alpha = sum.a / count;
        const auto channel = [&](float premultiplied) {
          return alpha > 0 ? static_cast<uint32_t>(
                                 std::lround(std::clamp(premultiplied / sum.a, 0.0f, 1.0f) * 255))
                           : 0u;
        };
        const uint32_t a = static_cast<uint32_t>(std::lround(alpha * 255));
        bitmap.At(x, y) =
            a == 0 ? 0 : a << 24 | channel(sum.r) << 16 | channel(sum.g) << 8 | channel(sum.b);
      }
    }
    return bitmap;
  }

 private:
  struct Cell {
    float r = 0, g = 0, b = 0, a = 0;
  };
  int size_;
  int factor_;
  std::vector<Cell> cells_;
};

const Rgb kOutline = FromHex(0x262626);
const Rgb kBezelTop = FromHex(0xF6F6F6);
const Rgb kBezelBottom = FromHex(0xB2B2B2);
const Rgb kScreenTop = FromHex(0x58A6FF);
const Rgb kScreenBottom = FromHex(0x0F3C9A);
const Rgb kStandTop = FromHex(0xD8D8D8);
const Rgb kStandBottom = FromHex(0x8E8E8E);
const Rgb kCable = FromHex(0x3C6E9A);
const Rgb kCableEdge = FromHex(0x1E3850);
const Rgb kBlack = {0, 0, 0};
const Rgb kWhite = {1, 1, 1};

// One monitor whose body is box; stands are drawn centred below it down to standBottom.
void DrawMonitor(FineCanvas& canvas, const Box& body, float standBottom, float pixel, bool shadow) {
  const float width = body.right - body.left;
  const float centre = (body.left + body.right) / 2;
  const float neckHalf = width * 0.10f, baseHalf = width * 0.30f;
  const float baseTop = standBottom - std::max(2 * pixel, width * 0.10f);
  const Box neck{std::round(centre - neckHalf), body.bottom - pixel, std::round(centre + neckHalf),
                 baseTop + pixel};
  const Box base{std::round(centre - baseHalf), baseTop, std::round(centre + baseHalf), standBottom,
                 pixel};
  if (shadow) {
    const float offset = std::max(pixel, width * 0.05f);
    for (const Box& part : {body, base}) {
      canvas.FillBox({part.left + offset, part.top + offset, part.right + offset,
                      part.bottom + offset, part.radius + pixel},
                     kBlack, kBlack, 0.22f);
    }
  }
  for (const Box& part : {neck, base}) {
    canvas.FillBox(part, kOutline, kOutline);
    canvas.FillBox(part.Inset(pixel), kStandTop, kStandBottom);
  }
  canvas.FillBox(body, kOutline, kOutline);
  canvas.FillBox(body.Inset(pixel), kBezelTop, kBezelBottom);

  const float bezel = std::round(width * 0.09f);
  const Box screen{body.left + bezel, body.top + bezel, body.right - bezel,
                   body.bottom - std::round(bezel * 1.5f), pixel};
  canvas.FillBox(screen, kOutline, kOutline);
  const Box glass = screen.Inset(pixel);
  canvas.FillBox(glass, kScreenTop, kScreenBottom);
  // A soft reflection across the upper left of the glass.
  canvas.Paint(
      [&](float x, float y) {
        const float u = (x - glass.left) / (glass.right - glass.left);
        const float v = (y - glass.top) / (glass.bottom - glass.top);
        return glass.Contains(x, y) && u + 1.4f * v < 0.85f;
      },
      [&](float, float) { return kWhite; }, 0.22f);
}

TBgraBitmap DrawLarge(int size, bool smooth) {
  FineCanvas canvas(size, smooth ? 4 : 1);
  const float n = static_cast<float>(size);
  const float pixel = 1;
  const auto at = [&](float fraction) { return std::round(fraction * n); };
  const Box rear{at(0.02f), at(0.04f), at(0.66f), at(0.52f), pixel * 2};
  const Box front{at(0.33f), at(0.33f), at(0.97f), at(0.81f), pixel * 2};
  const float rearStand = at(0.66f), frontStand = at(0.96f);

  // The cable leaves the rear stand, runs down the left and joins the front stand.
  const float cableX = at(0.16f), cableY = at(0.89f);
  const std::vector<std::pair<float, float>> cable = {
      {cableX, rearStand - 1}, {cableX, cableY}, {at(0.52f), cableY}};
  const float cableWidth = std::max(2.0f, n / 22);
  canvas.Stroke(cable, cableWidth + 2 * pixel, kCableEdge);
  canvas.Stroke(cable, cableWidth, kCable);

  DrawMonitor(canvas, rear, rearStand, pixel, smooth);
  DrawMonitor(canvas, front, frontStand, pixel, smooth);
  return canvas.Resolve();
}

TBgraBitmap FromStateImage() {
  const TStoredImage image = DrawMonitorsImage(TMonitorScreens::msBothOn);
  TBgraBitmap bitmap;
  bitmap.width = bitmap.height = kStateImageSize;
  bitmap.pixels = image.pixels;
  for (size_t i = 0; i < bitmap.pixels.size(); ++i) {
    if (image.mask[i]) bitmap.pixels[i] = 0;
  }
  return bitmap;
}

}  // namespace

TBgraBitmap DrawMainIcon(int size, bool smooth) {
  if (size == 16) return FromStateImage();
  if (size != 32 && size != 48) throw EInvalidOperation(kInvalidImageListMessage);
  return DrawLarge(size, smooth);
}
