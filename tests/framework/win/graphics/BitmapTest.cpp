#include <gtest/gtest.h>

#include <cstring>

#include "framework/core/Picture.h"
#include "framework/core/SysUtils.h"
#include "framework/win/graphics/Bitmap.h"
#include "tests/framework/win/graphics/GraphicsTestSupport.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A patterned image: every pixel differs from its neighbours; palettes are full and distinct.
TDibImage Patterned(uint16_t bits, int width = 7, int height = 5) {
  TDibImage image;
  image.width = width;
  image.height = height;
  image.bitCount = bits;
  if (bits <= 8)
    for (uint32_t i = 0; i < (1u << bits); ++i)
      image.palette.push_back(TDibColor{static_cast<uint8_t>(i * 7), static_cast<uint8_t>(255 - i),
                                        static_cast<uint8_t>(i * 13 + 1), 0});
  image.bits.resize(image.Stride() * static_cast<size_t>(height));
  for (size_t i = 0; i < image.bits.size(); ++i)
    image.bits[i] = static_cast<uint8_t>(i * 53 + 17);
  // Row padding and the unused fourth byte of 32-bit pixels are not kept by the platform.
  for (int y = 0; y < height; ++y) {
    uint8_t* row = image.Row(y);
    const size_t used = (static_cast<size_t>(width) * bits + 7) / 8;
    std::fill(row + used, row + image.Stride(), 0);
    if (bits == 32)
      for (int x = 0; x < width; ++x)
        row[4 * x + 3] = 0;
    if (bits == 1 || bits == 4) {
      const int spare = static_cast<int>(used * 8) - width * bits;
      row[used - 1] &= static_cast<uint8_t>(0xFF << spare);
    }
  }
  return image;
}

Bytes FileOf(const TDibImage& image) {
  TMemoryStream stream;
  WriteDibFile(image, stream);
  return stream.TakeBytes();
}

void LoadBytes(TBitmap& bitmap, const Bytes& bytes) {
  TMemoryStream stream(bytes);
  bitmap.LoadFromStream(stream);
}

Bytes SavedBytes(TBitmap& bitmap) {
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  return stream.TakeBytes();
}

void ExpectPixels(TBitmap& bitmap, const TDibImage& image) {
  ASSERT_EQ(bitmap.Width(), image.width);
  ASSERT_EQ(bitmap.Height(), image.height);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      ASSERT_EQ(bitmap.Canvas().Pixel(x, y), static_cast<TColor>(DibPixelRgb(image, x, y)))
          << x << "," << y;
}

TEST(BitmapFiles, RoundTripEveryDepthWithEqualPixels) {
  const std::pair<uint16_t, TPixelFormat> depths[] = {
      {1, pf1bit}, {4, pf4bit}, {8, pf8bit}, {24, pf24bit}, {32, pf32bit}};
  for (const auto& [bits, format] : depths) {
    SCOPED_TRACE(bits);
    const TDibImage image = Patterned(bits);
    const Bytes file = FileOf(image);
    TBitmap bitmap;
    LoadBytes(bitmap, file);
    EXPECT_EQ(bitmap.PixelFormat(), format);
    EXPECT_EQ(bitmap.HandleType(), bmDIB);
    ExpectPixels(bitmap, image);
    EXPECT_EQ(SavedBytes(bitmap), file);
  }
}

TEST(BitmapFiles, TopDownFilesLoadTheRightWayUp) {
  TDibImage image = Patterned(24, 3, 4);
  Bytes file = FileOf(image);
  // Turn the file top-down: negative height, rows reversed.
  const int32_t negative = -4;
  std::memcpy(&file[14 + 8], &negative, 4);
  const size_t stride = image.Stride();
  Bytes rows(file.begin() + 54, file.end());
  for (size_t r = 0; r < 4; ++r)
    std::copy(rows.begin() + static_cast<ptrdiff_t>((3 - r) * stride),
              rows.begin() + static_cast<ptrdiff_t>((4 - r) * stride),
              file.begin() + 54 + static_cast<ptrdiff_t>(r * stride));
  TBitmap bitmap;
  LoadBytes(bitmap, file);
  ExpectPixels(bitmap, image);
}

TEST(BitmapFiles, MalformedDataFailsAndLeavesTheBitmapAsItWas) {
  TBitmap bitmap(3, 2, pf24bit);
  bitmap.Canvas().SetPixel(1, 1, clRed);
  Bytes bad = FileOf(Patterned(8));
  bad.resize(bad.size() - 3);
  try {
    LoadBytes(bitmap, bad);
    FAIL();
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), "Bitmap image is not valid");
  }
  EXPECT_THROW(LoadBytes(bitmap, Bytes{'B', 'M', 1, 2, 3}), EInvalidGraphic);
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(bitmap.Canvas().Pixel(1, 1), clRed);
}

TEST(BitmapFiles, StoredDataIsAByteCountAndTheFile) {
  const Bytes file = FileOf(Patterned(4, 2, 2));
  TBitmap bitmap;
  LoadBytes(bitmap, file);
  TMemoryStream stored;
  bitmap.WriteData(stored);
  ASSERT_EQ(stored.Size(), static_cast<int64_t>(file.size() + 4));
  EXPECT_EQ(Bytes(stored.Bytes().begin() + 4, stored.Bytes().end()), file);
  EXPECT_EQ(stored.Bytes()[0], file.size());

  TBitmap empty;
  TMemoryStream nothing;
  empty.WriteData(nothing);
  EXPECT_EQ(nothing.Bytes(), (Bytes{0, 0, 0, 0}));
  nothing.SetPosition(0);
  bitmap.ReadData(nothing);
  EXPECT_TRUE(bitmap.Empty());
}

TEST(BitmapKinds, DeviceDependentSwitchKeepsPixelsAndPalette) {
  const TDibImage image = Patterned(8);
  TBitmap bitmap;
  LoadBytes(bitmap, FileOf(image));
  ASSERT_NE(bitmap.Palette(), nullptr);
  bitmap.SetHandleType(bmDDB);
  EXPECT_EQ(bitmap.HandleType(), bmDDB);
  EXPECT_EQ(bitmap.PixelFormat(), pfDevice);
  EXPECT_NE(bitmap.Palette(), nullptr);
  ExpectPixels(bitmap, image);
  bitmap.SetHandleType(bmDIB);
  EXPECT_EQ(bitmap.HandleType(), bmDIB);
  ExpectPixels(bitmap, image);
}

TEST(BitmapKinds, PixelFormatAndMonochromeConvertThePixels) {
  TBitmap bitmap(4, 1, pf24bit);
  bitmap.Canvas().SetPixel(0, 0, clWhite);
  bitmap.Canvas().SetPixel(1, 0, clBlack);
  bitmap.Canvas().SetPixel(2, 0, clRed);
  bitmap.SetPixelFormat(pf32bit);
  EXPECT_EQ(bitmap.PixelFormat(), pf32bit);
  EXPECT_EQ(bitmap.Canvas().Pixel(2, 0), clRed);
  bitmap.SetMonochrome(true);
  EXPECT_TRUE(bitmap.Monochrome());
  EXPECT_EQ(bitmap.PixelFormat(), pf1bit);
  EXPECT_EQ(bitmap.BitsPerPixel(), 1);
  EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), clWhite);
  EXPECT_EQ(bitmap.Canvas().Pixel(1, 0), clBlack);
  bitmap.SetPixelFormat(pfCustom);
  EXPECT_EQ(bitmap.PixelFormat(), pf1bit);

  TBitmap fresh;
  fresh.SetPixelFormat(pf8bit);
  fresh.SetSize(2, 2);
  EXPECT_EQ(fresh.PixelFormat(), pf8bit);
  EXPECT_EQ(fresh.HandleType(), bmDIB);
  TBitmap device(2, 2);
  EXPECT_EQ(device.HandleType(), bmDDB);
  EXPECT_EQ(device.PixelFormat(), pfDevice);
}

TEST(BitmapKinds, ResizingKeepsTheTopLeftAndBlackensTheRest) {
  for (TPixelFormat format : {pfDevice, pf24bit}) {
    TBitmap bitmap(2, 2, format);
    bitmap.Canvas().Brush().SetColor(clYellow);
    bitmap.Canvas().FillRect(TRect{0, 0, 2, 2});
    bitmap.SetSize(3, 3);
    EXPECT_EQ(bitmap.Canvas().Pixel(1, 1), clYellow);
    EXPECT_EQ(bitmap.Canvas().Pixel(2, 2), clBlack);
    EXPECT_EQ(bitmap.Canvas().Pixel(2, 0), clBlack);
    bitmap.SetSize(0, 3);
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Handle(), nullptr);
    EXPECT_EQ(bitmap.PixelFormat(), format);
  }
}

TEST(BitmapPixels, ScanLinesAddressRowsFromTheTop) {
  TBitmap bitmap(2, 3, pf24bit);
  auto* row = static_cast<uint8_t*>(bitmap.ScanLine(0));
  row[0] = 0x30;  // blue
  row[1] = 0x20;
  row[2] = 0x10;  // red
  auto* last = static_cast<uint8_t*>(bitmap.ScanLine(2));
  last[3 + 2] = 0xFF;
  EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), RGBColor(0x10, 0x20, 0x30));
  EXPECT_EQ(bitmap.Canvas().Pixel(1, 2), clRed);
  EXPECT_EQ(bitmap.ScanLineSize(), 8);
  try {
    bitmap.ScanLine(3);
    FAIL();
  } catch (const EInvalidGraphicOperation& e) {
    EXPECT_EQ(e.Message(), "Scan line index out of range");
  }
  TBitmap device(2, 2);
  device.ScanLine(1);
  EXPECT_EQ(device.HandleType(), bmDIB);
}

TEST(BitmapKinds, TheHandleIsFreeOfTheCanvasWhenAskedFor) {
  TBitmap bitmap(2, 2, pf24bit);
  bitmap.Canvas().Brush().SetColor(clRed);
  bitmap.Canvas().FillRect(TRect{0, 0, 2, 2});
  const HBITMAP handle = bitmap.Handle();
  {
    MemoryDC dc(nullptr);
    // A bitmap can be selected into one DC only: this fails while the canvas holds it.
    const HGDIOBJ previous = SelectObject(dc.Get(), handle);
    ASSERT_NE(previous, nullptr);
    EXPECT_EQ(GetPixel(dc.Get(), 1, 1), RGB(255, 0, 0));
    SelectObject(dc.Get(), previous);
  }
  bitmap.Canvas().SetPixel(0, 0, clBlue);
  EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), clBlue);
}

TEST(BitmapDrawing, OpaqueAndStretchedDrawing) {
  TBitmap bitmap(2, 1, pf24bit);
  bitmap.Canvas().SetPixel(0, 0, clRed);
  bitmap.Canvas().SetPixel(1, 0, clBlue);
  DibSurface surface(10, 10);
  TCanvas canvas;
  canvas.SetHandle(surface.DC());
  canvas.Draw(1, 1, bitmap);
  EXPECT_EQ(surface.At(1, 1), clRed);
  EXPECT_EQ(surface.At(2, 1), clBlue);
  EXPECT_EQ(surface.At(3, 1), clWhite);
  canvas.StretchDraw(TRect{0, 4, 4, 6}, bitmap);
  EXPECT_EQ(surface.Count(0, 4, 2, 6, clRed), 4);
  EXPECT_EQ(surface.Count(2, 4, 4, 6, clBlue), 4);
  canvas.SetHandle(nullptr);
}

TEST(BitmapDrawing, TransparentDrawingLeavesOutTheBottomLeftColour) {
  TBitmap bitmap(3, 2, pf24bit);
  bitmap.Canvas().Brush().SetColor(clFuchsia);
  bitmap.Canvas().FillRect(TRect{0, 0, 3, 2});
  bitmap.Canvas().SetPixel(1, 0, clNavy);
  EXPECT_EQ(bitmap.TransparentMode(), tmAuto);
  EXPECT_EQ(bitmap.TransparentColor(), clFuchsia);
  bitmap.SetTransparent(true);
  DibSurface surface(6, 4, clLime);
  TCanvas canvas;
  canvas.SetHandle(surface.DC());
  canvas.Draw(1, 1, bitmap);
  EXPECT_EQ(surface.At(2, 1), clNavy);
  EXPECT_EQ(surface.Count(0, 0, 6, 4, clLime), 6 * 4 - 1);

  // A fixed colour keys that colour instead.
  bitmap.SetTransparentColor(clNavy);
  EXPECT_EQ(bitmap.TransparentMode(), tmFixed);
  canvas.Draw(1, 1, bitmap);
  EXPECT_EQ(surface.At(2, 1), clNavy);  // what was drawn before shows through
  EXPECT_EQ(surface.At(1, 1), clFuchsia);
  bitmap.SetTransparentColor(clDefault);
  EXPECT_EQ(bitmap.TransparentMode(), tmAuto);
  canvas.SetHandle(nullptr);
}

TEST(BitmapDrawing, PaletteBitmapsDrawTransparentlyToo) {
  TDibImage image = Patterned(8, 2, 1);
  image.bits[0] = 3;
  image.bits[1] = 4;
  TBitmap bitmap;
  LoadBytes(bitmap, FileOf(image));
  bitmap.SetTransparentColor(static_cast<TColor>(DibPixelRgb(image, 0, 0)));
  bitmap.SetTransparent(true);
  DibSurface surface(2, 1, clLime);
  TCanvas canvas;
  canvas.SetHandle(surface.DC());
  canvas.Draw(0, 0, bitmap);
  EXPECT_EQ(surface.At(0, 0), clLime);
  EXPECT_EQ(surface.At(1, 0), static_cast<TColor>(DibPixelRgb(image, 1, 0)));
  canvas.SetHandle(nullptr);
}

TEST(BitmapAssign, CopiesAreIndependent) {
  TBitmap source;
  LoadBytes(source, FileOf(Patterned(4)));
  source.SetTransparentColor(clRed);
  TBitmap copy;
  copy.Assign(&source);
  EXPECT_EQ(copy.PixelFormat(), pf4bit);
  EXPECT_EQ(copy.TransparentColor(), clRed);
  EXPECT_EQ(SavedBytes(copy), SavedBytes(source));
  EXPECT_TRUE(copy.Equals(source));
  source.Canvas().SetPixel(0, 0, RGBColor(7, 255, 1));
  EXPECT_NE(copy.Canvas().Pixel(0, 0), source.Canvas().Pixel(0, 0));
  EXPECT_FALSE(copy.Equals(source));
  copy.Assign(nullptr);
  EXPECT_TRUE(copy.Empty());
}

TEST(BitmapClipboard, DeviceBitmapFormRoundTrips) {
  TBitmap source(3, 2, pf24bit);
  source.Canvas().SetPixel(2, 1, clTeal);
  TClipboardFormat format = 0;
  TClipboardHandle data = nullptr;
  TPaletteHandle palette = nullptr;
  source.SaveToClipboardFormat(format, data, palette);
  EXPECT_EQ(format, static_cast<TClipboardFormat>(CF_BITMAP));
  ASSERT_NE(data, nullptr);
  GdiObject<HBITMAP> handed(static_cast<HBITMAP>(data));
  TBitmap back;
  back.LoadFromClipboardFormat(format, data, palette);
  EXPECT_EQ(back.Width(), 3);
  EXPECT_EQ(back.Canvas().Pixel(2, 1), clTeal);
  EXPECT_THROW(back.LoadFromClipboardFormat(CF_DIB, data, nullptr), EInvalidGraphic);
  EXPECT_TRUE(TPicture::SupportsClipboardFormat(CF_BITMAP));
}

TEST(BitmapResources, ColoursAreMappedWhileLoading) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  ASSERT_TRUE(TBitmap::HasBitmapResource(instance, "GFXMAPPED"));
  TBitmap plain;
  plain.LoadFromResourceName(instance, "GFXMAPPED");
  EXPECT_EQ(plain.PixelFormat(), pf4bit);
  EXPECT_EQ(plain.Canvas().Pixel(1, 0), clGray);
  EXPECT_EQ(plain.Canvas().Pixel(4, 0), clFuchsia);

  TBitmap mapped;
  mapped.LoadFromResourceName(instance, "GFXMAPPED", ButtonColorMap());
  EXPECT_EQ(mapped.Canvas().Pixel(0, 0), ColorToRGB(clBtnText));
  EXPECT_EQ(mapped.Canvas().Pixel(1, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(mapped.Canvas().Pixel(2, 0), ColorToRGB(clBtnFace));
  EXPECT_EQ(mapped.Canvas().Pixel(3, 0), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(mapped.Canvas().Pixel(4, 0), clFuchsia);

  TBitmap custom;
  custom.LoadFromResourceName(instance, "GFXMAPPED", {{clFuchsia, clWindow}, {clGray, clLime}});
  EXPECT_EQ(custom.Canvas().Pixel(4, 0), ColorToRGB(clWindow));
  EXPECT_EQ(custom.Canvas().Pixel(1, 0), clLime);

  try {
    custom.LoadFromResourceName(instance, "NOSUCHBITMAP");
    FAIL();
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), "Resource NOSUCHBITMAP not found");
  }
}

TEST(BitmapFormats, BitmapsAreAStandardPictureFormat) {
  ASSERT_NE(FileFormats().FindExt("BMP"), nullptr);
  EXPECT_EQ(FileFormats().FindExt("bmp")->description, "Bitmaps");
  TPicture picture;
  TBitmap bitmap(2, 2, pf24bit);
  bitmap.Canvas().SetPixel(0, 0, clMaroon);
  picture.SetGraphic(&bitmap);
  TMemoryStream stored;
  picture.WriteData(stored);
  EXPECT_EQ(stored.Bytes()[0], 7);
  EXPECT_EQ(std::string(stored.Bytes().begin() + 1, stored.Bytes().begin() + 8), "TBitmap");
  stored.SetPosition(0);
  TPicture copy;
  copy.ReadData(stored);
  auto* read = dynamic_cast<TBitmap*>(copy.Graphic());
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->Canvas().Pixel(0, 0), clMaroon);
}

}  // namespace
