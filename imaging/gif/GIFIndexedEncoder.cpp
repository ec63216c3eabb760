#include "imaging/gif/GIFIndexedEncoder.h"

#include <algorithm>

#include "imaging/gif/LzwEncoder.h"

namespace {

void PutWord(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

// The depth of a bitmap that holds the palette: 1, 4 or 8 bits.
uint32_t CodeBitsForPalette(size_t colors) {
  return colors <= 2 ? 1 : colors <= 16 ? 4 : 8;
}

}  // namespace

void EncodeGIFFile(const TGIFIndexedFrame& frame, std::vector<uint8_t>& file) {
  if (frame.palette.empty() || frame.palette.size() > 256) ThrowGIFError(gifmsg::kWrongColorCount);
  if (frame.indices == nullptr || frame.width == 0 || frame.height == 0)
    ThrowGIFError(gifmsg::kNoDataToWrite);
  const size_t stride = frame.stride == 0 ? frame.width : frame.stride;
  const uint32_t codeBits = CodeBitsForPalette(frame.palette.size());
  const uint32_t tableSize = 1u << codeBits;
  if (uint32_t{frame.left} + frame.width > 0xFFFF || uint32_t{frame.top} + frame.height > 0xFFFF ||
      stride < frame.width || frame.transparentIndex >= static_cast<int>(tableSize) ||
      frame.transparentIndex < -1)
    ThrowGIFError(gifmsg::kEncodingError);
  const bool graphicControl =
      frame.delay != 0 || frame.transparentIndex >= 0 || (frame.disposal & 7) != 0;

  file.clear();
  const char* signature = graphicControl ? "GIF89a" : "GIF87a";
  file.insert(file.end(), signature, signature + 6);
  PutWord(file, frame.left + frame.width);
  PutWord(file, frame.top + frame.height);
  // The table's depth doubles as the colour resolution; background index 0, no aspect ratio.
  file.push_back(static_cast<uint8_t>(0x80 | (codeBits - 1) << 4 | (codeBits - 1)));
  file.push_back(0);
  file.push_back(0);
  for (uint32_t i = 0; i < tableSize; ++i) {
    const TGIFRgb color = i < frame.palette.size() ? frame.palette[i] : TGIFRgb{};
    file.insert(file.end(), {color.red, color.green, color.blue});
  }

  if (graphicControl) {
    const uint32_t hundredths = std::min<uint32_t>(frame.delay / 10, 0xFFFF);
    const bool transparent = frame.transparentIndex >= 0;
    file.insert(
        file.end(),
        {'!', 0xF9, 4, static_cast<uint8_t>((frame.disposal & 7) << 2 | (transparent ? 1 : 0)),
         static_cast<uint8_t>(hundredths), static_cast<uint8_t>(hundredths >> 8),
         static_cast<uint8_t>(transparent ? frame.transparentIndex : 0), 0});
  }
  file.push_back(',');
  PutWord(file, frame.left);
  PutWord(file, frame.top);
  PutWord(file, frame.width);
  PutWord(file, frame.height);
  file.push_back(frame.interlaced ? 0x40 : 0);

  TLzwIndexSource source;
  source.indices = frame.indices;
  source.stride = stride;
  source.width = frame.width;
  source.height = frame.height;
  source.codeBits = codeBits;
  source.interlaced = frame.interlaced;
  EncodeLzwIndices(file, source, nullptr);
  file.push_back(';');
}

std::vector<uint8_t> EncodeGIFFile(const TGIFIndexedFrame& frame) {
  std::vector<uint8_t> file;
  EncodeGIFFile(frame, file);
  return file;
}
