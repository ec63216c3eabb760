#include "imaging/gif/GIFMemoryBitmap.h"

#include <cstring>

#include "framework/core/SysUtils.h"
#include "imaging/gif/DibFile.h"

std::unique_ptr<TGIFMemoryBitmap> TGIFMemoryBitmap::FromIndices(
    uint32_t width, uint32_t height, uint32_t bits, const std::vector<TGIFRgb>& palette,
    const std::vector<uint8_t>& indices) {
  if (bits != 1 && bits != 4 && bits != 8) ThrowGIFError(gifmsg::kInvalidBitmap);
  auto bitmap = std::make_unique<TGIFMemoryBitmap>();
  const uint64_t stride = DibRowStride(width, bits);
  bitmap->pixels_.assign(static_cast<size_t>(CheckedPixelBufferSize(width, height, bits)), 0);
  for (uint32_t y = 0; y < height; ++y) {
    uint8_t* row = bitmap->pixels_.data() + (height - 1 - y) * stride;
    for (uint32_t x = 0; x < width; ++x) {
      const uint32_t value = indices.at(size_t{y} * width + x) & ((1u << bits) - 1);
      if (bits == 8)
        row[x] = static_cast<uint8_t>(value);
      else if (bits == 4)
        row[x / 2] |= static_cast<uint8_t>(value << ((x & 1) ? 0 : 4));
      else
        row[x / 8] |= static_cast<uint8_t>(value << (7 - (x & 7)));
    }
  }
  bitmap->width_ = width;
  bitmap->height_ = height;
  bitmap->bits_ = bits;
  bitmap->palette_ = palette;
  bitmap->palette_.resize(size_t{1} << bits);
  bitmap->hasHandle_ = true;
  bitmap->monochrome_ = false;
  return bitmap;
}

std::unique_ptr<TGIFMemoryBitmap> TGIFMemoryBitmap::FromRgb(uint32_t width, uint32_t height,
                                                            const std::vector<TGIFRgb>& colors) {
  auto bitmap = std::make_unique<TGIFMemoryBitmap>();
  const uint64_t stride = DibRowStride(width, 24);
  bitmap->pixels_.assign(static_cast<size_t>(CheckedPixelBufferSize(width, height, 24)), 0);
  for (uint32_t y = 0; y < height; ++y) {
    uint8_t* row = bitmap->pixels_.data() + (height - 1 - y) * stride;
    for (uint32_t x = 0; x < width; ++x) {
      const TGIFRgb& color = colors.at(size_t{y} * width + x);
      row[3 * x] = color.blue;
      row[3 * x + 1] = color.green;
      row[3 * x + 2] = color.red;
    }
  }
  bitmap->width_ = width;
  bitmap->height_ = height;
  bitmap->bits_ = 24;
  bitmap->hasHandle_ = true;
  return bitmap;
}

void TGIFMemoryBitmap::LoadFromDibFile(const uint8_t* data, size_t size) {
  const TDibLayout layout = ParseDibFile(data, size);
  const uint32_t bits = layout.bits == 32 ? 24 : layout.bits;
  const uint64_t stride = DibRowStride(layout.width, bits);
  std::vector<uint8_t> pixels(
      static_cast<size_t>(CheckedPixelBufferSize(layout.width, layout.height, bits)));
  // Rows of no bytes (width 0) have nothing to copy, and no buffer to copy into.
  for (uint32_t y = 0; y < layout.height && stride != 0; ++y) {
    const uint8_t* source = DibRow(data, layout, y);
    uint8_t* target = pixels.data() + (layout.height - 1 - y) * stride;
    if (layout.bits == 32) {
      for (uint32_t x = 0; x < layout.width; ++x)
        std::memcpy(target + 3 * x, source + 4 * x, 3);
    } else {
      std::memcpy(target, source, static_cast<size_t>(stride));
    }
  }
  width_ = layout.width;
  height_ = layout.height;
  bits_ = bits;
  palette_ = layout.palette;
  if (bits_ <= 8) palette_.resize(size_t{1} << bits_);
  pixels_ = std::move(pixels);
  hasHandle_ = true;
  monochrome_ = false;
}

void TGIFMemoryBitmap::SaveToDibFile(TMemoryStream& destination) const {
  if (bits_ != 1 && bits_ != 4 && bits_ != 8) ThrowGIFError(gifmsg::kInvalidBitmap);
  const uint32_t entries = 1u << bits_;
  uint8_t headers[kDibHeadersSize];
  WriteDibHeaders(headers, width_, height_, bits_, entries);
  destination.WriteBuffer(headers, sizeof headers);
  for (uint32_t i = 0; i < entries; ++i) {
    const TGIFRgb color = i < palette_.size() ? palette_[i] : TGIFRgb{};
    const uint8_t quad[4] = {color.blue, color.green, color.red, 0};
    destination.WriteBuffer(quad, 4);
  }
  destination.WriteBuffer(pixels_.data(), static_cast<int64_t>(pixels_.size()));
}

std::vector<uint8_t> TGIFMemoryBitmap::ReadRgbRows() const {
  if (!hasHandle_) ThrowGIFError(gifmsg::kInvalidBitmap);
  if (bits_ == 24) return pixels_;
  const uint64_t stride = DibRowStride(width_, 24);
  std::vector<uint8_t> rows(static_cast<size_t>(CheckedPixelBufferSize(width_, height_, 24)));
  for (uint32_t y = 0; y < height_; ++y) {
    uint8_t* row = rows.data() + (height_ - 1 - y) * stride;
    for (uint32_t x = 0; x < width_; ++x) {
      const TGIFRgb color = ColorAt(x, y);
      row[3 * x] = color.blue;
      row[3 * x + 1] = color.green;
      row[3 * x + 2] = color.red;
    }
  }
  return rows;
}

std::unique_ptr<IGIFFrameBitmap> TGIFMemoryBitmap::Clone() const {
  return std::make_unique<TGIFMemoryBitmap>(*this);
}

const uint8_t* TGIFMemoryBitmap::Row(uint32_t y) const {
  return pixels_.data() + (height_ - 1 - y) * DibRowStride(width_, bits_);
}

uint32_t TGIFMemoryBitmap::IndexAt(uint32_t x, uint32_t y) const {
  const uint8_t* row = Row(y);
  switch (bits_) {
    case 8:
      return row[x];
    case 4:
      return (x & 1) ? (row[x / 2] & 0x0F) : (row[x / 2] >> 4);
    case 1:
      return (row[x / 8] >> (7 - (x & 7))) & 1;
    default:
      return 0;
  }
}

TGIFRgb TGIFMemoryBitmap::ColorAt(uint32_t x, uint32_t y) const {
  if (bits_ == 24) {
    const uint8_t* pixel = Row(y) + 3 * x;
    return TGIFRgb{pixel[2], pixel[1], pixel[0]};
  }
  const uint32_t index = IndexAt(x, y);
  return index < palette_.size() ? palette_[index] : TGIFRgb{};
}
