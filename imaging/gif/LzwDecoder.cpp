#include "imaging/gif/LzwDecoder.h"

#include <cstring>
#include <memory>

#include "framework/core/SysUtils.h"
#include "imaging/gif/Interlace.h"

namespace {

constexpr uint32_t kEndMarker = 0xFFFF;
constexpr uint32_t kCodeBufferSize = 260;
constexpr uint32_t kTableSize = 4096;
constexpr uint32_t kStackLimit = 4096;  // more entries than this means a broken chain

// Reads variable-width codes, LSB first, through a 260-byte window over the sub-blocks.
class CodeReader {
 public:
  CodeReader(const uint8_t* data, size_t size, size_t position)
      : data_(data), size_(size), position_(position) {}

  void SetCodeSize(uint32_t codeSize) {
    codeSize_ = codeSize;
    readMask_ = (1u << codeSize) - 1;
  }

  // The next code, or kEndMarker once a code would lie beyond the window.
  uint32_t Read() {
    if (bitIndex_ + codeSize_ > bitCount_) Refill();
    const uint32_t byteIndex = bitIndex_ >> 3;
    if (byteIndex + (codeSize_ > 8 ? 2 : 1) >= kCodeBufferSize) return kEndMarker;
    // After the data ends, codes keep coming from what the window still holds.
    const uint32_t value =
        buffer_[byteIndex] | (buffer_[byteIndex + 1] << 8) | (buffer_[byteIndex + 2] << 16);
    const uint32_t code = (value >> (bitIndex_ & 7)) & readMask_;
    bitIndex_ += codeSize_;
    return code;
  }

  size_t Position() const { return position_; }

 private:
  void Refill() {
    // While data remains bitIndex_ <= bitCount_ <= 8 x 257, so the three kept bytes and the
    // next block (at most 255 bytes after at most 2 kept ones) stay inside the window.
    while (bitIndex_ + codeSize_ > bitCount_ && position_ < size_) {
      const uint32_t byteIndex = bitIndex_ >> 3;
      std::memmove(buffer_, buffer_ + byteIndex, 3);
      bitIndex_ &= 7;
      bitCount_ -= byteIndex * 8;
      const uint32_t length = data_[position_++];
      if (length != 0) {
        const size_t available = std::min<size_t>(length, size_ - position_);
        std::memcpy(buffer_ + bitCount_ / 8, data_ + position_, available);
        position_ += available;
      }
      bitCount_ += 8 * length;
    }
  }

  const uint8_t* data_;
  size_t size_;
  size_t position_;
  uint32_t bitIndex_ = 0;  // next code's first bit in the window
  uint32_t bitCount_ = 0;  // valid bits in the window, 0..2056
  uint32_t codeSize_ = 3;  // 3..12
  uint32_t readMask_ = 7;
  uint8_t buffer_[kCodeBufferSize + 4] = {};  // padding lets Read() load three bytes at once
};

struct DecoderTables {
  uint16_t prefix[kTableSize];
  uint16_t suffix[kTableSize];
  uint16_t stack[kStackLimit + 2];
};

// Writes pixel values row by row into the bottom-up buffer in GIF row order.
template <uint32_t kBits>
class PixelWriter {
 public:
  PixelWriter(const TLzwPixelTarget& target, uint32_t mask)
      : target_(target), stride_(DibRowStride(target.width, kBits)), mask_(mask) {
    if (target.width == 0) row_ = target.height;  // nothing to write
    MoveToRow();
  }

  bool Done() const { return row_ >= target_.height; }

  void Put(uint32_t value) {
    if (Done()) return;
    value &= mask_;
    if constexpr (kBits == 8) {
      rowBytes_[column_] = static_cast<uint8_t>(value);
    } else if constexpr (kBits == 4) {
      uint8_t& byte = rowBytes_[column_ >> 1];
      byte = (column_ & 1) ? static_cast<uint8_t>(byte + value) : static_cast<uint8_t>(value << 4);
    } else {
      uint8_t& byte = rowBytes_[column_ >> 3];
      const uint32_t bit = column_ & 7;
      byte = bit == 0 ? static_cast<uint8_t>(value << 7)
                      : static_cast<uint8_t>(byte + (value << (7 - bit)));
    }
    if (++column_ == target_.width) NextRow();
  }

  // Writes stack[count-1] down to stack[0].
  void PutReversed(const uint16_t* stack, uint32_t count) {
    if constexpr (kBits == 8) {
      while (count > 0 && !Done()) {
        const uint32_t run = std::min(count, target_.width - column_);
        uint8_t* out = rowBytes_ + column_;
        for (uint32_t i = 0; i < run; ++i)
          out[i] = static_cast<uint8_t>(stack[count - 1 - i] & mask_);
        count -= run;
        column_ += run;
        if (column_ == target_.width) NextRow();
      }
    } else {
      while (count > 0)
        Put(stack[--count]);
    }
  }

 private:
  void NextRow() {
    column_ = 0;
    row_ = target_.interlaced ? NextInterlacedRow(row_, target_.height, pass_) : row_ + 1;
    MoveToRow();
  }
  void MoveToRow() {
    if (!Done()) rowBytes_ = target_.pixels + (target_.height - 1 - row_) * stride_;
  }

  const TLzwPixelTarget& target_;
  const uint64_t stride_;
  const uint32_t mask_;  // 2^colour bits - 1
  uint8_t* rowBytes_ = nullptr;
  uint32_t row_ = 0;  // image row from the top, 0..height
  uint32_t column_ = 0;
  int pass_ = 0;
};

void Report(const TGIFProgressEvent& progress, TGIFProgressStage stage, int percent,
            const std::string& message = std::string()) {
  if (progress) progress(stage, percent, message);
}

template <uint32_t kBits>
bool Decode(const uint8_t* data, size_t size, const TLzwPixelTarget& target, uint32_t colorBits,
            bool tolerate, const TGIFProgressEvent& progress) {
  bool corrupt = false;
  if (size < 1) throw EReadError();
  uint32_t minimumSize = data[0];
  if (minimumSize < 2 || minimumSize > 9) {
    if (!tolerate) ThrowGIFError(gifmsg::kCodeSizeRange);
    corrupt = true;
    minimumSize = minimumSize < 2 ? 2 : 9;
  }
  const uint32_t initialCodeSize = minimumSize + 1;
  const uint32_t clearCode = 1u << minimumSize;  // codes below it are literal pixel values
  const uint32_t endCode = clearCode + 1;
  const uint32_t firstFree = clearCode + 2;
  const uint32_t pixelMask = (1u << colorBits) - 1;

  auto tables = std::make_unique<DecoderTables>();  // zero-filled
  uint16_t* const prefix = tables->prefix;
  uint16_t* const suffix = tables->suffix;
  uint16_t* const stack = tables->stack;

  CodeReader reader(data, size, 1);
  PixelWriter<kBits> writer(target, pixelMask);
  uint32_t codeSize = initialCodeSize;  // 3..12
  uint32_t capacity = 1u << codeSize;
  uint32_t nextFree = firstFree;  // 6..4096
  uint32_t oldCode = 0;
  uint32_t firstPixel = 0;
  bool tableFull = false;
  reader.SetCodeSize(codeSize);

  uint32_t code = reader.Read();
  while (code != endCode && code != kEndMarker && !writer.Done()) {
    if (code == clearCode) {
      codeSize = initialCodeSize;
      capacity = 1u << codeSize;
      reader.SetCodeSize(codeSize);
      nextFree = firstFree;
      code = reader.Read();
      if (code == kEndMarker) break;
      oldCode = code;
      firstPixel = code;
      writer.Put(firstPixel);
      tableFull = false;
    } else {
      const uint32_t incoming = code;
      uint32_t depth = 0;
      if (code >= nextFree) {
        stack[depth++] = static_cast<uint16_t>(firstPixel);
        code = oldCode;
      }
      while (code >= clearCode) {
        if (depth > kStackLimit) {
          if (!tolerate) ThrowGIFError(gifmsg::kCorruptData);
          corrupt = true;
          break;
        }
        stack[depth++] = suffix[code];
        code = prefix[code];
      }
      if (corrupt) break;
      firstPixel = code;
      stack[depth++] = static_cast<uint16_t>(firstPixel);
      writer.PutReversed(stack, depth);
      if (!tableFull) {
        prefix[nextFree] = static_cast<uint16_t>(oldCode);
        suffix[nextFree] = static_cast<uint16_t>(firstPixel);
        if (++nextFree >= capacity) {
          if (codeSize < 12) {
            ++codeSize;
            capacity <<= 1;
            reader.SetCodeSize(codeSize);
          } else {
            tableFull = true;
          }
        }
      }
      oldCode = incoming;
    }
    code = reader.Read();
    if (progress)
      Report(progress, TGIFProgressStage::psRunning,
             static_cast<int>(static_cast<uint64_t>(reader.Position()) * 100 / size));
  }
  if (code == kEndMarker) throw EReadError();
  return corrupt;
}

}  // namespace

bool DecodeLzwFrame(const uint8_t* data, size_t size, const TLzwPixelTarget& target,
                    uint32_t colorBits, bool tolerate, const TGIFProgressEvent& progress) {
  Report(progress, TGIFProgressStage::psStarting, 0);
  try {
    if (colorBits < 1 || colorBits > 8) ThrowGIFError(gifmsg::kWrongColorCount);
    bool corrupt = false;
    switch (target.dibBits) {
      case 1:
        corrupt = Decode<1>(data, size, target, colorBits, tolerate, progress);
        break;
      case 4:
        corrupt = Decode<4>(data, size, target, colorBits, tolerate, progress);
        break;
      case 8:
        corrupt = Decode<8>(data, size, target, colorBits, tolerate, progress);
        break;
      default:
        ThrowGIFError(gifmsg::kWrongColorCount);
    }
    Report(progress, TGIFProgressStage::psEnding, 100);
    return corrupt;
  } catch (const Exception& failure) {
    Report(progress, TGIFProgressStage::psEnding, 0, failure.Message());
    throw;
  }
}
