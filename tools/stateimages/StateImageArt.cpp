#include "tools/stateimages/StateImageArt.h"

#include "framework/core/Streams.h"
#include "tools/stateimages/PixelArt.h"

namespace {

// Bezel, outline and cable inks shared by both monitors.
constexpr TPixelArtInk kOutline{'K', 0x1C1C1C};
constexpr TPixelArtInk kBezelLight{'W', 0xF4F4F4};
constexpr TPixelArtInk kBezel{'L', 0xC8C8C8};
constexpr TPixelArtInk kBezelShadow{'G', 0x8C8C8C};
constexpr TPixelArtInk kCable{'N', 0x3C6E9A};
constexpr TPixelArtInk kPlug{'P', 0x6E6E6E};

struct ScreenInks {
  uint32_t face, glint, shade;
};
constexpr ScreenInks kScreenOff{0x4A4A4A, 0x7A7A7A, 0x343434};
constexpr ScreenInks kScreenOn{0x1F5FD0, 0x78B4FF, 0x1444A0};

// 'A'/'a'/'z' paint the rear screen, 'B'/'b'/'y' the front one (face, glint, shade).
const std::vector<const char*> kMonitorRows = {
    "KKKKKKKKKK......",  //
    "KWWWWWWWWK......",  //
    "KWaAAAAAGK......",  //
    "KWAAAAAzGK......",  //
    "KWAAAAzzGK......",  //
    "KWAAAAKKKKKKKKKK",  //
    "KGGGGGKWWWWWWWWK",  //
    "KKKKKKKWbBBBBBGK",  //
    ".KLGK.KWBBBBBBGK",  //
    "KLLLGKKWBBBBByGK",  //
    "KKKKKKKWBBBByyGK",  //
    "..N...KGGGGGGGGK",  //
    "..N...KKKKKKKKKK",  //
    "..N......KLGK...",  //
    "..N.....KLLLGK..",  //
    "..NNNNNPKKKKKK..",  //
};

const std::vector<const char*> kErrorRows = {
    "................",  //
    ".....kkkkkk.....",  //
    ".....kcccck.....",  //
    ".ooookcccckoooo.",  //
    ".opppkkkkkkpppo.",  //
    ".oppkWWWWWwkppo.",  //
    ".opkWWWWWWWwkpo.",  //
    ".opkWWWRRWWwkpo.",  //
    ".opkWWWRRWWwkpo.",  //
    ".opkWRRRRRRwkpo.",  //
    ".opkWRRRRRRwkpo.",  //
    ".opkWWWRRWWwkpo.",  //
    ".opkWWWRRWWwkpo.",  //
    ".opkwwwwwwwwkpo.",  //
    ".oookkkkkkkkooo.",  //
    "................",  //
};

}  // namespace

TStoredImage DrawMonitorsImage(TMonitorScreens screens) {
  const ScreenInks rear = screens == TMonitorScreens::msBothOn ? kScreenOn : kScreenOff;
  const ScreenInks front = screens == TMonitorScreens::msBothOff ? kScreenOff : kScreenOn;
  return PaintPixelArt(kMonitorRows, {kOutline,
                                      kBezelLight,
                                      kBezel,
                                      kBezelShadow,
                                      kCable,
                                      kPlug,
                                      {'A', rear.face},
                                      {'a', rear.glint},
                                      {'z', rear.shade},
                                      {'B', front.face},
                                      {'b', front.glint},
                                      {'y', front.shade}});
}

TStoredImage DrawErrorImage() {
  return PaintPixelArt(kErrorRows, {{'o', 0x6F94C8},
                                    {'p', 0xCFE2F8},
                                    {'k', 0x5A5A5A},
                                    {'c', 0xA8A8A8},
                                    {'W', 0xFFFFFF},
                                    {'w', 0xD2D2D2},
                                    {'R', 0xE02020}});
}

TStoredImageList StateImageList() {
  TStoredImageList list;
  list.width = kStateImageSize;
  list.height = kStateImageSize;
  list.capacity = kStateImageCapacity;
  list.growth = 4;
  list.backgroundColor = kImageListNoColor;
  list.flags = kStateImageFlags;
  list.overlays = {-1, -1, -1, -1};
  list.images = {DrawMonitorsImage(TMonitorScreens::msBothOff),
                 DrawMonitorsImage(TMonitorScreens::msFrontOn),
                 DrawMonitorsImage(TMonitorScreens::msBothOn), DrawErrorImage()};
  return list;
}

std::vector<uint8_t> StateImageListData() {
  TMemoryStream stream;
  WriteImageListStream(stream, StateImageList(), 32);
  std::vector<uint8_t> data = stream.TakeBytes();
  data.resize(kStateImageDataSize, 0);
  return data;
}

TBgraBitmap StateImagesPreview(const std::vector<TStoredImage>& images, int size, int scale) {
  constexpr uint32_t kBackgrounds[2] = {0xFFF0F0F0, 0xFF202838};
  const int cell = size + 2;
  TBgraBitmap preview;
  preview.width = static_cast<int>(images.size()) * cell * scale;
  preview.height = 2 * cell * scale;
  preview.pixels.resize(static_cast<size_t>(preview.width) * preview.height);
  for (int y = 0; y < preview.height; ++y) {
    for (int x = 0; x < preview.width; ++x) {
      const int row = y / (cell * scale), column = x / (cell * scale);
      const int cx = (x / scale) % cell - 1, cy = (y / scale) % cell - 1;
      uint32_t colour = kBackgrounds[row];
      if (cx >= 0 && cy >= 0 && cx < size && cy < size) {
        const TStoredImage& image = images[static_cast<size_t>(column)];
        const size_t at = static_cast<size_t>(cy) * size + cx;
        if (!image.mask[at]) colour = image.pixels[at] | 0xFF000000u;
      }
      preview.At(x, y) = colour;
    }
  }
  return preview;
}
