#include "tests/controls/images/support/StoredImages.h"

#include "controls/images/ImageListStream.h"
#include "framework/core/Streams.h"
#include "tests/controls/images/support/ImageListSamples.h"

namespace {

TStoredImagesView ViewOf(const TStoredImageList& list) {
  TStoredImagesView view;
  view.width = list.width;
  view.height = list.height;
  view.flags = list.flags;
  view.bitsPerPixel = list.storedBitsPerPixel;
  view.olderLayout = list.layout == TImageListLayout::ilOlder;
  for (const TStoredImage& image : list.images) {
    TExpectedImage expected;
    for (size_t i = 0; i < image.pixels.size(); ++i) {
      const uint32_t pixel = image.pixels[i];
      expected.colors.push_back(RGBColor(static_cast<uint8_t>(pixel >> 16),
                                         static_cast<uint8_t>(pixel >> 8),
                                         static_cast<uint8_t>(pixel)));
      expected.transparent.push_back(image.mask[i] != 0);
    }
    view.images.push_back(std::move(expected));
  }
  return view;
}

}  // namespace

TStoredImagesView ReadStoredImages(const std::vector<uint8_t>& bytes, int cellWidth,
                                   int cellHeight) {
  TReadOnlyMemoryStream stream(bytes.data(), static_cast<int64_t>(bytes.size()));
  return ViewOf(ReadImageListStream(stream, cellWidth, cellHeight));
}

std::vector<uint8_t> SampleImageData(int count, uint16_t flags) {
  TStoredImageList list = SampleList(16, 16, count);
  list.flags = flags;
  return WriteCurrent(list);
}

std::vector<uint8_t> SampleOlderData(int count) {
  return WriteOlder(SampleList(16, 16, count));
}

TStoredImagesView SampleImages(int count) {
  return ViewOf(SampleList(16, 16, count));
}
