// Fuzz target: stored image-list data. Any input either reads or fails with the read message;
// what was read writes and reads back to the same images.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "controls/images/ImageListStream.h"
#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"

namespace {

// The pixels the writer lays out: rows of 4 cells for every capacity slot, at least one.
uint64_t WrittenPixels(const TStoredImageList& list) {
  const uint64_t cells = std::max<uint64_t>(
      {static_cast<uint64_t>(std::max(list.capacity, 0)), list.images.size(), 1});
  const uint64_t rows = (cells + kImageListCellsPerRow - 1) / kImageListCellsPerRow;
  return rows * kImageListCellsPerRow * static_cast<uint64_t>(list.width) *
         static_cast<uint64_t>(list.height);
}

void RoundTrip(const TStoredImageList& list) {
  // Keep the run fast: an empty list of tall cells still writes a row of them. Large lists take
  // the same paths.
  if (WrittenPixels(list) > (1u << 16)) return;
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
