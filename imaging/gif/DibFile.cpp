#include "imaging/gif/DibFile.h"

#include "framework/core/SysUtils.h"

namespace {

void Put16(uint8_t* out, uint32_t value) {
  out[0] = static_cast<uint8_t>(value);
  out[1] = static_cast<uint8_t>(value >> 8);
}

void Put32(uint8_t* out, uint32_t value) {
  Put16(out, value);
  Put16(out + 2, value >> 16);
}

uint32_t Get16(const uint8_t* in) {
  return in[0] | (in[1] << 8);
}

uint32_t Get32(const uint8_t* in) {
  return Get16(in) | (Get16(in + 2) << 16);
}

[[noreturn]] void ThrowInvalid() {
  ThrowGIFError(gifmsg::kInvalidBitmap);
}

}  // namespace

void WriteDibHeaders(uint8_t* out, uint32_t width, uint32_t height, uint32_t bits,
                     uint32_t paletteEntries) {
  const uint64_t imageSize = CheckedPixelBufferSize(width, height, bits);
  const uint32_t pixelOffset = kDibHeadersSize + 4 * paletteEntries;
  out[0] = 'B';
  out[1] = 'M';
  Put32(out + 2, static_cast<uint32_t>(imageSize + pixelOffset));
  Put32(out + 6, 0);
  Put32(out + 10, pixelOffset);
  uint8_t* info = out + 14;
  Put32(info, 40);
  Put32(info + 4, width);
  Put32(info + 8, height);
  Put16(info + 12, 1);
  Put16(info + 14, bits);
  Put32(info + 16, 0);
  Put32(info + 20, static_cast<uint32_t>(imageSize));
  for (int field = 0; field < 4; ++field)
    Put32(info + 24 + 4 * field, 0);
}

TDibLayout ParseDibFile(const uint8_t* data, size_t size) {
  if (size < kDibHeadersSize) throw EReadError();
  if (data[0] != 'B' || data[1] != 'M') ThrowInvalid();
  const uint8_t* info = data + 14;
  const uint32_t infoSize = Get32(info);
  if (infoSize < 40 || infoSize > size - 14) ThrowInvalid();
  TDibLayout layout;
  const int32_t width = static_cast<int32_t>(Get32(info + 4));
  const int32_t height = static_cast<int32_t>(Get32(info + 8));
  if (width < 0 || height == INT32_MIN) ThrowInvalid();
  layout.width = static_cast<uint32_t>(width);
  layout.topDown = height < 0;
  layout.height = static_cast<uint32_t>(height < 0 ? -height : height);
  layout.bits = Get16(info + 14);
  if (Get16(info + 12) != 1 || Get32(info + 16) != 0) ThrowInvalid();
  if (layout.bits != 1 && layout.bits != 4 && layout.bits != 8 && layout.bits != 24 &&
      layout.bits != 32)
    ThrowInvalid();
  layout.stride = DibRowStride(layout.width, layout.bits);
  layout.imageSize = CheckedPixelBufferSize(layout.width, layout.height, layout.bits);
  if (layout.bits <= 8) {
    uint64_t entries = Get32(info + 32);
    if (entries == 0 || entries > (1u << layout.bits)) entries = 1u << layout.bits;
    const uint64_t paletteStart = 14 + uint64_t{infoSize};
    if (paletteStart + 4 * entries > size) throw EReadError();
    layout.palette.resize(static_cast<size_t>(entries));
    for (size_t i = 0; i < layout.palette.size(); ++i) {
      const uint8_t* quad = data + paletteStart + 4 * i;
      layout.palette[i] = TGIFRgb{quad[2], quad[1], quad[0]};
    }
  }
  layout.pixelOffset = Get32(data + 10);
  if (layout.pixelOffset > size || size - layout.pixelOffset < layout.imageSize) throw EReadError();
  return layout;
}
