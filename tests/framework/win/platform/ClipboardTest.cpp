#include <gtest/gtest.h>

#include <cstring>

#include "framework/core/Picture.h"
#include "framework/core/TypInfo.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/platform/Clipboard.h"

namespace {

// A graphic with a clipboard form of its own: a global block holding its bytes.
class TClipTestGraphic : public TGraphic {
  DV_CLASS(TClipTestGraphic)
 public:
  static UINT Format() {
    static const UINT format = TClipboard::RegisterFormat("Dv Clipboard Test Graphic");
    return format;
  }
  std::string text;

  void Draw(TCanvas&, const TRect&) override {}
  bool Empty() const override { return text.empty(); }
  int Width() const override { return static_cast<int>(text.size()); }
  int Height() const override { return 1; }
  void SetWidth(int) override {}
  void SetHeight(int) override {}
  void LoadFromStream(TStream&) override {}
  void SaveToStream(TStream&) override {}
  void SaveToClipboardFormat(TClipboardFormat& format, TClipboardHandle& data,
                             TPaletteHandle& palette) override {
    GlobalMemory block = GlobalMemory::Allocate(text.size());
    {
      GlobalLockGuard lock(block.Get());
      std::memcpy(lock.Data(), text.data(), text.size());
    }
    format = Format();
    data = block.Release();
    palette = nullptr;
  }
  void LoadFromClipboardFormat(TClipboardFormat format, TClipboardHandle data,
                               TPaletteHandle) override {
    ASSERT_EQ(format, Format());
    GlobalLockGuard lock(data);
    text.assign(static_cast<const char*>(lock.Data()), lock.Size());
  }
};

const TClassInfo& TClipTestGraphic::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TClipTestGraphic, TGraphic>("TClipTestGraphic");
  return info;
}

class ClipboardTest : public testing::Test {
 protected:
  void SetUp() override {
    TPicture::RegisterClipboardGraphic(TClipTestGraphic::Format(),
                                       TClipTestGraphic::StaticClassInfo(),
                                       GraphicFactory<TClipTestGraphic>());
  }
  void TearDown() override {
    TPicture::UnregisterGraphicClass(TClipTestGraphic::StaticClassInfo());
  }
  TClipboard clipboard;
};

TEST_F(ClipboardTest, TextRoundTripsAndOpensNest) {
  clipboard.SetAsText("Dorv Internet Auto-Dialer");
  EXPECT_TRUE(clipboard.HasFormat(CF_TEXT));
  EXPECT_EQ(clipboard.AsText(), "Dorv Internet Auto-Dialer");
  {
    TClipboard::Session outer(clipboard);
    TClipboard::Session inner(clipboard);
    EXPECT_TRUE(clipboard.IsOpen());
  }
  EXPECT_FALSE(clipboard.IsOpen());
  clipboard.Clear();
  EXPECT_FALSE(clipboard.HasFormat(CF_TEXT));
  EXPECT_EQ(clipboard.AsText(), "");
}

TEST_F(ClipboardTest, ABitmapGoesThereAndComesBackAsAPicture) {
  TBitmap bitmap(3, 2, pf24bit);
  bitmap.Canvas().SetPixel(2, 1, clPurple);
  clipboard.Assign(bitmap);
  EXPECT_TRUE(clipboard.HasFormat(CF_BITMAP));
  TPicture picture;
  ASSERT_TRUE(clipboard.LoadPicture(picture));
  auto* loaded = dynamic_cast<TBitmap*>(picture.Graphic());
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->Width(), 3);
  EXPECT_EQ(loaded->Canvas().Pixel(2, 1), clPurple);
}

TEST_F(ClipboardTest, PicturesUseTheirGraphicsOwnFormat) {
  TClipTestGraphic graphic;
  graphic.text = "payload";
  clipboard.Assign(graphic);
  EXPECT_TRUE(clipboard.HasFormat(TClipTestGraphic::Format()));
  EXPECT_FALSE(clipboard.HasFormat(CF_BITMAP));
  TPicture picture;
  ASSERT_TRUE(clipboard.LoadPicture(picture));
  auto* loaded = dynamic_cast<TClipTestGraphic*>(picture.Graphic());
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->text, "payload");
}

TEST_F(ClipboardTest, NothingUsableLeavesThePictureAlone) {
  clipboard.SetAsText("just text");
  TPicture picture;
  picture.TakeGraphic(std::make_unique<TBitmap>(1, 1));
  TGraphic* before = picture.Graphic();
  EXPECT_FALSE(clipboard.LoadPicture(picture));
  EXPECT_EQ(picture.Graphic(), before);
}

TEST_F(ClipboardTest, RawHandlesByFormat) {
  GlobalMemory block = GlobalMemory::Allocate(4);
  {
    GlobalLockGuard lock(block.Get());
    std::memcpy(lock.Data(), "abc", 4);
  }
  clipboard.Clear();
  clipboard.SetAsHandle(TClipTestGraphic::Format(), std::move(block));
  EXPECT_FALSE(block);
  HANDLE data = clipboard.GetAsHandle(TClipTestGraphic::Format());
  ASSERT_NE(data, nullptr);
  {
    TClipboard::Session session(clipboard);
    GlobalLockGuard lock(data);
    EXPECT_STREQ(static_cast<const char*>(lock.Data()), "abc");
  }
  EXPECT_EQ(clipboard.GetAsHandle(CF_DIB), nullptr);
}

}  // namespace
