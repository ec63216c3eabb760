// The stored image data ("Bitmap") of the image list through comctl32: the form's state images,
// the mask-only retry, the read failures, the older layout, and what we write read back by the
// portable reader.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/images/DvImageList.h"
#include "controls/images/DvImageListData.h"
#include "framework/core/FormData.h"
#include "framework/core/FormReader.h"
#include "framework/core/Streams.h"
#include "framework/win/platform/Themes.h"
#include "tests/controls/images/support/ImagePixels.h"
#include "tests/controls/images/support/ImageTestForm.h"

namespace {

constexpr char kReadFailed[] = "Failed to read ImageList data from stream";
// In the state image data: the header, the 64 x 48 images bitmap at 32 bits, the mask bitmap's
// headers and its two palette entries.
constexpr size_t kMaskBitsAt = 28 + 54 + 64 * 48 * 4 + 62;

ImageTestFormPtr FormWithData(const std::vector<uint8_t>& bytes, const std::string& extra = "") {
  return LoadImageTestForm("  object StateImageList: TDvImageList\n" + extra +
                           "    Bitmap = " + BinaryValue(bytes) + "\n  end\n");
}

// The first 20 bytes of the stream, which is left where it was.
std::vector<uint8_t> Peek(IStream* stream) {
  std::vector<uint8_t> head(20);
  ULONG read = 0;
  stream->Read(head.data(), static_cast<ULONG>(head.size()), &read);
  const LARGE_INTEGER start{};
  stream->Seek(start, STREAM_SEEK_SET, nullptr);
  head.resize(read);
  return head;
}

// The stored "Bitmap" bytes of the first component in written form data that has them.
std::vector<uint8_t> WrittenBitmap(TComponent& root) {
  const TFormObject tree = FormData::Parse(FormWriter::WriteRoot(root));
  for (const TFormObject& child : tree.children)
    for (const TFormProperty& property : child.properties)
      if (property.name == "Bitmap") return property.value.bytes;
  return {};
}

TEST(DvImageListData, TheFormsStateImagesLoadIntoFourMaskedImages) {
  const std::vector<uint8_t> bytes = ResourceBytes("STATEIMAGES");
  ASSERT_EQ(bytes.size(), 12838u);
  ImageTestFormPtr form = FormWithData(bytes, "    OnChange = ListChange\n");
  auto& list = form->Component<TDvImageList>("StateImageList");
  EXPECT_EQ(list.Count(), 4);
  EXPECT_EQ(list.Width(), 16);
  EXPECT_EQ(list.Height(), 16);
  EXPECT_EQ(list.Mode(), imPicture) << "nothing rebuilds the stored images";
  EXPECT_EQ(form->log, (std::vector<std::string>{"Change:StateImageList"}));
  const TStoredImagesView expected = ReadStoredImages(bytes);
  for (const TExpectedImage& image : expected.images) {
    const auto transparent = std::count(image.transparent.begin(), image.transparent.end(), true);
    EXPECT_GT(transparent, 0) << "every state image has a mask";
    EXPECT_LT(transparent, 256);
  }
  EXPECT_TRUE(ListShows(list, expected));
}

TEST(DvImageListData, AMaskOnlyFlagsByteIsReadAgainWithTheStoredDepth) {
  const std::vector<uint8_t> bytes = SampleImageData(3, 0x1001);
  std::vector<int> flagsSeen;
  // A reader that refuses a mask-only header, as comctl32 may.
  const auto refusingReader = [&](IStream* stream) -> HIMAGELIST {
    const std::vector<uint8_t> head = Peek(stream);
    flagsSeen.push_back(head.size() > 18 ? head[18] : -1);
    return flagsSeen.back() == 0x01 ? nullptr : PlatformImageListRead(stream);
  };
  TMemoryStream stream(bytes);
  ImageListHandle list = ReadImageListData(stream, 16, 16, refusingReader);
  ASSERT_TRUE(list);
  EXPECT_EQ(flagsSeen, (std::vector<int>{0x01, 0x21}));
  EXPECT_EQ(ImageList_GetImageCount(list.Get()), 3);

  // The real reader, through the form.
  ImageTestFormPtr form = FormWithData(bytes);
  EXPECT_TRUE(ListShows(form->Component<TDvImageList>("StateImageList"), SampleImages(3)));
}

TEST(DvImageListData, EveryUnreadableBlockFailsWithTheReadMessage) {
  const std::vector<uint8_t> state = ResourceBytes("STATEIMAGES");
  std::vector<uint8_t> zeroWidth = state;
  zeroWidth[10] = zeroWidth[11] = 0;
  std::vector<uint8_t> overCapacity = state;
  overCapacity[4] = 10;  // 10 images in room for 9
  const std::vector<std::vector<uint8_t>> blocks = {
      {},
      {'I', 'L'},
      std::vector<uint8_t>(state.begin(), state.begin() + 28),
      // Cut inside the mask bits (the block ends in padding after the masks).
      std::vector<uint8_t>(state.begin(), state.begin() + kMaskBitsAt + 100),
      zeroWidth,
      overCapacity,
      std::vector<uint8_t>(64, 0xA5),
      std::vector<uint8_t>(8, 0),
  };
  int platformCalls = 0;
  const auto countingReader = [&](IStream* stream) {
    ++platformCalls;
    return PlatformImageListRead(stream);
  };
  for (size_t i = 0; i < blocks.size(); ++i) {
    TMemoryStream stream(blocks[i]);
    try {
      ReadImageListData(stream, 16, 16, countingReader);
      ADD_FAILURE() << "block " << i << " was read";
    } catch (const EReadError& e) {
      EXPECT_EQ(e.Message(), kReadFailed) << i;
    }
  }
  EXPECT_EQ(platformCalls, 0) << "malformed data never reaches the platform";

  // Well-formed data that the platform refuses: one try (no mask-only byte to merge).
  TMemoryStream refused(state);
  try {
    ReadImageListData(refused, 16, 16, [&](IStream*) -> HIMAGELIST {
      ++platformCalls;
      return nullptr;
    });
    ADD_FAILURE() << "refused data was read";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), kReadFailed);
  }
  EXPECT_EQ(platformCalls, 1);

  try {
    FormWithData(std::vector<uint8_t>(state.begin(), state.begin() + 100));
    ADD_FAILURE() << "the form was read";
  } catch (const EParserError& e) {
    EXPECT_NE(e.Message().find(kReadFailed), std::string::npos) << e.Message();
  }
}

TEST(DvImageListData, DamagedBlocksAreReadOrFailWithTheReadMessage) {
  const std::vector<uint8_t> state = ResourceBytes("STATEIMAGES");
  const std::vector<uint8_t> older = SampleOlderData(3);
  uint32_t seed = 12345;
  const auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return seed >> 8;
  };
  int failures = 0;
  int reads = 0;
  for (int round = 0; round < 400; ++round) {
    std::vector<uint8_t> bytes = round % 2 == 0 ? state : older;
    // Damage the headers mostly: a few bytes among the first 160, sometimes a cut.
    const int changes = 1 + static_cast<int>(next() % 4);
    for (int i = 0; i < changes; ++i)
      bytes[next() % 160] = static_cast<uint8_t>(next());
    if (round % 5 == 0) bytes.resize(next() % bytes.size());
    TMemoryStream stream(bytes);
    try {
      ImageListHandle list = ReadImageListData(stream, 16, 16);
      ASSERT_TRUE(list) << round;
      ++reads;
    } catch (const EReadError& e) {
      ASSERT_EQ(e.Message(), kReadFailed) << round;
      ++failures;
    }
  }
  EXPECT_GT(failures, 0);
  EXPECT_GT(reads, 0);
}

// ReadData and WriteData in reach, to see that a failed read keeps the images and how a failed
// write is told.
class TReadableImageList : public TDvImageList {
 public:
  using TDvImageList::ReadData;
  using TDvImageList::TDvImageList;
  using TDvImageList::WriteData;
};

TEST(DvImageListData, AFailedReadKeepsTheImagesAndAGoodOneStopsAtItsEnd) {
  TReadableImageList list(nullptr);
  std::vector<uint8_t> bytes = SampleImageData(2);
  const size_t size = bytes.size();
  bytes.insert(bytes.end(), {'M', 'O', 'R', 'E'});
  TMemoryStream stream(bytes);
  list.ReadData(stream);
  EXPECT_EQ(stream.Position(), static_cast<int64_t>(size));
  EXPECT_TRUE(ListShows(list, SampleImages(2)));

  TMemoryStream junk(std::vector<uint8_t>(40, 0x11));
  EXPECT_THROW(list.ReadData(junk), EReadError);
  EXPECT_TRUE(ListShows(list, SampleImages(2)));
}

TEST(DvImageListData, AFailedWriteFailsWithTheWriteMessage) {
  TReadableImageList list(nullptr);
  TMemoryStream data(SampleImageData(2));
  list.ReadData(data);
  std::vector<uint8_t> room(64);
  TReadOnlyMemoryStream readOnly(room.data(), static_cast<int64_t>(room.size()));
  try {
    list.WriteData(readOnly);
    ADD_FAILURE() << "written to a read-only stream";
  } catch (const EWriteError& e) {
    EXPECT_EQ(e.Message(), "Failed to write ImageList data to stream");
  }
  TMemoryStream written;
  list.WriteData(written);
  EXPECT_TRUE(ListShows(list, SampleImages(2)));
  EXPECT_EQ(ReadStoredImages(written.Bytes()).images.size(), 2u);
}

TEST(DvImageListData, TheOlderLayoutIsCutCellByCell) {
  ImageTestFormPtr form = FormWithData(SampleOlderData(5));
  EXPECT_TRUE(ListShows(form->Component<TDvImageList>("StateImageList"), SampleImages(5)));
}

TEST(DvImageListData, WriteExDownlevelOnlyWhereVersionSixExportsIt) {
  EXPECT_EQ(ChooseImageListWriter(5, true), TImageListWriter::iwWrite);
  EXPECT_EQ(ChooseImageListWriter(6, false), TImageListWriter::iwWrite);
  EXPECT_EQ(ChooseImageListWriter(6, true), TImageListWriter::iwWriteExDownlevel);
  EXPECT_EQ(ChooseImageListWriter(0, false), TImageListWriter::iwWrite);
  // This process (no manifest) runs comctl32 5.x, whose ImageList_Write writes the "IL" stream.
  EXPECT_LT(CommonControlsMajorVersion(), 6);
  EXPECT_EQ(PlatformImageListWriteCalls().commonControlsMajorVersion, CommonControlsMajorVersion());
}

TEST(DvImageListData, WritingCallsTheChosenWriterAndPassesOnlyWhatItWrote) {
  TMemoryStream data(SampleImageData(2));
  ImageListHandle list = ReadImageListData(data, 16, 16);
  std::vector<std::string> calls;
  // ImageList_Write itself is only declared where IStream was known before commctrl.h.
  const auto platformWrite = PlatformImageListWriteCalls().write;
  TImageListWriteCalls six;
  six.commonControlsMajorVersion = 6;
  six.writeEx = [&](HIMAGELIST written, DWORD flags, IStream* stream) -> HRESULT {
    calls.push_back("WriteEx " + std::to_string(flags));
    return platformWrite(written, stream) ? S_OK : E_FAIL;
  };
  six.write = [&](HIMAGELIST written, IStream* stream) {
    calls.push_back("Write");
    return platformWrite(written, stream);
  };
  TMemoryStream out;
  WriteImageListData(list.Get(), out, six);
  EXPECT_EQ(calls, (std::vector<std::string>{"WriteEx 1"})) << "ILP_DOWNLEVEL";
  const TStoredImagesView read = ReadStoredImages(out.Bytes());
  ASSERT_EQ(read.images.size(), 2u);
  EXPECT_EQ(read.images[1].transparent, SampleImages(2).images[1].transparent);

  TImageListWriteCalls five = six;
  five.commonControlsMajorVersion = 5;
  TImageListWriteCalls sixWithoutWriteEx = six;
  sixWithoutWriteEx.writeEx = nullptr;
  for (const TImageListWriteCalls* choice : {&five, &sixWithoutWriteEx}) {
    calls.clear();
    TMemoryStream plain;
    WriteImageListData(list.Get(), plain, *choice);
    EXPECT_EQ(calls, (std::vector<std::string>{"Write"}));
    EXPECT_EQ(plain.Bytes(), out.Bytes());
  }

  // A writer that fails, even after writing part of the data, leaves the stream untouched.
  TImageListWriteCalls failing = six;
  failing.writeEx = [](HIMAGELIST, DWORD, IStream* stream) -> HRESULT {
    stream->Write("IL", 2, nullptr);
    return E_FAIL;
  };
  TMemoryStream untouched;
  try {
    WriteImageListData(list.Get(), untouched, failing);
    ADD_FAILURE() << "a failed write went through";
  } catch (const EWriteError& e) {
    EXPECT_EQ(e.Message(), "Failed to write ImageList data to stream");
  }
  EXPECT_EQ(untouched.Size(), 0);
}

TEST(DvImageListData, WrittenDataIsReadByThePortableReaderToTheSamePixelsAndMasks) {
  ImageTestFormPtr form = FormWithData(SampleImageData(5));
  const std::vector<uint8_t> written = WrittenBitmap(*form);
  ASSERT_GT(written.size(), 28u);
  EXPECT_EQ(written[0], 'I');
  EXPECT_EQ(written[1], 'L');
  const TStoredImagesView read = ReadStoredImages(written);
  EXPECT_FALSE(read.olderLayout);
  EXPECT_EQ(read.width, 16);
  EXPECT_EQ(read.height, 16);
  EXPECT_NE(read.flags & ILC_MASK, 0);
  const TStoredImagesView expected = SampleImages(5);
  ASSERT_EQ(read.images.size(), 5u);
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(read.images[i].transparent, expected.images[i].transparent) << i;
    for (size_t p = 0; p < 256; ++p) {
      if (expected.images[i].transparent[p]) continue;
      ASSERT_EQ(read.images[i].colors[p], expected.images[i].colors[p]) << i << ", " << p;
    }
  }
  // And read back by the platform.
  ImageTestFormPtr copy = FormWithData(written);
  EXPECT_TRUE(ListShows(copy->Component<TDvImageList>("StateImageList"), expected));

  // A list without images stores nothing.
  ImageTestFormPtr empty = LoadImageTestForm("  object List: TDvImageList\n  end\n");
  EXPECT_TRUE(WrittenBitmap(*empty).empty());
}

}  // namespace
