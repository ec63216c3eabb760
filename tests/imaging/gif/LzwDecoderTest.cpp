// The LZW decoder: code reading, table growth, literal codes, interlacing and malformed data.
#include <gtest/gtest.h>

#include "GifTestFiles.h"
#include "GifTestImages.h"
#include "framework/core/SysUtils.h"
#include "imaging/gif/FrameDib.h"
#include "imaging/gif/Interlace.h"
#include "imaging/gif/LzwDecoder.h"

namespace {

struct Decoded {
  std::vector<uint8_t> indices;
  bool corrupt = false;
  TGIFCorruptKind kind = TGIFCorruptKind::ckNone;
};

Decoded Decode(const Bytes& stored, uint32_t width, uint32_t height, uint32_t colorBits,
               bool interlaced = false, bool tolerate = true,
               const TGIFProgressEvent& progress = nullptr) {
  TGIFItem item;
  item.encoded = stored;
  item.width = static_cast<int32_t>(width);
  item.height = static_cast<int32_t>(height);
  item.bitsPerPixel = static_cast<uint8_t>(colorBits);
  item.colors.count = 1u << colorBits;
  std::vector<uint8_t> file;
  Decoded result;
  result.kind = BuildFrameDibFile(item, interlaced, tolerate, progress, file);
  result.corrupt = result.kind != TGIFCorruptKind::ckNone;
  TGIFMemoryBitmap bitmap;
  bitmap.LoadFromDibFile(file.data(), file.size());
  for (uint32_t y = 0; y < height; ++y)
    for (uint32_t x = 0; x < width; ++x)
      result.indices.push_back(static_cast<uint8_t>(bitmap.IndexAt(x, y)));
  return result;
}

using Codes = std::vector<std::pair<uint32_t, uint32_t>>;

// Literal codes after a clear, with the widths a GIF writer uses for them.
Codes LiteralRun(uint32_t minimumCodeSize, const std::vector<uint32_t>& values,
                 uint32_t* widthAfter = nullptr) {
  const uint32_t clear = 1u << minimumCodeSize;
  uint32_t width = minimumCodeSize + 1;
  uint32_t nextFree = clear + 2;
  Codes codes{{clear, width}};
  for (size_t n = 0; n < values.size(); ++n) {
    codes.push_back({values[n], width});
    if (n >= 1 && nextFree < 4096) {
      ++nextFree;
      if (nextFree == (1u << width) && width < 12) ++width;
    }
  }
  if (widthAfter) *widthAfter = width;
  return codes;
}

TEST(InterlacedRows, ComeInGifOrderForSmallHeights) {
  auto order = [](uint32_t height) {
    std::vector<uint32_t> rows;
    int pass = 0;
    for (uint32_t row = 0; row < height; row = NextInterlacedRow(row, height, pass))
      rows.push_back(row);
    return rows;
  };
  EXPECT_EQ(order(1), (std::vector<uint32_t>{0}));
  EXPECT_EQ(order(2), (std::vector<uint32_t>{0, 1}));
  EXPECT_EQ(order(3), (std::vector<uint32_t>{0, 2, 1}));
  EXPECT_EQ(order(5), (std::vector<uint32_t>{0, 4, 2, 1, 3}));
  EXPECT_EQ(order(10), (std::vector<uint32_t>{0, 8, 4, 2, 6, 1, 3, 5, 7, 9}));
}

TEST(LzwDecoder, InterlacedFramePlacesEachStoredRowAtItsImageRow) {
  // One pixel per row, the k-th stored row holding 10 + k.
  const struct {
    uint32_t height;
    std::vector<uint8_t> expected;
  } cases[] = {{1, {10}}, {2, {10, 11}}, {3, {10, 12, 11}}, {5, {10, 13, 12, 14, 11}}};
  for (const auto& item : cases) {
    std::vector<uint32_t> values;
    for (uint32_t k = 0; k < item.height; ++k)
      values.push_back(10 + k);
    Codes codes = LiteralRun(4, values);
    codes.push_back({17, 5});
    const Decoded decoded = Decode(StoreBlocks(4, PackCodes(codes)), 1, item.height, 4, true);
    EXPECT_EQ(decoded.indices, item.expected) << "height " << item.height;
  }
}

TEST(LzwDecoder, OneByOneFrameIsOneCodeAfterTheClear) {
  const Decoded decoded = Decode({2, 2, 0x4C, 0x01, 0}, 1, 1, 1);
  EXPECT_EQ(decoded.indices, (std::vector<uint8_t>{1}));
  EXPECT_FALSE(decoded.corrupt);
}

TEST(LzwDecoder, FrameEndingRightAfterItsLastPixelDecodesFully) {
  const Bytes stored = StoreBlocks(2, PackCodes(LiteralRun(2, {1, 2, 3})), false);
  const Decoded decoded = Decode(stored, 3, 1, 2);
  EXPECT_EQ(decoded.indices, (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_FALSE(decoded.corrupt);
}

TEST(LzwDecoder, DataEndingEarlyKeepsIndexZeroOrFailsWithoutTolerance) {
  // One pixel's code and nothing after it; the old 260-byte window no longer lends stale bytes.
  const Bytes stored = StoreBlocks(8, PackCodes(LiteralRun(8, {7})), false);
  for (const uint32_t width : {10u, 5000u}) {
    const Decoded decoded = Decode(stored, width, 1, 8);
    std::vector<uint8_t> expected(width, 0);
    expected[0] = 7;
    EXPECT_EQ(decoded.indices, expected);
    EXPECT_EQ(decoded.kind, TGIFCorruptKind::ckDataExhausted);
    EXPECT_EQ(FailureOf([&] { Decode(stored, width, 1, 8, false, false); }), "Stream read error");
  }
}

TEST(LzwDecoder, FullTableStaysAtTwelveBitsUntilAClear) {
  std::vector<uint32_t> values;
  for (uint32_t n = 0; n < 3839; ++n)
    values.push_back(n % 256);  // 258 + 3838 entries = 4096
  uint32_t width = 0;
  Codes codes = LiteralRun(8, values, &width);
  ASSERT_EQ(width, 12u);
  // Table full: a literal, an existing string (entry 300 = values 42, 43), then a clear.
  codes.push_back({5, 12});
  codes.push_back({300, 12});
  codes.push_back({256, 12});
  codes.push_back({9, 9});
  codes.push_back({257, 9});
  std::vector<uint8_t> expected(values.begin(), values.end());
  expected.insert(expected.end(), {5, 42, 43, 9});
  const Decoded decoded =
      Decode(StoreBlocks(8, PackCodes(codes)), static_cast<uint32_t>(expected.size()), 1, 8);
  EXPECT_EQ(decoded.indices, expected);
}

TEST(LzwDecoder, CodesBelowTheClearCodeAreLiteralsWhateverTheTableDepth) {
  // Optimising encoders write a 256-colour table with minimum code size 2 or 4.
  TestRandom random(3);
  std::vector<uint8_t> pixels(4000);
  for (size_t i = 0; i < pixels.size(); ++i)
    pixels[i] = static_cast<uint8_t>((i / 7) % 2);
  const Bytes twoColor = EncodeIndices(1, 80, 50, pixels);
  ASSERT_EQ(twoColor[0], 2);
  EXPECT_EQ(Decode(twoColor, 80, 50, 8).indices, pixels);

  for (uint8_t& pixel : pixels)
    pixel = static_cast<uint8_t>(random.Below(3) == 0 ? random.Below(16) : pixel);
  const Bytes sixteenColor = EncodeIndices(4, 80, 50, pixels);
  ASSERT_EQ(sixteenColor[0], 4);
  EXPECT_EQ(Decode(sixteenColor, 80, 50, 8).indices, pixels);
  // Equal code size and depth decode as always.
  EXPECT_EQ(Decode(sixteenColor, 80, 50, 4).indices, pixels);
}

TEST(LzwDecoder, WrittenValuesStayInsideTheTableDepth) {
  // Literal 13 in a 2-colour frame with minimum code size 4 writes 13 AND 1.
  Codes codes = LiteralRun(4, {13, 2});
  codes.push_back({17, 5});
  EXPECT_EQ(Decode(StoreBlocks(4, PackCodes(codes)), 2, 1, 1).indices,
            (std::vector<uint8_t>{1, 0}));
}

TEST(LzwDecoder, CodeSizeOutOfRangeFailsOrIsClampedAndStops) {
  // Size byte 12 is clamped to 9: clear 512, 10-bit codes; the pixel after the clear is written,
  // decoding stops at the next code.
  const Bytes stored = StoreBlocks(12, PackCodes({{512, 10}, {5, 10}, {6, 10}, {7, 10}}));
  EXPECT_EQ(FailureOf([&] { Decode(stored, 3, 1, 8, false, false); }),
            "GIF code size not in range 2 to 9");
  const Decoded decoded = Decode(stored, 3, 1, 8);
  EXPECT_TRUE(decoded.corrupt);
  EXPECT_EQ(decoded.indices, (std::vector<uint8_t>{5, 0, 0}));

  const Bytes small = StoreBlocks(1, PackCodes({{4, 3}, {1, 3}, {1, 3}}));
  EXPECT_EQ(FailureOf([&] { Decode(small, 2, 1, 1, false, false); }),
            "GIF code size not in range 2 to 9");
  EXPECT_TRUE(Decode(small, 2, 1, 1).corrupt);
}

TEST(LzwDecoder, CyclicStringTableIsCorrupt) {
  std::vector<uint32_t> values(42, 1);
  Codes codes = LiteralRun(8, values);  // next free code 299
  for (uint32_t code : {301u, 300u, 301u, 300u})
    codes.push_back({code, 9});
  codes.push_back({257, 9});
  const Bytes stored = StoreBlocks(8, PackCodes(codes));
  EXPECT_EQ(FailureOf([&] { Decode(stored, 400, 1, 8, false, false); }),
            "GIF encoded data is corrupt");
  const Decoded decoded = Decode(stored, 400, 1, 8);
  EXPECT_TRUE(decoded.corrupt);
  EXPECT_EQ(decoded.indices[0], 1);
  EXPECT_EQ(decoded.indices[399], 0);  // the rest keeps index 0
}

TEST(LzwDecoder, HugeFrameIsRefusedBeforeAllocating) {
  TGIFItem item;
  item.encoded = {8, 0};
  item.bitsPerPixel = 8;
  item.width = 65535;
  item.height = 65535;
  std::vector<uint8_t> file;
  EXPECT_THROW(BuildFrameDibFile(item, false, true, nullptr, file), EOutOfMemory);
  EXPECT_TRUE(file.empty());
  item.width = 20000;
  item.height = 30000;  // 600 MB
  EXPECT_THROW(BuildFrameDibFile(item, false, true, nullptr, file), EOutOfMemory);
}

TEST(LzwDecoder, MissingColourTableCannotBeDecoded) {
  TGIFItem item;
  item.encoded = {2, 2, 0x4C, 0x01, 0};
  item.width = item.height = 1;
  std::vector<uint8_t> file;
  EXPECT_EQ(FailureOf([&] { BuildFrameDibFile(item, false, true, nullptr, file); }),
            "Wrong number of colors; must be a power of 2");
}

TEST(LzwDecoder, ReportsProgressAfterEveryCodeAndEndsOnEveryPath) {
  std::vector<std::string> reports;
  const TGIFProgressEvent progress = [&](TGIFProgressStage stage, int percent,
                                         const std::string& message) {
    reports.push_back(std::to_string(static_cast<int>(stage)) + ":" + std::to_string(percent) +
                      ":" + message);
  };
  Decode({2, 2, 0x4C, 0x01, 0}, 1, 1, 1, false, true, progress);
  // Stored data of 5 bytes: after the first pixel the reader has consumed 4 of them.
  EXPECT_EQ(reports, (std::vector<std::string>{"0:0:", "1:80:", "2:100:"}));

  reports.clear();
  const Bytes stored = StoreBlocks(8, PackCodes(LiteralRun(8, {7})), false);
  EXPECT_THROW(Decode(stored, 5000, 1, 8, false, false, progress), EReadError);
  EXPECT_EQ(reports.front(), "0:0:");
  EXPECT_EQ(reports.back(), "2:0:Stream read error");
}

}  // namespace
