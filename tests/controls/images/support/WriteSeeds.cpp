// imagelist_seed_writer <dir>: writes the fuzz seeds for the stored image-list reader: the state
// image data and small streams of every layout, depth and flag variant.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "ImageListSamples.h"
#include "tools/stateimages/StateImageArt.h"

namespace {

bool Save(const std::string& dir, const std::string& name, const std::vector<uint8_t>& bytes) {
  std::ofstream out(dir + "/" + name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

std::vector<uint8_t> PalettedStream(int bits) {
  std::vector<uint32_t> palette;
  for (uint32_t i = 0; i < (1u << bits); ++i)
    palette.push_back(i * 0x010305u);
  std::vector<uint8_t> bytes = HeaderBytes(3, 4, 4, 4, static_cast<uint16_t>(bits | 1));
  Append(bytes,
         BitmapFileBytes(
             MakeBitmap(16, 4, [&](int x, int y) { return palette[(x + 4 * y) % palette.size()]; }),
             bits, palette));
  Append(bytes, BitmapFileBytes(MakeBitmap(16, 4, [](int x, int) { return x % 3 ? 0u : ~0u; }), 1,
                                {0x000000, 0xFFFFFF}));
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: imagelist_seed_writer <dir>\n");
    return 2;
  }
  const std::string dir = argv[1];
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  TStoredImageList unmasked = SampleList(4, 4, 2);
  unmasked.flags = kImageListColor32;
  TStoredImageList maskOnly = SampleList(4, 4, 3);
  maskOnly.flags = 0x1001;
  bool ok = Save(dir, "stateimages.il", StateImageListData()) &&
            Save(dir, "current32.il", WriteCurrent(SampleList(4, 4, 5, 6))) &&
            Save(dir, "current24.il", WriteCurrent(SampleList(3, 5, 2), 24)) &&
            Save(dir, "unmasked.il", WriteCurrent(unmasked)) &&
            Save(dir, "maskonly.il", WriteCurrent(maskOnly)) &&
            Save(dir, "older.il", WriteOlder(SampleList(16, 16, 2))) &&
            Save(dir, "empty.il", WriteCurrent(SampleList(16, 16, 0)));
  for (int bits : {1, 4, 8}) {
    ok = ok && Save(dir, "paletted" + std::to_string(bits) + ".il", PalettedStream(bits));
  }
  if (!ok) {
    std::fprintf(stderr, "imagelist_seed_writer: cannot write into %s\n", dir.c_str());
    return 1;
  }
  return 0;
}
