#include "tools/banner/BannerGif.h"

#include <cstring>
#include <initializer_list>
#include <string>

#include "framework/core/Streams.h"
#include "imaging/gif/LzwEncoder.h"

namespace {

void PutBytes(std::vector<uint8_t>& out, std::initializer_list<uint8_t> bytes) {
  for (const uint8_t byte : bytes)
    out.push_back(byte);
}

void PutWord(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

}  // namespace

std::vector<uint8_t> BuildBannerGif(const TBannerPicture& picture) {
  const uint32_t width = TBannerPicture::kWidth;
  const uint32_t height = TBannerPicture::kHeight;
  std::vector<uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
  PutWord(out, width);
  PutWord(out, height);
  PutBytes(out, {0xF7, 0, 0});  // 256-entry global table, background 0, no aspect
  for (const TGIFRgb& color : picture.palette)
    PutBytes(out, {color.red, color.green, color.blue});
  // Set by hand: the writer would name the first white entry (1), not 255.
  PutBytes(out, {'!', 0xF9, 4, 0x01, 0, 0, TBannerPicture::kTransparentIndex, 0});
  out.push_back(',');
  PutWord(out, 0);
  PutWord(out, 0);
  PutWord(out, width);
  PutWord(out, height);
  out.push_back(0);  // no local table, not interlaced

  TLzwPixelSource source;
  source.pixels = picture.indices.data();
  source.topDown = true;  // 400 bytes a row is already a multiple of 4
  source.width = width;
  source.height = height;
  source.dibBits = 8;
  TMemoryStream stored;
  EncodeLzwFrame(stored, source, nullptr);
  out.insert(out.end(), stored.Bytes().begin(), stored.Bytes().end());
  out.push_back(';');
  return out;
}

std::vector<uint8_t> BuildPictureData(const std::vector<uint8_t>& gif) {
  const std::string className = "TDvGIFImage";
  std::vector<uint8_t> data;
  data.reserve(1 + className.size() + 4 + gif.size());
  data.push_back(static_cast<uint8_t>(className.size()));
  for (const char c : className)
    data.push_back(static_cast<uint8_t>(c));
  const auto count = static_cast<uint32_t>(gif.size());
  for (int shift = 0; shift < 32; shift += 8)
    data.push_back(static_cast<uint8_t>(count >> shift));
  data.insert(data.end(), gif.begin(), gif.end());
  return data;
}
