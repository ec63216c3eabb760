// Reading GIF files: header, tables, extension runs, frames and the failure rules.
#include <gtest/gtest.h>

#include "GifTestFiles.h"
#include "GifTestImages.h"
#include "imaging/gif/GIFImageBase.h"

namespace {

struct CountedImage : TGIFImageBase {
  CountedImage() {
    OnChange = [this] { ++changes; };
  }
  int changes = 0;
};

Bytes OneFrameFile(const std::function<void(GifBytes&)>& beforeImage, uint32_t tableBits = 8) {
  GifBytes file = ScreenWithTable(20, 10, tableBits);
  beforeImage(file);
  file.Image(0, 0, 20, 10, 0, NoiseStored(20, 10)).Trailer();
  return file.Get();
}

TEST(GifReader, ByteCountZeroGivesAnEmptyImageAndStillNotifies) {
  CountedImage image;
  TMemoryStream stream(Bytes{0, 0, 0, 0});
  image.ReadData(stream);
  EXPECT_EQ(image.FrameCount(), 0);
  EXPECT_EQ(image.Width(), 0u);
  EXPECT_EQ(image.Height(), 0u);
  EXPECT_TRUE(image.Empty());
  EXPECT_EQ(image.changes, 1);
  EXPECT_TRUE(image.PaletteModified());
}

TEST(GifReader, SignatureAndVersionIgnoreLetterCase) {
  Bytes file = OneFrameFile([](GifBytes&) {});
  std::copy_n("gif89A", 6, file.begin());
  TGIFImageBase image;
  LoadBytes(image, file);
  EXPECT_EQ(image.Version(), 2);
  std::copy_n("GIF87A", 6, file.begin());
  LoadBytes(image, file);
  EXPECT_EQ(image.Version(), 1);
  std::copy_n("GIF88a", 6, file.begin());
  EXPECT_EQ(FailureOf([&] { LoadBytes(image, file); }), "Unknown GIF version");
  std::copy_n("GIT89a", 6, file.begin());
  EXPECT_EQ(FailureOf([&] { LoadBytes(image, file); }), "Unknown GIF version");
}

TEST(GifReader, BannerShapedImageGetsAUniqueTransparentColour) {
  TGIFImageBase image;
  LoadBytes(image, BannerShapedFile());
  ASSERT_EQ(image.FrameCount(), 1);
  EXPECT_EQ(image.CurrentIndex(), 0);
  EXPECT_EQ(image.Width(), 400u);
  EXPECT_EQ(image.Height(), 51u);
  EXPECT_EQ(image.RepeatCount(), 1);
  EXPECT_FALSE(image.Looping());
  const TDvGIFFrame& frame = image.Frame(0);
  EXPECT_EQ(frame.delay, 0u);
  EXPECT_EQ(frame.transparentColor, RGBColor(255, 255, 254));
  EXPECT_EQ(frame.Item().colors.entries[255], (TGIFRgb{255, 255, 254}));
  EXPECT_EQ(frame.Item().colors.entries[1], (TGIFRgb{255, 255, 255}));
  // Only the frame's table changes; the header's stays as read.
  EXPECT_EQ(image.Header().colors.entries[255], (TGIFRgb{255, 255, 255}));
  EXPECT_TRUE(image.Transparent());
  // The decoded palette holds the key colour at index 255 only.
  const std::vector<TGIFRgb>& palette = MemoryBitmap(image.Frame(0)).Palette();
  EXPECT_EQ(std::count(palette.begin(), palette.end(), TGIFRgb{255, 255, 254}), 1);
  EXPECT_EQ(palette[255], (TGIFRgb{255, 255, 254}));
}

TEST(GifReader, UniquenessStepTurnsAtBlueZeroAndLeavesOtherEntriesAlone) {
  std::vector<TGIFRgb> colors = {{0, 0, 0}, {0, 0, 1}, {9, 9, 9}, {0, 0, 0}};
  GifBytes file;
  file.Header("GIF89a", 2, 2, 0x91).Colors(colors).GraphicControl(1, 0, 3);
  file.Image(0, 0, 2, 2, 0, EncodeIndices(4, 2, 2, {0, 1, 2, 3})).Trailer();
  TGIFImageBase image;
  LoadBytes(image, file.Get());
  const TGIFColorTable& table = image.Frame(0).Item().colors;
  EXPECT_EQ(table.entries[3], (TGIFRgb{0, 0, 2}));
  EXPECT_EQ(table.entries[0], (TGIFRgb{0, 0, 0}));
  EXPECT_EQ(table.entries[1], (TGIFRgb{0, 0, 1}));
  EXPECT_EQ(image.Frame(0).transparentColor, RGBColor(0, 0, 2));
}

TEST(GifReader, TransparentIndexBeyondTheTableLeavesNoTransparency) {
  TGIFImageBase image;
  LoadBytes(image, OneFrameFile([](GifBytes& file) { file.GraphicControl(1, 0, 16); }, 4));
  EXPECT_EQ(image.Frame(0).transparentColor, clNone);
  EXPECT_FALSE(image.Transparent());
}

TEST(GifReader, TwoGraphicControlBlocksTakeTheLargerDelayAndTheLastOtherwise) {
  TGIFImageBase image;
  LoadBytes(image, OneFrameFile([](GifBytes& file) {
              file.GraphicControl(0x01 | (2 << 2), 30, 4).GraphicControl(1 << 2, 7, 0);
            }));
  const TDvGIFFrame& frame = image.Frame(0);
  EXPECT_EQ(frame.delay, 300u);
  EXPECT_EQ(frame.disposal, 1);
  EXPECT_EQ(frame.transparentColor, clNone);
  EXPECT_EQ(frame.Extensions().size(), 2u);
}

TEST(GifReader, LoopExtensionsSetLoopingWithTheCappedCount) {
  const struct {
    std::string identifier;
    std::string block;
    bool looping;
    uint16_t repeat;
  } cases[] = {{"NETSCAPE2.0", std::string("\x01\x00\x00", 3), true, 0},
               {"NETSCAPE2.0", std::string("\x01\xFF\xFF", 3), true, 30000},
               {"ANIMEXTS1.0", std::string("\x01\x05\x01", 3), true, 261},
               {"NETSCAPE2.0", std::string("\x02\x05\x00", 3), false, 1},
               {"XMP DataXMP", std::string("\x01\x05\x00", 3), false, 1}};
  for (const auto& item : cases) {
    TGIFImageBase image;
    LoadBytes(image, OneFrameFile(
                         [&](GifBytes& file) { file.Application(item.identifier, {item.block}); }));
    EXPECT_EQ(image.Looping(), item.looping) << item.identifier;
    EXPECT_EQ(image.RepeatCount(), item.repeat) << item.identifier;
    EXPECT_TRUE(image.Frame(0).Extensions().empty());
  }
}

TEST(GifReader, PlainTextDropsTheGraphicControlBlockBeforeIt) {
  TGIFImageBase image;
  LoadBytes(image, OneFrameFile([](GifBytes& file) { file.GraphicControl(1, 50, 3).PlainText(); }));
  EXPECT_EQ(image.Frame(0).transparentColor, clNone);
  EXPECT_EQ(image.Frame(0).delay, 0u);
  EXPECT_TRUE(image.Frame(0).Extensions().empty());
}

TEST(GifReader, CommentsBelongToTheNextFrameOrToTheImageAtTheEnd) {
  GifBytes file = ScreenWithTable(20, 10, 8);
  file.Comment({"frame", "note"}).Image(0, 0, 20, 10, 0, NoiseStored(20, 10));
  file.Comment({"first"}).Comment({"second", "more"}).Trailer();
  TGIFImageBase image;
  LoadBytes(image, file.Get());
  ASSERT_NE(image.Frame(0).FindComment(), nullptr);
  EXPECT_EQ(*image.Frame(0).FindComment(), (std::vector<std::string>{"frame", "note"}));
  EXPECT_EQ(image.Header().comment,
            (std::vector<std::string>{"first", "\r\n\r\n", "second", "more"}));
}

TEST(GifReader, FrameWithoutAnyColourTableCannotBeLoaded) {
  CountedImage image;
  const Bytes file = OneFrameFile([](GifBytes&) {}, 0);
  EXPECT_EQ(FailureOf([&] { LoadBytes(image, file); }),
            "Wrong number of colors; must be a power of 2");
  EXPECT_EQ(image.FrameCount(), 0);
  EXPECT_EQ(image.CurrentIndex(), -1);
  EXPECT_EQ(image.changes, 0);
  // Without decoding, the frame is read and kept.
  image.LoadFromBytes(file.data(), file.size(), false);
  EXPECT_EQ(image.FrameCount(), 1);
}

TEST(GifReader, ZeroDescriptorSizeTakesTheLogicalScreen) {
  GifBytes file = ScreenWithTable(20, 10, 8);
  file.Image(0, 0, 0, 0, 0, NoiseStored(20, 10)).Trailer();
  TGIFImageBase image;
  LoadBytes(image, file.Get());
  EXPECT_EQ(image.Frame(0).Item().width, 20);
  EXPECT_EQ(image.Frame(0).Item().height, 10);
  EXPECT_EQ(image.Width(), 20u);
}

TEST(GifReader, FrameOfNoColumnsDecodesToAPictureOfNoPixels) {
  // Descriptor width 0 on a screen of width 0: one row of nothing.
  GifBytes file;
  file.Header("GIF89a", 0, 1, 0x81).Colors(GreyRamp(4));
  file.Image(0, 0, 0, 1, 0, {2, 2, 0x8C, 0x0A, 0}).Trailer();
  TGIFImageBase image;
  LoadBytes(image, file.Get());
  ASSERT_EQ(image.FrameCount(), 1);
  EXPECT_EQ(image.Frame(0).Width(), 0u);
  EXPECT_FALSE(image.Frame(0).corrupt);
  TGIFFramePixels pixels;
  image.Frame(0).DecodePixels(pixels);
  EXPECT_EQ(pixels.Height(), 1u);
  EXPECT_EQ(pixels.CopyRow(0, {}), 0u);
}

TEST(GifReader, LocalTableReplacesTheGlobalOne) {
  GifBytes file = ScreenWithTable(4, 1, 8);
  std::vector<TGIFRgb> local = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}};
  file.Image(0, 0, 4, 1, 0x81, EncodeIndices(8, 4, 1, {3, 2, 1, 0})).Colors(local);
  Bytes bytes = file.Get();
  // The table sits between the descriptor and the stored data.
  const Bytes stored = EncodeIndices(8, 4, 1, {3, 2, 1, 0});
  bytes.resize(bytes.size() - stored.size() - 12);
  GifBytes rebuilt;
  rebuilt.Raw(bytes).Colors(local).Raw(stored).Trailer();
  TGIFImageBase image;
  LoadBytes(image, rebuilt.Get());
  const TDvGIFFrame& frame = image.Frame(0);
  EXPECT_TRUE(frame.localColorTable);
  EXPECT_EQ(frame.Item().colors.count, 4u);
  EXPECT_EQ(frame.Item().bitsPerPixel, 2);
  EXPECT_EQ(MemoryBitmap(image.Frame(0)).ColorAt(0, 0), (TGIFRgb{10, 11, 12}));
}

TEST(GifReader, UnexpectedByteAfterAnExtensionRunFailsUnlessItIsTheLastByte) {
  GifBytes failing = ScreenWithTable(20, 10, 8);
  failing.GraphicControl(0, 0, 0).Raw({'X', 1, 2, 3});
  TGIFImageBase image;
  EXPECT_EQ(FailureOf([&] { LoadBytes(image, failing.Get()); }), "Stream read error");

  GifBytes last = ScreenWithTable(20, 10, 8);
  last.GraphicControl(0, 0, 0).Raw({'X'});
  EXPECT_EQ(FailureOf([&] { LoadBytes(image, last.Get()); }), "no failure");
  EXPECT_EQ(image.FrameCount(), 0);
}

TEST(GifReader, UnexpectedByteRightAfterAFrameEndsReadingQuietly) {
  GifBytes file = ScreenWithTable(20, 10, 8);
  file.Image(0, 0, 20, 10, 0, NoiseStored(20, 10)).Raw({'X', '!', 0x77, 1, 2});
  TGIFImageBase image;
  LoadBytes(image, file.Get());
  EXPECT_EQ(image.FrameCount(), 1);
  EXPECT_EQ(image.CurrentIndex(), 0);
}

TEST(GifReader, FailedReadKeepsTheFramesSoFarWithoutCurrentIndexOrNotification) {
  GifBytes file = ScreenWithTable(20, 10, 8);
  file.Image(0, 0, 20, 10, 0, NoiseStored(20, 10)).Image(0, 0, 20, 10, 0, NoiseStored(20, 10));
  file.Raw({'!', 0x77, 0});
  CountedImage image;
  EXPECT_EQ(FailureOf([&] { LoadBytes(image, file.Get()); }), "Unrecognized extension block: 77");
  EXPECT_EQ(image.FrameCount(), 2);
  EXPECT_EQ(image.CurrentIndex(), -1);
  EXPECT_EQ(image.changes, 0);
}

TEST(GifReader, CutShortDescriptorTableOrCodeSizeIsAReadError) {
  const Bytes full = OneFrameFile([](GifBytes&) {});
  const size_t descriptor = 13 + 768;
  TGIFImageBase image;
  for (size_t cut : {descriptor + 5, descriptor + 10}) {
    const Bytes shortFile(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut));
    EXPECT_EQ(FailureOf([&] { LoadBytes(image, shortFile); }), "Stream read error") << cut;
  }
  GifBytes local = ScreenWithTable(4, 4, 0);
  local.Image(0, 0, 4, 4, 0x87, {}).Colors(GreyRamp(100));
  EXPECT_EQ(FailureOf([&] { LoadBytes(image, local.Get()); }), "Stream read error");
}

TEST(GifReader, SubBlockPastTheEndMarksTheFrameCorruptOrFailsWithoutTolerance) {
  Bytes stored = NoiseStored(20, 10);
  stored.pop_back();  // the terminator
  GifBytes file = ScreenWithTable(20, 10, 8);
  file.Image(0, 0, 20, 10, 0, stored).Raw({100, 1, 2, 3});
  {
    TGIFImageBase image;
    LoadBytes(image, file.Get());
    ASSERT_EQ(image.FrameCount(), 1);
    EXPECT_TRUE(image.Frame(0).corrupt);
    // The cut block's length byte is not kept.
    EXPECT_EQ(image.Frame(0).Item().encoded, stored);
  }
  ToleranceScope strict(false);
  TGIFImageBase image;
  EXPECT_EQ(FailureOf([&] { LoadBytes(image, file.Get()); }), "Stream read error");
  EXPECT_EQ(image.FrameCount(), 0);
}

TEST(GifReader, StoredDataIsKeptAsRead) {
  const Bytes stored = NoiseStored(20, 10, 9);
  GifBytes file = ScreenWithTable(20, 10, 8);
  file.Image(3, 4, 20, 10, 0, stored).Trailer();
  TGIFImageBase image;
  LoadBytes(image, file.Get());
  EXPECT_EQ(image.Frame(0).Item().encoded, stored);
  EXPECT_EQ(image.Frame(0).left, 3);
  EXPECT_EQ(image.Frame(0).top, 4);
  EXPECT_EQ(image.ScreenWidth(), 20);
}

TEST(GifReader, ReadDataNeedsTheWholeCountedFile) {
  const Bytes file = OneFrameFile([](GifBytes&) {});
  Bytes counted = {static_cast<uint8_t>(file.size()), static_cast<uint8_t>(file.size() >> 8), 0, 0};
  counted.insert(counted.end(), file.begin(), file.end() - 1);
  TMemoryStream stream(counted);
  TGIFImageBase image;
  EXPECT_EQ(FailureOf([&] { image.ReadData(stream); }), "Stream read error");
  // A count of 4 GiB from a short source fails without reserving it.
  TMemoryStream huge(Bytes{0xFF, 0xFF, 0xFF, 0xFF, 'G', 'I', 'F'});
  EXPECT_EQ(FailureOf([&] { image.ReadData(huge); }), "Stream read error");
}

TEST(GifReader, ReadDataResetsTheImageBeforeItsCountIsRead) {
  CountedImage image;
  LoadBytes(image, BannerShapedFile());
  ASSERT_EQ(image.FrameCount(), 1);
  const int changes = image.changes;
  // Three bytes cannot hold the count: the old picture is gone all the same, unannounced.
  TMemoryStream cut(Bytes{5, 0, 0});
  EXPECT_EQ(FailureOf([&] { image.ReadData(cut); }), "Stream read error");
  EXPECT_EQ(image.FrameCount(), 0);
  EXPECT_EQ(image.CurrentIndex(), -1);
  EXPECT_EQ(image.Width(), 0u);
  EXPECT_EQ(image.changes, changes);
}

TEST(GifReader, LoadFromStreamReadsFromThePositionToTheEnd) {
  Bytes bytes = {1, 2, 3};
  const Bytes file = OneFrameFile([](GifBytes&) {});
  bytes.insert(bytes.end(), file.begin(), file.end());
  TMemoryStream stream(bytes);
  stream.SetPosition(3);
  TGIFImageBase image;
  image.LoadFromStream(stream);
  EXPECT_EQ(image.FrameCount(), 1);
  EXPECT_EQ(stream.Position(), static_cast<int64_t>(bytes.size()));
}

TEST(GifReader, TinyFileDeclaringAHugeFrameFailsWithOutOfMemory) {
  GifBytes file = ScreenWithTable(2, 2, 8);
  file.Image(0, 0, 65535, 65535, 0, {8, 2, 0, 1, 0}).Trailer();
  ASSERT_LT(file.Get().size(), 800u);
  TGIFImageBase image;
  EXPECT_EQ(FailureOf([&] { LoadBytes(image, file.Get()); }), "Out of memory");
  EXPECT_EQ(image.FrameCount(), 0);
}

}  // namespace
