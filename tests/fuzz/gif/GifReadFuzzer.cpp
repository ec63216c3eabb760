// Reads arbitrary bytes as a GIF file and decodes frame 0 (and the next frames).
#include <cstddef>
#include <cstdint>

#include "imaging/gif/GIFImageBase.h"
#include "tests/fuzz/gif/GifFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ChooseTolerance(data, size);
  TGIFImageBase image;
  try {
    image.LoadFromBytes(data, size, false);
    for (int i = 0; i < image.FrameCount() && i < 4; ++i)
      if (IsSmallFrame(image.Frame(i))) image.Frame(i).Bitmap();
  } catch (const Exception& failure) {
    CheckDefinedMessage(failure);
  }
  return 0;
}
