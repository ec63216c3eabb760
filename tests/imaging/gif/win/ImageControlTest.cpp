// The image control: the banner from its stored picture data, placement, opacity, palette
// changes, progress and form reading.
// Before any windows.h: winuser.h would rename the class registry's functions.
#include "framework/core/TypInfo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/SysUtils.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Forms.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/stdctrls/Image.h"
#include "imaging/gif/DvGIFImage.h"
#include "imaging/gif/GIFMemoryBitmap.h"
#include "imaging/gif/GIFRegistration.h"
#include "tests/imaging/gif/win/GifWinTestSupport.h"

#undef RegisterClass

namespace {

constexpr TColor kBackdrop = RGBColor(1, 2, 3);
constexpr TColor kRed = RGBColor(255, 0, 0);
constexpr int kBannerOffset = 57;

class TImageTestFrm : public TForm {
  DV_CLASS(TImageTestFrm)
 public:
  explicit TImageTestFrm(TComponent* owner) : TForm(owner) {}
};

const TClassInfo& TImageTestFrm::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TImageTestFrm, TForm>("TImageTestFrm");
  return info;
}

// A graphic that remembers whether its control was drawing, and can fail while drawn.
class TProbeGraphic : public TGraphic {
  DV_CLASS(TProbeGraphic)
 public:
  void Draw(TCanvas&, const TRect&) override {
    sawDrawing = image != nullptr && image->Drawing();
    if (fail) throw EInvalidGraphic("probe failed");
  }
  bool Empty() const override { return false; }
  int Width() const override { return 10; }
  int Height() const override { return 10; }
  void SetWidth(int) override {}
  void SetHeight(int) override {}
  void LoadFromStream(TStream&) override {}
  void SaveToStream(TStream&) override {}

  const TImage* image = nullptr;
  bool fail = false;
  bool sawDrawing = false;
};

const TClassInfo& TProbeGraphic::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TProbeGraphic, TGraphic>("TProbeGraphic");
  return info;
}

std::string HexLines(const std::vector<uint8_t>& bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i % 32 == 0) text += "\n      ";
    text += kDigits[bytes[i] >> 4];
    text += kDigits[bytes[i] & 15];
  }
  return text;
}

// The codec's own decoding of a stored GIF picture's frame 0.
struct DecodedGif {
  explicit DecodedGif(const std::vector<uint8_t>& stored) : file(StoredGifFile(stored)) {
    image.LoadFromBytes(file.data(), file.size(), true);
  }
  const TGIFMemoryBitmap& Picture() {
    return static_cast<const TGIFMemoryBitmap&>(image.Frame(0).Bitmap());
  }
  std::vector<uint8_t> file;
  TGIFImageBase image;
};

// The pixels BannerWithKeyPixels turns to colour index 255: a block in the visible middle, the
// visible corners and a block in the cut-off left part.
bool IsMarkedForKey(uint32_t x, uint32_t y) {
  return (y >= 5 && y < 15 && x >= 100 && x < 140) || (y >= 20 && y < 30 && x >= 10 && x < 50) ||
         (x == 57 && y == 0) || (x == 342 && y == 50);
}

// How many visible banner pixels (columns 57 to 342) are of colour index 255 once the marked
// pixels are: the banner's own (its white filaments use that entry) and the marked ones.
int VisibleKeyPixelsAfterMarking() {
  DecodedGif banner(BannerPictureData());
  const TGIFMemoryBitmap& picture = banner.Picture();
  int count = 0;
  for (uint32_t y = 0; y < 51; ++y)
    for (uint32_t x = kBannerOffset; x < uint32_t{kBannerOffset} + 286; ++x)
      if (IsMarkedForKey(x, y) || picture.IndexAt(x, y) == 255) ++count;
  return count;
}

// The banner with the marked pixels turned to colour index 255.
std::vector<uint8_t> BannerWithKeyPixels() {
  DecodedGif banner(BannerPictureData());
  const TGIFMemoryBitmap& picture = banner.Picture();
  GifFrameSpec frame;
  frame.width = picture.Width();
  frame.height = picture.Height();
  const TGIFColorTable& table = banner.image.Header().colors;
  frame.palette.assign(table.entries.begin(), table.entries.begin() + table.count);
  for (uint32_t y = 0; y < frame.height; ++y)
    for (uint32_t x = 0; x < frame.width; ++x)
      frame.indices.push_back(static_cast<uint8_t>(picture.IndexAt(x, y)));
  for (uint32_t y = 0; y < frame.height; ++y)
    for (uint32_t x = 0; x < frame.width; ++x)
      if (IsMarkedForKey(x, y)) frame.indices[y * frame.width + x] = 255;
  frame.transparentIndex = 255;
  std::vector<uint8_t> file = BuildGifFile({frame});
  // Entry 255 is white like entry 1, which the writer would name.
  MarkTransparentIndex(file, 255);
  return StoredGifPicture(file);
}

std::unique_ptr<TBitmap> FilledBitmap(int width, int height, TColor color) {
  auto bitmap = std::make_unique<TBitmap>(width, height, pf24bit);
  bitmap->Canvas().Brush().SetColor(color);
  bitmap->Canvas().FillRect(TRect{0, 0, width, height});
  return bitmap;
}

class ImageControlTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterFormClasses();
    RegisterImageClasses();
    RegisterGIFGraphic();
    form = &Application().CreateForm<TImageTestFrm>();
    form->SetBorderStyle(bsSingle);
    form->SetClientWidth(286);
    form->SetClientHeight(177);
  }
  void TearDown() override { Application().DestroyForms(); }

  TImage& NewImage(int width, int height) {
    TImage& image = TComponent::Create<TImage>(*form);
    image.SetParent(form);
    image.SetBounds(0, 0, width, height);
    return image;
  }

  void LoadBanner(TImage& image, const std::vector<uint8_t>& stored = BannerPictureData()) {
    TMemoryStream stream(stored);
    image.Picture()->ReadData(stream);
  }

  // The form's windowless controls painted onto a surface, as WM_PAINT would.
  void PaintControls(PixelSurface& surface) { form->PaintControls(surface.Dc(), nullptr); }

  // Compares the visible banner columns with the codec's own decoding; pixels of colour
  // index 255 must show keyColour. Returns how many there were.
  int ExpectBannerPixels(const PixelSurface& surface, TColor keyColour,
                         const std::vector<uint8_t>& stored = BannerPictureData()) {
    DecodedGif reference(stored);
    const TGIFMemoryBitmap& decoded = reference.Picture();
    EXPECT_EQ(decoded.Width(), 400u);
    int mismatches = 0;
    int keyPixels = 0;
    for (int y = 0; y < 51; ++y) {
      for (int x = 0; x < 286; ++x) {
        const auto column = static_cast<uint32_t>(x + kBannerOffset);
        const bool isKey = decoded.IndexAt(column, static_cast<uint32_t>(y)) == 255;
        const TColor expected =
            isKey ? keyColour : ColorOf(decoded.ColorAt(column, static_cast<uint32_t>(y)));
        keyPixels += isKey ? 1 : 0;
        if (surface.At(x, y) != expected && ++mismatches <= 5)
          ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex << surface.At(x, y)
                        << " not " << expected;
      }
    }
    EXPECT_EQ(mismatches, 0);
    return keyPixels;
  }

  TImageTestFrm* form = nullptr;
};

TEST_F(ImageControlTest, BannerShowsItsMiddleColumnsOpaque) {
  TImage& image = NewImage(286, 51);
  image.SetAlign(alTop);
  image.SetCenter(true);
  image.SetIncrementalDisplay(true);
  LoadBanner(image);
  auto* banner = dynamic_cast<TDvGIFImage*>(image.Picture()->Graphic());
  ASSERT_NE(banner, nullptr);
  EXPECT_EQ(banner->Width(), 400);
  EXPECT_EQ(banner->Height(), 51);
  EXPECT_EQ(banner->Frame(0).transparentColor, RGBColor(255, 255, 254));
  // The control is not transparent, so neither is its picture.
  EXPECT_FALSE(banner->TransparentFlag());
  EXPECT_FALSE(banner->Transparent());
  EXPECT_EQ(image.Width(), 286);
  EXPECT_EQ(image.DestRect(), (TRect{-57, 0, 343, 51}));
  EXPECT_NE(image.ControlStyle() & csOpaque, 0u);

  PixelSurface surface(286, 51, kBackdrop);
  PaintControls(surface);
  // The white filaments of the word use colour index 255; the opaque control shows them as the
  // adjusted entry.
  EXPECT_GT(ExpectBannerPixels(surface, RGBColor(255, 255, 254)), 0);
  EXPECT_FALSE(image.Drawing());
}

TEST_F(ImageControlTest, KeyEntryShowsItsAdjustedColourUnlessTheControlIsTransparent) {
  const std::vector<uint8_t> stored = BannerWithKeyPixels();
  TImage& image = NewImage(286, 51);
  image.SetCenter(true);
  LoadBanner(image, stored);
  EXPECT_EQ(dynamic_cast<TDvGIFImage&>(*image.Picture()->Graphic()).Frame(0).transparentColor,
            RGBColor(255, 255, 254));
  PixelSurface opaque(286, 51, kBackdrop);
  PaintControls(opaque);
  // The block, the two corners and the banner's own filaments; the block in the cut-off part
  // stays invisible.
  const int visibleKeyPixels = VisibleKeyPixelsAfterMarking();
  EXPECT_GE(visibleKeyPixels, 40 * 10 + 2);
  EXPECT_EQ(ExpectBannerPixels(opaque, RGBColor(255, 255, 254), stored), visibleKeyPixels);
  EXPECT_EQ(opaque.At(0, 0), RGBColor(255, 255, 254));
  EXPECT_EQ(opaque.At(285, 50), RGBColor(255, 255, 254));

  image.SetTransparent(true);
  EXPECT_TRUE(image.Picture()->Graphic()->Transparent());
  EXPECT_EQ(image.ControlStyle() & csOpaque, 0u);
  PixelSurface seeThrough(286, 51, kBackdrop);
  PaintControls(seeThrough);
  EXPECT_EQ(ExpectBannerPixels(seeThrough, kBackdrop, stored), visibleKeyPixels);
}

TEST_F(ImageControlTest, BannerFromTheFormDefinitionPaintsOnScreen) {
  const std::string definition =
      "object ImageTestFrm: TImageTestFrm\n"
      "  Left = 40\n"
      "  Top = 40\n"
      "  BorderStyle = bsSingle\n"
      "  Caption = 'Banner Test'\n"
      "  ClientHeight = 177\n"
      "  ClientWidth = 286\n"
      "  Color = clBtnFace\n"
      "  object Image1: TImage\n"
      "    Left = 0\n"
      "    Top = 0\n"
      "    Width = 286\n"
      "    Height = 51\n"
      "    Align = alTop\n"
      "    Center = True\n"
      "    IncrementalDisplay = True\n"
      "    Picture.Data = {" +
      HexLines(BannerPictureData()) +
      "}\n"
      "  end\n"
      "end\n";
  form->ReadFormDefinition(definition);
  TImage& image = form->Component<TImage>("Image1");
  EXPECT_TRUE(image.Center());
  EXPECT_TRUE(image.IncrementalDisplay());
  EXPECT_FALSE(image.Stretch());
  EXPECT_FALSE(image.Proportional());
  EXPECT_FALSE(image.Transparent());
  EXPECT_FALSE(image.AutoSize());
  EXPECT_EQ(image.Align(), alTop);
  ASSERT_NE(dynamic_cast<TDvGIFImage*>(image.Picture()->Graphic()), nullptr);

  form->Show();
  const HWND window = form->Handle();
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Application().ProcessMessages();
  PixelSurface surface(286, 51, kBackdrop);
  {
    const WindowDC dc(window);
    BitBlt(surface.Dc(), 0, 0, 286, 51, dc.Get(), 0, 0, SRCCOPY);
  }
  ExpectBannerPixels(surface, RGBColor(255, 255, 254));
}

TEST_F(ImageControlTest, CentringMovesByHalfTheDifferenceRoundedTowardZero) {
  TImage& image = NewImage(286, 10);
  image.SetCenter(true);
  const struct {
    int width;
    int left;
  } cases[] = {{285, 0}, {284, 1}, {287, 0}, {288, -1}, {400, -57}, {286, 0}};
  for (const auto& c : cases) {
    const auto bitmap = FilledBitmap(c.width, 10, kRed);
    image.Picture()->Assign(bitmap.get());
    EXPECT_EQ(image.DestRect(), (TRect{c.left, 0, c.left + c.width, 10})) << c.width;
    // Opaque only when the picture covers the whole control.
    EXPECT_EQ((image.ControlStyle() & csOpaque) != 0, c.width >= 286) << c.width;
  }
  const auto narrow = FilledBitmap(284, 10, kRed);
  image.Picture()->Assign(narrow.get());
  PixelSurface surface(286, 10, kBackdrop);
  PaintControls(surface);
  EXPECT_EQ(surface.At(0, 5), kBackdrop);
  EXPECT_EQ(surface.At(1, 5), kRed);
  EXPECT_EQ(surface.At(284, 5), kRed);
  EXPECT_EQ(surface.At(285, 5), kBackdrop);

  image.SetCenter(false);
  EXPECT_EQ(image.DestRect(), (TRect{0, 0, 284, 10}));
}

TEST_F(ImageControlTest, StretchAndProportionalFitThePicture) {
  TImage& image = NewImage(50, 50);
  const auto wide = FilledBitmap(100, 50, kRed);
  image.Picture()->Assign(wide.get());
  EXPECT_EQ(image.DestRect(), (TRect{0, 0, 100, 50}));
  image.SetProportional(true);
  EXPECT_EQ(image.DestRect(), (TRect{0, 0, 50, 25}));
  image.SetCenter(true);
  EXPECT_EQ(image.DestRect(), (TRect{0, 12, 50, 37}));
  image.SetCenter(false);
  // A small picture is only enlarged when stretching.
  const auto small = FilledBitmap(10, 20, kRed);
  image.Picture()->Assign(small.get());
  EXPECT_EQ(image.DestRect(), (TRect{0, 0, 10, 20}));
  image.SetStretch(true);
  EXPECT_EQ(image.DestRect(), (TRect{0, 0, 25, 50}));
  image.SetProportional(false);
  EXPECT_EQ(image.DestRect(), (TRect{0, 0, 50, 50}));
  EXPECT_NE(image.ControlStyle() & csOpaque, 0u);
}

TEST_F(ImageControlTest, UnregisteredClassGivesAnEmptyPictureThatPaintsNothing) {
  TImage& image = NewImage(286, 51);
  image.SetCenter(true);
  LoadBanner(image);
  ASSERT_NE(image.ControlStyle() & csOpaque, 0u);
  const std::vector<uint8_t> unknown = {9, 'T', 'N', 'o', 't', 'T', 'h', 'e', 'r', 'e', 1, 2, 3};
  TMemoryStream stream(unknown);
  image.Picture()->ReadData(stream);
  EXPECT_EQ(image.Picture()->Graphic(), nullptr);
  EXPECT_EQ(image.ControlStyle() & csOpaque, 0u);
  PixelSurface surface(286, 51, kBackdrop);
  PaintControls(surface);
  EXPECT_EQ(surface.CountOther(kBackdrop), 0);

  const std::vector<uint8_t> none = {0};
  TMemoryStream empty(none);
  image.Picture()->ReadData(empty);
  EXPECT_EQ(image.Picture()->Graphic(), nullptr);
  EXPECT_EQ(image.ControlStyle() & csOpaque, 0u);
}

TEST_F(ImageControlTest, AutoSizeTakesThePictureSize) {
  TImage& image = NewImage(20, 20);
  image.SetAutoSize(true);
  const auto bitmap = FilledBitmap(40, 30, kRed);
  image.Picture()->Assign(bitmap.get());
  EXPECT_EQ(image.Width(), 40);
  EXPECT_EQ(image.Height(), 30);
  // An empty picture leaves the size alone.
  image.Picture()->Assign(nullptr);
  EXPECT_EQ(image.Width(), 40);
}

TEST_F(ImageControlTest, DrawingMarkIsClearedWhenTheGraphicFails) {
  TImage& image = NewImage(20, 20);
  auto probe = std::make_unique<TProbeGraphic>();
  TProbeGraphic& graphic = *probe;
  graphic.image = &image;
  image.Picture()->TakeGraphic(std::move(probe));
  PixelSurface surface(20, 20, kBackdrop);
  PaintControls(surface);
  EXPECT_TRUE(graphic.sawDrawing);
  EXPECT_FALSE(image.Drawing());
  graphic.fail = true;
  graphic.sawDrawing = false;
  EXPECT_THROW(PaintControls(surface), EInvalidGraphic);
  EXPECT_TRUE(graphic.sawDrawing);
  EXPECT_FALSE(image.Drawing());
}

TEST_F(ImageControlTest, PaletteChangeAsksTheActiveFormToRealiseIt) {
  TImage& image = NewImage(286, 51);
  // A picture without a palette just has its flag cleared.
  const auto bitmap = FilledBitmap(10, 10, kRed);
  image.Picture()->Assign(bitmap.get());
  image.Picture()->Graphic()->SetPaletteModified(true);
  image.SetCenter(true);
  EXPECT_FALSE(image.Picture()->Graphic()->PaletteModified());

  // The banner has a palette; a form that is not active is not asked and the flag stays.
  LoadBanner(image);
  TGraphic* banner = image.Picture()->Graphic();
  ASSERT_NE(banner->Palette(), nullptr);
  ASSERT_FALSE(form->Active());
  const HWND window = form->Handle();
  MSG message{};
  banner->SetPaletteModified(true);
  image.SetCenter(false);
  EXPECT_TRUE(banner->PaletteModified());
  EXPECT_FALSE(PeekMessageA(&message, window, WM_QUERYNEWPALETTE, WM_QUERYNEWPALETTE, PM_NOREMOVE));

  form->Show();
  SetForegroundWindow(window);
  SetActiveWindow(window);
  for (int i = 0; i < 100 && !form->Active(); ++i) {
    Application().ProcessMessages();
    Sleep(10);
  }
  ASSERT_TRUE(form->Active());
  while (PeekMessageA(&message, window, WM_QUERYNEWPALETTE, WM_QUERYNEWPALETTE, PM_REMOVE)) {
  }
  banner->SetPaletteModified(true);
  image.SetCenter(true);
  EXPECT_FALSE(banner->PaletteModified());
  EXPECT_TRUE(PeekMessageA(&message, window, WM_QUERYNEWPALETTE, WM_QUERYNEWPALETTE, PM_REMOVE));
}

TEST_F(ImageControlTest, ProgressOfTheInstalledGraphicReachesOnProgress) {
  TImage& image = NewImage(286, 51);
  image.SetIncrementalDisplay(true);
  LoadBanner(image);
  std::vector<TProgressStage> stages;
  TObject* sender = nullptr;
  int redraws = 0;
  image.OnProgress = [&](TObject* from, TProgressStage stage, uint8_t, bool redrawNow, const TRect&,
                         const std::string&) {
    sender = from;
    stages.push_back(stage);
    if (redrawNow) ++redraws;
  };
  // Reading again decodes frame 0 in the graphic the picture routes.
  TGraphic* banner = image.Picture()->Graphic();
  TMemoryStream file(StoredGifFile(BannerPictureData()));
  banner->LoadFromStream(file);
  ASSERT_GE(stages.size(), 2u);
  EXPECT_EQ(stages.front(), psStarting);
  EXPECT_EQ(stages.back(), psEnding);
  EXPECT_EQ(sender, banner);
  EXPECT_EQ(redraws, 0);
}

}  // namespace
