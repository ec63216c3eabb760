// The generator of the check box's glyphs: 4-bit pictures in the standard 16 colours, 208 bytes
// as resources, with the pixels written out in BuiltInGlyphArt.h.
#include <gtest/gtest.h>

#include "framework/core/BitmapFile.h"
#include "framework/core/Streams.h"
#include "tests/controls/check/BuiltInGlyphArt.h"
#include "tools/checkglyphs/CheckGlyphArt.h"

namespace {

struct GlyphCase {
  TCheckGlyph glyph;
  const char* name;
  const GlyphArt& art;
};

const GlyphCase kCases[] = {
    {TCheckGlyph::Unchecked, "unchecked", kUncheckedGlyphArt},
    {TCheckGlyph::Checked, "checked", kCheckedGlyphArt},
    {TCheckGlyph::Grayed, "grayed", kGrayedGlyphArt},
};

TEST(CheckGlyphArt, EachGlyphIsA208BytePackedDibWithItsPixels) {
  for (const GlyphCase& c : kCases) {
    SCOPED_TRACE(c.name);
    TMemoryStream file;
    WriteDibFile(CheckGlyphImage(c.glyph), file);
    // A bitmap file is its 14-byte file header and then the resource's packed DIB.
    ASSERT_EQ(file.Size(), 14 + 208);
    const uint8_t* packed = file.Bytes().data() + 14;
    const TDibImage read = ReadPackedDib(packed, 208);
    EXPECT_EQ(read.width, 13);
    EXPECT_EQ(read.height, 13);
    EXPECT_EQ(read.bitCount, 4);
    EXPECT_EQ(read.bits.size(), 104u);
    ASSERT_EQ(read.palette.size(), 16u);
    // The standard 16 colours: gray at 8, red at 9, blue at 12, fuchsia at 13, white at 15.
    EXPECT_EQ(read.palette[8], (TDibColor{128, 128, 128, 0}));
    EXPECT_EQ(read.palette[9], (TDibColor{0, 0, 255, 0}));
    EXPECT_EQ(read.palette[12], (TDibColor{255, 0, 0, 0}));
    EXPECT_EQ(read.palette[13], (TDibColor{255, 0, 255, 0}));
    EXPECT_EQ(read.palette[15], (TDibColor{255, 255, 255, 0}));
    for (int y = 0; y < 13; ++y)
      for (int x = 0; x < 13; ++x)
        ASSERT_EQ(DibPixelRgb(read, x, y), GlyphArtColor(c.art[y][x])) << "at " << x << "," << y;
  }
}

}  // namespace
