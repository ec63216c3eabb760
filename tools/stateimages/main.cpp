// dv_stateimages_gen <out.il> [<preview.bmp>]: writes the stored data of the state image list and,
// when asked, a preview of the four images (enlarged 8 times) over a light and a dark background.
#include <cstdio>
#include <string>

#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "tools/common/ToolFiles.h"
#include "tools/stateimages/StateImageArt.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: dv_stateimages_gen <out.il> [<preview.bmp>]\n");
    return 2;
  }
  try {
    WriteFileBytes(argv[1], StateImageListData());
    if (argc == 3) {
      TMemoryStream preview;
      WriteBitmapFile(preview, StateImagesPreview(StateImageList().images, kStateImageSize, 8), 24,
                      {}, TBitmapSizeField::bsWholeFile);
      WriteFileBytes(argv[2], preview.Bytes());
    }
  } catch (const Exception& error) {
    std::fprintf(stderr, "dv_stateimages_gen: %s\n", error.what());
    return 1;
  }
  return 0;
}
