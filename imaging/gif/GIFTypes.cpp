#include "imaging/gif/GIFTypes.h"

#include "framework/core/SysUtils.h"

bool GIFTolerateCorruptData = true;

uint64_t CheckedPixelBufferSize(uint64_t width, uint64_t height, uint32_t bits) {
  // 65535 x 65535 x 32 bits still fits 64 bits by a wide margin.
  const uint64_t size = DibRowStride(width, bits) * height;
  if (size > kMaxPixelBufferBytes) throw EOutOfMemory();
  return size;
}

uint32_t ColorCountForBits(uint32_t bits) {
  if (bits < 1 || bits > 8) ThrowGIFError(gifmsg::kWrongColorCount);
  return 1u << bits;
}

uint32_t BitsForColorCount(uint32_t count) {
  for (uint32_t bits = 1; bits <= 8; ++bits)
    if ((1u << bits) == count) return bits;
  ThrowGIFError(gifmsg::kWrongColorCount);
}

uint32_t BitsCoveringColorCount(uint32_t count) {
  uint32_t bits = 1;
  while (bits < 32 && (uint64_t{1} << bits) < count)
    ++bits;
  return bits;
}

void ThrowGIFError(const char* message) {
  throw EInvalidGraphicOperation(message);
}
