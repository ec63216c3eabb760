#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "controls/images/ImageListStream.h"
#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "support/ImageListSamples.h"

namespace {

std::string Hex(const std::vector<uint8_t>& bytes, size_t from, size_t count) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (size_t i = from; i < from + count; ++i) {
    text += kDigits[bytes[i] >> 4];
    text += kDigits[bytes[i] & 15];
  }
  return text;
}

void ExpectSameImages(const TStoredImageList& expected, const TStoredImageList& actual) {
  ASSERT_EQ(expected.images.size(), actual.images.size());
  for (size_t i = 0; i < expected.images.size(); ++i) {
    EXPECT_EQ(expected.images[i].pixels, actual.images[i].pixels) << "image " << i;
    EXPECT_EQ(expected.images[i].mask, actual.images[i].mask) << "image " << i;
  }
}

void ExpectReadFails(const std::vector<uint8_t>& bytes, int cellWidth = 16, int cellHeight = 16) {
  try {
    ReadBytes(bytes, cellWidth, cellHeight);
    ADD_FAILURE() << "a malformed stream of " << bytes.size() << " bytes was read";
  } catch (const EReadError& error) {
    EXPECT_EQ(error.Message(), kImageListReadFailedMessage);
  }
}

constexpr size_t kImagesBitsAt = 28 + 54;  // rows of the images bitmap in a 32-bit stream

}  // namespace

TEST(ImageListStreamWrite, LaysOutHeaderBitmapsAndCellsAsThePlatform) {
  const TStoredImageList list = SampleList(16, 16, 5, 9);
  const std::vector<uint8_t> bytes = WriteCurrent(list);
  ASSERT_EQ(bytes.size(), 28u + 54 + 64 * 48 * 4 + 62 + 8 * 48);
  EXPECT_EQ(Hex(bytes, 0, 28), "494C010105000900040010001000FFFFFFFF2100FFFFFFFFFFFFFFFF");
  // File header (size field = offset of the rows, as the platform writes it) and info header.
  EXPECT_EQ(Hex(bytes, 28, 54),
            "424D"
            "36000000"
            "00000000"
            "36000000"
            "28000000"
            "40000000"
            "30000000"
            "0100"
            "2000"
            "00000000"
            "00300000"
            "00000000"
            "00000000"
            "00000000"
            "00000000");
  const size_t maskAt = kImagesBitsAt + 64 * 48 * 4;
  EXPECT_EQ(Hex(bytes, maskAt, 62),
            "424D"
            "3E000000"
            "00000000"
            "3E000000"
            "28000000"
            "40000000"
            "30000000"
            "0100"
            "0100"
            "00000000"
            "80010000"
            "00000000"
            "00000000"
            "00000000"
            "00000000"
            "00000000"
            "FFFFFF00");

  // Image 4 sits in the second row of cells, at the left; rows are stored bottom-up.
  const auto storedPixel = [&](int image, int x, int y) {
    const int left = (image % 4) * 16 + x, top = (image / 4) * 16 + y;
    const size_t at = kImagesBitsAt + static_cast<size_t>(47 - top) * 256 + left * 4;
    uint32_t value;
    std::memcpy(&value, &bytes[at], 4);
    return value;
  };
  const auto storedMask = [&](int image, int x, int y) {
    const int left = (image % 4) * 16 + x, top = (image / 4) * 16 + y;
    const size_t at = maskAt + 62 + static_cast<size_t>(47 - top) * 8 + left / 8;
    return (bytes[at] >> (7 - left % 8)) & 1;
  };
  for (int image : {0, 3, 4}) {
    for (int y : {0, 7, 15}) {
      for (int x : {0, 9, 15}) {
        const size_t at = static_cast<size_t>(y) * 16 + x;
        EXPECT_EQ(storedPixel(image, x, y), list.images[image].pixels[at]);
        EXPECT_EQ(storedMask(image, x, y), list.images[image].mask[at]);
      }
    }
  }
  // The free cells stay black and opaque.
  EXPECT_EQ(storedPixel(8, 5, 5), 0u);
  EXPECT_EQ(storedMask(8, 5, 5), 0);
}

TEST(ImageListStreamRoundTrip, KeepsPixelsMasksFieldsAndBytes) {
  TStoredImageList list = SampleList(16, 16, 5, 9);
  list.growth = 7;
  list.backgroundColor = 0x00123456;
  list.flags = 0x10FF;
  list.overlays = {2, -1, 0, 3};
  list.images[1].pixels[17] = 0x80402010;  // alpha survives at 32 bits
  const std::vector<uint8_t> first = WriteCurrent(list);
  const TStoredImageList read = ReadBytes(first);
  EXPECT_EQ(read.layout, TImageListLayout::ilCurrent);
  EXPECT_EQ(read.width, 16);
  EXPECT_EQ(read.height, 16);
  EXPECT_EQ(read.capacity, 9);
  EXPECT_EQ(read.growth, 7);
  EXPECT_EQ(read.backgroundColor, 0x00123456u);
  EXPECT_EQ(read.flags, 0x10FF);
  EXPECT_EQ(read.overlays, list.overlays);
  EXPECT_EQ(read.storedBitsPerPixel, 32);
  ExpectSameImages(list, read);
  EXPECT_EQ(WriteCurrent(read), first);
}

TEST(ImageListStreamRoundTrip, OddSizesAndEmptyLists) {
  for (const auto& [width, height, count] :
       {std::tuple{1, 1, 1}, {3, 5, 7}, {17, 2, 4}, {16, 16, 0}, {33, 9, 12}}) {
    const TStoredImageList list = SampleList(width, height, count);
    const std::vector<uint8_t> bytes = WriteCurrent(list);
    const TStoredImageList read = ReadBytes(bytes);
    EXPECT_EQ(read.width, width);
    EXPECT_EQ(read.height, height);
    EXPECT_EQ(read.capacity, std::max(count, 1));
    ExpectSameImages(list, read);
    EXPECT_EQ(WriteCurrent(read), bytes);
  }
}

TEST(ImageListStreamRoundTrip, TwentyFourBitsDropsOnlyAlpha) {
  TStoredImageList list = SampleList(8, 8, 3);
  list.images[0].pixels[0] = 0x11223344;
  const TStoredImageList read = ReadBytes(WriteCurrent(list, 24));
  EXPECT_EQ(read.storedBitsPerPixel, 24);
  for (size_t i = 0; i < list.images.size(); ++i) {
    for (size_t p = 0; p < list.images[i].pixels.size(); ++p) {
      EXPECT_EQ(read.images[i].pixels[p], list.images[i].pixels[p] | 0xFF000000u);
    }
    EXPECT_EQ(read.images[i].mask, list.images[i].mask);
  }
}

TEST(ImageListStreamRoundTrip, WithoutMaskFlagThereIsNoMaskBitmap) {
  TStoredImageList list = SampleList(16, 16, 2);
  list.flags = kImageListColor32;
  for (TStoredImage& image : list.images)
    std::fill(image.mask.begin(), image.mask.end(), 0);
  const std::vector<uint8_t> bytes = WriteCurrent(list);
  EXPECT_EQ(bytes.size(), 28u + 54 + 64 * 16 * 4);
  ExpectSameImages(list, ReadBytes(bytes));
}

TEST(ImageListStreamOlderLayout, RoundTripsAndIsToldApart) {
  const TStoredImageList list = SampleList(16, 16, 6);
  const std::vector<uint8_t> bytes = WriteOlder(list);
  // Data size (a 64 x 32 images bitmap and its mask), then the count, then the images bitmap.
  EXPECT_EQ(bytes.size(), 8u + 54 + 64 * 32 * 4 + 62 + 8 * 32);
  EXPECT_EQ(Hex(bytes, 0, 10),
            "74210000060000004"
            "24D");
  EXPECT_EQ(DetectImageListLayout(bytes.data(), bytes.size()), TImageListLayout::ilOlder);
  const TStoredImageList read = ReadBytes(bytes);
  EXPECT_EQ(read.layout, TImageListLayout::ilOlder);
  EXPECT_EQ(read.width, 16);
  EXPECT_EQ(read.capacity, 6);
  EXPECT_EQ(read.flags, kImageListMask | kImageListColor32);
  ExpectSameImages(list, read);
  EXPECT_EQ(WriteOlder(read), bytes);
  // The older layout has no size of its own: the caller's cell size cuts it.
  const TStoredImageList halves = ReadBytes(bytes, 8, 16);
  ASSERT_EQ(halves.images.size(), 6u);
  EXPECT_EQ(halves.images[1].pixels[0], list.images[0].pixels[8]);
}

TEST(ImageListStreamOlderLayout, LayoutRuleLooksAtTheFirstTwoWords) {
  const uint8_t current[8] = {'I', 'L', 1, 1, 4, 0, 9, 0};
  const uint8_t equalWords[8] = {'I', 'L', 0, 0, 'I', 'L', 0, 0};
  const uint8_t noMagic[8] = {'I', 'M', 1, 1, 4, 0, 9, 0};
  EXPECT_EQ(DetectImageListLayout(current, 8), TImageListLayout::ilCurrent);
  EXPECT_EQ(DetectImageListLayout(equalWords, 8), TImageListLayout::ilOlder);
  EXPECT_EQ(DetectImageListLayout(noMagic, 8), TImageListLayout::ilOlder);
  EXPECT_EQ(DetectImageListLayout(current, 7), TImageListLayout::ilOlder);
}

TEST(ImageListStreamOlderLayout, OlderStreamThatStartsWithILIsReadAsOlder) {
  // Data size and count are both 0x4C49 (19529), so the stream starts with "IL" but its first
  // two words are equal: 19529 images of 1 x 1, 128 to a row.
  constexpr uint32_t kCount = 0x4C49;
  const auto colourAt = [](int x, int y) {
    return 0xFF000000u | static_cast<uint32_t>(x) << 16 | static_cast<uint32_t>(y);
  };
  const TBgraBitmap images = MakeBitmap(128, 153, colourAt);
  const TBgraBitmap masks =
      MakeBitmap(128, 153, [](int x, int y) { return (x + y) % 3 ? 0xFF000000u : 0xFFFFFFFFu; });
  std::vector<uint8_t> bytes(8);
  Put32At(bytes, 0, kCount);
  Put32At(bytes, 4, kCount);
  Append(bytes, BitmapFileBytes(images, 24));
  Append(bytes, BitmapFileBytes(masks, 1, {0x000000, 0xFFFFFF}));
  ASSERT_EQ(std::string(bytes.begin(), bytes.begin() + 2), "IL");

  const TStoredImageList read = ReadBytes(bytes, 1, 1);
  EXPECT_EQ(read.layout, TImageListLayout::ilOlder);
  ASSERT_EQ(read.images.size(), kCount);
  for (uint32_t i : {0u, 1u, 127u, 128u, 5000u, kCount - 1}) {
    const int x = static_cast<int>(i % 128), y = static_cast<int>(i / 128);
    EXPECT_EQ(read.images[i].pixels[0], colourAt(x, y)) << i;
    EXPECT_EQ(read.images[i].mask[0], (x + y) % 3 ? 0 : 1) << i;
  }
}

TEST(ImageListStreamRead, StopsAfterTheMaskBitmap) {
  std::vector<uint8_t> bytes = WriteCurrent(SampleList(16, 16, 4, 9));
  const size_t written = bytes.size();
  bytes.resize(written + 22, 0xAB);
  TReadOnlyMemoryStream stream(bytes.data(), static_cast<int64_t>(bytes.size()));
  ReadImageListStream(stream);
  EXPECT_EQ(stream.Position(), static_cast<int64_t>(written));
}

TEST(ImageListStreamFlags, MergesTheStoredDepthIntoAMaskOnlyFlagsByte) {
  TStoredImageList list = SampleList(16, 16, 2);
  list.flags = 0x1001;
  std::vector<uint8_t> bytes = WriteCurrent(list);
  EXPECT_TRUE(MergeStoredDepthIntoFlags(bytes));
  EXPECT_EQ(ReadBytes(bytes).flags, 0x1021);
  EXPECT_FALSE(MergeStoredDepthIntoFlags(bytes));  // 0x21 is not mask-only any more

  list.flags = 0x0001;
  std::vector<uint8_t> twentyFour = WriteCurrent(list, 24);
  EXPECT_TRUE(MergeStoredDepthIntoFlags(twentyFour));
  EXPECT_EQ(ReadBytes(twentyFour).flags, 0x0019);

  std::vector<uint8_t> older = WriteOlder(list);
  const std::vector<uint8_t> olderBefore = older;
  EXPECT_FALSE(MergeStoredDepthIntoFlags(older));
  EXPECT_EQ(older, olderBefore);
  std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + 40);
  EXPECT_FALSE(MergeStoredDepthIntoFlags(cut));
}

namespace {

class FailingStream : public TMemoryStream {
 public:
  explicit FailingStream(int64_t room) : room_(room) {}
  int64_t Write(const void* buffer, int64_t count) override {
    if (Size() + count > room_) return 0;
    return TMemoryStream::Write(buffer, count);
  }

 private:
  int64_t room_;
};

void ExpectInvalid(const TStoredImageList& list, int bitsPerPixel = 32) {
  TMemoryStream stream;
  try {
    WriteImageListStream(stream, list, bitsPerPixel);
    ADD_FAILURE() << "an invalid list was written";
  } catch (const EInvalidOperation& error) {
    EXPECT_EQ(error.Message(), kInvalidImageListMessage);
  }
  EXPECT_EQ(stream.Size(), 0);
}

}  // namespace

TEST(ImageListStreamWrite, RefusesInconsistentListsBeforeWriting) {
  TStoredImageList list = SampleList(16, 16, 3);
  ExpectInvalid(list, 16);
  list.width = 0;
  ExpectInvalid(list);
  list = SampleList(16, 16, 3);
  list.images[2].mask.pop_back();
  ExpectInvalid(list);
  list = SampleList(16, 16, 3);
  list.capacity = 70000;
  ExpectInvalid(list);
  list = SampleList(4, 4, 3);
  list.height = 65536;
  ExpectInvalid(list);
  ExpectInvalid(SampleList(64, 64, 1, 65535));  // bitmaps beyond what a reader accepts
}

TEST(ImageListStreamWrite, StreamFailureGivesTheWriteMessage) {
  const TStoredImageList list = SampleList(16, 16, 3);
  for (int64_t room : {0, 27, 28, 100, 4000}) {
    FailingStream stream(room);
    try {
      WriteImageListStream(stream, list);
      ADD_FAILURE() << "write into " << room << " bytes succeeded";
    } catch (const EWriteError& error) {
      EXPECT_EQ(error.Message(), kImageListWriteFailedMessage);
    }
  }
  FailingStream older(50);
  EXPECT_THROW(WriteOlderImageListStream(older, list), EWriteError);
}

TEST(ImageListStreamMalformed, EveryCutShortStreamFails) {
  TStoredImageList unmasked = SampleList(3, 2, 5);
  unmasked.flags = kImageListColor32;
  for (const std::vector<uint8_t>& whole :
       {WriteCurrent(SampleList(3, 2, 5)), WriteCurrent(SampleList(3, 2, 5), 24),
        WriteCurrent(unmasked), WriteOlder(SampleList(3, 2, 5))}) {
    ASSERT_NO_THROW(ReadBytes(whole, 3, 2));
    for (size_t size = 0; size < whole.size(); ++size) {
      ExpectReadFails(std::vector<uint8_t>(whole.begin(), whole.begin() + size), 3, 2);
    }
  }
}

TEST(ImageListStreamMalformed, BadHeadersFail) {
  const std::vector<uint8_t> good = WriteCurrent(SampleList(16, 16, 4, 9));
  const auto patched = [&](size_t at, uint16_t value) {
    std::vector<uint8_t> bytes = good;
    Put16At(bytes, at, value);
    return bytes;
  };
  ExpectReadFails(patched(2, 0x0100));   // version
  ExpectReadFails(patched(4, 10));       // more images than capacity
  ExpectReadFails(patched(10, 0));       // width 0
  ExpectReadFails(patched(12, 0));       // height 0
  ExpectReadFails(patched(10, 8));       // bitmap not 4 cells wide
  ExpectReadFails(patched(12, 49));      // bitmap too low for the images
  ExpectReadFails(patched(28, 0x4D43));  // not "BM"
  // Absurd sizes are refused before anything is allocated.
  std::vector<uint8_t> absurd = HeaderBytes(4, 9, 0xFFFF, 0xFFFF, 0x21);
  Append(absurd, std::vector<uint8_t>(good.begin() + 28, good.end()));
  ExpectReadFails(absurd);
}

TEST(ImageListStreamMalformed, CapacityIsBoundedByTheCellsTheBitmapsHold) {
  // A header claiming 65281 cells over bitmaps with one row of 4: read as 4, written back as one
  // row rather than as a bitmap of 16 million pixels.
  const std::vector<uint8_t> good = WriteCurrent(SampleList(16, 16, 3, 4));
  std::vector<uint8_t> claimed = HeaderBytes(3, 0xFF01, 16, 16, 0x21);
  Append(claimed, std::vector<uint8_t>(good.begin() + 28, good.end()));
  const TStoredImageList read = ReadBytes(claimed);
  EXPECT_EQ(read.capacity, 4);
  EXPECT_EQ(WriteCurrent(read), good);
  // A mask bitmap lower than the images bitmap bounds it too.
  const std::vector<uint8_t> tall = WriteCurrent(SampleList(16, 16, 3, 8));
  std::vector<uint8_t> shortMask(tall.begin(), tall.begin() + 28 + 54 + 64 * 32 * 4);
  Append(shortMask, std::vector<uint8_t>(good.begin() + 28 + 54 + 64 * 16 * 4, good.end()));
  EXPECT_EQ(ReadBytes(shortMask).capacity, 4);
}

namespace {

// A bitmap file laid out by hand: the 40-byte header, then extra (masks or palette), then rows.
std::vector<uint8_t> RawBitmap(int32_t width, int32_t height, uint16_t bits, uint32_t compression,
                               const std::vector<uint8_t>& extra, const std::vector<uint8_t>& rows,
                               uint32_t colorsUsed = 0, uint32_t infoSize = 40) {
  std::vector<uint8_t> file(14 + std::max<uint32_t>(infoSize, 40), 0);
  Put16At(file, 0, 0x4D42);
  Put32At(file, 10, static_cast<uint32_t>(14 + infoSize + extra.size()));
  Put32At(file, 14, infoSize);
  Put32At(file, 18, static_cast<uint32_t>(width));
  Put32At(file, 22, static_cast<uint32_t>(height));
  Put16At(file, 26, 1);
  Put16At(file, 28, bits);
  Put32At(file, 30, compression);
  Put32At(file, 46, colorsUsed);
  file.resize(14 + infoSize);
  Append(file, extra);
  Append(file, rows);
  return file;
}

std::vector<uint8_t> OneImageStream(const std::vector<uint8_t>& imagesBitmap,
                                    uint16_t flags = 0x21) {
  std::vector<uint8_t> bytes = HeaderBytes(1, 1, 2, 2, flags);
  Append(bytes, imagesBitmap);
  if (flags & 1) {
    Append(bytes,
           BitmapFileBytes(
               MakeBitmap(8, 2, [](int x, int) { return x == 1 ? 0xFFFFFFFFu : 0xFF000000u; }), 1,
               {0x000000, 0xFFFFFF}));
  }
  return bytes;
}

}  // namespace

TEST(ImageListStreamMalformed, BadBitmapHeadersFail) {
  const std::vector<uint8_t> rows32(8 * 2 * 4, 0);
  const std::vector<uint8_t> rows8(8 * 2, 0);
  const std::vector<uint8_t> palette8(256 * 4, 0);
  ASSERT_NO_THROW(ReadBytes(OneImageStream(RawBitmap(8, 2, 32, 0, {}, rows32))));
  ExpectReadFails(OneImageStream(RawBitmap(0, 2, 32, 0, {}, rows32)));
  ExpectReadFails(OneImageStream(RawBitmap(-8, 2, 32, 0, {}, rows32)));
  ExpectReadFails(OneImageStream(RawBitmap(8, 0, 32, 0, {}, rows32)));
  ExpectReadFails(OneImageStream(RawBitmap(8, INT32_MIN, 32, 0, {}, rows32)));
  ExpectReadFails(OneImageStream(RawBitmap(8, 2, 7, 0, {}, rows32)));
  ExpectReadFails(OneImageStream(RawBitmap(8, 2, 8, 1, palette8, rows8)));  // run-length
  ExpectReadFails(OneImageStream(RawBitmap(8, 2, 24, 3, {}, rows32)));      // fields at 24
  ExpectReadFails(OneImageStream(RawBitmap(8, 2, 8, 0, palette8, rows8, 257)));
  ExpectReadFails(OneImageStream(RawBitmap(8, 2, 32, 0, {}, rows32, 0, 12)));
  ExpectReadFails(OneImageStream(RawBitmap(8, 2, 32, 0, {}, rows32, 0, 64)));
  std::vector<uint8_t> planes = RawBitmap(8, 2, 32, 0, {}, rows32);
  Put16At(planes, 26, 2);
  ExpectReadFails(OneImageStream(planes));
  // Absurd dimensions are refused before the rows are looked for.
  ExpectReadFails(OneImageStream(RawBitmap(0x7FFFFFFF, 0x7FFFFFFF, 1, 0, {}, {})));
  ExpectReadFails(OneImageStream(RawBitmap(8, 2100000, 32, 0, {}, rows32)));
  // A gap before the rows larger than any writer leaves.
  std::vector<uint8_t> gap = RawBitmap(8, 2, 32, 0, {}, rows32);
  Put32At(gap, 10, 0x7FFFFFF0);
  ExpectReadFails(OneImageStream(gap));
  // The mask bitmap must match the images bitmap.
  std::vector<uint8_t> mismatch = HeaderBytes(1, 1, 2, 2, 0x21);
  Append(mismatch, RawBitmap(8, 2, 32, 0, {}, rows32));
  Append(mismatch, BitmapFileBytes(MakeBitmap(16, 2, [](int, int) { return 0u; }), 1));
  ExpectReadFails(mismatch);
}

TEST(ImageListStreamMalformed, OlderLayoutLimits) {
  std::vector<uint8_t> bytes = WriteOlder(SampleList(16, 16, 3));
  ExpectReadFails(bytes, 0, 16);
  ExpectReadFails(bytes, 16, 70000);
  ExpectReadFails(bytes, 80, 16);  // cells wider than the bitmap
  std::vector<uint8_t> tooMany = bytes;
  Put32At(tooMany, 4, 5);  // more images than cells with room in 1 row of 4
  ExpectReadFails(tooMany);
  Put32At(tooMany, 4, 70000);
  ExpectReadFails(tooMany);
}
