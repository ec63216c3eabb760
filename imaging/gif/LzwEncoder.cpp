#include "imaging/gif/LzwEncoder.h"

#include <cstring>
#include <memory>

#include "framework/core/SysUtils.h"
#include "imaging/gif/Interlace.h"

namespace {

constexpr uint32_t kHashSlots = 17777;
constexpr uint32_t kEmptySlot = 0xFFFFFFFF;
constexpr uint32_t kRestartCode = 4094;

// Packs codes LSB first and writes every 255 full bytes as one sub-block.
class CodeWriter {
 public:
  explicit CodeWriter(TStream& destination) : destination_(destination) {}

  void SetCodeSize(uint32_t codeSize) { codeSize_ = codeSize; }

  void Write(uint32_t code) {
    const uint32_t shifted = code << (bitIndex_ & 7);
    uint8_t* at = buffer_ + (bitIndex_ >> 3);
    at[0] |= static_cast<uint8_t>(shifted);
    at[1] = static_cast<uint8_t>(shifted >> 8);
    at[2] = static_cast<uint8_t>(shifted >> 16);
    bitIndex_ += codeSize_;
    if (bitIndex_ >= 2040) {
      block_[0] = 255;
      destination_.WriteBuffer(block_, 256);
      buffer_[0] = buffer_[255];
      buffer_[1] = buffer_[256];
      std::memset(buffer_ + 2, 0, 255);
      bitIndex_ -= 2040;
    }
  }

  void Flush() {
    const uint32_t count = (bitIndex_ + 7) / 8;
    if (count > 0) {
      block_[0] = static_cast<uint8_t>(count);
      destination_.WriteBuffer(block_, count + 1);
    }
    destination_.WriteByte(0);
  }

 private:
  TStream& destination_;
  uint32_t bitIndex_ = 0;  // bits filled, 0..2051
  uint32_t codeSize_ = 3;  // 3..12
  // One spare byte in front so that a full block goes out with its length in one write.
  uint8_t block_[261] = {};
  uint8_t* const buffer_ = block_ + 1;
};

// Each slot is empty or holds one string: its key (prefix code x 256 + last pixel, 20 bits) above
// its code (12 bits), so that a probe needs one load.
struct EncoderTables {
  uint32_t slots[kHashSlots];
};

inline uint32_t StringKey(uint32_t prefix, uint32_t pixel) {
  return prefix << 8 | pixel;
}

// The first probe slot of the string (prefix, pixel). A string is identified by its prefix code
// and last pixel alone, so any spread of these keys finds the same records; this one spreads
// consecutive codes evenly. A hash chained over the string's pixels would collapse to slot 0 for
// long runs of one colour (17777 = 29 x 613), making every probe walk one growing cluster.
inline uint32_t SlotFor(uint32_t key) {
  // Multiplicative spread, then mapped onto 0..17776 without a division.
  const uint32_t spread = key * 0x9E3779B1u;
  return static_cast<uint32_t>((uint64_t{spread} * kHashSlots) >> 32);
}

void Report(const TGIFProgressEvent& progress, TGIFProgressStage stage, int percent,
            const std::string& message = std::string()) {
  if (progress) progress(stage, percent, message);
}

template <uint32_t kBits>
inline uint32_t PixelAt(const uint8_t* row, uint32_t column) {
  if constexpr (kBits == 8) {
    return row[column];
  } else if constexpr (kBits == 4) {
    return (column & 1) ? (row[column >> 1] & 0x0F) : (row[column >> 1] >> 4);
  } else {
    return (row[column >> 3] >> (7 - (column & 7))) & 1;
  }
}

template <uint32_t kBits>
void Encode(TStream& destination, const TLzwPixelSource& source,
            const TGIFProgressEvent& progress) {
  const uint32_t initialCodeSize = kBits + 1 == 2 ? 3 : kBits + 1;
  const uint32_t clearCode = 1u << (initialCodeSize - 1);
  const uint32_t endCode = clearCode + 1;
  destination.WriteByte(static_cast<uint8_t>(initialCodeSize - 1));

  auto tables = std::make_unique<EncoderTables>();
  uint32_t* const slots = tables->slots;
  std::fill(slots, slots + kHashSlots, kEmptySlot);

  CodeWriter writer(destination);
  uint32_t codeSize = initialCodeSize;
  uint32_t capacity = 1u << codeSize;
  uint32_t lastCode = endCode;  // ..4094
  writer.SetCodeSize(codeSize);
  writer.Write(clearCode);
  Report(progress, TGIFProgressStage::psStarting, 0);

  const uint64_t stride = DibRowStride(source.width, kBits);
  uint32_t prefix = 0;
  uint32_t length = 0;  // pixels in the current string
  uint32_t row = 0;
  int pass = 0;
  for (uint32_t done = 0; row < source.height; ++done) {
    const uint8_t* rowBytes =
        source.pixels + (source.topDown ? row : source.height - 1 - row) * stride;
    for (uint32_t column = 0; column < source.width; ++column) {
      const uint32_t pixel = PixelAt<kBits>(rowBytes, column);
      if (++length == 1) {
        prefix = pixel;
        continue;
      }
      const uint32_t key = StringKey(prefix, pixel);
      uint32_t slot = SlotFor(key);
      uint32_t entry;
      while ((entry = slots[slot]) != kEmptySlot && entry >> 12 != key)
        slot = slot == kHashSlots - 1 ? 0 : slot + 1;
      if (entry != kEmptySlot) {
        prefix = entry & 0xFFF;
        continue;
      }
      writer.Write(prefix);
      ++lastCode;
      slots[slot] = key << 12 | lastCode;
      prefix = pixel;
      length = 1;
      if (lastCode == capacity) {
        capacity <<= 1;
        writer.SetCodeSize(++codeSize);
      } else if (lastCode == kRestartCode) {
        writer.Write(prefix);
        writer.Write(clearCode);
        length = 0;
        lastCode = endCode;
        codeSize = initialCodeSize;
        capacity = 1u << codeSize;
        writer.SetCodeSize(codeSize);
        std::fill(slots, slots + kHashSlots, kEmptySlot);
      }
    }
    if (progress)
      Report(progress, TGIFProgressStage::psRunning,
             static_cast<int>(uint64_t{done} * 100 / source.height));
    row = source.interlaced ? NextInterlacedRow(row, source.height, pass) : row + 1;
  }
  writer.Write(prefix);
  writer.Write(endCode);
  writer.Flush();
}

}  // namespace

void EncodeLzwFrame(TStream& destination, const TLzwPixelSource& source,
                    const TGIFProgressEvent& progress) {
  if (source.dibBits != 1 && source.dibBits != 4 && source.dibBits != 8)
    ThrowGIFError(gifmsg::kEncodingError);
  try {
    switch (source.dibBits) {
      case 1:
        Encode<1>(destination, source, progress);
        break;
      case 4:
        Encode<4>(destination, source, progress);
        break;
      default:
        Encode<8>(destination, source, progress);
        break;
    }
  } catch (const Exception& failure) {
    Report(progress, TGIFProgressStage::psEnding, 0, failure.Message());
    throw;
  }
  Report(progress, TGIFProgressStage::psEnding, 100);
}
