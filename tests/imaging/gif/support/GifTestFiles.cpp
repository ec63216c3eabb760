#include "GifTestFiles.h"

#include <stdexcept>

#include "imaging/gif/DibFile.h"
#include "imaging/gif/LzwEncoder.h"

GifBytes& GifBytes::Header(const char* signature, uint16_t width, uint16_t height, uint8_t packed,
                           uint8_t background, uint8_t aspect) {
  for (const char* c = signature; *c; ++c)
    bytes_.push_back(static_cast<uint8_t>(*c));
  return Raw({static_cast<uint8_t>(width), static_cast<uint8_t>(width >> 8),
              static_cast<uint8_t>(height), static_cast<uint8_t>(height >> 8), packed, background,
              aspect});
}

GifBytes& GifBytes::Colors(const std::vector<TGIFRgb>& colors) {
  for (const TGIFRgb& color : colors)
    Raw({color.red, color.green, color.blue});
  return *this;
}

GifBytes& GifBytes::GraphicControl(uint8_t packed, uint16_t delay, uint8_t transparentIndex) {
  return Raw({'!', 0xF9, 4, packed, static_cast<uint8_t>(delay), static_cast<uint8_t>(delay >> 8),
              transparentIndex, 0});
}

GifBytes& GifBytes::Comment(const std::vector<std::string>& lines) {
  Raw({'!', 0xFE});
  for (const std::string& line : lines) {
    bytes_.push_back(static_cast<uint8_t>(line.size()));
    bytes_.insert(bytes_.end(), line.begin(), line.end());
  }
  return Raw({0});
}

GifBytes& GifBytes::PlainText() {
  return Raw({'!', 0x01, 12, 0, 0, 0, 0, 10, 0, 10, 0, 8, 8, 1, 0, 2, 'h', 'i', 0});
}

GifBytes& GifBytes::Application(const std::string& identifier,
                                const std::vector<std::string>& blocks, uint8_t blockSize) {
  Raw({'!', 0xFF, blockSize});
  std::string padded = identifier;
  padded.resize(11, ' ');
  bytes_.insert(bytes_.end(), padded.begin(), padded.end());
  for (const std::string& block : blocks) {
    bytes_.push_back(static_cast<uint8_t>(block.size()));
    bytes_.insert(bytes_.end(), block.begin(), block.end());
  }
  return Raw({0});
}

GifBytes& GifBytes::Image(uint16_t left, uint16_t top, uint16_t width, uint16_t height,
                          uint8_t packed, const Bytes& stored) {
  Raw({',', static_cast<uint8_t>(left), static_cast<uint8_t>(left >> 8), static_cast<uint8_t>(top),
       static_cast<uint8_t>(top >> 8), static_cast<uint8_t>(width),
       static_cast<uint8_t>(width >> 8), static_cast<uint8_t>(height),
       static_cast<uint8_t>(height >> 8), packed});
  return Raw(stored);
}

GifBytes& GifBytes::Raw(const Bytes& bytes) {
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  return *this;
}

Bytes StoreBlocks(uint8_t minimumCodeSize, const Bytes& packed, bool terminator) {
  Bytes stored{minimumCodeSize};
  for (size_t at = 0; at < packed.size(); at += 255) {
    const size_t length = std::min<size_t>(255, packed.size() - at);
    stored.push_back(static_cast<uint8_t>(length));
    stored.insert(stored.end(), packed.begin() + static_cast<std::ptrdiff_t>(at),
                  packed.begin() + static_cast<std::ptrdiff_t>(at + length));
  }
  if (terminator) stored.push_back(0);
  return stored;
}

Bytes PackCodes(const std::vector<std::pair<uint32_t, uint32_t>>& codes) {
  Bytes packed;
  uint64_t bits = 0;
  for (const auto& [code, width] : codes) {
    for (uint32_t i = 0; i < width; ++i, ++bits) {
      if (bits % 8 == 0) packed.push_back(0);
      if ((code >> i) & 1) packed.back() |= static_cast<uint8_t>(1u << (bits % 8));
    }
  }
  return packed;
}

std::vector<uint32_t> SubBlockLengths(const Bytes& stored) {
  std::vector<uint32_t> lengths;
  size_t at = 1;
  while (at < stored.size()) {
    lengths.push_back(stored[at]);
    if (stored[at] == 0) break;
    at += 1 + stored[at];
  }
  return lengths;
}

std::vector<uint32_t> TraceCodes(const Bytes& stored) {
  Bytes packed;
  size_t at = 1;
  while (at < stored.size() && stored[at] != 0) {
    packed.insert(packed.end(), stored.begin() + static_cast<std::ptrdiff_t>(at + 1),
                  stored.begin() + static_cast<std::ptrdiff_t>(at + 1 + stored[at]));
    at += 1 + stored[at];
  }
  const uint32_t minimum = stored.at(0);
  const uint32_t clear = 1u << minimum;
  uint32_t width = minimum + 1;
  uint32_t nextFree = clear + 2;
  bool first = true;
  std::vector<uint32_t> codes;
  uint64_t bit = 0;
  while (bit + width <= packed.size() * 8) {
    uint32_t code = 0;
    for (uint32_t i = 0; i < width; ++i, ++bit)
      code |= ((packed[bit / 8] >> (bit % 8)) & 1u) << i;
    codes.push_back(code);
    if (code == clear + 1) break;
    if (code == clear) {
      width = minimum + 1;
      nextFree = clear + 2;
      first = true;
      continue;
    }
    if (!first && nextFree < 4096) {
      ++nextFree;
      if (nextFree == (1u << width) && width < 12) ++width;
    }
    first = false;
  }
  return codes;
}

Bytes EncodeIndices(uint32_t dibBits, uint32_t width, uint32_t height,
                    const std::vector<uint8_t>& indices, bool interlaced) {
  auto bitmap =
      TGIFMemoryBitmap::FromIndices(width, height, dibBits, GreyRamp(1u << dibBits), indices);
  TMemoryStream dib;
  bitmap->SaveToDibFile(dib);
  const TDibLayout layout = ParseDibFile(dib.Memory(), static_cast<size_t>(dib.Size()));
  TLzwPixelSource source;
  source.pixels = dib.Memory() + layout.pixelOffset;
  source.width = width;
  source.height = height;
  source.dibBits = dibBits;
  source.interlaced = interlaced;
  TMemoryStream out;
  EncodeLzwFrame(out, source, nullptr);
  return out.TakeBytes();
}

std::vector<TGIFRgb> GreyRamp(uint32_t count) {
  std::vector<TGIFRgb> colors(count);
  for (uint32_t i = 0; i < count; ++i) {
    const auto level = static_cast<uint8_t>(count > 1 ? i * 255 / (count - 1) : 0);
    colors[i] = TGIFRgb{level, level, level};
  }
  return colors;
}

const TGIFMemoryBitmap& MemoryBitmap(TDvGIFFrame& frame) {
  const auto* bitmap = dynamic_cast<const TGIFMemoryBitmap*>(&frame.Bitmap());
  if (!bitmap) throw std::logic_error("not a memory bitmap");
  return *bitmap;
}

std::vector<uint8_t> FrameIndices(TDvGIFFrame& frame) {
  const TGIFMemoryBitmap& bitmap = MemoryBitmap(frame);
  std::vector<uint8_t> indices;
  indices.reserve(size_t{bitmap.Width()} * bitmap.Height());
  for (uint32_t y = 0; y < bitmap.Height(); ++y)
    for (uint32_t x = 0; x < bitmap.Width(); ++x)
      indices.push_back(static_cast<uint8_t>(bitmap.IndexAt(x, y)));
  return indices;
}

std::vector<uint8_t> IndexRows(const TGIFFramePixels& pixels) {
  std::vector<uint8_t> indices;
  for (uint32_t y = 0; y < pixels.Height(); ++y)
    indices.insert(indices.end(), pixels.Row(y), pixels.Row(y) + pixels.Width());
  return indices;
}
