#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "framework/core/Picture.h"
#include "framework/core/SysUtils.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Icon.h"
#include "framework/win/graphics/PictureBitmap.h"
#include "framework/win/graphics/ScreenColors.h"
#include "tests/framework/win/graphics/GraphicsTestSupport.h"

namespace {

using Bytes = std::vector<uint8_t>;

// The test icon: 16 × 16 and 32 × 32, a red square over the middle half, transparent elsewhere.
Bytes TestIconFile() {
  HRSRC group = FindResourceA(nullptr, "GFXICON", MAKEINTRESOURCEA(14));
  EXPECT_NE(group, nullptr);
  // Rebuild the file from the resource's images: directory, then each RT_ICON image.
  const auto* directory = static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, group)));
  const uint16_t count = static_cast<uint16_t>(directory[4] | (directory[5] << 8));
  TIconFile file;
  for (uint16_t i = 0; i < count; ++i) {
    const uint8_t* entry = directory + 6 + 14 * i;
    const uint16_t id = static_cast<uint16_t>(entry[12] | (entry[13] << 8));
    HRSRC image = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(3));
    const auto* bytes = static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, image)));
    TIconImage icon;
    icon.width = entry[0];
    icon.height = entry[1];
    icon.planes = 1;
    icon.bitCount = 32;
    icon.data.assign(bytes, bytes + SizeofResource(nullptr, image));
    file.images.push_back(std::move(icon));
  }
  TMemoryStream stream;
  WriteIconFile(file, stream);
  return stream.TakeBytes();
}

void LoadBytes(TIcon& icon, const Bytes& bytes) {
  TMemoryStream stream(bytes);
  icon.LoadFromStream(stream);
}

Bytes SavedBytes(TIcon& icon) {
  TMemoryStream stream;
  icon.SaveToStream(stream);
  return stream.TakeBytes();
}

void ExpectRedSquare(TGraphic& icon, int size) {
  DibSurface surface(size, size, clLime);
  TCanvas canvas;
  canvas.SetHandle(surface.DC());
  canvas.Draw(0, 0, icon);
  canvas.SetHandle(nullptr);
  const int q = size / 4;
  EXPECT_EQ(surface.Count(q, q, 3 * q, 3 * q, clRed), 4 * q * q);
  EXPECT_EQ(surface.Count(0, 0, size, size, clLime), size * size - 4 * q * q);
}

TEST(Icon, FileRoundTripsUnchangedAndDrawsWithItsMask) {
  const Bytes file = TestIconFile();
  TIcon icon;
  LoadBytes(icon, file);
  EXPECT_EQ(icon.Width(), GetSystemMetrics(SM_CXICON) == 16 ? 16 : 32);
  EXPECT_TRUE(icon.Transparent());
  EXPECT_EQ(SavedBytes(icon), file);
  ExpectRedSquare(icon, icon.Width());
}

TEST(Icon, AnIconMadeFromAHandleSavesAsAFileThatLoadsBack) {
  TIcon original;
  LoadBytes(original, TestIconFile());
  TIcon fromHandle;
  fromHandle.SetHandle(CopyIcon(original.Handle()));
  const Bytes saved = SavedBytes(fromHandle);
  const TIconFile parsed = ParseIconFile(saved.data(), saved.size());
  ASSERT_EQ(parsed.images.size(), 1u);
  EXPECT_EQ(parsed.images[0].PixelWidth(), original.Width());
  TIcon back;
  LoadBytes(back, saved);
  ExpectRedSquare(back, back.Width());
}

TEST(Icon, MalformedFilesFailAndLeaveTheIcon) {
  TIcon icon;
  LoadBytes(icon, TestIconFile());
  const HICON before = icon.Handle();
  Bytes bad = TestIconFile();
  bad[14] = 0xFF;  // the first image's size runs past the end
  bad[15] = 0xFF;
  try {
    LoadBytes(icon, bad);
    FAIL();
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), "Icon image is not valid");
  }
  EXPECT_THROW(LoadBytes(icon, Bytes{0, 0, 1, 0}), EInvalidGraphic);
  EXPECT_EQ(icon.Handle(), before);
  EXPECT_THROW(icon.SetWidth(3), EInvalidGraphicOperation);
}

TEST(Icon, AssignCopiesTheHandleAndReleaseGivesItAway) {
  TIcon icon;
  LoadBytes(icon, TestIconFile());
  TIcon copy;
  copy.Assign(&icon);
  ASSERT_NE(copy.Handle(), nullptr);
  EXPECT_NE(copy.Handle(), icon.Handle());
  EXPECT_EQ(SavedBytes(copy), SavedBytes(icon));
  IconHandle released(copy.ReleaseHandle());
  EXPECT_TRUE(copy.Empty());
  EXPECT_EQ(copy.Width(), 0);
  ExpectRedSquare(icon, icon.Width());
}

TEST(Icon, LoadsFromResourcesAndIsAStandardPictureFormat) {
  TIcon icon;
  icon.LoadFromResourceName(GetModuleHandleA(nullptr), "GFXICON");
  EXPECT_EQ(icon.Width(), GetSystemMetrics(SM_CXICON));
  EXPECT_THROW(icon.LoadFromResourceName(GetModuleHandleA(nullptr), "NOICON"), EInvalidGraphic);
  ASSERT_NE(FileFormats().FindExt("ico"), nullptr);
  EXPECT_EQ(FileFormats().FindExt("ico")->graphicClass, &TIcon::StaticClassInfo());
}

TEST(Icon, ABitmapTakesAnIconByDrawingIt) {
  TIcon icon;
  LoadBytes(icon, TestIconFile());
  TBitmap bitmap;
  bitmap.Canvas().Brush().SetColor(clLime);
  bitmap.Assign(&icon);
  EXPECT_EQ(bitmap.Width(), icon.Width());
  const int q = icon.Width() / 4;
  EXPECT_EQ(bitmap.Canvas().Pixel(q, q), clRed);
  EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), clLime);
}

}  // namespace

namespace {

TEST(PictureBitmap, OtherGraphicsAreDrawnOntoANewBitmap) {
  TPicture picture;
  auto icon = std::make_unique<TIcon>();
  LoadBytes(*icon, TestIconFile());
  const int size = icon->Width();
  picture.TakeGraphic(std::move(icon));
  std::unique_ptr<TBitmap> copy = PictureToBitmap(picture, clYellow);
  EXPECT_EQ(copy->Canvas().Pixel(0, 0), clYellow);
  EXPECT_NE(dynamic_cast<TIcon*>(picture.Graphic()), nullptr);

  TBitmap& bitmap = PictureBitmap(picture);
  EXPECT_EQ(picture.Graphic(), &bitmap);
  EXPECT_EQ(bitmap.Width(), size);
  EXPECT_EQ(bitmap.Canvas().Pixel(size / 2, size / 2), clRed);
  EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), clWhite);
  EXPECT_EQ(&PictureBitmap(picture), &bitmap);

  TPicture empty;
  EXPECT_TRUE(PictureBitmap(empty).Empty());
  EXPECT_NE(dynamic_cast<TBitmap*>(empty.Graphic()), nullptr);
}

TEST(ScreenColors, NearestColourOfATrueColourScreenIsTheColourItself) {
  ASSERT_GE(ScreenBitsPerPixel(), 24);
  EXPECT_EQ(DeviceNearestColor(RGBColor(1, 2, 3)), RGBColor(1, 2, 3));
  EXPECT_EQ(DeviceNearestColor(clBtnFace), ColorToRGB(clBtnFace));
  EXPECT_EQ(DeviceNearestColor(clNone), clNone);
}

}  // namespace
