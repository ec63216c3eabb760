#include "controls/images/ImageListStreamBitmaps.h"

#include <bit>
#include <cstring>

#include "controls/images/ImageListStream.h"
#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"

namespace {

constexpr uint16_t kBitmapMagic = 0x4D42;  // "BM"
constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kCompressionRgb = 0;
constexpr uint32_t kCompressionBitFields = 3;
constexpr uint32_t kMaxPaletteEntries = 256;
// Writers may leave a gap before the rows; a larger one is not a picture of ours.
constexpr uint64_t kMaxGapBeforeRows = 1u << 20;

[[noreturn]] void Fail() {
  throw EReadError(kImageListReadFailedMessage);
}

uint16_t U16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t U32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void Put16(uint8_t* p, uint32_t value) {
  p[0] = static_cast<uint8_t>(value);
  p[1] = static_cast<uint8_t>(value >> 8);
}

void Put32(uint8_t* p, uint32_t value) {
  Put16(p, value);
  Put16(p + 2, value >> 16);
}

uint64_t RowStride(uint64_t width, uint32_t bits) {
  return (width * bits + 31) / 32 * 4;
}

uint64_t Remaining(TStream& stream) {
  const int64_t left = stream.Size() - stream.Position();
  return left > 0 ? static_cast<uint64_t>(left) : 0;
}

void Skip(TStream& stream, uint64_t count) {
  if (count > Remaining(stream)) Fail();
  stream.Seek(static_cast<int64_t>(count), TSeekOrigin::soCurrent);
}

// One colour channel held under a bit mask, widened to 8 bits by repeating its bits.
class Channel {
 public:
  explicit Channel(uint32_t mask)
      : mask_(mask),
        shift_(mask ? std::countr_zero(mask) : 0),
        width_(mask ? 32 - std::countl_zero(mask >> shift_) : 0) {}

  uint32_t Extract(uint32_t raw) const {
    if (width_ == 0) return 0;
    const uint32_t value = (raw & mask_) >> shift_;
    if (width_ >= 8) return value >> (width_ - 8);
    uint32_t widened = 0;
    for (int filled = 0; filled < 8; filled += width_) {
      widened |= (value << (8 - width_)) >> filled;
    }
    return widened & 0xFF;
  }

 private:
  uint32_t mask_;
  int shift_;  // 0..31
  int width_;  // 0..32
};

struct Layout {
  int32_t width = 0;
  int32_t height = 0;  // negative: rows top-down
  uint32_t bits = 0;
  uint32_t compression = kCompressionRgb;
  uint32_t colorsUsed = 0;
  uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha (bit fields only)
  bool hasAlphaMask = false;
  uint32_t rowsOffset = 0;  // from the file header
};

Layout ReadHeaders(TStream& stream, uint32_t& consumed) {
  uint8_t fileHeader[kFileHeaderSize];
  stream.ReadBuffer(fileHeader, sizeof fileHeader);
  if (U16(fileHeader) != kBitmapMagic) Fail();

  uint8_t info[124];
  stream.ReadBuffer(info, 4);
  const uint32_t infoSize = U32(info);
  // The 40-byte header and its later extensions (bit masks, colour space) are read.
  if (infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 108 && infoSize != 124) {
    Fail();
  }
  stream.ReadBuffer(info + 4, infoSize - 4);
  consumed = kFileHeaderSize + infoSize;

  Layout layout;
  layout.rowsOffset = U32(fileHeader + 10);
  layout.width = static_cast<int32_t>(U32(info + 4));
  layout.height = static_cast<int32_t>(U32(info + 8));
  const uint16_t planes = U16(info + 12);
  layout.bits = U16(info + 14);
  layout.compression = U32(info + 16);
  layout.colorsUsed = U32(info + 32);
  if (layout.width <= 0 || layout.height == 0 || layout.height == INT32_MIN || planes != 1) Fail();
  switch (layout.bits) {
    case 1:
    case 4:
    case 8:
    case 24:
      if (layout.compression != kCompressionRgb) Fail();
      break;
    case 16:
    case 32:
      if (layout.compression != kCompressionRgb && layout.compression != kCompressionBitFields) {
        Fail();
      }
      break;
    default:
      Fail();
  }
  if (layout.colorsUsed > kMaxPaletteEntries) Fail();
  if (layout.compression == kCompressionBitFields) {
    if (infoSize == kInfoHeaderSize) {
      uint8_t masks[12];
      stream.ReadBuffer(masks, sizeof masks);
      consumed += sizeof masks;
      for (int i = 0; i < 3; ++i)
        layout.masks[i] = U32(masks + 4 * i);
    } else {
      for (int i = 0; i < 3; ++i)
        layout.masks[i] = U32(info + 40 + 4 * i);
      if (infoSize >= 56) {
        layout.masks[3] = U32(info + 52);
        layout.hasAlphaMask = layout.masks[3] != 0;
      }
    }
  }
  return layout;
}

std::vector<uint32_t> ReadPalette(TStream& stream, const Layout& layout, uint32_t& consumed) {
  uint32_t entries = layout.colorsUsed;
  if (layout.bits <= 8 && entries == 0) entries = 1u << layout.bits;
  std::vector<uint8_t> raw(static_cast<size_t>(entries) * 4);
  stream.ReadBuffer(raw.data(), static_cast<int64_t>(raw.size()));
  consumed += static_cast<uint32_t>(raw.size());
  std::vector<uint32_t> palette;
  if (layout.bits > 8) return palette;  // a hint for palette devices only
  // Indexes past the palette read as black, as the platform shows them.
  palette.assign(size_t{1} << layout.bits, 0xFF000000u);
  for (uint32_t i = 0; i < entries && i < palette.size(); ++i) {
    palette[i] = 0xFF000000u | (U32(raw.data() + 4 * i) & 0xFFFFFFu);
  }
  return palette;
}

void DecodeRow(const uint8_t* row, const Layout& layout, const std::vector<uint32_t>& palette,
               uint32_t* out) {
  const int width = layout.width;
  switch (layout.bits) {
    case 1:
      for (int x = 0; x < width; ++x)
        out[x] = palette[(row[x >> 3] >> (7 - (x & 7))) & 1];
      return;
    case 4:
      for (int x = 0; x < width; ++x)
        out[x] = palette[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 15];
      return;
    case 8:
      for (int x = 0; x < width; ++x)
        out[x] = palette[row[x]];
      return;
    case 24:
      for (int x = 0; x < width; ++x) {
        const uint8_t* p = row + 3 * x;
        out[x] = 0xFF000000u | (p[2] << 16) | (p[1] << 8) | p[0];
      }
      return;
    default:
      break;
  }
  const bool standard32 =
      layout.bits == 32 && (layout.compression == kCompressionRgb ||
                            (layout.masks[0] == 0xFF0000 && layout.masks[1] == 0xFF00 &&
                             layout.masks[2] == 0xFF && !layout.hasAlphaMask));
  if (standard32) {
    for (int x = 0; x < width; ++x)
      out[x] = U32(row + 4 * x);
    return;
  }
  uint32_t masks[4] = {0x7C00, 0x03E0, 0x001F, 0};
  if (layout.compression == kCompressionBitFields) std::memcpy(masks, layout.masks, sizeof masks);
  const Channel red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);
  for (int x = 0; x < width; ++x) {
    const uint32_t raw = layout.bits == 16 ? U16(row + 2 * x) : U32(row + 4 * x);
    const uint32_t a = layout.hasAlphaMask ? alpha.Extract(raw) : 0xFF;
    out[x] = (a << 24) | (red.Extract(raw) << 16) | (green.Extract(raw) << 8) | blue.Extract(raw);
  }
}

size_t NearestEntry(uint32_t colour, const std::vector<uint32_t>& palette) {
  size_t best = 0;
  int64_t bestDistance = INT64_MAX;
  for (size_t i = 0; i < palette.size(); ++i) {
    int64_t distance = 0;
    for (int shift = 0; shift < 24; shift += 8) {
      const int64_t d =
          static_cast<int64_t>((colour >> shift) & 0xFF) - ((palette[i] >> shift) & 0xFF);
      distance += d * d;
    }
    if (distance < bestDistance) {
      bestDistance = distance;
      best = i;
      if (distance == 0) break;
    }
  }
  return best;
}

void EncodeRow(const uint32_t* pixels, int width, int bits, const std::vector<uint32_t>& palette,
               uint8_t* row) {
  uint32_t lastColour = 0;
  size_t lastIndex = SIZE_MAX;
  for (int x = 0; x < width; ++x) {
    const uint32_t colour = pixels[x];
    if (bits <= 8) {
      if (lastIndex == SIZE_MAX || (colour & 0xFFFFFF) != (lastColour & 0xFFFFFF)) {
        lastIndex = NearestEntry(colour, palette);
        lastColour = colour;
      }
      const uint32_t index = static_cast<uint32_t>(lastIndex);
      const int perByte = 8 / bits;
      const int shift = 8 - bits * (x % perByte + 1);
      row[x / perByte] = static_cast<uint8_t>(row[x / perByte] | (index << shift));
      continue;
    }
    const uint32_t r = (colour >> 16) & 0xFF, g = (colour >> 8) & 0xFF, b = colour & 0xFF;
    switch (bits) {
      case 16:
        Put16(row + 2 * x, ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3));
        break;
      case 24:
        row[3 * x] = static_cast<uint8_t>(b);
        row[3 * x + 1] = static_cast<uint8_t>(g);
        row[3 * x + 2] = static_cast<uint8_t>(r);
        break;
      default:
        Put32(row + 4 * x, colour);
        break;
    }
  }
}

}  // namespace

TBgraBitmap ReadBitmapFile(TStream& stream, uint64_t maxPixels, TBitmapFileInfo* info) {
  uint32_t consumed = 0;
  const Layout layout = ReadHeaders(stream, consumed);
  const uint64_t height = layout.height < 0 ? -static_cast<int64_t>(layout.height) : layout.height;
  const uint64_t width = static_cast<uint64_t>(layout.width);
  if (width * height > maxPixels) Fail();
  const std::vector<uint32_t> palette = ReadPalette(stream, layout, consumed);

  // The file header's size field is not trusted (the platform writes the header size there);
  // the offset of the rows is, when it points past the headers.
  if (layout.rowsOffset > consumed) {
    if (layout.rowsOffset - consumed > kMaxGapBeforeRows) Fail();
    Skip(stream, layout.rowsOffset - consumed);
  }

  const uint64_t stride = RowStride(width, layout.bits);
  const uint64_t dataSize = stride * height;
  if (dataSize > Remaining(stream)) Fail();
  std::vector<uint8_t> data(static_cast<size_t>(dataSize));
  stream.ReadBuffer(data.data(), static_cast<int64_t>(dataSize));

  TBgraBitmap bitmap;
  bitmap.width = static_cast<int>(width);
  bitmap.height = static_cast<int>(height);
  bitmap.pixels.resize(static_cast<size_t>(width * height));
  for (uint64_t y = 0; y < height; ++y) {
    const uint64_t stored = layout.height < 0 ? y : height - 1 - y;
    DecodeRow(data.data() + stored * stride, layout, palette, bitmap.pixels.data() + y * width);
  }
  if (info) {
    info->bitsPerPixel = static_cast<int>(layout.bits);
    info->topDown = layout.height < 0;
  }
  return bitmap;
}

void WriteBitmapFile(TStream& stream, const TBgraBitmap& bitmap, int bitsPerPixel,
                     const std::vector<uint32_t>& palette, TBitmapSizeField sizeField) {
  const uint32_t bits = static_cast<uint32_t>(bitsPerPixel);
  const uint32_t paletteEntries = bits <= 8 ? 1u << bits : 0;
  const uint32_t rowsOffset = kFileHeaderSize + kInfoHeaderSize + 4 * paletteEntries;
  const uint64_t stride = RowStride(static_cast<uint64_t>(bitmap.width), bits);

  std::vector<uint8_t> headers(rowsOffset, 0);
  uint8_t* p = headers.data();
  Put16(p, kBitmapMagic);
  const uint64_t rowsSize = stride * static_cast<uint64_t>(bitmap.height);
  Put32(p + 2,
        static_cast<uint32_t>(sizeField == TBitmapSizeField::bsWholeFile ? rowsOffset + rowsSize
                                                                         : rowsOffset));
  Put32(p + 10, rowsOffset);
  p += kFileHeaderSize;
  Put32(p, kInfoHeaderSize);
  Put32(p + 4, static_cast<uint32_t>(bitmap.width));
  Put32(p + 8, static_cast<uint32_t>(bitmap.height));
  Put16(p + 12, 1);
  Put16(p + 14, bits);
  Put32(p + 16, kCompressionRgb);
  Put32(p + 20, static_cast<uint32_t>(rowsSize));
  p += kInfoHeaderSize;
  std::vector<uint32_t> entries(palette.begin(), palette.end());
  entries.resize(paletteEntries, 0);
  for (uint32_t i = 0; i < paletteEntries; ++i)
    Put32(p + 4 * i, entries[i] & 0xFFFFFF);
  stream.WriteBuffer(headers.data(), static_cast<int64_t>(headers.size()));

  std::vector<uint8_t> row(static_cast<size_t>(stride));
  for (int y = bitmap.height - 1; y >= 0; --y) {
    std::fill(row.begin(), row.end(), 0);
    EncodeRow(bitmap.pixels.data() + static_cast<size_t>(y) * bitmap.width, bitmap.width,
              bitsPerPixel, entries, row.data());
    stream.WriteBuffer(row.data(), static_cast<int64_t>(row.size()));
  }
}
