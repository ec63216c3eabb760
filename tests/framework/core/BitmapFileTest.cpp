#include <gtest/gtest.h>

#include "framework/core/BitmapFile.h"
#include "framework/core/SysUtils.h"

namespace {

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& b, uint32_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(Bytes& b, uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

// A bitmap file described field by field; Build() lays it out as the platform does.
struct BmpSpec {
  uint32_t headerSize = 40;
  int32_t width = 2;
  int32_t height = 2;
  uint16_t planes = 1;
  uint16_t bitCount = 24;
  uint32_t compression = 0;
  uint32_t colorsUsed = 0;
  std::vector<uint32_t> masks;    // after a 40-byte header, or inside a larger one
  std::vector<uint32_t> palette;  // 0x00RRGGBB, written as (b, g, r, 0) or (b, g, r)
  Bytes pixels;                   // rows as stored
  int32_t offBitsDelta = 0;       // added to the computed pixel offset
  bool fileHeader = true;

  Bytes Build() const {
    Bytes info;
    Put32(info, headerSize);
    if (headerSize == 12) {
      Put16(info, static_cast<uint32_t>(width));
      Put16(info, static_cast<uint32_t>(height));
      Put16(info, planes);
      Put16(info, bitCount);
    } else {
      Put32(info, static_cast<uint32_t>(width));
      Put32(info, static_cast<uint32_t>(height));
      Put16(info, planes);
      Put16(info, bitCount);
      Put32(info, compression);
      Put32(info, static_cast<uint32_t>(pixels.size()));
      Put32(info, 0);
      Put32(info, 0);
      Put32(info, colorsUsed);
      Put32(info, 0);
      if (headerSize > 40) {
        for (uint32_t mask : masks)
          Put32(info, mask);
        info.resize(headerSize, 0);
      } else {
        for (uint32_t mask : masks)
          Put32(info, mask);
      }
    }
    for (uint32_t rgb : palette) {
      info.push_back(static_cast<uint8_t>(rgb));
      info.push_back(static_cast<uint8_t>(rgb >> 8));
      info.push_back(static_cast<uint8_t>(rgb >> 16));
      if (headerSize != 12) info.push_back(0);
    }
    if (!fileHeader) {
      info.insert(info.end(), pixels.begin(), pixels.end());
      return info;
    }
    Bytes file = {'B', 'M'};
    const uint32_t offBits = static_cast<uint32_t>(14 + info.size()) + offBitsDelta;
    Put32(file, offBits + static_cast<uint32_t>(pixels.size()));
    Put32(file, 0);
    Put32(file, offBits);
    file.insert(file.end(), info.begin(), info.end());
    if (offBitsDelta > 0) file.resize(file.size() + offBitsDelta, 0xEE);
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
  }
};

TDibImage Read(const Bytes& bytes) {
  TMemoryStream stream(bytes);
  return ReadDibFile(stream);
}

void ExpectNotValid(const Bytes& bytes) {
  try {
    Read(bytes);
    FAIL() << "read a malformed bitmap";
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), "Bitmap image is not valid");
  }
}

// 0x00BBGGRR as DibPixelRgb answers.
constexpr uint32_t Rgb(uint8_t r, uint8_t g, uint8_t b) {
  return r | (g << 8) | (b << 16);
}

TEST(BitmapFileRead, PaletteDepthsBottomUp) {
  BmpSpec one;
  one.bitCount = 1;
  one.width = 3;
  one.palette = {0x112233, 0xAABBCC};
  one.pixels = {0b10100000, 0, 0, 0, 0b01000000, 0, 0, 0};  // bottom row first
  const TDibImage a = Read(one.Build());
  EXPECT_EQ(a.width, 3);
  EXPECT_EQ(a.bitCount, 1);
  ASSERT_EQ(a.palette.size(), 2u);
  EXPECT_EQ(DibPixelRgb(a, 1, 0), Rgb(0xAA, 0xBB, 0xCC));
  EXPECT_EQ(DibPixelRgb(a, 0, 0), Rgb(0x11, 0x22, 0x33));
  EXPECT_EQ(DibPixelRgb(a, 0, 1), Rgb(0xAA, 0xBB, 0xCC));
  EXPECT_EQ(DibPixelRgb(a, 2, 1), Rgb(0xAA, 0xBB, 0xCC));

  BmpSpec four;
  four.bitCount = 4;
  four.colorsUsed = 3;
  four.palette = {0x000000, 0xFF0000, 0x0000FF};
  four.pixels = {0x12, 0, 0, 0, 0x20, 0, 0, 0};
  const TDibImage b = Read(four.Build());
  EXPECT_EQ(b.palette.size(), 3u);
  EXPECT_EQ(DibPixelRgb(b, 0, 1), Rgb(255, 0, 0));
  EXPECT_EQ(DibPixelRgb(b, 1, 1), Rgb(0, 0, 255));
  EXPECT_EQ(DibPixelRgb(b, 0, 0), Rgb(0, 0, 255));
}

TEST(BitmapFileRead, TopDownRowsAreStoredBottomUp) {
  BmpSpec spec;
  spec.bitCount = 8;
  spec.width = 1;
  spec.height = -3;
  spec.colorsUsed = 3;
  spec.palette = {0x010101, 0x020202, 0x030303};
  spec.pixels = {0, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0};  // top row first
  const TDibImage image = Read(spec.Build());
  EXPECT_EQ(image.height, 3);
  EXPECT_EQ(DibPixelRgb(image, 0, 0), Rgb(1, 1, 1));
  EXPECT_EQ(DibPixelRgb(image, 0, 2), Rgb(3, 3, 3));
  EXPECT_EQ(image.bits[0], 2);  // the last stored row is the picture's bottom row
}

TEST(BitmapFileRead, TrueColourAndBitFieldLayouts) {
  BmpSpec rgb24;
  rgb24.width = 1;
  rgb24.height = 1;
  rgb24.pixels = {0x10, 0x20, 0x30, 0};
  EXPECT_EQ(DibPixelRgb(Read(rgb24.Build()), 0, 0), Rgb(0x30, 0x20, 0x10));

  BmpSpec rgb555;
  rgb555.bitCount = 16;
  rgb555.width = 1;
  rgb555.height = 1;
  rgb555.pixels = {0x1F, 0x7C, 0, 0};  // red 31, green 0, blue 31
  const TDibImage fiveFiveFive = Read(rgb555.Build());
  EXPECT_EQ(fiveFiveFive.compression, kDibRgb);
  EXPECT_EQ(DibPixelRgb(fiveFiveFive, 0, 0), Rgb(255, 0, 255));

  BmpSpec rgb565 = rgb555;
  rgb565.compression = kDibBitfields;
  rgb565.masks = {0xF800, 0x07E0, 0x001F};
  rgb565.pixels = {0xE0, 0x07, 0, 0};  // green 63
  const TDibImage fiveSixFive = Read(rgb565.Build());
  EXPECT_EQ(fiveSixFive.compression, kDibBitfields);
  EXPECT_EQ(fiveSixFive.bitCount, 16);
  EXPECT_EQ(DibPixelRgb(fiveSixFive, 0, 0), Rgb(0, 255, 0));

  // Red in the low byte: converted to plain 32 bits.
  BmpSpec swapped;
  swapped.bitCount = 32;
  swapped.width = 1;
  swapped.height = 1;
  swapped.compression = kDibBitfields;
  swapped.masks = {0x0000FF, 0x00FF00, 0xFF0000};
  swapped.pixels = {0x11, 0x22, 0x33, 0x44};
  const TDibImage converted = Read(swapped.Build());
  EXPECT_EQ(converted.compression, kDibRgb);
  EXPECT_EQ(converted.bitCount, 32);
  EXPECT_EQ(DibPixelRgb(converted, 0, 0), Rgb(0x11, 0x22, 0x33));

  // A version 5 header carries its masks inside; 4-bit fields scale to 0..255.
  BmpSpec v5 = swapped;
  v5.headerSize = 124;
  v5.bitCount = 16;
  v5.masks = {0x0F00, 0x00F0, 0x000F};
  v5.pixels = {0xF0, 0x08, 0, 0};  // red 8, green 15, blue 0
  EXPECT_EQ(DibPixelRgb(Read(v5.Build()), 0, 0), Rgb(136, 255, 0));
}

TEST(BitmapFileRead, CoreHeaderWithThreeByteColours) {
  BmpSpec spec;
  spec.headerSize = 12;
  spec.bitCount = 1;
  spec.width = 1;
  spec.height = 1;
  spec.palette = {0x000000, 0x123456};
  spec.pixels = {0x80, 0, 0, 0};
  EXPECT_EQ(DibPixelRgb(Read(spec.Build()), 0, 0), Rgb(0x12, 0x34, 0x56));
}

TEST(BitmapFileRead, PixelOffsetDecidesWhereThePixelsStart) {
  BmpSpec gap;
  gap.width = 1;
  gap.height = 1;
  gap.offBitsDelta = 10;
  gap.pixels = {1, 2, 3, 0};
  EXPECT_EQ(DibPixelRgb(Read(gap.Build()), 0, 0), Rgb(3, 2, 1));

  // A table cut short by the offset keeps the entries that fit.
  BmpSpec shortTable;
  shortTable.bitCount = 8;
  shortTable.width = 1;
  shortTable.height = 1;
  shortTable.palette = {0xABCDEF, 0x111111};
  shortTable.pixels = {0, 0, 0, 0};
  const TDibImage image = Read(shortTable.Build());
  EXPECT_EQ(image.palette.size(), 2u);
  EXPECT_EQ(DibPixelRgb(image, 0, 0), Rgb(0xAB, 0xCD, 0xEF));
}

TEST(BitmapFileRead, MalformedFilesFailWithTheBitmapMessage) {
  BmpSpec good;
  good.pixels = Bytes(16, 0);
  ASSERT_NO_THROW(Read(good.Build()));

  Bytes noSignature = good.Build();
  noSignature[1] = 'X';
  ExpectNotValid(noSignature);
  for (size_t cut : {size_t{0}, size_t{13}, size_t{30}, good.Build().size() - 1}) {
    Bytes shortFile = good.Build();
    shortFile.resize(cut);
    ExpectNotValid(shortFile);
  }
  const auto with = [&](auto change) {
    BmpSpec spec = good;
    change(spec);
    return spec.Build();
  };
  ExpectNotValid(with([](BmpSpec& s) { s.headerSize = 41; }));
  ExpectNotValid(with([](BmpSpec& s) { s.width = 0; }));
  ExpectNotValid(with([](BmpSpec& s) { s.width = -2; }));
  ExpectNotValid(with([](BmpSpec& s) { s.height = 0; }));
  ExpectNotValid(with([](BmpSpec& s) { s.width = 40000; }));
  ExpectNotValid(with([](BmpSpec& s) { s.height = INT32_MIN; }));
  ExpectNotValid(with([](BmpSpec& s) { s.planes = 2; }));
  ExpectNotValid(with([](BmpSpec& s) { s.bitCount = 7; }));
  ExpectNotValid(with([](BmpSpec& s) { s.compression = 1; }));  // run-length
  ExpectNotValid(with([](BmpSpec& s) {
    s.compression = kDibBitfields;
    s.masks = {1, 2, 4};
  }));  // bit fields on 24 bits
  ExpectNotValid(with([](BmpSpec& s) {
    s.bitCount = 8;
    s.colorsUsed = 300;
  }));
  ExpectNotValid(with([](BmpSpec& s) { s.offBitsDelta = -20; }));  // pixels inside the header
  // 32767 × 32767 at 32 bits is beyond the pixel limit: refused before anything is allocated.
  ExpectNotValid(with([](BmpSpec& s) {
    s.width = 32767;
    s.height = 32767;
    s.bitCount = 32;
  }));
}

TEST(BitmapFileWrite, LaysOutHeaderPaletteAndPixels) {
  TDibImage image;
  image.width = 1;
  image.height = 1;
  image.bitCount = 8;
  image.palette = {TDibColor{1, 2, 3, 0}, TDibColor{4, 5, 6, 0}};
  image.bits = {1, 0, 0, 0};
  TMemoryStream stream;
  WriteDibFile(image, stream);
  const Bytes& file = stream.Bytes();
  ASSERT_EQ(file.size(), 14u + 40u + 8u + 4u);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[2], 66);   // file size
  EXPECT_EQ(file[10], 62);  // pixel offset
  EXPECT_EQ(file[14], 40);
  EXPECT_EQ(file[14 + 14], 8);  // bits per pixel
  EXPECT_EQ(file[14 + 20], 4);  // image size
  EXPECT_EQ(file[14 + 32], 2);  // colours used: a short table
  EXPECT_EQ(Bytes(file.begin() + 54, file.begin() + 62), (Bytes{1, 2, 3, 0, 4, 5, 6, 0}));
  EXPECT_EQ(DibPixelRgb(Read(file), 0, 0), Rgb(6, 5, 4));
}

TEST(BitmapFileWrite, EveryDepthRoundTrips) {
  for (const uint16_t bits : {1, 4, 8, 16, 24, 32}) {
    TDibImage image;
    image.width = 5;
    image.height = 3;
    image.bitCount = bits;
    if (bits == 16) {
      image.compression = kDibBitfields;
      image.redMask = 0xF800;
      image.greenMask = 0x07E0;
      image.blueMask = 0x001F;
    }
    if (bits <= 8)
      for (uint32_t i = 0; i < (1u << bits); ++i)
        image.palette.push_back(TDibColor{static_cast<uint8_t>(i), static_cast<uint8_t>(i * 3),
                                          static_cast<uint8_t>(255 - i), 0});
    image.bits.resize(image.Stride() * 3);
    for (size_t i = 0; i < image.bits.size(); ++i)
      image.bits[i] = static_cast<uint8_t>(i * 37 + 11);
    TMemoryStream stream;
    WriteDibFile(image, stream);
    stream.SetPosition(0);
    const TDibImage back = ReadDibFile(stream);
    EXPECT_EQ(back.bitCount, bits);
    EXPECT_EQ(back.compression, image.compression);
    EXPECT_EQ(back.palette, image.palette) << bits;
    EXPECT_EQ(back.bits, image.bits) << bits;
    EXPECT_EQ(stream.Position(), stream.Size());
  }
}

TEST(PackedDib, ResourceFormHasNoFileHeader) {
  BmpSpec spec;
  spec.fileHeader = false;
  spec.bitCount = 4;
  spec.width = 1;
  spec.height = 1;
  spec.palette.assign(16, 0);
  spec.palette[9] = 0xFF0000;
  spec.pixels = {0x90, 0, 0, 0};
  const Bytes packed = spec.Build();
  const TDibImage image = ReadPackedDib(packed.data(), packed.size());
  EXPECT_EQ(DibPixelRgb(image, 0, 0), Rgb(255, 0, 0));
  EXPECT_THROW(ReadPackedDib(packed.data(), packed.size() - 1), EInvalidGraphic);
}

TEST(MapDibColors, ReplacesPaletteEntriesOrPixelsWithoutChaining) {
  TDibImage palette;
  palette.width = 1;
  palette.height = 1;
  palette.bitCount = 4;
  palette.palette = {TDibColor{0, 0, 0, 0}, TDibColor{128, 128, 128, 0}, TDibColor{1, 2, 3, 0}};
  palette.bits = {0, 0, 0, 0};
  MapDibColors(palette, {{Rgb(0, 0, 0), Rgb(128, 128, 128)}, {Rgb(128, 128, 128), Rgb(9, 9, 9)}});
  EXPECT_EQ(palette.palette[0], (TDibColor{128, 128, 128, 0}));
  EXPECT_EQ(palette.palette[1], (TDibColor{9, 9, 9, 0}));
  EXPECT_EQ(palette.palette[2], (TDibColor{1, 2, 3, 0}));

  TDibImage deep;
  deep.width = 2;
  deep.height = 1;
  deep.bitCount = 16;
  deep.bits = {0x00, 0x7C, 0xFF, 0x7F, 0, 0, 0, 0};  // red, white
  MapDibColors(deep, {{Rgb(255, 255, 255), Rgb(1, 2, 3)}});
  EXPECT_EQ(deep.bitCount, 32);
  EXPECT_EQ(DibPixelRgb(deep, 0, 0), Rgb(255, 0, 0));
  EXPECT_EQ(DibPixelRgb(deep, 1, 0), Rgb(1, 2, 3));
}

}  // namespace
