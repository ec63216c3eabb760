// TDvGIFImage on the clipboard: the bitmap of frame 0 always, the "GIF Image" data when every
// frame has stored data, and loading back from either.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "framework/core/SysUtils.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/platform/GlobalMemory.h"
#include "imaging/gif/DvGIFImage.h"
#include "imaging/gif/GIFClipboardCalls.h"
#include "imaging/gif/GIFFrameGraphic.h"
#include "imaging/gif/GIFRegistration.h"
#include "tests/imaging/gif/win/GifWinTestSupport.h"

namespace {

const TColor kRed = RGBColor(255, 0, 0);
const TColor kBlue = RGBColor(0, 0, 255);
const TColor kWhite = RGBColor(255, 255, 255);

// Puts what the image hands out on the clipboard, as the clipboard object of a program would.
void CopyToClipboard(TDvGIFImage& image) {
  ClipboardScope clipboard;
  ASSERT_TRUE(clipboard.IsOpen());
  TClipboardFormat format = 0;
  TClipboardHandle data = nullptr;
  TPaletteHandle palette = nullptr;
  image.SaveToClipboardFormat(format, data, palette);
  ASSERT_EQ(format, static_cast<TClipboardFormat>(CF_BITMAP));
  ASSERT_NE(data, nullptr);
  ASSERT_NE(SetClipboardData(format, data), nullptr);
  if (palette != nullptr) {
    ASSERT_NE(SetClipboardData(CF_PALETTE, palette), nullptr);
  }
}

std::vector<uint8_t> ClipboardGIFData() {
  ClipboardReader clipboard;
  EXPECT_TRUE(clipboard.IsOpen());
  const HANDLE handle = GetClipboardData(GIFClipboardFormat());
  if (handle == nullptr) return {};
  const GlobalLockGuard lock(handle);
  const auto* bytes = static_cast<const uint8_t*>(lock.Data());
  return std::vector<uint8_t>(bytes, bytes + lock.Size());
}

TEST(GIFClipboardTest, AFrameWithoutStoredDataPutsOnlyTheBitmap) {
  TBitmap source(3, 2, pf24bit);
  source.Canvas().Brush().SetColor(kBlue);
  source.Canvas().FillRect(TRect{0, 0, 3, 2});
  source.Canvas().SetPixel(0, 0, kRed);
  TDvGIFImage image;
  image.Assign(&source);
  ASSERT_TRUE(image.Frame(0).Item().encoded.empty());

  CopyToClipboard(image);
  // Saving did not encode the frame.
  EXPECT_TRUE(image.Frame(0).Item().encoded.empty());
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
  EXPECT_FALSE(IsClipboardFormatAvailable(GIFClipboardFormat()));

  ClipboardReader clipboard;
  ASSERT_TRUE(clipboard.IsOpen());
  TDvGIFImage loaded;
  loaded.LoadFromClipboardFormat(CF_BITMAP, GetClipboardData(CF_BITMAP), nullptr);
  ASSERT_EQ(loaded.FrameCount(), 1);
  EXPECT_STREQ(TGIFImageBase::VersionText(loaded.Version()), "87a");
  EXPECT_EQ(loaded.CurrentIndex(), 0);
  TBitmap& picture = FrameBitmap(loaded.Frame(0));
  ASSERT_EQ(picture.Width(), 3);
  ASSERT_EQ(picture.Height(), 2);
  EXPECT_EQ(picture.Canvas().Pixel(0, 0), kRed);
  EXPECT_EQ(picture.Canvas().Pixel(2, 1), kBlue);
}

TEST(GIFClipboardTest, AReadImagePutsGIFImageDataAndLoadsBackTheSameFrames) {
  GifFrameSpec second = FourColourFrame();
  second.indices = {2, 2, 2, 2, 0, 3, 3, 0};
  second.transparentIndex = -1;
  const std::vector<uint8_t> file = BuildGifFile({FourColourFrame(), second});
  TDvGIFImage image;
  TMemoryStream stream(file);
  image.LoadFromStream(stream);
  ASSERT_EQ(image.FrameCount(), 2);

  CopyToClipboard(image);
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
  ASSERT_TRUE(IsClipboardFormatAvailable(GIFClipboardFormat()));
  const std::vector<uint8_t> data = ClipboardGIFData();
  TMemoryStream expected;
  image.WriteData(expected);
  // The block may be rounded up; the count and the file come first.
  ASSERT_GE(data.size(), expected.Bytes().size());
  EXPECT_EQ(std::vector<uint8_t>(data.begin(), data.begin() + expected.Bytes().size()),
            expected.Bytes());
  uint32_t count = 0;
  std::memcpy(&count, data.data(), 4);
  EXPECT_EQ(count + 4, expected.Bytes().size());
  EXPECT_EQ(std::string(data.begin() + 4, data.begin() + 10), "GIF89a");

  ClipboardReader clipboard;
  ASSERT_TRUE(clipboard.IsOpen());
  TDvGIFImage loaded;
  loaded.LoadFromClipboardFormat(GIFClipboardFormat(), GetClipboardData(GIFClipboardFormat()),
                                 nullptr);
  ASSERT_EQ(loaded.FrameCount(), 2);
  EXPECT_EQ(loaded.CurrentIndex(), 0);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(loaded.Frame(i).Item().encoded, image.Frame(i).Item().encoded) << i;
    EXPECT_EQ(loaded.Frame(i).transparentColor, image.Frame(i).transparentColor) << i;
  }
  EXPECT_EQ(loaded.Frame(0).transparentColor, kWhite);
  // Frame 0 shows the clipboard's bitmap, a device bitmap of the same picture.
  ASSERT_TRUE(loaded.Frame(0).HasBitmap());
  TBitmap& first = FrameBitmap(loaded.Frame(0));
  EXPECT_EQ(first.HandleType(), bmDDB);
  EXPECT_EQ(first.Canvas().Pixel(2, 0), kBlue);
  EXPECT_EQ(first.Canvas().Pixel(0, 1), kWhite);
  // Frame 1 is decoded from the data on demand.
  EXPECT_FALSE(loaded.Frame(1).HasBitmap());
  TBitmap& other = FrameBitmap(loaded.Frame(1));
  EXPECT_EQ(other.Canvas().Pixel(1, 1), kWhite);
  EXPECT_EQ(other.Canvas().Pixel(3, 1), kRed);
}

TEST(GIFClipboardTest, AnEmptyImagePutsNothing) {
  TDvGIFImage image;
  TClipboardFormat format = 0;
  TClipboardHandle data = nullptr;
  TPaletteHandle palette = nullptr;
  image.SaveToClipboardFormat(format, data, palette);
  EXPECT_EQ(format, 0u);
  EXPECT_EQ(data, nullptr);
  EXPECT_EQ(palette, nullptr);
}

TEST(GIFClipboardTest, CutShortGIFDataFailsWithTheReadError) {
  {
    ClipboardScope clipboard;
    ASSERT_TRUE(clipboard.IsOpen());
    // A count of 100 bytes in front of 6.
    const uint8_t bytes[] = {100, 0, 0, 0, 'G', 'I', 'F', '8', '9', 'a'};
    GlobalMemory block = GlobalMemory::Allocate(sizeof bytes);
    {
      const GlobalLockGuard lock(block.Get());
      std::memcpy(lock.Data(), bytes, sizeof bytes);
    }
    ASSERT_NE(SetClipboardData(GIFClipboardFormat(), block.Get()), nullptr);
    block.Release();
  }
  ClipboardReader clipboard;
  TDvGIFImage loaded;
  try {
    loaded.LoadFromClipboardFormat(GIFClipboardFormat(), GetClipboardData(GIFClipboardFormat()),
                                   nullptr);
    ADD_FAILURE() << "cut-short data accepted";
  } catch (const EReadError& error) {
    EXPECT_EQ(error.Message(), "Stream read error");
  }
  EXPECT_EQ(loaded.FrameCount(), 0);
}

// Puts raw bytes on the clipboard as "GIF Image" data.
void PutRawGIFData(const std::vector<uint8_t>& bytes) {
  ClipboardScope clipboard;
  ASSERT_TRUE(clipboard.IsOpen());
  GlobalMemory block = GlobalMemory::Allocate(bytes.size());
  {
    const GlobalLockGuard lock(block.Get());
    std::memcpy(lock.Data(), bytes.data(), bytes.size());
  }
  ASSERT_NE(SetClipboardData(GIFClipboardFormat(), block.Get()), nullptr);
  block.Release();
}

TEST(GIFClipboardTest, DataTooShortForItsCountStillResetsTheImage) {
  TDvGIFImage image;
  TMemoryStream stream(BuildGifFile({FourColourFrame()}));
  image.LoadFromStream(stream);
  ASSERT_EQ(image.FrameCount(), 1);
  PutRawGIFData({7, 0, 0});
  ClipboardReader clipboard;
  ASSERT_TRUE(clipboard.IsOpen());
  try {
    image.LoadFromClipboardFormat(GIFClipboardFormat(), GetClipboardData(GIFClipboardFormat()),
                                  nullptr);
    ADD_FAILURE() << "three bytes accepted";
  } catch (const EReadError& error) {
    EXPECT_EQ(error.Message(), "Stream read error");
  }
  EXPECT_EQ(image.FrameCount(), 0);
  EXPECT_EQ(image.CurrentIndex(), -1);
  EXPECT_TRUE(image.Empty());
}

// Hands out a block of no bytes, which the system keeps as discarded: it cannot be locked.
HGLOBAL recordedBlock = nullptr;
HGLOBAL WINAPI UnlockableBlock(UINT flags, SIZE_T) {
  recordedBlock = GlobalAlloc(flags, 0);
  return recordedBlock;
}

TEST(GIFClipboardTest, ABlockThatCannotBeLockedFailsWithOutOfMemoryAndIsFreed) {
  TDvGIFImage image;
  TMemoryStream stream(BuildGifFile({FourColourFrame()}));
  image.LoadFromStream(stream);
  ClipboardScope clipboard;
  ASSERT_TRUE(clipboard.IsOpen());
  TClipboardFormat format = 0;
  TClipboardHandle data = nullptr;
  TPaletteHandle palette = nullptr;
  {
    const TGIFClipboardCallsScope calls(TGIFClipboardCalls{&UnlockableBlock});
    try {
      image.SaveToClipboardFormat(format, data, palette);
      ADD_FAILURE() << "the failed lock was swallowed";
    } catch (const EOutOfMemory& error) {
      EXPECT_EQ(error.Message(), "Out of memory");
    }
  }
  ASSERT_NE(recordedBlock, nullptr);
  EXPECT_EQ(GlobalFlags(recordedBlock), static_cast<UINT>(GMEM_INVALID_HANDLE));
  // The bitmap handed out before the failure is released, not left to the caller.
  EXPECT_EQ(data, nullptr);
  EXPECT_EQ(palette, nullptr);
  EXPECT_FALSE(IsClipboardFormatAvailable(GIFClipboardFormat()));
}

}  // namespace
