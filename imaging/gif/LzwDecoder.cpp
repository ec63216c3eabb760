#include "imaging/gif/LzwDecoder.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "framework/core/SysUtils.h"
#include "imaging/gif/Interlace.h"

namespace {

constexpr uint32_t kEndMarker = 0xFFFF;
constexpr uint32_t kCodeBufferSize = 260;
constexpr uint32_t kTableSize = 4096;
constexpr uint32_t kStackLimit = 4096;  // more entries than this means a broken chain

#define DV_INLINE inline __attribute__((always_inline))

struct DecoderTables {
  // Prefix code in the low half, suffix value in the high half: one load per chain step.
  uint32_t entry[kTableSize];
  // String length of each code added since the last clear whose whole chain was added since then
  // too (so it is exact and acyclic); 0 for any other code. Literals have length 1.
  uint16_t length[kTableSize];
  uint16_t stack[kStackLimit + 2];
  // 8-bit pictures: the first (up to) 8 masked pixels of each string counted in `length`, in
  // memory order, zero beyond its length; short strings go out with one 8-byte store.
  uint64_t head[kTableSize];
};

DV_INLINE void Store64(uint8_t* at, uint64_t value) {
  std::memcpy(at, &value, 8);
}

// Reads variable-width codes, LSB first, through a 260-byte window over the sub-blocks.
// The state lives in the decoding loop's locals (copied in and out by value) so that pixel
// stores, which may alias anything, do not force it back to memory.
struct CodeReader {
  const uint8_t* data;
  size_t size;
  size_t position;        // next stored byte
  uint32_t bitIndex = 0;  // next code's first bit in the window
  uint32_t bitCount = 0;  // valid bits in the window, 0..2056
  uint32_t codeSize = 3;  // 3..12
  uint32_t readMask = 7;
  uint8_t* window = nullptr;  // kCodeBufferSize + 4 bytes, zeroed

  void SetCodeSize(uint32_t size) {
    codeSize = size;
    readMask = (1u << size) - 1;
  }

  // The next code, or kEndMarker once a code would lie beyond the window.
  DV_INLINE uint32_t Read() {
    const uint32_t byteIndex = bitIndex >> 3;
    if (bitIndex + codeSize > bitCount) {
      // Refill a copy: the loop's own state never has its address taken, so it stays in
      // registers across pixel stores.
      CodeReader copy = *this;
      copy.Refill();
      *this = copy;
      // Only codes beyond the valid bits (the data has ended) can reach past the window.
      if (bitIndex + codeSize > bitCount &&
          (bitIndex >> 3) + (codeSize > 8 ? 2 : 1) >= kCodeBufferSize)
        return kEndMarker;
      return Assemble(bitIndex >> 3);
    }
    return Assemble(byteIndex);
  }

  DV_INLINE uint32_t Assemble(uint32_t byteIndex) {
    // After the data ends, codes keep coming from what the window still holds; the padding
    // lets three bytes be loaded at once.
    const uint32_t value =
        window[byteIndex] | (window[byteIndex + 1] << 8) | (window[byteIndex + 2] << 16);
    const uint32_t code = (value >> (bitIndex & 7)) & readMask;
    bitIndex += codeSize;
    return code;
  }

  // While data remains bitIndex <= bitCount <= 8 x 257, so the three kept bytes and the next
  // block (at most 255 bytes after at most 2 kept ones) stay inside the window.
  __attribute__((noinline)) void Refill() {
    while (bitIndex + codeSize > bitCount && position < size) {
      const uint32_t byteIndex = bitIndex >> 3;
      std::memmove(window, window + byteIndex, 3);
      bitIndex &= 7;
      bitCount -= byteIndex * 8;
      const uint32_t length = data[position++];
      if (length != 0) {
        const size_t available = std::min<size_t>(length, size - position);
        std::memcpy(window + bitCount / 8, data + position, available);
        position += available;
      }
      bitCount += 8 * length;
    }
  }
};

// Puts pixel values into the bottom-up buffer in GIF row order; values are masked to the
// frame's colour depth.
template <uint32_t kBits>
struct PixelWriter {
  uint8_t* pixels;
  uint64_t stride;
  uint32_t width;
  uint32_t height;
  bool interlaced;
  uint32_t mask;  // 2^colour bits - 1
  uint8_t* rowBytes = nullptr;
  uint32_t row = 0;     // image row from the top, 0..height
  uint32_t column = 0;  // 0..width
  int pass = 0;

  void Start() {
    if (width == 0) row = height;  // nothing to write
    MoveToRow();
  }
  DV_INLINE bool Done() const { return row >= height; }

  // Any order within a row: each pixel only touches its own bits.
  DV_INLINE void Place(uint32_t at, uint32_t value) {
    value &= mask;
    if constexpr (kBits == 8) {
      rowBytes[at] = static_cast<uint8_t>(value);
    } else if constexpr (kBits == 4) {
      uint8_t& byte = rowBytes[at >> 1];
      byte = (at & 1) ? static_cast<uint8_t>((byte & 0xF0) | value)
                      : static_cast<uint8_t>((byte & 0x0F) | (value << 4));
    } else {
      uint8_t& byte = rowBytes[at >> 3];
      const uint32_t shift = 7 - (at & 7);
      byte = static_cast<uint8_t>((byte & ~(1u << shift)) | (value << shift));
    }
  }

  DV_INLINE void Put(uint32_t value) {
    if (Done()) return;
    Place(column, value);
    if (++column == width) NextRow();
  }

  DV_INLINE bool FitsInRow(uint32_t count) const { return !Done() && count <= width - column; }

  // Writes a string of `count` pixels into the current row, last pixel first: `repeatPixel`
  // (when repeat), then the suffixes along the chain from `code`, then the literal that ends it,
  // which is returned. The chain must be known to hold count pixels.
  DV_INLINE uint32_t PutString(uint32_t count, bool repeat, uint32_t repeatPixel, uint32_t code,
                               uint32_t clearCode, const uint32_t* entry) {
    uint32_t at = column + count - 1;
    if (repeat) Place(at--, repeatPixel);
    while (code >= clearCode) {
      const uint32_t link = entry[code];
      Place(at--, link >> 16);
      code = link & 0xFFFF;
    }
    Place(at, code);
    column += count;
    if (column == width) NextRow();
    return code;
  }

  // Writes a string of at most 8 pixels with one store when 8 bytes fit in the row. The bytes
  // after the string are zero and land on pixels not yet written.
  DV_INLINE bool PutShort(uint32_t count, uint64_t head) {
    if constexpr (kBits != 8) {
      return false;
    } else {
      if (count > 8 || Done() || width - column < 8) return false;
      Store64(rowBytes + column, head);
      column += count;
      if (column == width) NextRow();
      return true;
    }
  }
  // Writes stack[count-1] down to stack[0].
  void PutReversed(const uint16_t* stack, uint32_t count) {
    while (count > 0 && !Done())
      Put(stack[--count]);
  }

  DV_INLINE void NextRow() {
    column = 0;
    row = interlaced ? NextInterlacedRow(row, height, pass) : row + 1;
    MoveToRow();
  }
  DV_INLINE void MoveToRow() {
    if (!Done()) rowBytes = pixels + (height - 1 - row) * stride;
  }
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
  const bool reporting = static_cast<bool>(progress);

  auto tables = std::make_unique<DecoderTables>();  // zero-filled
  uint32_t* const entry = tables->entry;
  uint16_t* const length = tables->length;
  uint16_t* const stack = tables->stack;
  uint64_t* const head = tables->head;
  const uint32_t pixelMask = (1u << colorBits) - 1;
  for (uint32_t literal = 0; literal < clearCode; ++literal) {
    length[literal] = 1;
    head[literal] = literal & pixelMask;
  }

  uint8_t window[kCodeBufferSize + 4] = {};
  CodeReader reader{data, size, 1, 0, 0, 3, 7, window};
  PixelWriter<kBits> writer{target.pixels,     DibRowStride(target.width, kBits),
                            target.width,      target.height,
                            target.interlaced, pixelMask};
  writer.Start();

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
      const bool repeat = code >= nextFree;
      const uint32_t base = repeat ? oldCode : code;
      // A string whose length is known and fits the row goes straight into place.
      const uint32_t known =
          base < nextFree && length[base] != 0 ? length[base] + (repeat ? 1u : 0u) : 0;
      uint64_t knownHead = 0;
      if constexpr (kBits == 8) {
        if (known != 0) {
          knownHead = head[base];
          if (repeat && known <= 8)
            knownHead |= uint64_t{firstPixel & pixelMask} << (8 * (known - 1));
        }
      }
      if (known != 0 && !corrupt && writer.PutShort(known, knownHead)) {
        code = static_cast<uint32_t>(knownHead & 0xFF);
      } else if (known != 0 && !corrupt && writer.FitsInRow(known)) {
        code = writer.PutString(known, repeat, firstPixel, base, clearCode, entry);
      } else {
        uint32_t depth = 0;
        if (repeat) {
          stack[depth++] = static_cast<uint16_t>(firstPixel);
          code = oldCode;
        }
        while (code >= clearCode) {
          if (depth > kStackLimit) {
            if (!tolerate) ThrowGIFError(gifmsg::kCorruptData);
            corrupt = true;
            break;
          }
          const uint32_t link = entry[code];
          stack[depth++] = static_cast<uint16_t>(link >> 16);
          code = link & 0xFFFF;
        }
        if (corrupt) break;
        stack[depth++] = static_cast<uint16_t>(code);
        writer.PutReversed(stack, depth);
      }
      firstPixel = code;
      if (!tableFull) {
        entry[nextFree] = oldCode | (firstPixel << 16);
        const uint32_t oldLength = oldCode < nextFree ? length[oldCode] : 0;
        length[nextFree] = static_cast<uint16_t>(oldLength != 0 ? oldLength + 1 : 0);
        if constexpr (kBits == 8) {
          if (oldLength != 0)
            head[nextFree] = oldLength < 8 ? head[oldCode] | (uint64_t{firstPixel & pixelMask}
                                                              << (8 * oldLength))
                                           : head[oldCode];
        }
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
    if (reporting)
      Report(progress, TGIFProgressStage::psRunning,
             static_cast<int>(static_cast<uint64_t>(reader.position) * 100 / size));
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
