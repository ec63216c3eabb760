// The codec's direct calls: frame pixels as index rows, encoding from indices and a palette, the
// background index as read and frame lookup by index.
#include <gtest/gtest.h>

#include "GifCorpus.h"
#include "GifTestFiles.h"
#include "GifTestImages.h"
#include "GiflibPeer.h"
#include "imaging/gif/GIFFramePixels.h"
#include "imaging/gif/GIFIndexedEncoder.h"

namespace {

TEST(FramePixels, RowsOfEveryCorpusFrameEqualGiflibsIndices) {
  TGIFFramePixels pixels;  // one object for every frame: smaller frames reuse its buffer
  for (const CorpusFile& file : MakeGifCorpus()) {
    SCOPED_TRACE(file.name);
    PeerImage peer;
    std::string error;
    ASSERT_TRUE(PeerDecode(file.bytes, peer, error)) << error;
    TGIFImageBase image;
    image.LoadFromBytes(file.bytes.data(), file.bytes.size(), false);
    ASSERT_EQ(image.FrameCount(), static_cast<int>(peer.frames.size()));
    for (int i = 0; i < image.FrameCount(); ++i) {
      TDvGIFFrame& frame = image.Frame(i);
      EXPECT_EQ(frame.DecodePixels(pixels), TGIFCorruptKind::ckNone);
      EXPECT_EQ(pixels.Width(), static_cast<uint32_t>(peer.frames[i].width));
      EXPECT_EQ(pixels.Height(), static_cast<uint32_t>(peer.frames[i].height));
      EXPECT_EQ(IndexRows(pixels), peer.frames[i].indices) << "frame " << i;
      EXPECT_FALSE(frame.HasBitmap());  // no bitmap is made on the way
    }
  }
}

TEST(FramePixels, RowsAreCheckedAndCopiedIntoTheCallersBuffer) {
  // 3 x 2, indices 0 1 2 / 3 0 1, minimum code size 2.
  GifBytes file = ScreenWithTable(3, 2, 2);
  file.Image(0, 0, 3, 2, 0, EncodeIndices(4, 3, 2, {0, 1, 2, 3, 0, 1})).Trailer();
  TGIFImageBase image;
  image.LoadFromBytes(file.Get().data(), file.Get().size(), false);
  TGIFFramePixels pixels;
  image.Frame(0).DecodePixels(pixels);
  uint8_t row[5] = {9, 9, 9, 9, 9};
  EXPECT_EQ(pixels.CopyRow(1, row), 3u);
  EXPECT_EQ(std::vector<uint8_t>(row, row + 5), (std::vector<uint8_t>{3, 0, 1, 9, 9}));
  EXPECT_EQ(pixels.CopyRow(0, std::span<uint8_t>(row, 2)), 2u);
  EXPECT_EQ(std::vector<uint8_t>(row, row + 3), (std::vector<uint8_t>{0, 1, 1}));
  EXPECT_EQ(FailureOf([&] { pixels.Row(2); }), "List index out of bounds (2)");
  EXPECT_EQ(FailureOf([&] { pixels.CopyRow(7, row); }), "List index out of bounds (7)");
}

TEST(FramePixels, AFrameWithoutStoredDataGivesNoRows) {
  TGIFImageBase image;
  image.AddFrame(*TGIFMemoryBitmap::FromIndices(3, 2, 8, GreyRamp(256), {1, 2, 3, 4, 5, 6}));
  TGIFFramePixels pixels;
  EXPECT_EQ(image.Frame(0).DecodePixels(pixels), TGIFCorruptKind::ckNone);
  EXPECT_EQ(pixels.Width(), 0u);
  EXPECT_EQ(pixels.Height(), 0u);
  EXPECT_FALSE(image.Frame(0).corrupt);
}

TEST(FramePixels, HugeFrameIsRefusedBeforeAllocatingAndLeavesTheObjectEmpty) {
  TGIFItem item;
  item.encoded = {8, 0};
  item.bitsPerPixel = 8;
  item.width = 30000;
  item.height = 30000;  // 900 million bytes
  TGIFFramePixels pixels;
  EXPECT_THROW(pixels.DecodeStored(item, false, true, nullptr), EOutOfMemory);
  EXPECT_EQ(pixels.Height(), 0u);
}

TEST(GifImageLookup, FrameOutsideTheListIsAListError) {
  TGIFImageBase image;
  LoadBytes(image, BannerShapedFile());
  EXPECT_EQ(FailureOf([&] { image.Frame(1); }), "List index out of bounds (1)");
  EXPECT_EQ(FailureOf([&] { image.Frame(-1); }), "List index out of bounds (-1)");
  EXPECT_THROW(std::as_const(image).Frame(1), EListError);
}

TEST(GifImageLookup, BackgroundIndexIsKeptAsRead) {
  GifBytes withTable;
  withTable.Header("GIF89a", 2, 1, 0x81, 3).Colors(GreyRamp(4));
  withTable.Image(0, 0, 2, 1, 0, EncodeIndices(4, 2, 1, {1, 2})).Trailer();
  TGIFImageBase image;
  LoadBytes(image, withTable.Get());
  EXPECT_EQ(image.BackgroundIndex(), 3);
  EXPECT_EQ(image.BackgroundColor(), RGBColor(255, 255, 255));
  // Without a global table the index names no colour but is still what the file says.
  GifBytes noTable;
  noTable.Header("GIF89a", 2, 1, 0x00, 200);
  noTable.Image(0, 0, 2, 1, 0x81, EncodeIndices(4, 2, 1, {1, 2})).Colors(GreyRamp(4)).Trailer();
  LoadBytes(image, noTable.Get());
  EXPECT_EQ(image.BackgroundIndex(), 200);
  EXPECT_EQ(image.BackgroundColor(), clNone);
  TGIFImageBase copy;
  copy.Assign(&image);
  EXPECT_EQ(copy.BackgroundIndex(), 200);
  image.Reset();
  EXPECT_EQ(image.BackgroundIndex(), 0);
}

// The writer's file for one frame made from a bitmap of these indices.
std::vector<uint8_t> WrittenByTheImage(const TGIFIndexedFrame& frame) {
  const uint32_t bits = frame.palette.size() <= 2 ? 1 : frame.palette.size() <= 16 ? 4 : 8;
  std::vector<uint8_t> rows;
  for (uint32_t y = 0; y < frame.height; ++y)
    rows.insert(rows.end(), frame.indices + y * frame.stride,
                frame.indices + y * frame.stride + frame.width);
  TGIFImageBase image;
  image.AddFrame(*TGIFMemoryBitmap::FromIndices(
      frame.width, frame.height, bits,
      std::vector<TGIFRgb>(frame.palette.begin(), frame.palette.end()), rows));
  TDvGIFFrame& written = image.Frame(0);
  written.left = frame.left;
  written.top = frame.top;
  written.delay = frame.delay;
  written.disposal = frame.disposal;
  if (frame.transparentIndex >= 0)
    written.transparentColor = frame.palette[static_cast<size_t>(frame.transparentIndex)].Color();
  return image.BuildFile();
}

TEST(IndexedEncoder, BytesEqualTheWritersForEveryPaletteSizeAndSetting) {
  struct Case {
    uint32_t colors, width, height;
    uint16_t left, top;
    uint32_t delay;
    int transparent;
    uint8_t disposal;
  };
  const Case cases[] = {{1, 5, 3, 0, 0, 0, -1, 0},       {2, 40, 30, 3, 4, 0, -1, 0},
                        {3, 17, 9, 0, 0, 250, 2, 0},     {16, 64, 20, 0, 0, 5, -1, 2},
                        {17, 33, 33, 7, 0, 0, 16, 0},    {200, 120, 80, 0, 9, 100, -1, 1},
                        {256, 301, 190, 0, 0, 0, 255, 3}};
  for (const Case& item : cases) {
    SCOPED_TRACE(item.colors);
    // Rows 7 bytes longer than the picture, and index values that need the table mask.
    const size_t stride = item.width + 7;
    std::vector<uint8_t> indices =
        NoiseIndices(static_cast<uint32_t>(stride), item.height, 256, item.colors);
    const std::vector<TGIFRgb> palette = RandomPalette(item.colors, 90 + item.colors);
    TGIFIndexedFrame frame;
    frame.indices = indices.data();
    frame.stride = stride;
    frame.width = item.width;
    frame.height = item.height;
    frame.palette = palette;
    frame.left = item.left;
    frame.top = item.top;
    frame.delay = item.delay;
    frame.transparentIndex = item.transparent;
    frame.disposal = item.disposal;
    const std::vector<uint8_t> bytes = EncodeGIFFile(frame);
    EXPECT_EQ(bytes, WrittenByTheImage(frame));
    // And giflib reads back the masked indices.
    PeerImage peer;
    std::string error;
    ASSERT_TRUE(PeerDecode(bytes, peer, error)) << error;
    const uint32_t mask = item.colors <= 2 ? 1 : item.colors <= 16 ? 15 : 255;
    std::vector<uint8_t> expected;
    for (uint32_t y = 0; y < item.height; ++y)
      for (uint32_t x = 0; x < item.width; ++x)
        expected.push_back(static_cast<uint8_t>(indices[y * stride + x] & mask));
    EXPECT_EQ(peer.frames.at(0).indices, expected);
    EXPECT_EQ(peer.frames.at(0).transparentIndex, item.transparent);
  }
}

TEST(IndexedEncoder, InterlacedFrameDecodesToTheSameRows) {
  const std::vector<uint8_t> indices = PhotoIndices(37, 19, 4);
  const std::vector<TGIFRgb> palette = GreyRamp(256);
  TGIFIndexedFrame frame;
  frame.indices = indices.data();
  frame.width = 37;
  frame.height = 19;
  frame.palette = palette;
  frame.interlaced = true;
  const std::vector<uint8_t> bytes = EncodeGIFFile(frame);
  EXPECT_EQ(bytes[6 + 7 + 768 + 9], 0x40);  // the descriptor's interlace flag
  PeerImage peer;
  std::string error;
  ASSERT_TRUE(PeerDecode(bytes, peer, error)) << error;
  EXPECT_TRUE(peer.frames.at(0).interlaced);
  EXPECT_EQ(peer.frames.at(0).indices, indices);
}

TEST(IndexedEncoder, RefusesWhatCannotBeAGifFrame) {
  const std::vector<uint8_t> indices(100, 1);
  const std::vector<TGIFRgb> palette = GreyRamp(4);
  const std::vector<TGIFRgb> tooMany(257);
  auto failure = [&](auto change) {
    TGIFIndexedFrame frame;
    frame.indices = indices.data();
    frame.width = 10;
    frame.height = 10;
    frame.palette = palette;
    change(frame);
    return FailureOf([&] { EncodeGIFFile(frame); });
  };
  EXPECT_EQ(failure([](TGIFIndexedFrame&) {}), "no failure");
  const std::string colors = "Wrong number of colors; must be a power of 2";
  EXPECT_EQ(failure([](TGIFIndexedFrame& f) { f.palette = {}; }), colors);
  EXPECT_EQ(failure([&](TGIFIndexedFrame& f) { f.palette = tooMany; }), colors);
  EXPECT_EQ(failure([](TGIFIndexedFrame& f) { f.width = 0; }), "No GIF Data to write");
  EXPECT_EQ(failure([](TGIFIndexedFrame& f) { f.indices = nullptr; }), "No GIF Data to write");
  const std::string encoding = "GIF image encoding error";
  EXPECT_EQ(failure([](TGIFIndexedFrame& f) { f.stride = 9; }), encoding);
  EXPECT_EQ(failure([](TGIFIndexedFrame& f) { f.left = 65530; }), encoding);
  EXPECT_EQ(failure([](TGIFIndexedFrame& f) { f.transparentIndex = 16; }), encoding);
  EXPECT_EQ(failure([](TGIFIndexedFrame& f) { f.transparentIndex = 15; }), "no failure");
}

}  // namespace
