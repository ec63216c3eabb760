// Writing images: exact bytes, frame preparation, round trips and the failure rules.
#include <gtest/gtest.h>

#include "GifCorpus.h"
#include "GifTestFiles.h"
#include "GifTestImages.h"
#include "imaging/gif/GIFImageBase.h"

namespace {

Bytes Write(TGIFImageBase& image) {
  TMemoryStream stream;
  image.SaveToStream(stream);
  return stream.TakeBytes();
}

// The graphic control block of the first frame in a written file, or empty.
Bytes FirstControlBlock(const Bytes& file) {
  for (size_t i = 0; i + 8 <= file.size(); ++i)
    if (file[i] == '!' && file[i + 1] == 0xF9)
      return Bytes(file.begin() + static_cast<std::ptrdiff_t>(i),
                   file.begin() + static_cast<std::ptrdiff_t>(i + 8));
  return {};
}

TEST(GifWriter, TwoColourTrueColourPictureIsWrittenExactly) {
  TGIFImageBase image;
  image.AssignGraphic(*TGIFMemoryBitmap::FromRgb(2, 1, {{255, 0, 0}, {0, 0, 255}}));
  Bytes expected = {'G', 'I', 'F', '8', '7', 'a', 2, 0, 1, 0, 0xF7, 0, 0};
  GifBytes table;
  std::vector<TGIFRgb> colors(256, TGIFRgb{128, 128, 128});
  colors[0] = {255, 0, 0};
  colors[1] = {0, 0, 255};
  table.Colors(colors);
  expected.insert(expected.end(), table.Get().begin(), table.Get().end());
  expected.insert(expected.end(), {',', 0, 0, 0, 0, 2, 0, 1, 0, 0});
  expected.insert(expected.end(), {8, 5, 0x00, 0x01, 0x04, 0x08, 0x08, 0, ';'});
  EXPECT_EQ(Write(image), expected);
}

TEST(GifWriter, WriteDataPutsTheByteCountFirst) {
  TGIFImageBase image;
  image.AssignGraphic(*TGIFMemoryBitmap::FromRgb(2, 1, {{255, 0, 0}, {0, 0, 255}}));
  const Bytes file = Write(image);
  TMemoryStream stream;
  image.WriteData(stream);
  Bytes expected = {static_cast<uint8_t>(file.size()), static_cast<uint8_t>(file.size() >> 8), 0,
                    0};
  expected.insert(expected.end(), file.begin(), file.end());
  EXPECT_EQ(stream.Bytes(), expected);
}

TEST(GifWriter, ReadingAndWritingBackKeepsEveryFrame) {
  GifBytes file;
  file.Header("GIF89a", 30, 20, 0x87).Colors(RandomPalette(256, 3));
  file.Application("NETSCAPE2.0", {std::string("\x01\x03\x00", 3)});
  file.GraphicControl(0x01 | (2 << 2), 12, 7).Image(0, 0, 30, 20, 0, NoiseStored(30, 20, 1));
  file.PlainText().Image(1, 2, 10, 5, 0, NoiseStored(10, 5, 2));
  file.GraphicControl(1 << 2, 40, 0)
      .Image(5, 5, 20, 10, 0x47, EncodeIndices(8, 20, 10, NoiseIndices(20, 10, 256, 4), true))
      .Colors(RandomPalette(256, 4));
  // The local table belongs before the stored data: rebuild the last frame by hand.
  GifBytes ordered;
  {
    Bytes bytes = file.Get();
    const Bytes stored = EncodeIndices(8, 20, 10, NoiseIndices(20, 10, 256, 4), true);
    bytes.resize(bytes.size() - stored.size() - 768);
    ordered.Raw(bytes).Colors(RandomPalette(256, 4)).Raw(stored).Trailer();
  }
  TGIFImageBase original;
  LoadBytes(original, ordered.Get());
  ASSERT_EQ(original.FrameCount(), 3);
  const Bytes written = Write(original);
  EXPECT_EQ(written[10], 0xF7);  // colour resolution rewritten as the table's depth
  EXPECT_EQ(std::search(written.begin(), written.end(), ordered.Get().begin() + 13 + 768,
                        ordered.Get().begin() + 13 + 768 + 19) != written.end(),
            true);  // the loop block is written again (three frames)
  TGIFImageBase reread;
  LoadBytes(reread, written);
  ASSERT_EQ(reread.FrameCount(), 3);
  EXPECT_TRUE(reread.Looping());
  EXPECT_EQ(reread.RepeatCount(), 3);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const TDvGIFFrame& before = original.Frame(i);
    const TDvGIFFrame& after = reread.Frame(i);
    EXPECT_EQ(after.Item().encoded, before.Item().encoded);
    EXPECT_EQ(after.Item().colors.count, before.Item().colors.count);
    EXPECT_EQ(after.Item().colors.entries, before.Item().colors.entries);
    EXPECT_EQ(after.transparentColor, before.transparentColor);
    EXPECT_EQ(after.delay, before.delay);
    EXPECT_EQ(after.disposal, before.disposal);
    EXPECT_EQ(after.interlaced, before.interlaced);
    EXPECT_EQ(after.localColorTable, before.localColorTable);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
  }
  // The plain text block is gone: frame 1 has no extensions.
  EXPECT_TRUE(reread.Frame(1).Extensions().empty());
  EXPECT_EQ(Write(reread), written);
}

TEST(GifWriter, BannerWrittenBackReadsBackTheSame) {
  TGIFImageBase banner;
  LoadBytes(banner, BannerShapedFile());
  const Bytes written = Write(banner);
  EXPECT_EQ(FirstControlBlock(written), (Bytes{'!', 0xF9, 4, 1, 0, 0, 255, 0}));
  TGIFImageBase reread;
  LoadBytes(reread, written);
  EXPECT_EQ(reread.Frame(0).transparentColor, RGBColor(255, 255, 254));
  EXPECT_EQ(reread.Frame(0).Item().encoded, banner.Frame(0).Item().encoded);
  EXPECT_EQ(FrameIndices(reread.Frame(0)), FrameIndices(banner.Frame(0)));
  EXPECT_EQ(written.size(), BannerShapedFile().size());
}

TEST(GifWriter, DelayIsWrittenInHundredthsRoundedDown) {
  for (const auto& [delay, field] :
       {std::pair{250u, 25}, std::pair{5u, 0}, std::pair{1009u, 100}}) {
    TGIFImageBase image;
    image.AssignGraphic(*TGIFMemoryBitmap::FromRgb(1, 1, {{1, 2, 3}}));
    image.Frame(0).delay = delay;
    EXPECT_EQ(FirstControlBlock(Write(image)),
              (Bytes{'!', 0xF9, 4, 0, static_cast<uint8_t>(field), 0, 0, 0}))
        << delay;
    EXPECT_EQ(image.Version(), 2);
  }
}

TEST(GifWriter, LoopBlockOnlyWithMoreThanOneFrame) {
  TGIFImageBase image;
  image.AssignGraphic(*TGIFMemoryBitmap::FromRgb(1, 1, {{1, 2, 3}}));
  image.SetLooping(true);
  image.SetRepeatCount(0x0102);
  const Bytes loop = {'!', 0xFF, 11,  'N', 'E', 'T', 'S', 'C', 'A', 'P',
                      'E', '2',  '.', '0', 3,   1,   2,   1,   0};
  const Bytes one = Write(image);
  EXPECT_EQ(std::search(one.begin(), one.end(), loop.begin(), loop.end()), one.end());
  image.AddFrame(*TGIFMemoryBitmap::FromRgb(1, 1, {{4, 5, 6}}));
  const Bytes two = Write(image);
  // Right after the global table.
  EXPECT_EQ(std::search(two.begin(), two.end(), loop.begin(), loop.end()), two.begin() + 13 + 768);
}

TEST(GifWriter, TransparentColourOutsideTheTableClearsTheFlagButKeepsTheIndex) {
  TGIFImageBase image;
  LoadBytes(image, BannerShapedFile());
  image.Frame(0).transparentColor = RGBColor(1, 2, 3);
  image.Frame(0).disposal = 3;
  EXPECT_EQ(FirstControlBlock(Write(image)), (Bytes{'!', 0xF9, 4, 3 << 2, 0, 0, 255, 0}));
}

TEST(GifWriter, ImageCommentLinesAreCutTo255BytesAndEmptyFrameCommentsDropped) {
  TGIFImageBase image;
  image.AssignGraphic(*TGIFMemoryBitmap::FromRgb(1, 1, {{1, 2, 3}}));
  image.Frame(0).Comment();  // empty: removed when writing
  image.Header().comment = {std::string(300, 'c'), "", "end"};
  const Bytes file = Write(image);
  EXPECT_EQ(image.Version(), 2);
  EXPECT_TRUE(image.Frame(0).Extensions().empty());
  Bytes tail = {'!', 0xFE, 255};
  tail.insert(tail.end(), 255, 'c');
  tail.insert(tail.end(), {3, 'e', 'n', 'd', 0, ';'});
  ASSERT_GE(file.size(), tail.size());
  EXPECT_EQ(Bytes(file.end() - static_cast<std::ptrdiff_t>(tail.size()), file.end()), tail);
  EXPECT_EQ(Bytes(file.begin(), file.begin() + 6), (Bytes{'G', 'I', 'F', '8', '9', 'a'}));
}

TEST(GifWriter, FirstEncodedFrameOwnsTheGlobalTableAndLaterOnesAreLocal) {
  TGIFImageBase image;
  const std::vector<TGIFRgb> pixels = {{10, 0, 0}, {0, 20, 0}, {0, 20, 0},
                                       {0, 0, 30}, {0, 0, 30}, {0, 0, 30}};
  image.AssignGraphic(*TGIFMemoryBitmap::FromRgb(3, 2, pixels));
  image.AddFrame(*TGIFMemoryBitmap::FromRgb(3, 2, pixels));
  image.Frame(1).left = 4;
  const Bytes file = Write(image);
  const TGIFColorTable& global = image.Header().colors;
  EXPECT_EQ(global.count, 256u);
  EXPECT_EQ(global.entries[0], (TGIFRgb{0, 0, 30}));
  EXPECT_EQ(global.entries[1], (TGIFRgb{0, 20, 0}));
  EXPECT_EQ(global.entries[2], (TGIFRgb{10, 0, 0}));
  EXPECT_EQ(global.entries[3], (TGIFRgb{128, 128, 128}));
  EXPECT_FALSE(image.Frame(0).localColorTable);
  EXPECT_TRUE(image.Frame(1).localColorTable);
  EXPECT_EQ(image.ScreenWidth(), 7);
  EXPECT_EQ(image.ScreenHeight(), 2);
  // Frame 0's descriptor has no table; frame 1's declares 256 local colours.
  EXPECT_EQ(file[13 + 768 + 9], 0x00);
  const size_t secondDescriptor = 13 + 768 + 10 + image.Frame(0).Item().encoded.size();
  EXPECT_EQ(file[secondDescriptor], ',');
  EXPECT_EQ(file[secondDescriptor + 9], 0x87);
  TGIFImageBase reread;
  LoadBytes(reread, file);
  EXPECT_EQ(MemoryBitmap(reread.Frame(0)).ColorAt(0, 0), (TGIFRgb{10, 0, 0}));
  EXPECT_EQ(MemoryBitmap(reread.Frame(1)).ColorAt(2, 1), (TGIFRgb{0, 0, 30}));
}

TEST(GifWriter, NothingToWriteFailsAndLeavesTheDestinationUntouched) {
  TGIFImageBase image;
  TMemoryStream stream;
  EXPECT_EQ(FailureOf([&] { image.SaveToStream(stream); }), "No GIF Data to write");
  image.AssignGraphic(*TGIFMemoryBitmap::FromRgb(1, 1, {{1, 2, 3}}));
  image.AddFrame(TGIFMemoryBitmap());  // an empty picture
  EXPECT_EQ(FailureOf([&] { image.SaveToStream(stream); }), "No GIF Data to write");
  EXPECT_EQ(stream.Size(), 0);
  // The frame encoded before the failure keeps its new data.
  EXPECT_FALSE(image.Frame(0).Item().encoded.empty());
}

TEST(GifWriter, TrueColourBitmapWithoutHandleIsNotValid) {
  struct NoHandle : TGIFMemoryBitmap {
    bool HasHandle() const override { return false; }
    uint32_t Width() const override { return 2; }
    uint32_t Height() const override { return 2; }
    bool Empty() const override { return false; }
    uint32_t PixelBits() const override { return 24; }
    std::unique_ptr<IGIFFrameBitmap> Clone() const override { return std::make_unique<NoHandle>(); }
  };
  TGIFImageBase image;
  image.AddFrame(NoHandle());
  EXPECT_EQ(FailureOf([&] { image.BuildFile(); }), "Bitmap image is not valid");
}

TEST(GifWriter, PaletteBitmapsAreEncodedAtTheirOwnDepth) {
  for (uint32_t bits : {1u, 4u, 8u}) {
    const std::vector<uint8_t> indices = NoiseIndices(9, 7, 1u << bits, bits);
    TGIFImageBase image;
    image.AssignGraphic(
        *TGIFMemoryBitmap::FromIndices(9, 7, bits, RandomPalette(1u << bits, bits), indices));
    const Bytes file = Write(image);
    EXPECT_EQ(image.Header().colors.count, 1u << bits);
    EXPECT_EQ(file[10], 0x80 | ((bits - 1) << 4) | (bits - 1));
    EXPECT_EQ(image.Frame(0).Item().encoded[0], bits == 1 ? 2 : bits);
    TGIFImageBase reread;
    LoadBytes(reread, file);
    EXPECT_EQ(FrameIndices(reread.Frame(0)), indices);
  }
}

}  // namespace
