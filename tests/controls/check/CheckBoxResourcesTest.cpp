// The check box's built-in glyphs as the program's file holds them: three bitmap resources of 208
// bytes, 13 × 13 at 4 bits per pixel in the standard 16 colours, with the pixels written out in
// BuiltInGlyphArt.h. Read with the platform's resource calls and decoded here by hand.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "tests/controls/check/BuiltInGlyphArt.h"

namespace {

struct ProgramFile {
  HMODULE module = LoadLibraryExA(DV_PROGRAM_PATH, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ~ProgramFile() {
    if (module != nullptr) FreeLibrary(module);
  }
};

// The colour of a pixel of a bottom-up 4-bit packed DIB, as 0x00BBGGRR.
uint32_t PixelOf(const uint8_t* dib, int x, int y) {
  const uint8_t* palette = dib + 40;
  const uint8_t* pixels = palette + 16 * 4;
  const int stride = 8;  // 13 pixels of 4 bits, padded to 4 bytes
  const uint8_t pair = pixels[(12 - y) * stride + x / 2];
  const int index = x % 2 == 0 ? pair >> 4 : pair & 0x0F;
  const uint8_t* entry = palette + index * 4;  // blue, green, red, unused
  return entry[2] | entry[1] << 8 | entry[0] << 16;
}

TEST(CheckBoxGlyphResources, ProgramHoldsTheThreeGlyphsWithTheirPixels) {
  const ProgramFile program;
  ASSERT_NE(program.module, nullptr) << DV_PROGRAM_PATH;
  const std::pair<const char*, const GlyphArt*> glyphs[] = {
      {"DVCOMMON_CHECKBOX_UNCHECKED", &kUncheckedGlyphArt},
      {"DVCOMMON_CHECKBOX_CHECKED", &kCheckedGlyphArt},
      {"DVCOMMON_CHECKBOX_GRAYED", &kGrayedGlyphArt},
  };
  for (const auto& [name, art] : glyphs) {
    SCOPED_TRACE(name);
    const HRSRC resource = FindResourceA(program.module, name, MAKEINTRESOURCEA(2));  // RT_BITMAP
    ASSERT_NE(resource, nullptr);
    ASSERT_EQ(SizeofResource(program.module, resource), 208u);
    const auto* dib =
        static_cast<const uint8_t*>(LockResource(LoadResource(program.module, resource)));
    ASSERT_NE(dib, nullptr);
    BITMAPINFOHEADER header;
    std::memcpy(&header, dib, sizeof header);
    EXPECT_EQ(header.biSize, 40u);
    EXPECT_EQ(header.biWidth, 13);
    EXPECT_EQ(header.biHeight, 13);
    EXPECT_EQ(header.biPlanes, 1);
    EXPECT_EQ(header.biBitCount, 4);
    EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
    for (int y = 0; y < 13; ++y)
      for (int x = 0; x < 13; ++x)
        ASSERT_EQ(PixelOf(dib, x, y), GlyphArtColor((*art)[y][x])) << "at " << x << "," << y;
  }
}

}  // namespace
