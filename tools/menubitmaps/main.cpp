// dv_menubitmaps_gen <folder>: writes the styled menu's bitmap resources as bitmap files:
// DVCHECKITEM.bmp, DVRADIOITEM.bmp, DVSUBMENUITEM.bmp (one bit a pixel) and MENUTEXTURE.bmp
// (96 x 96, 256 colours).
#include <cstdio>
#include <fstream>
#include <string>

#include "controls/menu/core/MenuGlyphArt.h"
#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "tools/menubitmaps/MenuTextureArt.h"

namespace {

void WriteBitmap(const std::string& path, const TDibImage& image) {
  TMemoryStream stream;
  WriteDibFile(image, stream);
  const std::vector<uint8_t>& bytes = stream.Bytes();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw Exception("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: dv_menubitmaps_gen <folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  try {
    WriteBitmap(folder + "/DVCHECKITEM.bmp", CheckGlyphImage());
    WriteBitmap(folder + "/DVRADIOITEM.bmp", RadioGlyphImage());
    WriteBitmap(folder + "/DVSUBMENUITEM.bmp", SubMenuGlyphImage());
    WriteBitmap(folder + "/MENUTEXTURE.bmp", MenuTextureImage());
  } catch (const Exception& error) {
    std::fprintf(stderr, "dv_menubitmaps_gen: %s\n", error.what());
    return 1;
  }
  return 0;
}
