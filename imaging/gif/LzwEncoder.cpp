#include "imaging/gif/LzwEncoder.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>

#include "framework/core/SysUtils.h"
#include "imaging/gif/Interlace.h"

namespace {

constexpr uint32_t kTableSize = 4096;
constexpr uint32_t kRestartCode = 4094;
constexpr uint32_t kNoRun = 256;  // above every pixel value

void Report(const TGIFProgressEvent& progress, TGIFProgressStage stage, int percent,
            const std::string& message = std::string()) {
  if (progress) progress(stage, percent, message);
}

// Packs codes LSB first into contiguous bytes; the sub-blocks are cut from them at the end.
// Each code stores 8 bytes at once, so the buffer keeps kRunOn bytes spare after `out`.
class CodePacker {
 public:
  static constexpr size_t kRunOn = 8;

  explicit CodePacker(std::vector<uint8_t>& bytes) : bytes_(bytes) {}

  // Makes room for `codes` more codes of up to 12 bits; `out` stays valid until the next call.
  void Reserve(size_t codes) {
    const size_t used = static_cast<size_t>(out_ - bytes_.data());
    const size_t needed = used + codes * 3 / 2 + 2 + kRunOn;
    if (needed > bytes_.size()) {
      bytes_.resize(std::max(needed, bytes_.size() * 2));
      out_ = bytes_.data() + used;
    }
  }
  void Start() { out_ = bytes_.data(); }

  void Put(uint32_t code, uint32_t codeSize) {
    pending_ |= uint64_t{code} << count_;
    count_ += codeSize;  // 0..19
    uint64_t little = pending_;
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    little = __builtin_bswap64(little);
#endif
    std::memcpy(out_, &little, 8);
    out_ += count_ >> 3;
    pending_ >>= count_ & ~7u;
    count_ &= 7;
  }

  // The bytes packed so far, the last partial one included.
  size_t Finish() const {
    return static_cast<size_t>(out_ - bytes_.data()) + (count_ != 0 ? 1 : 0);
  }

 private:
  std::vector<uint8_t>& bytes_;
  uint8_t* out_ = nullptr;
  uint64_t pending_ = 0;  // bits not yet past `out_`, count_ of them
  uint32_t count_ = 0;    // 0..7 between codes
};

// The codes assigned since the last clear, by (prefix string, next pixel). Find returns the
// code, or 0 when the string is not there (no table code is 0: codes start above the end code),
// and the slot where it is or would go; Settle then puts a new code for (prefix, pixel) into the
// slot that Find gave. Two layouts, chosen by the largest pixel value: a direct table for values up
// to 15, a hash table above. Neither changes which codes are written, only how fast they are found.
class DirectStrings {
 public:
  explicit DirectStrings(uint32_t symbolBits)
      : shift_(symbolBits), children_(new uint16_t[kTableSize << symbolBits]()) {}

  uint32_t Find(uint32_t prefix, uint32_t pixel, uint32_t& slot) const {
    slot = prefix << shift_ | pixel;
    return children_[slot];
  }
  void Settle(uint32_t slot, uint32_t, uint32_t, uint32_t code) {
    children_[slot] = static_cast<uint16_t>(code);
    slotOf_[code] = slot;
  }
  // Empties the slots of codes firstCode..lastCode, the only ones in use.
  void Clear(uint32_t firstCode, uint32_t lastCode) {
    for (uint32_t code = firstCode; code <= lastCode; ++code)
      children_[slotOf_[code]] = 0;
  }

 private:
  uint32_t shift_;
  std::unique_ptr<uint16_t[]> children_;  // zero-filled
  uint32_t slotOf_[kTableSize];           // read only for codes that were settled
};

class HashedStrings {
 public:
  HashedStrings() : slots_(new uint32_t[kSlots]) { Clear(0, 0); }

  uint32_t Find(uint32_t prefix, uint32_t pixel, uint32_t& slot) const {
    const uint32_t key = prefix << 8 | pixel;
    slot = SlotFor(key);
    // At most 4094 of 16384 slots are in use, so an empty slot ends every probe soon.
    uint32_t entry = slots_[slot];
    while (entry != kEmpty && entry >> 12 != key) {
      slot = (slot + 1) & (kSlots - 1);
      entry = slots_[slot];
    }
    return entry == kEmpty ? 0 : entry & 0xFFF;
  }
  void Settle(uint32_t slot, uint32_t prefix, uint32_t pixel, uint32_t code) {
    slots_[slot] = (prefix << 8 | pixel) << 12 | code;
  }
  void Clear(uint32_t, uint32_t) { std::fill(slots_.get(), slots_.get() + kSlots, kEmpty); }

 private:
  static constexpr uint32_t kSlots = 1u << 14;
  // Key (prefix x 256 + pixel, 20 bits) above the code (12 bits); the key of code 4095 is never
  // stored (codes stop at 4094), so all ones is free to mean empty.
  static constexpr uint32_t kEmpty = 0xFFFFFFFF;

  // Multiplicative spread of consecutive keys over the slots.
  static uint32_t SlotFor(uint32_t key) { return (key * 0x9E3779B1u) >> (32 - 14); }

  std::unique_ptr<uint32_t[]> slots_;
};

// The codes of the strings made of one pixel value repeated (v v, v v v, ...), by value and
// length. Such a string of length k + 1 can only be added as (v^k, v), so each value's lengths
// form an unbroken range from 2 up and a run of v in the input is matched with one look-up here
// instead of one per pixel.
class RunCodes {
 public:
  RunCodes() { pool_.resize(4096); }

  // The longest run of `pixel` with a code; 1 is the literal itself.
  uint32_t Longest(uint32_t pixel) const { return spans_[pixel].size + 1; }
  // The code of `pixel` repeated `length` times, for length 2..Longest(pixel).
  uint32_t CodeOf(uint32_t pixel, uint32_t length) const {
    return pool_[spans_[pixel].offset + length - 2];
  }
  // Adds the run one longer than Longest(pixel).
  void Append(uint32_t pixel, uint32_t code) {
    Span& span = spans_[pixel];
    if (span.size == span.capacity) {
      // Moves to a fresh stretch twice the size at the end of the pool; the stretches of one
      // table generation take at most twice the 4094 codes plus the smallest stretches.
      const uint32_t capacity = std::max<uint32_t>(8, span.capacity * 2);
      if (used_ + capacity > pool_.size())
        pool_.resize(std::max<size_t>(pool_.size() * 2, used_ + capacity));
      std::copy_n(pool_.begin() + span.offset, span.size, pool_.begin() + used_);
      span.offset = used_;
      span.capacity = capacity;
      used_ += capacity;
    }
    pool_[span.offset + span.size++] = static_cast<uint16_t>(code);
  }
  void Clear() {
    std::fill(std::begin(spans_), std::end(spans_), Span{});
    used_ = 0;
  }

 private:
  struct Span {
    uint32_t offset = 0;
    uint32_t size = 0;  // runs of length 2..size + 1
    uint32_t capacity = 0;
  };
  Span spans_[256];
  std::vector<uint16_t> pool_;
  uint32_t used_ = 0;
};

// How many of the `count` bytes from `at` equal `value`, at least 1 when the first does.
inline uint32_t CountRun(const uint8_t* at, uint32_t count, uint8_t value) {
  const uint64_t pattern = 0x0101010101010101ull * value;
  uint32_t run = 0;
  while (count - run >= 8) {
    uint64_t bytes;
    std::memcpy(&bytes, at + run, 8);
    const uint64_t differ = bytes ^ pattern;
    if (differ != 0) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
      return run + static_cast<uint32_t>(std::countl_zero(differ) >> 3);
#else
      return run + static_cast<uint32_t>(std::countr_zero(differ) >> 3);
#endif
    }
    run += 8;
  }
  while (run < count && at[run] == value)
    ++run;
  return run;
}

// Yields rows of byte pixels below 2^bits from the top, in the order asked for.
class IndexRows {
 public:
  explicit IndexRows(const TLzwIndexSource& source)
      : source_(source), mask_(static_cast<uint8_t>((1u << source.codeBits) - 1)) {
    if (source.codeBits < 8) masked_.resize(source.width);
  }
  const uint8_t* Row(uint32_t y) {
    const uint8_t* row = source_.indices + y * source_.stride;
    if (source_.codeBits == 8) return row;  // every byte is a valid pixel value
    for (uint32_t x = 0; x < source_.width; ++x)
      masked_[x] = row[x] & mask_;
    return masked_.data();
  }

 private:
  const TLzwIndexSource& source_;
  uint8_t mask_;
  std::vector<uint8_t> masked_;
};

// Unpacks a bitmap's rows (1 bit: leftmost pixel in the high bit; 4 bits: in the high nibble).
class DibRows {
 public:
  explicit DibRows(const TLzwPixelSource& source)
      : source_(source), stride_(DibRowStride(source.width, source.dibBits)) {
    if (source.dibBits < 8) unpacked_.resize(source.width);
  }
  const uint8_t* Row(uint32_t y) {
    const uint8_t* row = source_.pixels + (source_.topDown ? y : source_.height - 1 - y) * stride_;
    if (source_.dibBits == 8) return row;
    uint8_t* out = unpacked_.data();
    if (source_.dibBits == 4) {
      for (uint32_t x = 0; x < source_.width; ++x)
        out[x] = (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
    } else {
      for (uint32_t x = 0; x < source_.width; ++x)
        out[x] = (row[x >> 3] >> (7 - (x & 7))) & 1;
    }
    return out;
  }

 private:
  const TLzwPixelSource& source_;
  uint64_t stride_;
  std::vector<uint8_t> unpacked_;
};

template <class Strings, class Rows>
void EncodeRows(std::vector<uint8_t>& destination, Rows& rows, Strings& strings, uint32_t width,
                uint32_t height, uint32_t codeBits, bool interlaced,
                const TGIFProgressEvent& progress) {
  const uint32_t initialCodeSize = codeBits == 1 ? 3 : codeBits + 1;
  const uint32_t clearCode = 1u << (initialCodeSize - 1);
  const uint32_t endCode = clearCode + 1;

  std::vector<uint8_t> packed;
  CodePacker packer(packed);
  packer.Reserve(3);
  packer.Start();
  uint32_t codeSize = initialCodeSize;  // 3..12
  uint32_t capacity = 1u << codeSize;
  uint32_t lastCode = endCode;    // ..4094
  uint32_t sizeLimit = capacity;  // the next code that widens the codes or restarts the table
  packer.Put(clearCode, codeSize);
  Report(progress, TGIFProgressStage::psStarting, 0);

  RunCodes runs;
  uint32_t prefix = 0;
  bool inString = false;       // false at the start and after a restart
  uint32_t runPixel = kNoRun;  // the value the prefix string repeats, if it is such a run
  uint32_t runLength = 0;      // its length then
  uint32_t row = 0;
  int pass = 0;
  for (uint32_t done = 0; row < height; ++done) {
    // A row writes at most one code per pixel plus a restart's two.
    packer.Reserve(size_t{width} + 4);
    const uint8_t* pixels = rows.Row(row);
    for (uint32_t x = 0; x < width; ++x) {
      const uint32_t pixel = pixels[x];
      if (!inString) {
        prefix = pixel;
        inString = true;
        runPixel = pixel;
        runLength = 1;
        continue;
      }
      if (pixel == runPixel && runLength < runs.Longest(pixel)) {
        // The prefix repeats this pixel and longer runs are in the table: take as many of the
        // pixels ahead as the table has.
        const uint32_t ahead = CountRun(pixels + x, width - x, static_cast<uint8_t>(pixel));
        const uint32_t step = std::min(ahead, runs.Longest(pixel) - runLength);
        runLength += step;
        prefix = runs.CodeOf(pixel, runLength);
        x += step - 1;
        continue;
      }
      uint32_t slot;
      if (const uint32_t found = strings.Find(prefix, pixel, slot)) {
        // Only the run one longer than the table's longest is absent, so this is no run.
        prefix = found;
        runPixel = kNoRun;
        continue;
      }
      packer.Put(prefix, codeSize);
      strings.Settle(slot, prefix, pixel, ++lastCode);
      if (pixel == runPixel) runs.Append(pixel, lastCode);
      prefix = pixel;
      runPixel = pixel;
      runLength = 1;
      if (lastCode == sizeLimit) {
        if (lastCode == kRestartCode) {
          packer.Put(prefix, codeSize);
          packer.Put(clearCode, codeSize);
          strings.Clear(endCode + 1, lastCode);
          runs.Clear();
          inString = false;
          lastCode = endCode;
          codeSize = initialCodeSize;
          capacity = 1u << codeSize;
        } else {
          capacity <<= 1;
          ++codeSize;
        }
        sizeLimit = std::min(capacity, kRestartCode);
      }
    }
    if (progress)
      Report(progress, TGIFProgressStage::psRunning,
             static_cast<int>(uint64_t{done} * 100 / height));
    row = interlaced ? NextInterlacedRow(row, height, pass) : row + 1;
  }
  packer.Reserve(2);
  packer.Put(prefix, codeSize);
  packer.Put(endCode, codeSize);
  const size_t count = packer.Finish();

  destination.reserve(destination.size() + count + count / 255 + 3);
  destination.push_back(static_cast<uint8_t>(initialCodeSize - 1));
  for (size_t at = 0; at < count; at += 255) {
    const size_t length = std::min<size_t>(255, count - at);
    destination.push_back(static_cast<uint8_t>(length));
    destination.insert(destination.end(), packed.begin() + static_cast<ptrdiff_t>(at),
                       packed.begin() + static_cast<ptrdiff_t>(at + length));
  }
  destination.push_back(0);
}

// The bits that hold every pixel value of the picture: a direct table serves up to 4.
template <class Rows>
uint32_t ValueBits(Rows& rows, uint32_t width, uint32_t height, uint32_t codeBits) {
  if (codeBits < 8) return codeBits;
  uint32_t largest = 0;
  for (uint32_t y = 0; y < height && largest < 16; ++y) {
    const uint8_t* pixels = rows.Row(y);
    uint8_t rowLargest = 0;
    for (uint32_t x = 0; x < width; ++x)
      rowLargest = std::max(rowLargest, pixels[x]);
    largest = std::max<uint32_t>(largest, rowLargest);
  }
  return largest < 2 ? 1 : largest < 16 ? 4 : 8;
}

template <class Rows>
void EncodeWithStrings(std::vector<uint8_t>& destination, Rows& rows, uint32_t width,
                       uint32_t height, uint32_t codeBits, bool interlaced,
                       const TGIFProgressEvent& progress) {
  try {
    const uint32_t valueBits = ValueBits(rows, width, height, codeBits);
    if (valueBits == 8) {
      HashedStrings strings;
      EncodeRows(destination, rows, strings, width, height, codeBits, interlaced, progress);
    } else {
      DirectStrings strings(valueBits);
      EncodeRows(destination, rows, strings, width, height, codeBits, interlaced, progress);
    }
  } catch (const Exception& failure) {
    Report(progress, TGIFProgressStage::psEnding, 0, failure.Message());
    throw;
  }
  Report(progress, TGIFProgressStage::psEnding, 100);
}

bool IsCodeDepth(uint32_t bits) {
  return bits == 1 || bits == 4 || bits == 8;
}

}  // namespace

void EncodeLzwFrame(TStream& destination, const TLzwPixelSource& source,
                    const TGIFProgressEvent& progress) {
  if (!IsCodeDepth(source.dibBits)) ThrowGIFError(gifmsg::kEncodingError);
  DibRows rows(source);
  std::vector<uint8_t> stored;
  EncodeWithStrings(stored, rows, source.width, source.height, source.dibBits, source.interlaced,
                    progress);
  destination.WriteBuffer(stored.data(), static_cast<int64_t>(stored.size()));
}

void EncodeLzwIndices(std::vector<uint8_t>& destination, const TLzwIndexSource& source,
                      const TGIFProgressEvent& progress) {
  if (!IsCodeDepth(source.codeBits)) ThrowGIFError(gifmsg::kEncodingError);
  IndexRows rows(source);
  EncodeWithStrings(destination, rows, source.width, source.height, source.codeBits,
                    source.interlaced, progress);
}
