#include "imaging/gif/LzwDecoder.h"

#include <algorithm>
#include <cstring>

#include "framework/core/SysUtils.h"

namespace {

constexpr uint32_t kTableSize = 4096;
constexpr uint32_t kMaxCodeSize = 12;

#if defined(__GNUC__)
#define DV_INLINE inline __attribute__((always_inline))
#define DV_NOINLINE __attribute__((noinline))
#define DV_LIKELY(x) __builtin_expect(!!(x), 1)
#else
#define DV_INLINE inline
#define DV_NOINLINE
#define DV_LIKELY(x) (x)
#endif

DV_INLINE uint64_t Load64LE(const uint8_t* at) {
  uint64_t value;
  std::memcpy(&value, at, 8);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
  value = __builtin_bswap64(value);
#endif
  return value;
}

// Moves 16 bytes through a register, so that the two ranges may overlap.
DV_INLINE void Copy16(uint8_t* to, const uint8_t* from) {
  uint8_t chunk[16];
  std::memcpy(chunk, from, 16);
  std::memcpy(to, chunk, 16);
}

// Copies a string written earlier (from + length <= to) in whole chunks. Everything the chunks
// read below from + length was written before `to`, so no chunk reads what another stored; the
// bytes past the string are scratch that later strings or the final zeroing overwrite.
DV_INLINE void CopyEarlierString(uint8_t* to, const uint8_t* from, uint32_t length) {
  Copy16(to, from);
  for (uint32_t done = 16; done < length; done += 16)
    Copy16(to + done, from + done);
}

// The LSB-first bit stream over the sub-blocks, read straight from the stored data. The fields
// live in the decoding loop's locals: the slow refill takes and returns them by value, so that
// pixel stores (which may alias anything) never force them back to memory.
struct BitSource {
  const uint8_t* next;      // next stored byte to take into `bits`
  const uint8_t* blockEnd;  // end of the current sub-block's bytes; next <= blockEnd <= end
  uint64_t bits;            // valid bits at the bottom; above them only bits of the same block
  uint32_t count;           // valid bits, 0..63
};

// Takes bytes one at a time, moving on to the next sub-block only while fewer than `needed` bits
// are held (so the position tells how far the data was needed). Never reads at or past `end`.
DV_NOINLINE BitSource RefillAcrossBlocks(BitSource source, const uint8_t* end, uint32_t needed) {
  source.bits &= source.count == 0 ? 0 : ~uint64_t{0} >> (64 - source.count);
  while (source.count <= 56) {
    if (source.next < source.blockEnd) {
      source.bits |= uint64_t{*source.next++} << source.count;
      source.count += 8;
      continue;
    }
    if (source.count >= needed || source.next >= end) break;
    // A zero-length block is a block of nothing: reading goes on to the end of the data.
    const size_t length = *source.next++;
    source.blockEnd =
        source.next + std::min<size_t>(length, static_cast<size_t>(end - source.next));
  }
  return source;
}

void Report(const TGIFProgressEvent& progress, TGIFProgressStage stage, int percent,
            const std::string& message = std::string()) {
  if (progress) progress(stage, percent, message);
}

// Where a code's string was last written, counted from the first pixel, and its length. A
// literal's string is its one byte in the literal area after the frame (see the header's slack).
struct StringPlace {
  uint32_t position;
  uint32_t length;  // 1..4096
};

// The literal area: after the chunks' run-on, one byte per literal code, then room for a chunk.
constexpr size_t kRunOn = 16;
constexpr size_t kLiteralArea = 512;
static_assert(kLzwOutputSlack >= kRunOn + kLiteralArea + 16, "the slack holds the literal area");

// Without a progress observer the loop carries no reporting at all.
template <bool kReport>
TGIFCorruptKind Decode(const uint8_t* data, size_t size, uint8_t* const pixels,
                       const size_t pixelCount, uint32_t colorBits, bool tolerate,
                       const TGIFProgressEvent& progress) {
  if (size < 1) throw EReadError();
  TGIFCorruptKind corruption = TGIFCorruptKind::ckNone;
  uint32_t minimumSize = data[0];
  if (minimumSize < 2 || minimumSize > 9) {
    if (!tolerate) ThrowGIFError(gifmsg::kCodeSizeRange);
    corruption = TGIFCorruptKind::ckCodeSizeRange;
    minimumSize = minimumSize < 2 ? 2 : 9;
  }
  // With a clamped size only the first code after the start or a clear is trusted.
  const bool clamped = corruption != TGIFCorruptKind::ckNone;
  const uint32_t clearCode = 1u << minimumSize;  // codes below it are literal pixel values
  const uint32_t endCode = clearCode + 1;
  const uint32_t firstFree = clearCode + 2;
  const uint32_t pixelMask = (1u << colorBits) - 1;
  const uint8_t* const end = data + size;

  // Literals and table strings are read alike: codes below the clear code point at their byte
  // in the literal area. Entries from firstFree below nextFree are written before they are read;
  // the rest stay uninitialised on purpose. The extra entry takes what a full table would add.
  const uint32_t literalBase = static_cast<uint32_t>(pixelCount + kRunOn);
  StringPlace strings[kTableSize + 1];
  for (uint32_t literal = 0; literal < clearCode; ++literal) {
    pixels[literalBase + literal] = static_cast<uint8_t>(literal & pixelMask);
    strings[literal] = StringPlace{literalBase + literal, 1};
  }

  BitSource source{data + 1, data + 1, 0, 0};
  uint32_t codeSize = minimumSize + 1;  // 3..12
  uint32_t nextFree = firstFree;        // ..4096; 4096 means the table is full
  bool haveOld = false;                 // false at the start and after a clear
  uint32_t oldPosition = 0;             // where the previous code's string was written
  uint32_t oldLength = 0;
  size_t at = 0;  // next pixel, 0..pixelCount

  while (at < pixelCount) {
    if (DV_LIKELY(source.blockEnd - source.next >= 8)) {
      // Whole bytes up to 56..63 bits; the bits loaded above `count` are the block's next ones,
      // so the next refill ORs identical values over them.
      source.bits |= Load64LE(source.next) << source.count;
      source.next += (63 - source.count) >> 3;
      source.count |= 56;
    } else if (source.count < codeSize) {
      source = RefillAcrossBlocks(source, end, codeSize);
      if (source.count < codeSize) {
        if (!tolerate) throw EReadError();
        if (corruption == TGIFCorruptKind::ckNone) corruption = TGIFCorruptKind::ckDataExhausted;
        break;
      }
    }
    const uint32_t code = static_cast<uint32_t>(source.bits) & ((1u << codeSize) - 1);
    source.bits >>= codeSize;
    source.count -= codeSize;

    uint8_t* const to = pixels + at;
    const size_t room = pixelCount - at;  // at least 1
    uint32_t length;
    if (DV_LIKELY(code - clearCode >= 2 && code < nextFree && haveOld && !clamped)) {
      // A literal or a table string, with a string before it: the common case, one path.
      const StringPlace place = strings[code];
      length = place.length;
      // The string lies wholly before `at` (or in the literal area), and the slack takes the
      // chunks' run-on.
      if (DV_LIKELY(length <= room)) {
        CopyEarlierString(to, pixels + place.position, length);
      } else {
        std::memcpy(to, pixels + place.position, room);
      }
    } else if (code == clearCode) {
      codeSize = minimumSize + 1;
      nextFree = firstFree;
      haveOld = false;
      continue;  // reported with the code after it, as one step
    } else if (code == endCode) {
      // The loop runs only while pixels remain, so this end is early.
      if (!tolerate) ThrowGIFError(gifmsg::kCorruptData);
      if (corruption == TGIFCorruptKind::ckNone) corruption = TGIFCorruptKind::ckEndCodeEarly;
      break;
    } else if (clamped && haveOld) {
      break;
    } else if (!haveOld && code < clearCode) {
      // The first code after the start or a clear: a literal, which adds no table entry.
      *to = pixels[literalBase + code];
      length = 1;
    } else if (code == nextFree && haveOld) {
      // The string not yet in the table: the previous string and its own first pixel. The
      // previous string ends right at `to`.
      length = oldLength + 1;
      const uint8_t* const from = pixels + oldPosition;
      if (DV_LIKELY(length <= room)) {
        CopyEarlierString(to, from, oldLength);
        to[oldLength] = *from;
      } else {
        // Byte by byte, the last byte read is the first one written.
        for (size_t i = 0; i < room; ++i)
          to[i] = from[i];
      }
    } else {
      // Above the next free code, or a table code with no string before it.
      if (!tolerate) ThrowGIFError(gifmsg::kCorruptData);
      if (corruption == TGIFCorruptKind::ckNone) corruption = TGIFCorruptKind::ckCodeBeyondTable;
      break;
    }
    if (haveOld) {
      // The previous string plus this one's first pixel, which follows it in the output. A full
      // table writes into the extra entry and stays full.
      strings[nextFree] = StringPlace{oldPosition, oldLength + 1};
      nextFree += nextFree < kTableSize ? 1 : 0;
      if (nextFree == (1u << codeSize) && codeSize < kMaxCodeSize) ++codeSize;
    }
    haveOld = true;
    oldPosition = static_cast<uint32_t>(at);
    oldLength = length;
    at += std::min<size_t>(length, room);
    if constexpr (kReport)
      Report(progress, TGIFProgressStage::psRunning,
             static_cast<int>(static_cast<uint64_t>(source.next - data) * 100 / size));
  }
  // Pixels never reached keep index 0; this also clears the chunks' run-on inside the frame.
  std::memset(pixels + at, 0, pixelCount - at);
  return corruption;
}

}  // namespace

TGIFCorruptKind DecodeLzwIndices(const uint8_t* data, size_t size, uint8_t* pixels,
                                 size_t pixelCount, uint32_t colorBits, bool tolerate,
                                 const TGIFProgressEvent& progress) {
  Report(progress, TGIFProgressStage::psStarting, 0);
  try {
    if (colorBits < 1 || colorBits > 8) ThrowGIFError(gifmsg::kWrongColorCount);
    const TGIFCorruptKind corruption =
        progress ? Decode<true>(data, size, pixels, pixelCount, colorBits, tolerate, progress)
                 : Decode<false>(data, size, pixels, pixelCount, colorBits, tolerate, progress);
    Report(progress, TGIFProgressStage::psEnding, 100);
    return corruption;
  } catch (const Exception& failure) {
    Report(progress, TGIFProgressStage::psEnding, 0, failure.Message());
    throw;
  }
}
