// Fuzz target: stored image-list data. Any input either reads or fails with the read message;
// what was read writes and reads back to the same images.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "controls/images/ImageListStream.h"
#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"

namespace {

void RoundTrip(const TStoredImageList& list) {
  uint64_t pixels = 0;
  for (const TStoredImage& image : list.images)
    pixels += image.pixels.size();
  if (pixels > (1u << 20)) return;  // keep the run fast; large lists take the same paths
  TMemoryStream out;
  try {
    WriteImageListStream(out, list);
  } catch (const EInvalidOperation& error) {
    if (error.Message() != kInvalidImageListMessage) std::abort();
    return;
  }
  out.SetPosition(0);
  const TStoredImageList again = ReadImageListStream(out);
  if (again.images.size() != list.images.size()) std::abort();
  for (size_t i = 0; i < list.images.size(); ++i) {
    if (again.images[i].pixels != list.images[i].pixels) std::abort();
    if (again.images[i].mask != list.images[i].mask) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TReadOnlyMemoryStream stream(data, static_cast<int64_t>(size));
  try {
    const TStoredImageList list = ReadImageListStream(stream);
    if (stream.Position() > static_cast<int64_t>(size)) std::abort();
    RoundTrip(list);
  } catch (const EReadError& error) {
    if (error.Message() != std::string(kImageListReadFailedMessage)) std::abort();
  }
  return 0;
}
