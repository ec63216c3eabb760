// dv_checkglyphs_gen <unchecked.bmp> <checked.bmp> <grayed.bmp>: writes the check box's three
// built-in glyphs as bitmap files for the resource script.
#include <cstdio>

#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "tools/checkglyphs/CheckGlyphArt.h"
#include "tools/common/ToolFiles.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: dv_checkglyphs_gen <unchecked.bmp> <checked.bmp> <grayed.bmp>\n");
    return 2;
  }
  try {
    const TCheckGlyph glyphs[] = {TCheckGlyph::Unchecked, TCheckGlyph::Checked,
                                  TCheckGlyph::Grayed};
    for (int i = 0; i < 3; ++i) {
      TMemoryStream file;
      WriteDibFile(CheckGlyphImage(glyphs[i]), file);
      WriteFileBytes(argv[i + 1], file.Bytes());
    }
  } catch (const Exception& error) {
    std::fprintf(stderr, "dv_checkglyphs_gen: %s\n", error.what());
    return 1;
  }
  return 0;
}
