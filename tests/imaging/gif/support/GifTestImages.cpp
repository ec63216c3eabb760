#include "GifTestImages.h"

#include "GifCorpus.h"

std::string FailureOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Exception& failure) {
    return failure.Message();
  }
  return "no failure";
}

Bytes NoiseStored(uint32_t width, uint32_t height, uint32_t seed) {
  return EncodeIndices(8, width, height, NoiseIndices(width, height, 256, seed));
}

GifBytes ScreenWithTable(uint16_t width, uint16_t height, uint32_t bits) {
  GifBytes file;
  if (bits == 0) {
    file.Header("GIF89a", width, height, 0);
    return file;
  }
  file.Header("GIF89a", width, height, static_cast<uint8_t>(0x80 | ((bits - 1) << 4) | (bits - 1)));
  file.Colors(GreyRamp(1u << bits));
  return file;
}

Bytes BannerShapedFile() {
  std::vector<TGIFRgb> colors = RandomPalette(256, 17);
  for (TGIFRgb& color : colors)
    if (color.red == 255 && color.green == 255 && color.blue == 254) color.blue = 0;
  colors[1] = TGIFRgb{255, 255, 255};
  colors[255] = TGIFRgb{255, 255, 255};
  GifBytes file;
  file.Header("GIF89a", 400, 51, 0xF7).Colors(colors).GraphicControl(0x01, 0, 255);
  file.Image(0, 0, 400, 51, 0, NoiseStored(400, 51, 5)).Trailer();
  return file.Get();
}

void LoadBytes(TGIFImageBase& image, const Bytes& bytes) {
  TMemoryStream stream(bytes);
  image.LoadFromStream(stream);
}
