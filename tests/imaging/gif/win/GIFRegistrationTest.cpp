// The GIF graphic's start-up registrations and their removal at program end.
// Before any windows.h: winuser.h would rename the class registry's functions.
#include "framework/core/TypInfo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/Picture.h"
#include "framework/core/PictureFormats.h"
#include "framework/win/graphics/Bitmap.h"
#include "imaging/gif/DvGIFImage.h"
#include "imaging/gif/GIFRegistration.h"
#include "tests/imaging/gif/win/GifWinTestSupport.h"

namespace {

class TDerivedGIFImage : public TDvGIFImage {
  DV_CLASS(TDerivedGIFImage)
};

const TClassInfo& TDerivedGIFImage::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TDerivedGIFImage, TDvGIFImage>("TDerivedGIFImage");
  return info;
}

size_t FileEntriesOf(const TClassInfo& graphicClass) {
  const auto& entries = FileFormats().Entries();
  return static_cast<size_t>(std::count_if(entries.begin(), entries.end(), [&](const auto& e) {
    return e.graphicClass == &graphicClass;
  }));
}

size_t ClipboardEntriesOf(const TClassInfo& graphicClass) {
  const auto& entries = ClipboardFormats().Entries();
  return static_cast<size_t>(std::count_if(entries.begin(), entries.end(), [&](const auto& e) {
    return e.graphicClass == &graphicClass;
  }));
}

class GIFRegistrationTest : public testing::Test {
 protected:
  // Other tests of this program register the graphic too: start from program end.
  void SetUp() override { UnregisterGIFGraphic(); }
  void TearDown() override { RegisterGIFGraphic(); }
};

TEST_F(GIFRegistrationTest, StartUpMakesTheGraphicKnownByNameExtensionAndClipboardFormat) {
  const TClassInfo& imageClass = TDvGIFImage::StaticClassInfo();
  ASSERT_EQ(FileFormats().FindExt("gif"), nullptr);
  RegisterGIFGraphic();

  const TClipboardFormat format = GIFClipboardFormat();
  ASSERT_NE(format, 0u);
  char name[64] = {};
  ASSERT_GT(GetClipboardFormatNameA(format, name, sizeof name), 0);
  EXPECT_STREQ(name, "GIF Image");
  EXPECT_EQ(format, RegisterClipboardFormatA("GIF Image"));

  EXPECT_EQ(ClassRegistry::FindClass("TDvGIFImage"), &imageClass);
  const TClassInfo* frameClass = ClassRegistry::FindClass("TDvGIFFrame");
  ASSERT_NE(frameClass, nullptr);
  EXPECT_EQ(frameClass->Name(), "TDvGIFFrame");

  const TFileFormat* file = FileFormats().FindExt("GIF");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->extension, "gif");
  EXPECT_EQ(file->description, "CompuServe GIF Image");
  EXPECT_EQ(file->descriptionResId, 0);
  EXPECT_EQ(file->graphicClass, &imageClass);
  const std::unique_ptr<TGraphic> made = file->factory();
  EXPECT_NE(dynamic_cast<TDvGIFImage*>(made.get()), nullptr);
  EXPECT_EQ(FileFormats().Entries().back().graphicClass, &imageClass);

  const TClipboardFormatEntry* clipboard = ClipboardFormats().FindFormat(format);
  ASSERT_NE(clipboard, nullptr);
  EXPECT_EQ(clipboard->graphicClass, &imageClass);
  EXPECT_TRUE(TPicture::SupportsClipboardFormat(format));

  // A second start-up registration adds nothing.
  RegisterGIFGraphic();
  EXPECT_EQ(FileEntriesOf(imageClass), 1u);
  EXPECT_EQ(ClipboardEntriesOf(imageClass), 1u);

  // Stored picture data naming the class now reads as a GIF image.
  const std::vector<uint8_t> stored = StoredGifPicture(BuildGifFile({FourColourFrame()}));
  TMemoryStream stream(stored);
  TPicture picture;
  picture.ReadData(stream);
  ASSERT_NE(dynamic_cast<TDvGIFImage*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Width(), 4);
  EXPECT_EQ(picture.Height(), 2);
}

TEST_F(GIFRegistrationTest, ProgramEndRemovesTheClassAndItsDescendants) {
  RegisterGIFGraphic();
  const TClassInfo& derived = TDerivedGIFImage::StaticClassInfo();
  const TClipboardFormat derivedFormat = RegisterClipboardFormatA("Dv Derived GIF Test");
  FileFormats().Add("dgif", "Derived GIF", 0, derived, GraphicFactory<TDerivedGIFImage>());
  ClipboardFormats().Add(derivedFormat, derived, GraphicFactory<TDerivedGIFImage>());
  ASSERT_NE(FileFormats().FindExt("dgif"), nullptr);

  UnregisterGIFGraphic();
  EXPECT_EQ(FileFormats().FindExt("gif"), nullptr);
  EXPECT_EQ(FileFormats().FindExt("dgif"), nullptr);
  EXPECT_EQ(ClipboardFormats().FindFormat(GIFClipboardFormat()), nullptr);
  EXPECT_EQ(ClipboardFormats().FindFormat(derivedFormat), nullptr);
  EXPECT_EQ(FileEntriesOf(TDvGIFImage::StaticClassInfo()), 0u);
  EXPECT_EQ(ClipboardEntriesOf(derived), 0u);
  // The framework's own bitmap stays.
  ASSERT_NE(FileFormats().FindExt("bmp"), nullptr);
  EXPECT_EQ(FileFormats().FindExt("bmp")->graphicClass, &TBitmap::StaticClassInfo());
  EXPECT_NE(ClipboardFormats().FindFormat(CF_BITMAP), nullptr);

  // A picture no longer finds the class: the stored GIF reads as an empty picture.
  const std::vector<uint8_t> stored = StoredGifPicture(BuildGifFile({FourColourFrame()}));
  TMemoryStream stream(stored);
  TPicture picture;
  picture.ReadData(stream);
  EXPECT_EQ(picture.Graphic(), nullptr);
}

}  // namespace
