#include "imaging/gif/FrameDib.h"

#include "imaging/gif/DibFile.h"
#include "imaging/gif/LzwDecoder.h"

uint32_t DibBitsForColorBits(uint32_t colorBits) {
  if (colorBits == 1) return 1;
  if (colorBits >= 2 && colorBits <= 4) return 4;
  if (colorBits >= 5 && colorBits <= 8) return 8;
  ThrowGIFError(gifmsg::kWrongColorCount);
}

bool BuildFrameDibFile(const TGIFItem& item, bool interlaced, bool tolerate,
                       const TGIFProgressEvent& progress, std::vector<uint8_t>& file) {
  const uint32_t dibBits = DibBitsForColorBits(item.bitsPerPixel);
  const uint32_t width = static_cast<uint32_t>(std::max(item.width, 0));
  const uint32_t height = static_cast<uint32_t>(std::max(item.height, 0));
  const uint64_t imageSize = CheckedPixelBufferSize(width, height, dibBits);
  const uint32_t paletteEntries = 1u << dibBits;
  const uint64_t pixelOffset = kDibHeadersSize + 4 * paletteEntries;

  file.assign(static_cast<size_t>(pixelOffset + imageSize), 0);
  WriteDibHeaders(file.data(), width, height, dibBits, paletteEntries);
  uint8_t* quad = file.data() + kDibHeadersSize;
  for (uint32_t i = 0; i < paletteEntries; ++i, quad += 4) {
    if (i < item.colors.count) {
      const TGIFRgb& color = item.colors.entries[i];
      quad[0] = color.blue;
      quad[1] = color.green;
      quad[2] = color.red;
      quad[3] = 0;
    } else {
      quad[0] = quad[1] = quad[2] = quad[3] = 128;
    }
  }
  TLzwPixelTarget target;
  target.pixels = file.data() + pixelOffset;
  target.width = width;
  target.height = height;
  target.dibBits = dibBits;
  target.interlaced = interlaced;
  return DecodeLzwFrame(item.encoded.data(), item.encoded.size(), target, item.bitsPerPixel,
                        tolerate, progress);
}
