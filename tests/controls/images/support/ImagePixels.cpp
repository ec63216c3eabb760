#include "tests/controls/images/support/ImagePixels.h"

#include <string>

#include "framework/win/controls/WinControl.h"
#include "framework/win/graphics/Font.h"
#include "framework/win/imagelists/ImageList.h"

std::vector<TColor> DrawnImage(TCustomImageList& list, int index, TColor background) {
  PixelSurface surface(list.Width(), list.Height(), background);
  ImageList_Draw(list.Handle(), index, surface.Dc(), 0, 0, ILD_NORMAL);
  std::vector<TColor> pixels;
  for (int y = 0; y < list.Height(); ++y)
    for (int x = 0; x < list.Width(); ++x)
      pixels.push_back(surface.At(x, y));
  return pixels;
}

::testing::AssertionResult ListShows(TCustomImageList& list, const TStoredImagesView& expected) {
  if (list.Count() != static_cast<int>(expected.images.size()))
    return ::testing::AssertionFailure()
           << "count " << list.Count() << " instead of " << expected.images.size();
  if (list.Width() != expected.width || list.Height() != expected.height)
    return ::testing::AssertionFailure() << "size " << list.Width() << " x " << list.Height();
  for (TColor background : {RGBColor(0x12, 0x34, 0x56), RGBColor(0xFE, 0xDC, 0xBA)}) {
    for (size_t i = 0; i < expected.images.size(); ++i) {
      const std::vector<TColor> drawn = DrawnImage(list, static_cast<int>(i), background);
      const TExpectedImage& image = expected.images[i];
      for (size_t p = 0; p < drawn.size(); ++p) {
        const TColor wanted = image.transparent[p] ? background : image.colors[p];
        if (drawn[p] != wanted)
          return ::testing::AssertionFailure()
                 << "image " << i << " pixel (" << p % list.Width() << ", " << p / list.Width()
                 << "): " << std::hex << drawn[p] << " instead of " << wanted;
      }
    }
  }
  return ::testing::AssertionSuccess();
}
