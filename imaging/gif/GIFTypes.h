// Shared vocabulary of the GIF codec: colours, colour tables, progress, limits and messages.
// Portable: never includes windows.h.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "framework/core/Colors.h"

struct TGIFRgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  bool operator==(const TGIFRgb&) const = default;
  TColor Color() const { return RGBColor(red, green, blue); }
};
static_assert(sizeof(TGIFRgb) == 3, "colour tables are read and written as packed triples");

// A colour table: count 0 (no table) or a power of two up to 256; entries in file order.
struct TGIFColorTable {
  uint32_t count = 0;
  std::array<TGIFRgb, 256> entries{};
};

enum class TGIFProgressStage { psStarting, psRunning, psEnding };

// Progress observer: stage, percent 0..100, message (the failure's text on a failed psEnding).
// An empty observer means nobody listens, and the codec does not compute the figures.
using TGIFProgressEvent =
    std::function<void(TGIFProgressStage stage, int percent, const std::string& message)>;

// Why a frame is marked corrupt: the first fault found, while reading the file or decoding.
enum class TGIFCorruptKind {
  ckNone,             // not corrupt
  ckBlockPastEnd,     // a data sub-block reaches past the end of the file
  ckCodeSizeRange,    // minimum code size outside 2..9
  ckCodeBeyondTable,  // a code above the next free code (or a string code with no string before it)
  ckEndCodeEarly,     // the end code came before the last pixel
  ckDataExhausted,    // the stored data ran out before the last pixel
};

// Process-wide: frames with cut-short data are read and marked corrupt instead of failing.
extern bool GIFTolerateCorruptData;

// The largest pixel buffer the codec allocates for one frame (512 MiB); larger ones fail with
// EOutOfMemory before anything is allocated.
inline constexpr uint64_t kMaxPixelBufferBytes = uint64_t{512} * 1024 * 1024;

// Bytes of one padded bottom-up row: ((width x bits + 31) div 32) x 4.
inline constexpr uint64_t DibRowStride(uint64_t width, uint32_t bits) {
  return ((width * bits + 31) / 32) * 4;
}

// Throws EOutOfMemory when stride x height exceeds kMaxPixelBufferBytes; returns the size.
uint64_t CheckedPixelBufferSize(uint64_t width, uint64_t height, uint32_t bits);

// 2^bits for bits 1..8; 2 to 256 back to 1..8, otherwise "Wrong number of colors; must be a
// power of 2".
uint32_t ColorCountForBits(uint32_t bits);
uint32_t BitsForColorCount(uint32_t count);
// The smallest bits from 1 up with 2^bits not below count (count 0 gives 1).
uint32_t BitsCoveringColorCount(uint32_t count);

namespace gifmsg {
inline constexpr const char* kUnknownVersion = "Unknown GIF version";
inline constexpr const char* kUnrecognizedExtension = "Unrecognized extension block: %.2x";
inline constexpr const char* kWrongColorCount = "Wrong number of colors; must be a power of 2";
inline constexpr const char* kCannotChangeSize = "Cannot change the Size of a GIF image";
inline constexpr const char* kCodeSizeRange = "GIF code size not in range 2 to 9";
inline constexpr const char* kCorruptData = "GIF encoded data is corrupt";
inline constexpr const char* kNoDataToWrite = "No GIF Data to write";
inline constexpr const char* kEncodingError = "GIF image encoding error";
inline constexpr const char* kInvalidBitmap = "Bitmap image is not valid";
}  // namespace gifmsg

// Raises EInvalidGraphicOperation with the text.
[[noreturn]] void ThrowGIFError(const char* message);
