#include "framework/core/BitmapFile.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "framework/core/SysUtils.h"

namespace {

constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kFileHeaderSize = 14;

[[noreturn]] void ThrowNotValid() {
  throw EInvalidGraphic("Bitmap image is not valid");
}

uint16_t Get16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
uint32_t Get32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
void Put16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
void Put32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i)
    p[i] = static_cast<uint8_t>(v >> (8 * i));
}

// Exactly count bytes, or the bitmap counts as cut short.
void ReadExact(TStream& stream, void* buffer, int64_t count) {
  if (count <= 0) return;
  auto* out = static_cast<uint8_t*>(buffer);
  while (count > 0) {
    const int64_t got = stream.Read(out, count);
    if (got <= 0) ThrowNotValid();
    out += got;
    count -= got;
  }
}

int64_t Remaining(TStream& stream) {
  return stream.Size() - stream.Position();
}

void Skip(TStream& stream, int64_t count) {
  if (count <= 0) return;
  if (Remaining(stream) < count) ThrowNotValid();
  stream.Seek(count, TSeekOrigin::soCurrent);
}

struct TDibHeader {
  uint32_t size = 0;
  int64_t width = 0;
  int64_t height = 0;  // negative: top-down
  uint16_t planes = 0;
  uint16_t bitCount = 0;
  uint32_t compression = kDibRgb;
  uint32_t colorsUsed = 0;
  uint32_t masks[3] = {0, 0, 0};
  bool masksInHeader = false;
};

TDibHeader ReadHeader(TStream& stream) {
  uint8_t raw[124] = {};
  ReadExact(stream, raw, 4);
  TDibHeader header;
  header.size = Get32(raw);
  switch (header.size) {
    case kCoreHeaderSize:
    case kInfoHeaderSize:
    case 52:
    case 56:
    case 108:
    case 124:
      break;
    default:
      ThrowNotValid();
  }
  ReadExact(stream, raw + 4, header.size - 4);
  if (header.size == kCoreHeaderSize) {
    header.width = Get16(raw + 4);
    header.height = Get16(raw + 6);
    header.planes = Get16(raw + 8);
    header.bitCount = Get16(raw + 10);
    return header;
  }
  header.width = static_cast<int32_t>(Get32(raw + 4));
  header.height = static_cast<int32_t>(Get32(raw + 8));
  header.planes = Get16(raw + 12);
  header.bitCount = Get16(raw + 14);
  header.compression = Get32(raw + 16);
  header.colorsUsed = Get32(raw + 32);
  if (header.size >= 52) {
    header.masksInHeader = true;
    for (int i = 0; i < 3; ++i)
      header.masks[i] = Get32(raw + 40 + 4 * i);
  }
  return header;
}

void ValidateHeader(const TDibHeader& header) {
  if (header.width < 1 || header.width > kMaxDibSide) ThrowNotValid();
  if (header.height == 0 || header.height > kMaxDibSide || header.height < -kMaxDibSide)
    ThrowNotValid();
  if (header.planes != 1) ThrowNotValid();
  switch (header.bitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
      break;
    case 16:
    case 32:
      if (header.size == kCoreHeaderSize) ThrowNotValid();
      break;
    default:
      ThrowNotValid();
  }
  if (header.compression == kDibBitfields) {
    if (header.bitCount != 16 && header.bitCount != 32) ThrowNotValid();
  } else if (header.compression != kDibRgb) {
    ThrowNotValid();
  }
}

// One channel of a bit-field pixel scaled to 0..255.
uint8_t ExtractChannel(uint32_t pixel, uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const uint32_t max = mask >> shift;
  const uint64_t value = (pixel & mask) >> shift;
  return static_cast<uint8_t>((value * 255 + max / 2) / max);
}

// Any bit-field layout (16 or 32 bits) to plain 32 bits.
void ConvertFieldsTo32(TDibImage& image, const uint32_t masks[3]) {
  const size_t oldStride = image.Stride();
  const size_t newStride = TDibImage::DibStride(image.width, 32);
  if (static_cast<uint64_t>(newStride) * static_cast<uint64_t>(image.height) > kMaxDibBytes)
    ThrowNotValid();
  std::vector<uint8_t> bits(newStride * static_cast<size_t>(image.height));
  const int bytesPerPixel = image.bitCount / 8;
  for (size_t row = 0; row < static_cast<size_t>(image.height); ++row) {
    const uint8_t* in = image.bits.data() + row * oldStride;
    uint8_t* out = bits.data() + row * newStride;
    for (int x = 0; x < image.width; ++x, in += bytesPerPixel, out += 4) {
      const uint32_t pixel = bytesPerPixel == 2 ? Get16(in) : Get32(in);
      out[0] = ExtractChannel(pixel, masks[2]);
      out[1] = ExtractChannel(pixel, masks[1]);
      out[2] = ExtractChannel(pixel, masks[0]);
      out[3] = 0;
    }
  }
  image.bits = std::move(bits);
  image.bitCount = 32;
  image.compression = kDibRgb;
  image.redMask = image.greenMask = image.blueMask = 0;
}

void NormalizeFields(TDibImage& image, const uint32_t masks[3]) {
  const auto is = [&](uint32_t r, uint32_t g, uint32_t b) {
    return masks[0] == r && masks[1] == g && masks[2] == b;
  };
  if (image.bitCount == 16 && is(0x7C00, 0x03E0, 0x001F)) return;
  if (image.bitCount == 16 && is(0xF800, 0x07E0, 0x001F)) {
    image.compression = kDibBitfields;
    image.redMask = 0xF800;
    image.greenMask = 0x07E0;
    image.blueMask = 0x001F;
    return;
  }
  if (image.bitCount == 32 && is(0xFF0000, 0x00FF00, 0x0000FF)) return;
  ConvertFieldsTo32(image, masks);
}

// Everything after the file header. offBits: the pixel offset from the file header's start, 0
// when the pixels follow the colour table (packed DIBs and files that leave it out).
TDibImage ReadBody(TStream& stream, uint32_t offBits, bool hasFileHeader) {
  const TDibHeader header = ReadHeader(stream);
  ValidateHeader(header);
  int64_t consumed = (hasFileHeader ? kFileHeaderSize : 0) + header.size;

  uint32_t masks[3] = {header.masks[0], header.masks[1], header.masks[2]};
  if (header.compression == kDibBitfields && !header.masksInHeader) {
    uint8_t raw[12];
    ReadExact(stream, raw, sizeof raw);
    for (int i = 0; i < 3; ++i)
      masks[i] = Get32(raw + 4 * i);
    consumed += sizeof raw;
  }

  TDibImage image;
  image.width = static_cast<int32_t>(header.width);
  image.height = static_cast<int32_t>(header.height < 0 ? -header.height : header.height);
  image.bitCount = header.bitCount;

  // Colour table: palette images use it; a table in front of deeper pixels is only skipped.
  const int entrySize = header.size == kCoreHeaderSize ? 3 : 4;
  int64_t entries = header.colorsUsed;
  if (header.bitCount <= 8 && entries == 0) entries = int64_t{1} << header.bitCount;
  if (entries > 256) ThrowNotValid();
  if (offBits != 0) {
    const int64_t room = static_cast<int64_t>(offBits) - consumed;
    if (room < 0) ThrowNotValid();
    entries = std::min<int64_t>(entries, room / entrySize);
  }
  std::vector<uint8_t> table(static_cast<size_t>(entries * entrySize));
  ReadExact(stream, table.data(), static_cast<int64_t>(table.size()));
  consumed += static_cast<int64_t>(table.size());
  if (header.bitCount <= 8) {
    if (entries == 0) ThrowNotValid();
    const int64_t kept = std::min<int64_t>(entries, int64_t{1} << header.bitCount);
    for (int64_t i = 0; i < kept; ++i) {
      const uint8_t* p = table.data() + i * entrySize;
      image.palette.push_back(TDibColor{p[0], p[1], p[2], 0});
    }
  }
  if (offBits != 0) Skip(stream, static_cast<int64_t>(offBits) - consumed);

  const uint64_t stride = image.Stride();
  const uint64_t total = stride * static_cast<uint64_t>(image.height);
  if (total > kMaxDibBytes) ThrowNotValid();
  if (Remaining(stream) < static_cast<int64_t>(total)) ThrowNotValid();
  image.bits.resize(static_cast<size_t>(total));
  ReadExact(stream, image.bits.data(), static_cast<int64_t>(total));

  if (header.height < 0) {
    std::vector<uint8_t> flipped(image.bits.size());
    for (size_t row = 0; row < static_cast<size_t>(image.height); ++row)
      std::memcpy(flipped.data() + row * stride,
                  image.bits.data() + (static_cast<size_t>(image.height) - 1 - row) * stride,
                  stride);
    image.bits = std::move(flipped);
  }
  if (header.compression == kDibBitfields) NormalizeFields(image, masks);
  return image;
}

}  // namespace

TDibImage ReadDibFile(TStream& stream) {
  uint8_t fileHeader[kFileHeaderSize];
  ReadExact(stream, fileHeader, sizeof fileHeader);
  if (fileHeader[0] != 'B' || fileHeader[1] != 'M') ThrowNotValid();
  return ReadBody(stream, Get32(fileHeader + 10), true);
}

TDibImage ReadPackedDib(const uint8_t* data, size_t size) {
  TReadOnlyMemoryStream stream(data, static_cast<int64_t>(size));
  return ReadBody(stream, 0, false);
}

void WriteDibFile(const TDibImage& image, TStream& stream) {
  const bool fields = image.compression == kDibBitfields;
  const uint32_t tableBytes = static_cast<uint32_t>(image.palette.size() * 4) + (fields ? 12u : 0u);
  const uint32_t offBits = kFileHeaderSize + kInfoHeaderSize + tableBytes;
  const auto imageBytes = static_cast<uint32_t>(image.bits.size());

  uint8_t header[kFileHeaderSize + kInfoHeaderSize] = {};
  header[0] = 'B';
  header[1] = 'M';
  Put32(header + 2, offBits + imageBytes);
  Put32(header + 10, offBits);
  uint8_t* info = header + kFileHeaderSize;
  Put32(info, kInfoHeaderSize);
  Put32(info + 4, static_cast<uint32_t>(image.width));
  Put32(info + 8, static_cast<uint32_t>(image.height));
  Put16(info + 12, 1);
  Put16(info + 14, image.bitCount);
  Put32(info + 16, fields ? kDibBitfields : kDibRgb);
  Put32(info + 20, imageBytes);
  const bool shortTable =
      image.bitCount <= 8 && image.palette.size() < (size_t{1} << image.bitCount);
  Put32(info + 32, shortTable ? static_cast<uint32_t>(image.palette.size()) : 0);
  stream.WriteBuffer(header, sizeof header);

  if (fields) {
    uint8_t masks[12];
    Put32(masks, image.redMask);
    Put32(masks + 4, image.greenMask);
    Put32(masks + 8, image.blueMask);
    stream.WriteBuffer(masks, sizeof masks);
  }
  for (const TDibColor& c : image.palette) {
    const uint8_t entry[4] = {c.blue, c.green, c.red, 0};
    stream.WriteBuffer(entry, sizeof entry);
  }
  stream.WriteBuffer(image.bits.data(), static_cast<int64_t>(image.bits.size()));
}

const std::vector<TDibColor>& StandardSixteenColors() {
  static const std::vector<TDibColor> colors = [] {
    std::vector<TDibColor> result;
    for (const uint32_t rgb :
         {0x000000u, 0x800000u, 0x008000u, 0x808000u, 0x000080u, 0x800080u, 0x008080u, 0xC0C0C0u,
          0x808080u, 0xFF0000u, 0x00FF00u, 0xFFFF00u, 0x0000FFu, 0xFF00FFu, 0x00FFFFu, 0xFFFFFFu})
      result.push_back(TDibColor{static_cast<uint8_t>(rgb), static_cast<uint8_t>(rgb >> 8),
                                 static_cast<uint8_t>(rgb >> 16), 0});
    return result;
  }();
  return colors;
}

uint32_t DibPixelRgb(const TDibImage& image, int x, int y) {
  const uint8_t* row = image.Row(y);
  const auto rgb = [](uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); };
  const auto fromPalette = [&](size_t index) -> uint32_t {
    if (index >= image.palette.size()) return 0;
    const TDibColor& c = image.palette[index];
    return rgb(c.red, c.green, c.blue);
  };
  switch (image.bitCount) {
    case 1:
      return fromPalette((row[x / 8] >> (7 - x % 8)) & 1);
    case 4:
      return fromPalette((row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xF);
    case 8:
      return fromPalette(row[x]);
    case 16: {
      const uint32_t pixel = Get16(row + 2 * x);
      if (image.compression == kDibBitfields)
        return rgb(ExtractChannel(pixel, 0xF800), ExtractChannel(pixel, 0x07E0),
                   ExtractChannel(pixel, 0x001F));
      return rgb(ExtractChannel(pixel, 0x7C00), ExtractChannel(pixel, 0x03E0),
                 ExtractChannel(pixel, 0x001F));
    }
    case 24:
      return rgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    case 32:
      return rgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
    default:
      return 0;
  }
}

void WidenDibTo32(TDibImage& image) {
  if (image.bitCount != 16) return;
  const uint32_t masks[3] = {image.compression == kDibBitfields ? 0xF800u : 0x7C00u,
                             image.compression == kDibBitfields ? 0x07E0u : 0x03E0u, 0x001Fu};
  ConvertFieldsTo32(image, masks);
}

void MapDibColors(TDibImage& image, const std::vector<TDibColorMapping>& mapping) {
  if (mapping.empty()) return;
  const auto mapped = [&](uint32_t rgb, uint32_t& result) {
    for (const TDibColorMapping& entry : mapping)
      if ((entry.from & 0xFFFFFF) == rgb) {
        result = entry.to & 0xFFFFFF;
        return true;
      }
    return false;
  };
  if (image.bitCount <= 8) {
    for (TDibColor& c : image.palette) {
      uint32_t to = 0;
      if (!mapped(static_cast<uint32_t>(c.red | (c.green << 8) | (c.blue << 16)), to)) continue;
      c.red = static_cast<uint8_t>(to);
      c.green = static_cast<uint8_t>(to >> 8);
      c.blue = static_cast<uint8_t>(to >> 16);
    }
    return;
  }
  WidenDibTo32(image);
  const int bytesPerPixel = image.bitCount / 8;
  for (int y = 0; y < image.height; ++y) {
    uint8_t* p = image.Row(y);
    for (int x = 0; x < image.width; ++x, p += bytesPerPixel) {
      uint32_t to = 0;
      if (!mapped(static_cast<uint32_t>(p[2] | (p[1] << 8) | (p[0] << 16)), to)) continue;
      p[2] = static_cast<uint8_t>(to);
      p[1] = static_cast<uint8_t>(to >> 8);
      p[0] = static_cast<uint8_t>(to >> 16);
    }
  }
}
