// Reads arbitrary bytes as a GIF file and decodes the first frames both ways: to a bitmap and to
// index rows, which must agree pixel for pixel and on the fault found.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "imaging/gif/GIFFramePixels.h"
#include "imaging/gif/GIFImageBase.h"
#include "imaging/gif/GIFMemoryBitmap.h"
#include "tests/fuzz/gif/GifFuzzSupport.h"

namespace {

// Decodes frame i to index rows with a fresh frame state, then to a bitmap, and compares.
void DecodeBothWays(TGIFImageBase& image, int i, TGIFFramePixels& pixels) {
  TDvGIFFrame& frame = image.Frame(i);
  const bool readCorrupt = frame.corrupt;
  const TGIFCorruptKind rowsKind = frame.DecodePixels(pixels);
  const auto* bitmap = dynamic_cast<const TGIFMemoryBitmap*>(&frame.Bitmap());
  if (!bitmap || bitmap->Width() != pixels.Width() || bitmap->Height() != pixels.Height()) {
    std::fprintf(stderr, "broken: bitmap and index rows differ in size\n");
    std::abort();
  }
  if (frame.corrupt != (readCorrupt || rowsKind != TGIFCorruptKind::ckNone)) {
    std::fprintf(stderr, "broken: corrupt flag\n");
    std::abort();
  }
  // Pixel by pixel only on pictures of up to 64K pixels: larger ones only cost time per run.
  if (uint64_t{pixels.Width()} * pixels.Height() > (1u << 16)) return;
  for (uint32_t y = 0; y < pixels.Height(); ++y) {
    const uint8_t* row = pixels.Row(y);
    for (uint32_t x = 0; x < pixels.Width(); ++x)
      if (row[x] != bitmap->IndexAt(x, y)) {
        std::fprintf(stderr, "broken: bitmap and index rows differ at %u, %u\n", x, y);
        std::abort();
      }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ChooseTolerance(data, size);
  TGIFImageBase image;
  try {
    image.LoadFromBytes(data, size, false);
    TGIFFramePixels pixels;
    for (int i = 0; i < image.FrameCount() && i < 4; ++i)
      if (IsSmallFrame(image.Frame(i))) DecodeBothWays(image, i, pixels);
  } catch (const Exception& failure) {
    CheckDefinedMessage(failure);
  }
  return 0;
}
