// LZW encoding of pixels into GIF stored data: from a device-independent bitmap's rows or from
// rows of byte indices.
// Portable: never includes windows.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/core/Streams.h"
#include "imaging/gif/GIFTypes.h"

struct TLzwPixelSource {
  const uint8_t* pixels = nullptr;  // height rows of DibRowStride(width, dibBits)
  bool topDown = false;             // rows are bottom-up unless set
  uint32_t width = 0;
  uint32_t height = 0;
  uint32_t dibBits = 8;  // 1, 4 or 8
  bool interlaced = false;
};

// Rows of one byte per pixel from the top, `stride` bytes apart.
struct TLzwIndexSource {
  const uint8_t* indices = nullptr;
  size_t stride = 0;
  uint32_t width = 0;
  uint32_t height = 0;
  // 1, 4 or 8: the minimum code size is 2, 4 or 8, and each index is taken AND 2^codeBits - 1,
  // as a bitmap of that depth would hold it.
  uint32_t codeBits = 8;
  bool interlaced = false;  // rows are taken in the interlaced passes' order
};

// Appends the minimum code size byte, the 255-byte sub-blocks and the zero-length terminator to
// destination. Fails with "GIF image encoding error" for other bit counts; a failure of the
// progress observer (such as EAbort) passes through after psEnding.
void EncodeLzwFrame(TStream& destination, const TLzwPixelSource& source,
                    const TGIFProgressEvent& progress);
// The same from byte indices, appended to `destination`; the bytes equal those of a bitmap of
// depth codeBits holding the same indices.
void EncodeLzwIndices(std::vector<uint8_t>& destination, const TLzwIndexSource& source,
                      const TGIFProgressEvent& progress);
