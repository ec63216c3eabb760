#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/core/FormReader.h"
#include "framework/core/SysUtils.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/Icon.h"
#include "framework/win/imagelists/ImageList.h"
#include "tests/framework/win/forms/TestForm.h"
#include "tests/framework/win/graphics/GraphicsTestSupport.h"

namespace {

constexpr TColor kRed = RGBColor(255, 0, 0);
constexpr TColor kBlue = RGBColor(0, 0, 255);
constexpr TColor kGreen = RGBColor(0, 128, 0);
constexpr TColor kYellow = RGBColor(255, 255, 0);
constexpr TColor kBackground = RGBColor(10, 20, 30);

TColor SystemRGB(int index) {
  const COLORREF c = GetSysColor(index);
  return RGBColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

// A 16 x 16 bitmap in one colour, with an optional square of another colour at its top left.
std::unique_ptr<TBitmap> Solid(TColor color, TColor corner = clNone, int cornerSize = 8) {
  auto bitmap = std::make_unique<TBitmap>(16, 16, pf24bit);
  bitmap->Canvas().Brush().SetColor(color);
  bitmap->Canvas().FillRect(TRect{0, 0, 16, 16});
  if (corner != clNone) {
    bitmap->Canvas().Brush().SetColor(corner);
    bitmap->Canvas().FillRect(TRect{0, 0, cornerSize, cornerSize});
  }
  return bitmap;
}

// A monochrome mask: white (transparent) on the left half.
std::unique_ptr<TBitmap> LeftHalfTransparent() {
  auto mask = std::make_unique<TBitmap>(16, 16, pf24bit);
  mask->SetMonochrome(true);
  mask->Canvas().Brush().SetColor(clBlack);
  mask->Canvas().FillRect(TRect{0, 0, 16, 16});
  mask->Canvas().Brush().SetColor(clWhite);
  mask->Canvas().FillRect(TRect{0, 0, 8, 16});
  return mask;
}

// Draws image index on a fresh surface at (2, 3) and returns the surface.
std::unique_ptr<DibSurface> Drawn(TCustomImageList& list, int index, bool enabled = true) {
  auto surface = std::make_unique<DibSurface>(24, 24, kBackground);
  TCanvas canvas;
  canvas.SetHandle(surface->DC());
  list.Draw(canvas, 2, 3, index, enabled);
  canvas.SetHandle(nullptr);
  return surface;
}

// The colour of the centre of image index.
TColor CentreOf(TCustomImageList& list, int index) {
  return Drawn(list, index)->At(2 + 12, 3 + 12);
}

TEST(ImageListTest, DefaultsAndLazyPlatformList) {
  TCustomImageList list(nullptr);
  EXPECT_EQ(list.Width(), 16);
  EXPECT_EQ(list.Height(), 16);
  EXPECT_TRUE(list.Masked());
  EXPECT_EQ(list.BkColor(), clNone);
  EXPECT_EQ(list.BlendColor(), clNone);
  EXPECT_EQ(list.AllocBy(), 4);
  EXPECT_EQ(list.DrawingStyle(), dsNormal);
  EXPECT_EQ(list.ImageType(), itImage);
  EXPECT_FALSE(list.ShareImages());
  EXPECT_EQ(list.Count(), 0);
  EXPECT_FALSE(list.HandleAllocated());
  HIMAGELIST handle = list.Handle();
  ASSERT_NE(handle, nullptr);
  int width = 0;
  int height = 0;
  ImageList_GetIconSize(handle, &width, &height);
  EXPECT_EQ(width, 16);
  EXPECT_EQ(height, 16);
  EXPECT_EQ(ImageList_GetBkColor(handle), CLR_NONE);
}

TEST(ImageListTest, AddWithAMaskDrawsOnlyTheOpaquePart) {
  TCustomImageList list(nullptr);
  auto image = Solid(kRed);
  auto mask = LeftHalfTransparent();
  EXPECT_EQ(list.Add(*image, mask.get()), 0);
  EXPECT_EQ(list.Count(), 1);
  auto surface = Drawn(list, 0);
  EXPECT_EQ(surface->Count(2, 3, 10, 19, kBackground), 8 * 16);
  EXPECT_EQ(surface->Count(10, 3, 18, 19, kRed), 8 * 16);
  EXPECT_EQ(surface->At(18, 3), kBackground) << "nothing outside the cell";
}

TEST(ImageListTest, AddMaskedMakesTheMaskColourTransparentAndKeepsTheSource) {
  TCustomImageList list(nullptr);
  auto image = Solid(kBlue, clFuchsia, 4);
  list.AddMasked(*image, clFuchsia);
  auto surface = Drawn(list, 0);
  EXPECT_EQ(surface->Count(2, 3, 6, 7, kBackground), 16);
  EXPECT_EQ(surface->Count(2, 3, 18, 19, kBlue), 256 - 16);
  EXPECT_EQ(image->Canvas().Pixel(0, 0), clFuchsia) << "the caller's bitmap is unchanged";

  list.AddMasked(*image, clNone);
  EXPECT_EQ(Drawn(list, 1)->At(2, 3), clFuchsia) << "clNone: nothing is transparent";
}

TEST(ImageListTest, ReplaceDeleteMoveAndClear) {
  TCustomImageList list(nullptr);
  const TColor colors[] = {kRed, kGreen, kBlue, kYellow};
  for (TColor color : colors)
    list.Add(*Solid(color), nullptr);
  ASSERT_EQ(list.Count(), 4);

  list.Move(0, 2);
  EXPECT_EQ(CentreOf(list, 0), kGreen);
  EXPECT_EQ(CentreOf(list, 1), kBlue);
  EXPECT_EQ(CentreOf(list, 2), kRed);
  EXPECT_EQ(CentreOf(list, 3), kYellow);
  list.Move(3, 0);
  EXPECT_EQ(CentreOf(list, 0), kYellow);
  EXPECT_EQ(CentreOf(list, 1), kGreen);

  list.Replace(1, *Solid(clWhite), nullptr);
  EXPECT_EQ(CentreOf(list, 1), clWhite);
  list.ReplaceMasked(1, *Solid(kRed, clFuchsia), clFuchsia);
  auto replaced = Drawn(list, 1);
  EXPECT_EQ(replaced->At(2, 3), kBackground);
  EXPECT_EQ(replaced->At(2 + 15, 3 + 15), kRed);

  list.Delete(0);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(replaced->At(2 + 15, 3 + 15), CentreOf(list, 0));
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(ImageListTest, BadIndexesFailWithTheIndexMessage) {
  TCustomImageList list(nullptr);
  list.Add(*Solid(kRed), nullptr);
  const auto message = [](auto&& action) {
    try {
      action();
    } catch (const EInvalidOperation& e) {
      return e.Message();
    }
    return std::string("no error");
  };
  EXPECT_EQ(message([&] { list.Delete(1); }), "Invalid ImageList Index");
  EXPECT_EQ(message([&] { list.Delete(-1); }), "Invalid ImageList Index");
  EXPECT_EQ(message([&] { list.Move(0, 1); }), "Invalid ImageList Index");
  EXPECT_EQ(message([&] { list.Replace(2, *Solid(kRed), nullptr); }), "Invalid ImageList Index");
  EXPECT_EQ(list.Count(), 1);
  // Drawing an index the list does not have draws nothing.
  EXPECT_EQ(Drawn(list, 5)->Count(0, 0, 24, 24, kBackground), 24 * 24);
  EXPECT_EQ(Drawn(list, -1)->Count(0, 0, 24, 24, kBackground), 24 * 24);
}

TEST(ImageListTest, DisabledImagesAreAnEmbossedGreyShape) {
  TCustomImageList list(nullptr);
  // A dark 8 x 8 square in the top-left corner of a white (too light to count) image.
  list.Add(*Solid(clWhite, kRed), nullptr);
  auto surface = Drawn(list, 0, false);
  const TColor shadow = SystemRGB(COLOR_BTNSHADOW);
  const TColor highlight = SystemRGB(COLOR_BTNHIGHLIGHT);
  EXPECT_EQ(surface->Count(2, 3, 10, 11, shadow), 64);
  EXPECT_EQ(surface->At(10, 4), highlight) << "one pixel right of the shape";
  EXPECT_EQ(surface->At(3, 11), highlight) << "one pixel below the shape";
  EXPECT_EQ(surface->At(10, 11), highlight);
  EXPECT_EQ(surface->At(2, 11), kBackground);
  EXPECT_EQ(surface->At(15, 15), kBackground) << "the white part is not drawn";
}

TEST(ImageListTest, GetIconAndGetBitmapCopyTheImage) {
  TCustomImageList list(nullptr);
  list.Add(*Solid(kBlue, kRed), LeftHalfTransparent().get());
  TIcon icon;
  list.GetIcon(0, icon);
  ASSERT_FALSE(icon.Empty());
  EXPECT_EQ(IconSize(icon.Handle()), (TSize{16, 16}));
  DibSurface surface(16, 16, kBackground);
  DrawIconEx(surface.DC(), 0, 0, icon.Handle(), 16, 16, 0, nullptr, DI_NORMAL);
  EXPECT_EQ(surface.At(2, 2), kBackground) << "the mask came along";
  EXPECT_EQ(surface.At(12, 2), kBlue);

  list.GetIcon(3, icon);
  EXPECT_TRUE(icon.Empty());

  TBitmap bitmap;
  list.GetBitmap(0, bitmap);
  EXPECT_EQ(bitmap.Width(), 16);
  EXPECT_EQ(bitmap.Height(), 16);
  EXPECT_EQ(bitmap.Canvas().Pixel(12, 12), kBlue);
}

TEST(ImageListTest, AddIconKeepsItsTransparency) {
  TCustomImageList source(nullptr);
  source.Add(*Solid(kGreen), LeftHalfTransparent().get());
  TIcon icon;
  source.GetIcon(0, icon);
  TCustomImageList list(nullptr);
  EXPECT_EQ(list.AddIcon(icon), 0);
  auto surface = Drawn(list, 0);
  EXPECT_EQ(surface->At(3, 4), kBackground);
  EXPECT_EQ(surface->At(14, 4), kGreen);
}

// Records the announcements of a list in order.
struct ChangeLog {
  std::vector<std::string> entries;
  TChangeLink first;
  TChangeLink second;
  explicit ChangeLog(TCustomImageList& list) {
    first.OnChange = [this, &list](TObject* sender) {
      entries.push_back(sender == &list ? "first" : "first:wrong sender");
    };
    second.OnChange = [this](TObject*) { entries.push_back("second"); };
    list.OnChange = [this](TObject*) { entries.push_back("OnChange"); };
    list.RegisterChanges(first);
    list.RegisterChanges(second);
  }
};

TEST(ImageListTest, ChangesCallTheLinksInRegistrationOrderThenOnChange) {
  TCustomImageList list(nullptr);
  ChangeLog log(list);
  EXPECT_EQ(log.first.Sender(), &list);
  list.Add(*Solid(kRed), nullptr);
  EXPECT_EQ(log.entries, (std::vector<std::string>{"first", "second", "OnChange"}));

  log.entries.clear();
  list.UnRegisterChanges(log.first);
  EXPECT_EQ(log.first.Sender(), nullptr);
  list.SetBkColor(clWhite);
  EXPECT_EQ(log.entries, (std::vector<std::string>{"second", "OnChange"}));
  EXPECT_EQ(ImageList_GetBkColor(list.Handle()), RGB(255, 255, 255));

  log.entries.clear();
  list.SetBkColor(clWhite);
  list.SetDrawingStyle(dsNormal);
  EXPECT_TRUE(log.entries.empty()) << "unchanged values announce nothing";
}

TEST(ImageListTest, AnUpdateAnnouncesOnceWhenItEnds) {
  TCustomImageList list(nullptr);
  ChangeLog log(list);
  list.BeginUpdate();
  list.Add(*Solid(kRed), nullptr);
  list.BeginUpdate();
  list.Add(*Solid(kBlue), nullptr);
  list.EndUpdate();
  list.Delete(0);
  EXPECT_TRUE(log.entries.empty());
  list.EndUpdate();
  EXPECT_EQ(log.entries, (std::vector<std::string>{"first", "second", "OnChange"}));

  log.entries.clear();
  list.BeginUpdate();
  list.EndUpdate();
  EXPECT_TRUE(log.entries.empty()) << "an update without changes announces nothing";
  list.EndUpdate();
  EXPECT_EQ(list.UpdateCount(), 0);
}

TEST(ImageListTest, LinksAndListsMayGoInEitherOrder) {
  auto list = std::make_unique<TCustomImageList>(nullptr);
  int calls = 0;
  {
    TChangeLink shortLived;
    shortLived.OnChange = [&](TObject*) { ++calls; };
    list->RegisterChanges(shortLived);
  }
  list->Add(*Solid(kRed), nullptr);
  EXPECT_EQ(calls, 0) << "a destroyed link unregistered itself";

  TChangeLink link;
  list->RegisterChanges(link);
  list.reset();
  EXPECT_EQ(link.Sender(), nullptr);
}

TEST(ImageListTest, AHandlerMayDropAnotherLinkWhileTheChangeIsAnnounced) {
  TCustomImageList list(nullptr);
  auto second = std::make_unique<TChangeLink>();
  TChangeLink first;
  int secondCalls = 0;
  first.OnChange = [&](TObject*) { second.reset(); };
  second->OnChange = [&](TObject*) { ++secondCalls; };
  list.RegisterChanges(first);
  list.RegisterChanges(*second);
  list.Clear();
  EXPECT_EQ(secondCalls, 0);
}

TEST(ImageListTest, SizeMaskAndAssignment) {
  TCustomImageList list(nullptr);
  list.Add(*Solid(kRed), LeftHalfTransparent().get());
  list.Add(*Solid(kBlue), nullptr);

  TCustomImageList copy(nullptr);
  ChangeLog log(copy);
  copy.Assign(&list);
  EXPECT_EQ(log.entries, (std::vector<std::string>{"first", "second", "OnChange"}));
  EXPECT_EQ(copy.Count(), 2);
  auto first = Drawn(copy, 0);
  EXPECT_EQ(first->At(3, 4), kBackground);
  EXPECT_EQ(first->At(14, 4), kRed);
  EXPECT_EQ(CentreOf(copy, 1), kBlue);

  copy.SetMasked(false);
  EXPECT_EQ(copy.Count(), 2) << "re-created with the images";
  EXPECT_EQ(Drawn(copy, 0)->At(14, 4), kRed);

  log.entries.clear();
  copy.SetWidth(24);
  EXPECT_EQ(copy.Count(), 0) << "the platform cannot keep images of another size";
  EXPECT_EQ(log.entries.size(), 3u);
  int width = 0;
  int height = 0;
  ImageList_GetIconSize(copy.Handle(), &width, &height);
  EXPECT_EQ(width, 24);
  EXPECT_EQ(height, 16);
}

TEST(ImageListTest, SharedPlatformListsOutliveTheComponent) {
  HIMAGELIST foreign = ImageList_Create(20, 10, ILC_COLORDDB | ILC_MASK, 1, 1);
  {
    TCustomImageList list(nullptr);
    list.SetShareImages(true);
    list.SetHandle(foreign);
    EXPECT_EQ(list.Width(), 20);
    EXPECT_EQ(list.Height(), 10);
    EXPECT_EQ(list.Handle(), foreign);
  }
  EXPECT_EQ(ImageList_GetImageCount(foreign), 0) << "still a valid list";
  EXPECT_TRUE(ImageList_Destroy(foreign));
}

TEST(ImageListTest, FormDataWritesOnlyChangedSettingsAndRefusesStoredImages) {
  RegisterTestRootClasses();
  RegisterImageListClasses();
  TTestRootForm form(nullptr);
  // Every property differs from its default, so the writer gives back the very text.
  const char* const kStored =
      "object MainFrm: TTestRootForm\n"
      "  object StateImageList: TImageList\n"
      "  end\n"
      "  object Wide: TImageList\n"
      "    BkColor = clBtnFace\n"
      "    DrawingStyle = dsTransparent\n"
      "    Height = 24\n"
      "    Masked = False\n"
      "    Width = 32\n"
      "  end\n"
      "end\n";
  FormReader::ReadRoot(form, kStored);
  auto& wide = dynamic_cast<TImageList&>(*form.FindComponent("Wide"));
  EXPECT_EQ(wide.Width(), 32);
  EXPECT_EQ(wide.Height(), 24);
  EXPECT_EQ(wide.BkColor(), clBtnFace);
  EXPECT_EQ(FormWriter::WriteRoot(form), kStored);

  TTestRootForm other(nullptr);
  try {
    FormReader::ReadRoot(other,
                         "object MainFrm: TTestRootForm\n"
                         "  object Images: TImageList\n"
                         "    Bitmap = {494C010104000900}\n"
                         "  end\n"
                         "end\n");
    FAIL() << "stored images need a list that can read them";
  } catch (const EParserError& e) {
    EXPECT_NE(e.Message().find("Failed to read ImageList data from stream"), std::string::npos)
        << e.Message();
  }
}

}  // namespace
