// TDvGIFImage as a framework graphic: frame pictures, drawing, palette, assignment, versions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/SysUtils.h"
#include "framework/core/TypInfo.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Font.h"
#include "imaging/gif/DvGIFImage.h"
#include "imaging/gif/GIFFrameGraphic.h"
#include "imaging/gif/GIFMemoryBitmap.h"
#include "tests/imaging/gif/win/GifWinTestSupport.h"

namespace {

// A graphic that leaves assignment from other graphics to them and keeps the bitmap it gets.
class TBitmapTaker : public TGraphic {
  DV_CLASS(TBitmapTaker)
 public:
  void Draw(TCanvas&, const TRect&) override {}
  bool Empty() const override { return taken.Empty(); }
  int Width() const override { return taken.Width(); }
  int Height() const override { return taken.Height(); }
  void SetWidth(int) override {}
  void SetHeight(int) override {}
  void LoadFromStream(TStream&) override {}
  void SaveToStream(TStream&) override {}
  void Assign(const TPersistent* source) override {
    ++assignments;
    if (source == nullptr || dynamic_cast<const TBitmap*>(source) != nullptr)
      taken.Assign(source);
    else
      TGraphic::Assign(source);
  }

  TBitmap taken;
  int assignments = 0;
};

const TClassInfo& TBitmapTaker::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TBitmapTaker, TGraphic>("TBitmapTaker");
  return info;
}

constexpr TColor kCanvas = RGBColor(10, 20, 30);
const TColor kRed = RGBColor(255, 0, 0);
const TColor kGreen = RGBColor(0, 255, 0);
const TColor kBlue = RGBColor(0, 0, 255);
const TColor kWhite = RGBColor(255, 255, 255);

void Load(TDvGIFImage& image, const std::vector<uint8_t>& file) {
  TMemoryStream stream(file);
  image.LoadFromStream(stream);
}

// A 24-bit bitmap whose pixel (x, y) is (x * 40, y * 60, 200).
std::unique_ptr<TBitmap> GradientBitmap(int width, int height) {
  auto bitmap = std::make_unique<TBitmap>(width, height, pf24bit);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      bitmap->Canvas().SetPixel(
          x, y, RGBColor(static_cast<uint8_t>(x * 40), static_cast<uint8_t>(y * 60), 200));
  return bitmap;
}

TEST(DvGIFImageTest, FreshImageIsEmptyTransparentByFlagAndSizeless) {
  TDvGIFImage image;
  EXPECT_TRUE(image.Empty());
  EXPECT_EQ(image.Width(), 0);
  EXPECT_EQ(image.Height(), 0);
  EXPECT_EQ(image.Palette(), nullptr);
  EXPECT_EQ(image.CurrentIndex(), -1);
  EXPECT_TRUE(image.TransparentFlag());
  // No frame has a transparent colour yet.
  EXPECT_FALSE(image.Transparent());
  EXPECT_EQ(image.ClassName(), "TDvGIFImage");
}

TEST(DvGIFImageTest, SizeCannotBeSetThroughTheGraphic) {
  TDvGIFImage image;
  Load(image, BuildGifFile({FourColourFrame()}));
  TGraphic& graphic = image;
  for (int which = 0; which < 2; ++which) {
    try {
      if (which == 0)
        graphic.SetWidth(10);
      else
        graphic.SetHeight(10);
      ADD_FAILURE() << "size change accepted";
    } catch (const EInvalidGraphicOperation& error) {
      EXPECT_EQ(error.Message(), "Cannot change the Size of a GIF image");
    }
  }
  EXPECT_EQ(image.Width(), 4);
  EXPECT_EQ(image.Height(), 2);
}

TEST(DvGIFImageTest, DecodedFramesAreDeviceBitmapsExceptMonochromeOnes) {
  TDvGIFImage colour;
  Load(colour, BuildGifFile({FourColourFrame()}));
  TBitmap& colourPicture = FrameBitmap(colour.Frame(0));
  EXPECT_EQ(colourPicture.HandleType(), bmDDB);
  EXPECT_FALSE(colourPicture.Monochrome());
  // The device bitmap keeps the frame's colour table as its palette.
  ASSERT_NE(colour.Palette(), nullptr);
  PALETTEENTRY entries[4]{};
  ASSERT_GE(GetPaletteEntries(static_cast<HPALETTE>(colour.Palette()), 0, 4, entries), 4u);
  EXPECT_EQ(RGBColor(entries[2].peRed, entries[2].peGreen, entries[2].peBlue), kBlue);
  EXPECT_EQ(RGBColor(entries[3].peRed, entries[3].peGreen, entries[3].peBlue), kWhite);
  EXPECT_TRUE(colour.PaletteModified());

  // A 1-bit picture is written with a 2-entry black and white table.
  const auto picture =
      TGIFMemoryBitmap::FromIndices(3, 1, 1, {{0, 0, 0}, {255, 255, 255}}, {0, 1, 0});
  TGIFImageBase oneBit;
  oneBit.AddFrame(*picture);
  TDvGIFImage monochrome;
  Load(monochrome, oneBit.BuildFile());
  ASSERT_EQ(monochrome.Header().colors.count, 2u);
  TBitmap& monoPicture = FrameBitmap(monochrome.Frame(0));
  EXPECT_TRUE(monoPicture.Monochrome());
  EXPECT_EQ(monoPicture.HandleType(), bmDIB);
}

TEST(DvGIFImageTest, OpaqueDrawingStretchesTheCurrentFrame) {
  TDvGIFImage image;
  Load(image, BuildGifFile({FourColourFrame()}));
  image.SetTransparent(false);
  PixelSurface surface(10, 6, kCanvas);
  image.Draw(surface.Canvas(), TRect{1, 1, 9, 5});
  const TColor row0[] = {kRed, kGreen, kBlue, kWhite};
  const TColor row1[] = {kWhite, kBlue, kGreen, kRed};
  for (int x = 0; x < 8; ++x) {
    for (int y = 0; y < 4; ++y)
      EXPECT_EQ(surface.At(1 + x, 1 + y), (y < 2 ? row0 : row1)[x / 2]) << x << "," << y;
  }
  EXPECT_EQ(surface.At(0, 0), kCanvas);
  EXPECT_EQ(surface.At(9, 5), kCanvas);
}

TEST(DvGIFImageTest, TransparentDrawingShowsTheCanvasWhereTheKeyColourIs) {
  TDvGIFImage image;
  Load(image, BuildGifFile({FourColourFrame()}));
  ASSERT_TRUE(image.Transparent());
  EXPECT_EQ(image.Frame(0).transparentColor, kWhite);
  PixelSurface surface(10, 6, kCanvas);
  image.Draw(surface.Canvas(), TRect{1, 1, 9, 5});
  const TColor row0[] = {kRed, kGreen, kBlue, kCanvas};
  const TColor row1[] = {kCanvas, kBlue, kGreen, kRed};
  for (int x = 0; x < 8; ++x) {
    for (int y = 0; y < 4; ++y)
      EXPECT_EQ(surface.At(1 + x, 1 + y), (y < 2 ? row0 : row1)[x / 2]) << x << "," << y;
  }
  // Only the rectangle is touched.
  EXPECT_EQ(surface.At(0, 1), kCanvas);
  EXPECT_EQ(surface.At(9, 4), kCanvas);
}

TEST(DvGIFImageTest, KeyedDrawingOnlyHitsTheKeyEntryAfterUniqueness) {
  // Entries 1 and 3 are both white; entry 3 is transparent and becomes (255, 255, 254), so
  // entry 1 must stay visible.
  GifFrameSpec frame = FourColourFrame();
  frame.palette[1] = {255, 255, 255};
  const std::vector<uint8_t> file = BuildGifFile({frame});
  // The writer marked the first white entry; point the extension at entry 3 instead.
  std::vector<uint8_t> patched = file;
  ASSERT_TRUE(MarkTransparentIndex(patched, 3));
  TDvGIFImage image;
  Load(image, patched);
  EXPECT_EQ(image.Frame(0).transparentColor, RGBColor(255, 255, 254));
  PixelSurface surface(4, 2, kCanvas);
  image.Draw(surface.Canvas(), TRect{0, 0, 4, 2});
  EXPECT_EQ(surface.At(0, 0), kRed);
  EXPECT_EQ(surface.At(1, 0), kWhite);
  EXPECT_EQ(surface.At(3, 0), kCanvas);
  EXPECT_EQ(surface.At(0, 1), kCanvas);
  image.SetTransparent(false);
  image.Draw(surface.Canvas(), TRect{0, 0, 4, 2});
  EXPECT_EQ(surface.At(3, 0), RGBColor(255, 255, 254));
}

TEST(DvGIFImageTest, NoCurrentFrameDrawsNothing) {
  TDvGIFImage image;
  Load(image, BuildGifFile({FourColourFrame()}));
  image.SetTransparent(false);
  image.SetCurrentIndex(-1);
  PixelSurface surface(6, 4, kCanvas);
  image.Draw(surface.Canvas(), TRect{0, 0, 6, 4});
  EXPECT_EQ(surface.CountOther(kCanvas), 0);
  EXPECT_EQ(image.Width(), 0);
  image.SetCurrentIndex(5);
  image.Draw(surface.Canvas(), TRect{0, 0, 6, 4});
  EXPECT_EQ(surface.CountOther(kCanvas), 0);
}

TEST(DvGIFImageTest, BitmapGivesOneFrame87aAndASecondFrameMakes89a) {
  const auto first = GradientBitmap(3, 2);
  TDvGIFImage image;
  int changes = 0;
  image.OnChange = [&changes](TObject*) { ++changes; };
  image.Assign(first.get());
  EXPECT_EQ(changes, 1);
  ASSERT_EQ(image.FrameCount(), 1);
  EXPECT_STREQ(TGIFImageBase::VersionText(image.Version()), "87a");
  EXPECT_EQ(image.CurrentIndex(), 0);
  EXPECT_EQ(image.Width(), 3);
  EXPECT_EQ(image.Height(), 2);
  EXPECT_FALSE(image.Transparent());
  PixelSurface surface(3, 2, kCanvas);
  image.Draw(surface.Canvas(), TRect{0, 0, 3, 2});
  EXPECT_EQ(surface.At(2, 1), RGBColor(80, 60, 200));

  const auto second = GradientBitmap(5, 4);
  EXPECT_EQ(image.AddFrame(*second), 1);
  EXPECT_EQ(image.FrameCount(), 2);
  EXPECT_STREQ(TGIFImageBase::VersionText(image.Version()), "89a");
  EXPECT_EQ(image.CurrentIndex(), 1);
  EXPECT_EQ(image.Width(), 5);
  EXPECT_EQ(image.ScreenWidth(), 5);
  EXPECT_EQ(image.ScreenHeight(), 4);

  // Written and read back, the reduced colours stay exact (few distinct colours).
  TMemoryStream stream;
  image.SaveToStream(stream);
  TDvGIFImage copy;
  stream.SetPosition(0);
  copy.LoadFromStream(stream);
  ASSERT_EQ(copy.FrameCount(), 2);
  copy.SetCurrentIndex(1);
  PixelSurface again(5, 4, kCanvas);
  copy.Draw(again.Canvas(), TRect{0, 0, 5, 4});
  EXPECT_EQ(again.At(4, 3), RGBColor(160, 180, 200));
}

TEST(DvGIFImageTest, TransparentBitmapPassesItsColourToTheFrame) {
  auto bitmap = GradientBitmap(3, 2);
  bitmap->SetTransparentColor(RGBColor(40, 0, 200));
  bitmap->SetTransparent(true);
  TDvGIFImage image;
  image.Assign(bitmap.get());
  EXPECT_EQ(image.Frame(0).transparentColor, RGBColor(40, 0, 200));
  EXPECT_TRUE(image.Transparent());
  PixelSurface surface(3, 2, kCanvas);
  image.Draw(surface.Canvas(), TRect{0, 0, 3, 2});
  EXPECT_EQ(surface.At(1, 0), kCanvas);
  EXPECT_EQ(surface.At(0, 0), RGBColor(0, 0, 200));
  // Opaque when the image says so, whatever the source bitmap's own flag was.
  image.SetTransparent(false);
  image.Draw(surface.Canvas(), TRect{0, 0, 3, 2});
  EXPECT_EQ(surface.At(1, 0), RGBColor(40, 0, 200));
}

TEST(DvGIFImageTest, GraphicsThatAskTheImageGetTheCurrentFramePicture) {
  TDvGIFImage image;
  Load(image, BuildGifFile({FourColourFrame()}));
  TBitmapTaker taker;
  taker.Assign(&image);
  ASSERT_EQ(taker.taken.Width(), 4);
  ASSERT_EQ(taker.taken.Height(), 2);
  EXPECT_EQ(taker.taken.Canvas().Pixel(2, 0), kBlue);
  EXPECT_EQ(taker.taken.Canvas().Pixel(3, 0), kWhite);
  // Once by the test, once by the image handing over the frame's picture.
  EXPECT_EQ(taker.assignments, 2);

  // Without a current frame the image's picture is frame 0's.
  image.SetCurrentIndex(-1);
  taker.Assign(&image);
  EXPECT_EQ(taker.taken.Canvas().Pixel(0, 1), kWhite);
  EXPECT_EQ(taker.assignments, 4);

  TDvGIFImage empty;
  taker.Assign(&empty);
  EXPECT_TRUE(taker.taken.Empty());
  EXPECT_EQ(taker.assignments, 6);
}

TEST(DvGIFImageTest, AFrameGivesABitmapItsPictureAndTransparentColour) {
  TDvGIFImage image;
  Load(image, BuildGifFile({FourColourFrame()}));
  TBitmap bitmap;
  AssignFrameTo(image.Frame(0), bitmap);
  ASSERT_EQ(bitmap.Width(), 4);
  EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), kRed);
  EXPECT_TRUE(bitmap.Transparent());
  EXPECT_EQ(bitmap.TransparentMode(), tmFixed);
  EXPECT_EQ(bitmap.TransparentColor(), kWhite);

  TFont font;
  try {
    AssignFrameTo(image.Frame(0), font);
    ADD_FAILURE() << "font accepted";
  } catch (const EConvertError& error) {
    EXPECT_EQ(error.Message(), "Cannot assign a TDvGIFFrame to a TFont");
  }
  // The framework's own bitmap draws the image (transparent parts over its white brush).
  TBitmap drawn;
  drawn.Assign(&image);
  EXPECT_EQ(drawn.Canvas().Pixel(1, 0), kGreen);
  EXPECT_EQ(drawn.Canvas().Pixel(3, 0), kWhite);
}

TEST(DvGIFImageTest, ImagesShareRecordsAndRefuseForeignObjects) {
  const std::vector<uint8_t> file = BuildGifFile({FourColourFrame(), FourColourFrame()});
  TDvGIFImage original;
  Load(original, file);
  original.SetCurrentIndex(1);
  TDvGIFImage copy;
  copy.Assign(&original);
  EXPECT_TRUE(copy.Equals(original));
  EXPECT_EQ(copy.FrameCount(), 2);
  EXPECT_EQ(copy.CurrentIndex(), 1);
  EXPECT_EQ(copy.Frame(1).SharedItem(), original.Frame(1).SharedItem());
  TDvGIFImage separate;
  Load(separate, file);
  EXPECT_FALSE(separate.Equals(original));
  TBitmap bitmap;
  EXPECT_FALSE(original.Equals(bitmap));

  TFont font;
  try {
    original.Assign(&font);
    ADD_FAILURE() << "font accepted";
  } catch (const EConvertError& error) {
    EXPECT_EQ(error.Message(), "Cannot assign a TFont to a TDvGIFImage");
  }
  EXPECT_EQ(original.FrameCount(), 2);

  // A frame makes a one-frame image with the owner's global table.
  TDvGIFImage single;
  single.AssignFrame(original.Frame(1));
  EXPECT_EQ(single.FrameCount(), 1);
  EXPECT_EQ(single.Header().colors.count, original.Header().colors.count);
  EXPECT_STREQ(TGIFImageBase::VersionText(single.Version()), "87a");

  // Nothing resets and still notifies.
  int changes = 0;
  single.OnChange = [&changes](TObject*) { ++changes; };
  single.Assign(nullptr);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(single.Empty());
}

TEST(DvGIFImageTest, DecodingReportsProgressWithoutRedrawRequests) {
  std::vector<TProgressStage> stages;
  int redraws = 0;
  TDvGIFImage image;
  image.OnProgress = [&](TObject*, TProgressStage stage, uint8_t, bool redrawNow, const TRect&,
                         const std::string&) {
    stages.push_back(stage);
    if (redrawNow) ++redraws;
  };
  Load(image, BuildGifFile({FourColourFrame()}));
  ASSERT_GE(stages.size(), 2u);
  EXPECT_EQ(stages.front(), psStarting);
  EXPECT_EQ(stages.back(), psEnding);
  EXPECT_EQ(redraws, 0);
}

TEST(DvGIFImageTest, AFrameOutsideTheListIsTheListsOwnError) {
  TDvGIFImage image;
  TMemoryStream stream(BuildGifFile({FourColourFrame()}));
  image.LoadFromStream(stream);
  try {
    image.Frame(1);
    ADD_FAILURE() << "frame 1 of 1";
  } catch (const EListError& error) {
    EXPECT_EQ(error.Message(), "List index out of bounds (1)");
  }
}

}  // namespace
