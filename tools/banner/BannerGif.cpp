#include "tools/banner/BannerGif.h"

#include <cstring>

#include "framework/core/Streams.h"
#include "imaging/gif/LzwEncoder.h"

namespace {

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
  out.insert(out.end(), {0xF7, 0, 0});  // 256-entry global table, background 0, no aspect
  for (const TGIFRgb& color : picture.palette)
    out.insert(out.end(), {color.red, color.green, color.blue});
  // Set by hand: the writer would name the first white entry (1), not 255.
  out.insert(out.end(), {'!', 0xF9, 4, 0x01, 0, 0, TBannerPicture::kTransparentIndex, 0});
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
  static const char kClassName[] = "TDvGIFImage";
  std::vector<uint8_t> data = {static_cast<uint8_t>(std::strlen(kClassName))};
  data.insert(data.end(), kClassName, kClassName + std::strlen(kClassName));
  const auto count = static_cast<uint32_t>(gif.size());
  for (int shift = 0; shift < 32; shift += 8)
    data.push_back(static_cast<uint8_t>(count >> shift));
  data.insert(data.end(), gif.begin(), gif.end());
  return data;
}
