#include <gtest/gtest.h>

#include "framework/core/IconFile.h"
#include "framework/core/SysUtils.h"

namespace {

using Bytes = std::vector<uint8_t>;

void Put32(Bytes& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i)
    b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// A bitmap icon image of size × size at the given depth (colour rows, then mask rows).
Bytes BitmapImage(int size, uint16_t bits) {
  const size_t colours = bits <= 8 ? (size_t{1} << bits) : 0;
  const size_t colourStride = ((static_cast<size_t>(size) * bits + 31) / 32) * 4;
  const size_t maskStride = ((static_cast<size_t>(size) + 31) / 32) * 4;
  Bytes image(40 + colours * 4 + (colourStride + maskStride) * static_cast<size_t>(size), 0x5A);
  std::fill(image.begin(), image.begin() + 40, 0);
  Put32(image, 0, 40);
  Put32(image, 4, static_cast<uint32_t>(size));
  Put32(image, 8, static_cast<uint32_t>(size * 2));
  image[12] = 1;
  image[14] = static_cast<uint8_t>(bits);
  return image;
}

Bytes FileOf(const std::vector<Bytes>& images, const std::vector<int>& sizes) {
  TIconFile file;
  for (size_t i = 0; i < images.size(); ++i) {
    TIconImage image;
    image.width = image.height = static_cast<uint8_t>(sizes[i] == 256 ? 0 : sizes[i]);
    image.planes = 1;
    image.bitCount = images[i].size() > 14 ? images[i][14] : 32;
    image.data = images[i];
    file.images.push_back(image);
  }
  TMemoryStream stream;
  WriteIconFile(file, stream);
  return stream.TakeBytes();
}

void ExpectNotValid(const Bytes& bytes) {
  try {
    ParseIconFile(bytes.data(), bytes.size());
    FAIL() << "parsed a malformed icon file";
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), "Icon image is not valid");
  }
}

TEST(IconFile, DirectoryAndImagesRoundTrip) {
  const Bytes file = FileOf({BitmapImage(16, 4), BitmapImage(32, 32)}, {16, 32});
  // Directory: 6 bytes, then 16 per image; the first image follows at 38.
  EXPECT_EQ(file[2], 1);
  EXPECT_EQ(file[4], 2);
  EXPECT_EQ(file[6], 16);
  EXPECT_EQ(file[6 + 12], 38);
  const TIconFile parsed = ParseIconFile(file.data(), file.size());
  ASSERT_EQ(parsed.images.size(), 2u);
  EXPECT_EQ(parsed.images[1].PixelWidth(), 32);
  EXPECT_EQ(parsed.images[0].data, BitmapImage(16, 4));
  TMemoryStream again;
  WriteIconFile(parsed, again);
  EXPECT_EQ(again.Bytes(), file);
}

TEST(IconFile, ChoosesTheClosestSizeThenTheMostColours) {
  const Bytes file =
      FileOf({BitmapImage(16, 32), BitmapImage(32, 4), BitmapImage(32, 8), BitmapImage(48, 32)},
             {16, 32, 32, 48});
  const TIconFile parsed = ParseIconFile(file.data(), file.size());
  EXPECT_EQ(ChooseIconImage(parsed, 32), 2);
  EXPECT_EQ(ChooseIconImage(parsed, 16), 0);
  EXPECT_EQ(ChooseIconImage(parsed, 40), 3);  // larger before smaller
  EXPECT_EQ(ChooseIconImage(parsed, 64), 3);
  EXPECT_EQ(ChooseIconImage(TIconFile{}, 32), -1);
}

TEST(IconFile, PngImagesAreKeptAsTheyAre) {
  Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 1, 2, 3};
  const Bytes file = FileOf({png}, {256});
  const TIconFile parsed = ParseIconFile(file.data(), file.size());
  EXPECT_TRUE(parsed.images[0].IsPng());
  EXPECT_EQ(parsed.images[0].PixelWidth(), 256);
}

TEST(IconFile, MalformedFilesFailWithTheIconMessage) {
  const Bytes good = FileOf({BitmapImage(16, 8)}, {16});
  ASSERT_NO_THROW(ParseIconFile(good.data(), good.size()));
  const auto with = [&](size_t at, uint8_t value) {
    Bytes bad = good;
    bad[at] = value;
    return bad;
  };
  ExpectNotValid(Bytes{0, 0, 1});
  ExpectNotValid(with(0, 1));             // reserved word
  ExpectNotValid(with(2, 3));             // neither icon nor cursor
  ExpectNotValid(with(4, 0));             // no images
  ExpectNotValid(with(4, 200));           // directory past the end
  ExpectNotValid(with(6 + 8 + 1, 0x40));  // image size past the end
  ExpectNotValid(with(6 + 12, 3));        // image inside the directory
  ExpectNotValid(with(22 + 14, 7));       // bits per pixel
  ExpectNotValid(with(22 + 8, 31));       // odd doubled height
  ExpectNotValid(with(22 + 16, 1));       // compressed
  ExpectNotValid(with(22 + 34, 1));       // more than 256 colours
  Bytes bigTable = BitmapImage(16, 4);
  bigTable[32] = 255;  // 255 colours announced, room for 16
  ExpectNotValid(FileOf({bigTable}, {16}));
  Bytes cut = good;
  cut.resize(cut.size() - 1);
  ExpectNotValid(cut);
  // Bitmap images must hold their mask as well: one row of mask missing.
  Bytes noMask = BitmapImage(16, 8);
  noMask.resize(noMask.size() - 4);
  ExpectNotValid(FileOf({noMask}, {16}));
  TMemoryStream empty;
  EXPECT_THROW(ReadIconFile(empty), EInvalidGraphic);
}

}  // namespace
