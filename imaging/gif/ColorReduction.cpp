#include "imaging/gif/ColorReduction.h"

#include <array>
#include <cstring>
#include <memory>

#include "framework/core/SysUtils.h"
#include "imaging/gif/DibFile.h"
#include "imaging/gif/GIFTypes.h"

namespace {

constexpr uint32_t kMaxColorEntries = 2049;
constexpr uint32_t kHistogramSlots = 5191;
constexpr uint16_t kEmptySlot = 0xFFFF;
constexpr uint16_t kNotChosen = 0xFFFF;

struct ColorEntry {
  uint8_t blue;
  uint8_t green;
  uint8_t red;
  uint32_t count;
  uint16_t index;  // palette index, kNotChosen until mapped
};

struct Histogram {
  std::array<ColorEntry, kMaxColorEntries> entries;
  std::array<uint16_t, kHistogramSlots> slots;
  uint32_t used = 0;
  uint8_t redMask = 0xFF;
  uint8_t greenMask = 0xFF;
  uint8_t blueMask = 0xFF;

  uint32_t FindSlot(uint8_t red, uint8_t green, uint8_t blue) const {
    uint32_t slot = ((uint32_t{red} + green) * (uint32_t{blue} + green) * (uint32_t{red} + blue)) %
                    kHistogramSlots;
    for (;;) {
      const uint16_t entry = slots[slot];
      if (entry == kEmptySlot) return slot;
      const ColorEntry& color = entries[entry];
      if (color.red == red && color.green == green && color.blue == blue) return slot;
      slot = slot == kHistogramSlots - 1 ? 0 : slot + 1;
    }
  }

  // Counts every pixel; false when a 2050th colour would be needed.
  bool Count(const std::vector<uint8_t>& rows, uint32_t width, uint32_t height) {
    slots.fill(kEmptySlot);
    used = 0;
    const uint64_t stride = DibRowStride(width, 24);
    for (uint32_t y = 0; y < height; ++y) {
      const uint8_t* pixel = rows.data() + y * stride;
      for (uint32_t x = 0; x < width; ++x, pixel += 3) {
        const uint8_t blue = pixel[0] & blueMask;
        const uint8_t green = pixel[1] & greenMask;
        const uint8_t red = pixel[2] & redMask;
        const uint32_t slot = FindSlot(red, green, blue);
        if (slots[slot] != kEmptySlot) {
          ++entries[slots[slot]].count;
          continue;
        }
        if (used == kMaxColorEntries) return false;
        entries[used] = ColorEntry{blue, green, red, 1, kNotChosen};
        slots[slot] = static_cast<uint16_t>(used++);
      }
    }
    return true;
  }

  // Drops the lowest kept bit of blue, then red, then green, in turn.
  void Coarsen() {
    if (redMask < greenMask)
      greenMask = static_cast<uint8_t>(greenMask << 1);
    else if (blueMask < redMask)
      redMask = static_cast<uint8_t>(redMask << 1);
    else
      blueMask = static_cast<uint8_t>(blueMask << 1);
  }
};

std::vector<uint8_t> BuildEightBitFile(const std::vector<uint8_t>& indexRows, uint32_t width,
                                       uint32_t height, const std::array<TGIFRgb, 256>& palette) {
  const uint64_t imageSize = CheckedPixelBufferSize(width, height, 8);
  const uint64_t pixelOffset = kDibHeadersSize + 4 * 256;
  std::vector<uint8_t> file(static_cast<size_t>(pixelOffset + imageSize));
  WriteDibHeaders(file.data(), width, height, 8, 256);
  uint8_t* quad = file.data() + kDibHeadersSize;
  for (const TGIFRgb& color : palette) {
    quad[0] = color.blue;
    quad[1] = color.green;
    quad[2] = color.red;
    quad[3] = 0;
    quad += 4;
  }
  std::memcpy(file.data() + pixelOffset, indexRows.data(), static_cast<size_t>(imageSize));
  return file;
}

// Writes index(pixel) for every pixel over the 24-bit rows, as 8-bit rows from the start.
template <class IndexOf>
void MapInPlace(std::vector<uint8_t>& rows, uint32_t width, uint32_t height, IndexOf indexOf) {
  const uint64_t rgbStride = DibRowStride(width, 24);
  const uint64_t indexStride = DibRowStride(width, 8);
  // Row y's indices start at or before its pixels and each index follows the pixel it replaces.
  for (uint32_t y = 0; y < height; ++y) {
    const uint8_t* pixel = rows.data() + y * rgbStride;
    uint8_t* index = rows.data() + y * indexStride;
    for (uint32_t x = 0; x < width; ++x, pixel += 3)
      index[x] = indexOf(pixel[2], pixel[1], pixel[0]);
    for (uint64_t pad = width; pad < indexStride; ++pad)
      index[pad] = 0;
  }
}

void CheckRows(const std::vector<uint8_t>& rows, uint32_t width, uint32_t height) {
  if (rows.size() < CheckedPixelBufferSize(width, height, 24)) throw EReadError();
}

}  // namespace

std::vector<uint8_t> ReduceToHistogramPalette(std::vector<uint8_t>& rgbRows, uint32_t width,
                                              uint32_t height) {
  CheckRows(rgbRows, width, height);
  auto histogram = std::make_unique<Histogram>();
  while (!histogram->Count(rgbRows, width, height))
    histogram->Coarsen();

  std::array<TGIFRgb, 256> palette;
  palette.fill(TGIFRgb{128, 128, 128});
  ColorEntry* const entries = histogram->entries.data();
  const uint32_t used = histogram->used;
  for (uint32_t i = 0; i < 256 && i < used; ++i) {
    uint32_t best = 0;
    for (uint32_t e = 1; e < used; ++e)
      if (entries[e].count > entries[best].count) best = e;
    entries[best].index = static_cast<uint16_t>(i);
    entries[best].count = 0;
    palette[i] = TGIFRgb{entries[best].red, entries[best].green, entries[best].blue};
  }
  for (uint32_t e = 0; e < used; ++e) {
    ColorEntry& entry = entries[e];
    if (entry.index != kNotChosen) continue;
    uint32_t nearest = 0;
    uint32_t nearestDistance = UINT32_MAX;
    for (uint32_t i = 0; i < 256; ++i) {
      const int dr = int{palette[i].red} - entry.red;
      const int dg = int{palette[i].green} - entry.green;
      const int db = int{palette[i].blue} - entry.blue;
      const uint32_t distance = static_cast<uint32_t>(dr * dr + dg * dg + db * db);
      if (distance < nearestDistance) {
        nearestDistance = distance;
        nearest = i;
      }
    }
    entry.index = static_cast<uint16_t>(nearest);
  }

  const Histogram& table = *histogram;
  MapInPlace(rgbRows, width, height, [&table](uint8_t red, uint8_t green, uint8_t blue) {
    const uint8_t r = red & table.redMask;
    const uint8_t g = green & table.greenMask;
    const uint8_t b = blue & table.blueMask;
    return static_cast<uint8_t>(table.entries[table.slots[table.FindSlot(r, g, b)]].index);
  });
  return BuildEightBitFile(rgbRows, width, height, palette);
}

std::vector<uint8_t> ReduceToGreyPalette(std::vector<uint8_t>& rgbRows, uint32_t width,
                                         uint32_t height) {
  CheckRows(rgbRows, width, height);
  std::array<TGIFRgb, 256> palette;
  for (uint32_t i = 0; i < 256; ++i) {
    const auto level = static_cast<uint8_t>(i);
    palette[i] = TGIFRgb{level, level, level};
  }
  MapInPlace(rgbRows, width, height, [](uint8_t red, uint8_t green, uint8_t blue) {
    return static_cast<uint8_t>((77u * red + 150u * green + 29u * blue) / 256);
  });
  return BuildEightBitFile(rgbRows, width, height, palette);
}
