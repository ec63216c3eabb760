// Hand-built GIF files and code streams for the codec tests, and views of decoded frames.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "imaging/gif/GIFFramePixels.h"
#include "imaging/gif/GIFImageBase.h"
#include "imaging/gif/GIFMemoryBitmap.h"
#include "imaging/gif/GIFTypes.h"

using Bytes = std::vector<uint8_t>;

// Appends the blocks of a GIF file one by one.
class GifBytes {
 public:
  GifBytes& Header(const char* signature, uint16_t width, uint16_t height, uint8_t packed,
                   uint8_t background = 0, uint8_t aspect = 0);
  GifBytes& Colors(const std::vector<TGIFRgb>& colors);
  GifBytes& GraphicControl(uint8_t packed, uint16_t delay, uint8_t transparentIndex);
  GifBytes& Comment(const std::vector<std::string>& lines);
  GifBytes& PlainText();
  GifBytes& Application(const std::string& identifier, const std::vector<std::string>& blocks,
                        uint8_t blockSize = 11);
  // 0x2C, descriptor, then `stored` (code size byte, sub-blocks, terminator).
  GifBytes& Image(uint16_t left, uint16_t top, uint16_t width, uint16_t height, uint8_t packed,
                  const Bytes& stored);
  GifBytes& Raw(const Bytes& bytes);
  GifBytes& Trailer() { return Raw({';'}); }
  const Bytes& Get() const { return bytes_; }

 private:
  Bytes bytes_;
};

// Splits a bit stream into sub-blocks of up to 255 bytes after the code size byte.
Bytes StoreBlocks(uint8_t minimumCodeSize, const Bytes& packed, bool terminator = true);
// Packs (code, width) pairs LSB first, as a writer of any code-size policy would.
Bytes PackCodes(const std::vector<std::pair<uint32_t, uint32_t>>& codes);
// The codes of stored data, read with the usual width growth (an independent tracer).
std::vector<uint32_t> TraceCodes(const Bytes& stored);
// Lengths of the sub-blocks of stored data (the terminator's 0 included).
std::vector<uint32_t> SubBlockLengths(const Bytes& stored);

// Our encoder over indices given row by row from the top; dibBits 1, 4 or 8.
Bytes EncodeIndices(uint32_t dibBits, uint32_t width, uint32_t height,
                    const std::vector<uint8_t>& indices, bool interlaced = false);

std::vector<TGIFRgb> GreyRamp(uint32_t count);

// The memory bitmap behind a decoded frame of a host image.
const TGIFMemoryBitmap& MemoryBitmap(TDvGIFFrame& frame);
// Indices row by row from the top.
std::vector<uint8_t> FrameIndices(TDvGIFFrame& frame);
// The rows of decoded index rows, one after the other.
std::vector<uint8_t> IndexRows(const TGIFFramePixels& pixels);

// Deterministic pseudo-random numbers for generated content.
class TestRandom {
 public:
  explicit TestRandom(uint32_t seed) : state_(seed * 2654435761u + 1) {}
  uint32_t Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }
  uint32_t Below(uint32_t limit) { return Next() % limit; }

 private:
  uint32_t state_;
};
