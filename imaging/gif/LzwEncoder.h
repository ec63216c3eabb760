// LZW encoding of a bottom-up device-independent pixel buffer into GIF stored data.
// Portable: never includes windows.h.
#pragma once

#include <cstdint>

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

// Appends the minimum code size byte, the 255-byte sub-blocks and the zero-length terminator to
// destination. Fails with "GIF image encoding error" for other bit counts; a failure of the
// progress observer (such as EAbort) passes through after psEnding.
void EncodeLzwFrame(TStream& destination, const TLzwPixelSource& source,
                    const TGIFProgressEvent& progress);
