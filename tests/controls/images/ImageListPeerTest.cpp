// The stored image data against comctl32's own reader and writer: what our generator and writer
// produce is read by ImageList_Read to the same pixels, and what ImageList_Write produces is read
// by our reader to the same pixels and masks.
#include <windows.h>

// The stream functions of commctrl.h need IStream declared first.
#include <objidl.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "controls/images/ImageListStream.h"
#include "framework/core/Streams.h"

namespace {

// Owners of the handles these tests make.
struct ImageListOwner {
  HIMAGELIST handle = nullptr;
  explicit ImageListOwner(HIMAGELIST list) : handle(list) {}
  ~ImageListOwner() {
    if (handle) ImageList_Destroy(handle);
  }
  ImageListOwner(const ImageListOwner&) = delete;
  ImageListOwner& operator=(const ImageListOwner&) = delete;
};

struct StreamOwner {
  IStream* stream = nullptr;
  StreamOwner() { CreateStreamOnHGlobal(nullptr, TRUE, &stream); }
  ~StreamOwner() {
    if (stream) stream->Release();
  }
  StreamOwner(const StreamOwner&) = delete;
  StreamOwner& operator=(const StreamOwner&) = delete;
};

struct GdiObjectOwner {
  HGDIOBJ handle = nullptr;
  explicit GdiObjectOwner(HGDIOBJ object) : handle(object) {}
  ~GdiObjectOwner() {
    if (handle) DeleteObject(handle);
  }
  GdiObjectOwner(const GdiObjectOwner&) = delete;
  GdiObjectOwner& operator=(const GdiObjectOwner&) = delete;
};

// A 32-bit top-down DIB section.
class Dib32 {
 public:
  Dib32(int width, int height) : width_(width) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<uint32_t*>(bits);
  }
  ~Dib32() {
    if (bitmap_) DeleteObject(bitmap_);
  }
  Dib32(const Dib32&) = delete;
  Dib32& operator=(const Dib32&) = delete;

  HBITMAP Bitmap() const { return bitmap_; }
  bool Valid() const { return bits_ != nullptr; }
  uint32_t& At(int x, int y) { return bits_[static_cast<size_t>(y) * width_ + x]; }

 private:
  int width_;
  HBITMAP bitmap_ = nullptr;
  uint32_t* bits_ = nullptr;
};

// A DIB selected into a memory DC; the DC gives its bitmap back before the DIB goes.
class DibCanvas : public Dib32 {
 public:
  DibCanvas(int width, int height) : Dib32(width, height), dc_(CreateCompatibleDC(nullptr)) {
    previous_ = SelectObject(dc_, Bitmap());
  }
  ~DibCanvas() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
  }

  HDC Dc() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ previous_ = nullptr;
};

class ImageListPeer : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitCommonControls();
    CoInitialize(nullptr);
  }
};

std::vector<uint8_t> ResourceBytes(const char* name) {
  HRSRC resource = FindResourceA(nullptr, name, MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (!resource) return {};
  const uint8_t* data = static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, resource)));
  return std::vector<uint8_t>(data, data + SizeofResource(nullptr, resource));
}

HIMAGELIST PlatformRead(const std::vector<uint8_t>& bytes) {
  StreamOwner holder;
  if (!holder.stream) return nullptr;
  ULONG written = 0;
  holder.stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
  const LARGE_INTEGER start{};
  holder.stream->Seek(start, STREAM_SEEK_SET, nullptr);
  return ImageList_Read(holder.stream);
}

std::vector<uint8_t> PlatformWrite(HIMAGELIST list) {
  StreamOwner holder;
  if (!holder.stream || !ImageList_Write(list, holder.stream)) return {};
  HGLOBAL memory = nullptr;
  GetHGlobalFromStream(holder.stream, &memory);
  STATSTG stat{};
  holder.stream->Stat(&stat, STATFLAG_NONAME);
  const uint8_t* data = static_cast<const uint8_t*>(GlobalLock(memory));
  std::vector<uint8_t> bytes(data, data + stat.cbSize.QuadPart);
  GlobalUnlock(memory);
  return bytes;
}

TStoredImageList OurRead(const std::vector<uint8_t>& bytes) {
  TReadOnlyMemoryStream stream(bytes.data(), static_cast<int64_t>(bytes.size()));
  return ReadImageListStream(stream);
}

// Draws each image of the platform list over two backgrounds and compares with our images:
// opaque pixels show our colour, transparent ones the background.
void ExpectPlatformDrawsImages(HIMAGELIST list, const TStoredImageList& ours) {
  ASSERT_EQ(ImageList_GetImageCount(list), static_cast<int>(ours.images.size()));
  int width = 0, height = 0;
  ASSERT_TRUE(ImageList_GetIconSize(list, &width, &height));
  ASSERT_EQ(width, ours.width);
  ASSERT_EQ(height, ours.height);
  for (uint32_t background : {0x00123456u, 0x00FEDCBAu}) {
    for (size_t i = 0; i < ours.images.size(); ++i) {
      DibCanvas canvas(width, height);
      ASSERT_TRUE(canvas.Valid() && canvas.Dc());
      for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
          canvas.At(x, y) = background;
      }
      ASSERT_TRUE(ImageList_Draw(list, static_cast<int>(i), canvas.Dc(), 0, 0, ILD_NORMAL));
      GdiFlush();
      for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
          const size_t at = static_cast<size_t>(y) * width + x;
          const uint32_t expected =
              ours.images[i].mask[at] ? background : ours.images[i].pixels[at];
          ASSERT_EQ(canvas.At(x, y) & 0xFFFFFF, expected & 0xFFFFFF)
              << "image " << i << " at " << x << "," << y;
        }
      }
    }
  }
}

// A sample list of our own: count images of 16 x 16, each with its own colours and mask.
TStoredImageList SampleImages(int count, uint16_t flags) {
  TStoredImageList list;
  list.capacity = 9;
  list.flags = flags;
  for (int i = 0; i < count; ++i) {
    TStoredImage image;
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        const bool transparent = (x * 3 + y + i) % 7 == 0;
        image.pixels.push_back(transparent ? 0u
                                           : 0xFF000000u | (x * 16 + i * 40) << 16 | (y * 15) << 8 |
                                                 ((x ^ y) * 9 + i));
        image.mask.push_back(transparent ? 1 : 0);
      }
    }
    list.images.push_back(std::move(image));
  }
  return list;
}

// Adds our images to a platform list: a 32-bit bitmap and a monochrome mask each.
void AddToPlatformList(HIMAGELIST list, const TStoredImageList& ours) {
  for (const TStoredImage& image : ours.images) {
    Dib32 colours(16, 16);
    ASSERT_TRUE(colours.Valid());
    for (int p = 0; p < 256; ++p)
      colours.At(p % 16, p / 16) = image.pixels[p];
    std::vector<uint8_t> maskBits(2 * 16, 0);  // rows of 16 bits, word aligned
    for (int p = 0; p < 256; ++p) {
      if (image.mask[p]) maskBits[(p / 16) * 2 + (p % 16) / 8] |= 0x80 >> (p % 8);
    }
    GdiObjectOwner mask(CreateBitmap(16, 16, 1, 1, maskBits.data()));
    GdiFlush();
    ASSERT_GE(ImageList_Add(list, colours.Bitmap(), static_cast<HBITMAP>(mask.handle)), 0);
  }
}

}  // namespace

TEST_F(ImageListPeer, ReadsTheGeneratedStateImages) {
  const std::vector<uint8_t> bytes = ResourceBytes("STATEIMAGES");
  ASSERT_EQ(bytes.size(), 12838u);
  const TStoredImageList ours = OurRead(bytes);
  ImageListOwner list(PlatformRead(bytes));
  ASSERT_NE(list.handle, nullptr);
  ExpectPlatformDrawsImages(list.handle, ours);
}

TEST_F(ImageListPeer, ReadsWhatOurWriterWrites) {
  for (uint16_t flags : {uint16_t{0x0021}, uint16_t{0x00FF}, uint16_t{0x0019}}) {
    for (int bits : {32, 24}) {
      const TStoredImageList ours = SampleImages(5, flags);
      TMemoryStream stream;
      WriteImageListStream(stream, ours, bits);
      ImageListOwner list(PlatformRead(stream.Bytes()));
      ASSERT_NE(list.handle, nullptr) << "flags " << flags << " bits " << bits;
      ExpectPlatformDrawsImages(list.handle, ours);
    }
  }
}

TEST_F(ImageListPeer, MaskOnlyFlagsReadOnceTheStoredDepthIsMerged) {
  const TStoredImageList ours = SampleImages(3, 0x1001);
  TMemoryStream stream;
  WriteImageListStream(stream, ours);
  std::vector<uint8_t> bytes = stream.TakeBytes();
  ASSERT_TRUE(MergeStoredDepthIntoFlags(bytes));
  EXPECT_EQ(bytes[18], 0x21);
  ImageListOwner list(PlatformRead(bytes));
  ASSERT_NE(list.handle, nullptr);
  ExpectPlatformDrawsImages(list.handle, ours);
}

TEST_F(ImageListPeer, OurReaderReadsWhatThePlatformWrites) {
  const TStoredImageList ours = SampleImages(4, 0x0021);
  ImageListOwner list(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 8, 4));
  ASSERT_NE(list.handle, nullptr);
  AddToPlatformList(list.handle, ours);
  ASSERT_EQ(ImageList_GetImageCount(list.handle), 4);
  // The platform draws what it was given before it writes it.
  ExpectPlatformDrawsImages(list.handle, ours);

  const std::vector<uint8_t> bytes = PlatformWrite(list.handle);
  ASSERT_FALSE(bytes.empty());
  const TStoredImageList read = OurRead(bytes);
  EXPECT_EQ(read.layout, TImageListLayout::ilCurrent);
  EXPECT_EQ(read.width, 16);
  EXPECT_EQ(read.height, 16);
  EXPECT_EQ(read.capacity, 9);
  EXPECT_EQ(read.flags, ILC_COLOR32 | ILC_MASK);
  EXPECT_EQ(read.storedBitsPerPixel, 32);
  ASSERT_EQ(read.images.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(read.images[i].mask, ours.images[i].mask) << i;
    for (size_t p = 0; p < 256; ++p) {
      if (ours.images[i].mask[p]) continue;
      ASSERT_EQ(read.images[i].pixels[p] & 0xFFFFFF, ours.images[i].pixels[p] & 0xFFFFFF)
          << "image " << i << " pixel " << p;
    }
  }
  // Our writer lays out the header and both bitmap headers byte for byte as the platform does.
  TMemoryStream mine;
  WriteImageListStream(mine, read);
  ASSERT_EQ(mine.Bytes().size(), bytes.size());
  EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + 28 + 54, mine.Bytes().begin()));
  const size_t maskAt = 28 + 54 + 64 * 48 * 4;
  EXPECT_TRUE(std::equal(bytes.begin() + maskAt, bytes.begin() + maskAt + 62,
                         mine.Bytes().begin() + maskAt));
}

TEST_F(ImageListPeer, LoadsTheGeneratedApplicationIcon) {
  for (int size : {16, 32, 48}) {
    HICON icon = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), "MAINICON", IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    DibCanvas canvas(size, size);
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x)
        canvas.At(x, y) = 0x00FFFFFF;
    }
    ASSERT_TRUE(DrawIconEx(canvas.Dc(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL));
    GdiFlush();
    // The front screen (lower right) is blue; the top right corner shows the background.
    const uint32_t screen = canvas.At(size * 65 / 100, size * 58 / 100);
    EXPECT_GT(screen & 0xFF, ((screen >> 16) & 0xFF) + 60) << size;
    EXPECT_EQ(canvas.At(size - 1, 0) & 0xFFFFFF, 0xFFFFFFu) << size;
    DestroyIcon(icon);
  }
}
