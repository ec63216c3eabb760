// Build-time generator of the banner picture: dv_banner_gen <out.gif> <out.picdata>.
#include <cstdio>
#include <fstream>
#include <vector>

#include "framework/core/SysUtils.h"
#include "tools/banner/BannerArt.h"
#include "tools/banner/BannerGif.h"

namespace {

bool WriteFile(const char* path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: dv_banner_gen <out.gif> <out.picdata>\n");
    return 2;
  }
  try {
    const std::vector<uint8_t> gif = BuildBannerGif(DrawBanner());
    if (!WriteFile(argv[1], gif) || !WriteFile(argv[2], BuildPictureData(gif))) {
      std::fprintf(stderr, "dv_banner_gen: cannot write the output files\n");
      return 1;
    }
  } catch (const Exception& failure) {
    std::fprintf(stderr, "dv_banner_gen: %s\n", failure.Message().c_str());
    return 1;
  }
  return 0;
}
