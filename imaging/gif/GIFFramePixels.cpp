#include "imaging/gif/GIFFramePixels.h"

#include <algorithm>
#include <cstring>

#include "framework/core/SysUtils.h"
#include "imaging/gif/Interlace.h"
#include "imaging/gif/LzwDecoder.h"

namespace {

// Grows a buffer to at least size bytes; growing keeps the bytes already there, which leaves
// every byte the decoder might read initialised.
uint8_t* Reserve(std::vector<uint8_t>& buffer, size_t size) {
  if (buffer.size() < size) buffer.resize(size);
  return buffer.data();
}

}  // namespace

const uint8_t* TGIFFramePixels::Row(uint32_t y) const {
  if (y >= height_) throw EListError(Format("List index out of bounds (%d)", static_cast<int>(y)));
  return rows_.data() + size_t{y} * width_;
}

size_t TGIFFramePixels::CopyRow(uint32_t y, std::span<uint8_t> destination) const {
  const uint8_t* row = Row(y);
  const size_t count = std::min<size_t>(width_, destination.size());
  if (count != 0) std::memcpy(destination.data(), row, count);  // an empty span may have no data
  return count;
}

TGIFCorruptKind TGIFFramePixels::DecodeStored(const TGIFItem& item, bool interlaced, bool tolerate,
                                              const TGIFProgressEvent& progress) {
  width_ = 0;
  height_ = 0;
  if (item.encoded.empty()) return TGIFCorruptKind::ckNone;  // nothing stored, nothing to show
  const uint32_t width = static_cast<uint32_t>(std::max(item.width, 0));
  const uint32_t height = static_cast<uint32_t>(std::max(item.height, 0));
  CheckedPixelBufferSize(width, height, 8);  // the limit only: byte rows are not padded
  const size_t pixelCount = size_t{width} * height;

  std::vector<uint8_t>& target = interlaced ? scratch_ : rows_;
  uint8_t* const decoded = Reserve(target, pixelCount + kLzwOutputSlack);
  const TGIFCorruptKind corruption =
      DecodeLzwIndices(item.encoded.data(), item.encoded.size(), decoded, pixelCount,
                       item.bitsPerPixel, tolerate, progress);
  if (interlaced) {
    uint8_t* const rows = Reserve(rows_, pixelCount + kLzwOutputSlack);
    uint32_t row = 0;
    int pass = 0;
    for (uint32_t stored = 0; stored < height; ++stored) {
      std::memcpy(rows + size_t{row} * width, decoded + size_t{stored} * width, width);
      row = NextInterlacedRow(row, height, pass);
    }
  }
  width_ = width;
  height_ = height;
  return corruption;
}
