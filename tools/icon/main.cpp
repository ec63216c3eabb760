// dv_icon_gen <out.ico> [<preview.png-or-bmp>]: writes the application icon (16, 32 and 48
// pixels, each at 256 colours and at 32 bits with alpha) and, when asked, a sheet showing all six
// images enlarged 4 times over a checkerboard.
#include <cstdio>
#include <string>

#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "tools/common/ToolFiles.h"
#include "tools/icon/IconArt.h"
#include "tools/icon/IconFile.h"
#include "tools/icon/IconPreview.h"
#include "tools/icon/PngFile.h"

namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: dv_icon_gen <out.ico> [<preview.png-or-bmp>]\n");
    return 2;
  }
  try {
    const std::vector<TIconImage> images = MainIconImages();
    WriteFileBytes(argv[1], BuildIconFile(images));
    if (argc == 3) {
      const std::string path = argv[2];
      const TBgraBitmap sheet = IconPreviewSheet(images, 4);
      if (EndsWith(path, ".png")) {
        WriteFileBytes(path, BuildPngFile(sheet));
      } else {
        TMemoryStream bitmap;
        WriteBitmapFile(bitmap, sheet, 24, {}, TBitmapSizeField::bsWholeFile);
        WriteFileBytes(path, bitmap.Bytes());
      }
    }
  } catch (const Exception& error) {
    std::fprintf(stderr, "dv_icon_gen: %s\n", error.what());
    return 1;
  }
  return 0;
}
