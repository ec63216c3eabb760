// The LZW encoder: code sizes, sub-blocks, the restart at code 4094 and round trips.
#include <gtest/gtest.h>

#include <algorithm>

#include "GifCorpus.h"
#include "GifTestFiles.h"
#include "framework/core/SysUtils.h"
#include "imaging/gif/FrameDib.h"
#include "imaging/gif/LzwEncoder.h"

namespace {

std::vector<uint8_t> DecodeBack(const Bytes& stored, uint32_t width, uint32_t height,
                                uint32_t colorBits, bool interlaced = false) {
  TGIFItem item;
  item.encoded = stored;
  item.width = static_cast<int32_t>(width);
  item.height = static_cast<int32_t>(height);
  item.bitsPerPixel = static_cast<uint8_t>(colorBits);
  item.colors.count = 1u << colorBits;
  std::vector<uint8_t> file;
  EXPECT_EQ(BuildFrameDibFile(item, interlaced, false, nullptr, file), TGIFCorruptKind::ckNone);
  TGIFMemoryBitmap bitmap;
  bitmap.LoadFromDibFile(file.data(), file.size());
  std::vector<uint8_t> indices;
  for (uint32_t y = 0; y < height; ++y)
    for (uint32_t x = 0; x < width; ++x)
      indices.push_back(static_cast<uint8_t>(bitmap.IndexAt(x, y)));
  return indices;
}

TEST(LzwEncoder, TwoColourFrameStartsWithClearFourAndEndsWithEndFive) {
  EXPECT_EQ(EncodeIndices(1, 1, 1, {1}), (Bytes{2, 2, 0x4C, 0x01, 0}));
  const Bytes stored = EncodeIndices(1, 30, 20, std::vector<uint8_t>(600, 1));
  const std::vector<uint32_t> codes = TraceCodes(stored);
  EXPECT_EQ(stored[0], 2);
  EXPECT_EQ(codes.front(), 4u);
  EXPECT_EQ(codes.back(), 5u);
}

TEST(LzwEncoder, MinimumCodeSizeFollowsTheBitmapDepth) {
  EXPECT_EQ(EncodeIndices(4, 2, 1, {3, 9})[0], 4);
  EXPECT_EQ(EncodeIndices(8, 2, 1, {3, 200})[0], 8);
  EXPECT_EQ(TraceCodes(EncodeIndices(8, 2, 1, {3, 200})),
            (std::vector<uint32_t>{256, 3, 200, 257}));
}

TEST(LzwEncoder, SubBlocksAreFullExceptTheLastBeforeTheTerminator) {
  const Bytes stored = EncodeIndices(8, 300, 200, NoiseIndices(300, 200, 256, 1));
  const std::vector<uint32_t> lengths = SubBlockLengths(stored);
  ASSERT_GT(lengths.size(), 3u);
  EXPECT_EQ(lengths.back(), 0u);
  EXPECT_GT(lengths[lengths.size() - 2], 0u);
  EXPECT_LE(lengths[lengths.size() - 2], 255u);
  for (size_t i = 0; i + 2 < lengths.size(); ++i)
    EXPECT_EQ(lengths[i], 255u) << i;
  size_t total = 1;
  for (uint32_t length : lengths)
    total += 1 + length;
  EXPECT_EQ(total, stored.size());
}

TEST(LzwEncoder, RunOfOneColourRestartsAtCode4094AndDecodesBack) {
  // Strings of one colour grow by one pixel per code: about 7.4 million pixels reach code 4094.
  const uint32_t width = 4000;
  const uint32_t height = 1900;
  const std::vector<uint8_t> pixels(size_t{width} * height, 7);
  const Bytes stored = EncodeIndices(8, width, height, pixels);
  const std::vector<uint32_t> codes = TraceCodes(stored);
  ASSERT_EQ(codes.front(), 256u);
  const auto restart = std::find(codes.begin() + 1, codes.end(), 256u);
  ASSERT_NE(restart, codes.end());
  // Codes 258..4094 were assigned, each by writing one code, plus the prefix before the clear.
  EXPECT_EQ(restart - codes.begin(), 1 + (4094 - 258 + 1) + 1);
  EXPECT_EQ(codes.back(), 257u);
  EXPECT_EQ(DecodeBack(stored, width, height, 8), pixels);
}

TEST(LzwEncoder, RoundTripsEveryDepthAndInterlacing) {
  TestRandom random(11);
  for (uint32_t bits : {1u, 4u, 8u}) {
    for (uint32_t height : {1u, 2u, 3u, 5u, 17u}) {
      const uint32_t width = 13 + bits;
      std::vector<uint8_t> pixels(size_t{width} * height);
      for (uint8_t& pixel : pixels)
        pixel = static_cast<uint8_t>(random.Below(1u << bits));
      for (bool interlaced : {false, true}) {
        SCOPED_TRACE(std::to_string(bits) + " bits, height " + std::to_string(height));
        const Bytes stored = EncodeIndices(bits, width, height, pixels, interlaced);
        EXPECT_EQ(DecodeBack(stored, width, height, bits == 4 ? 4 : bits, interlaced), pixels);
      }
    }
  }
}

TEST(LzwEncoder, ReportsRowsAndEndsAtHundredPercent) {
  std::vector<std::string> reports;
  auto bitmap = TGIFMemoryBitmap::FromIndices(3, 4, 8, GreyRamp(256), std::vector<uint8_t>(12, 1));
  TMemoryStream dib;
  bitmap->SaveToDibFile(dib);
  TLzwPixelSource source;
  source.pixels = dib.Memory() + 54 + 1024;
  source.width = 3;
  source.height = 4;
  source.dibBits = 8;
  TMemoryStream out;
  EncodeLzwFrame(out, source, [&](TGIFProgressStage stage, int percent, const std::string&) {
    reports.push_back(std::to_string(static_cast<int>(stage)) + ":" + std::to_string(percent));
  });
  EXPECT_EQ(reports, (std::vector<std::string>{"0:0", "1:0", "1:25", "1:50", "1:75", "2:100"}));
}

TEST(LzwEncoder, OtherBitCountsAreAnEncodingError) {
  TLzwPixelSource source;
  source.dibBits = 24;
  TMemoryStream out;
  try {
    EncodeLzwFrame(out, source, nullptr);
    FAIL();
  } catch (const EInvalidGraphicOperation& failure) {
    EXPECT_EQ(failure.Message(), "GIF image encoding error");
  }
}

}  // namespace
