// Reads arbitrary bytes as a GIF file, writes what was read and reads it back; re-encodes the
// decoded frame 0 and checks that it decodes to the same pixels, and that encoding its indices
// and palette directly gives the writer's bytes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "imaging/gif/GIFImageBase.h"
#include "imaging/gif/GIFIndexedEncoder.h"
#include "imaging/gif/GIFMemoryBitmap.h"
#include "tests/fuzz/gif/GifFuzzSupport.h"

namespace {

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

void RoundTripFrameZero(TGIFImageBase& image) {
  const auto* picture = dynamic_cast<const TGIFMemoryBitmap*>(&image.Frame(0).Bitmap());
  if (!picture || picture->Empty() || picture->PixelBits() > 8) return;
  TGIFImageBase copy;
  copy.AssignGraphic(*picture);
  const std::vector<uint8_t> file = copy.BuildFile();
  TGIFImageBase reread;
  reread.LoadFromBytes(file.data(), file.size(), true);
  const auto* back = dynamic_cast<const TGIFMemoryBitmap*>(&reread.Frame(0).Bitmap());
  Require(back && back->Width() == picture->Width() && back->Height() == picture->Height(),
          "size after re-encoding");
  for (uint32_t y = 0; y < picture->Height(); ++y)
    for (uint32_t x = 0; x < picture->Width(); ++x)
      Require(back->IndexAt(x, y) == picture->IndexAt(x, y), "pixel after re-encoding");

  // The same indices and palette, encoded without a bitmap. The writer names the first entry of
  // the transparent colour; a frame from a bitmap has none, so the bytes must be the same.
  std::vector<uint8_t> indices;
  for (uint32_t y = 0; y < picture->Height(); ++y)
    for (uint32_t x = 0; x < picture->Width(); ++x)
      indices.push_back(static_cast<uint8_t>(picture->IndexAt(x, y)));
  TGIFIndexedFrame frame;
  frame.indices = indices.data();
  frame.width = picture->Width();
  frame.height = picture->Height();
  frame.palette = picture->Palette();
  Require(EncodeGIFFile(frame) == file, "direct encoding differs from the writer's");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ChooseTolerance(data, size);
  TGIFImageBase image;
  try {
    image.LoadFromBytes(data, size, false);
  } catch (const Exception& failure) {
    CheckDefinedMessage(failure);
  }
  if (image.FrameCount() == 0) return 0;
  try {
    const std::vector<uint8_t> written = image.BuildFile();
    TGIFImageBase reread;
    reread.LoadFromBytes(written.data(), written.size(), false);
    Require(reread.FrameCount() == image.FrameCount(), "frame count after writing");
    for (int i = 0; i < image.FrameCount(); ++i)
      Require(reread.Frame(i).Item().encoded == image.Frame(i).Item().encoded,
              "stored data after writing");
    // The pixel-by-pixel comparison runs on pictures of up to 64K pixels.
    const TGIFItem& first = image.Frame(0).Item();
    if (int64_t{first.width} * first.height <= (int64_t{1} << 16)) RoundTripFrameZero(image);
  } catch (const Exception& failure) {
    CheckDefinedMessage(failure);
  }
  return 0;
}
