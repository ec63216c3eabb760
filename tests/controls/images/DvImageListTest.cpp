// The image list component: published settings, the four ways of filling it, pixel formats,
// change announcement and assignment, on exact pixels under Wine.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/images/DvImageList.h"
#include "framework/core/FormReader.h"
#include "framework/core/Streams.h"
#include "framework/win/graphics/Icon.h"
#include "tests/controls/images/support/ImagePixels.h"
#include "tests/controls/images/support/ImageTestForm.h"

namespace {

constexpr TColor kBackground = RGBColor(0x12, 0x34, 0x56);

std::unique_ptr<TBitmap> MakePicture(int width, int height,
                                     const std::function<TColor(int, int)>& colorAt) {
  auto bitmap = std::make_unique<TBitmap>(width, height, pf24bit);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      bitmap->Canvas().SetPixel(x, y, colorAt(x, y));
  return bitmap;
}

std::unique_ptr<TBitmap> Solid(TColor color) {
  return MakePicture(16, 16, [color](int, int) { return color; });
}

// What image index shows over the background, with kBackground standing for transparent.
std::vector<TColor> Shown(TDvImageList& list, int index) {
  return DrawnImage(list, index, kBackground);
}

std::vector<TColor> Expected(const std::function<TColor(int, int)>& colorAt) {
  std::vector<TColor> pixels;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      pixels.push_back(colorAt(x, y));
  return pixels;
}

// The form-data block of one component as the writer lays it out.
std::string WrittenObject(TComponent& root, const std::string& name) {
  const std::string text = FormWriter::WriteRoot(root);
  const size_t begin = text.find("object " + name + ":");
  if (begin == std::string::npos) return std::string();
  const size_t end = text.find("end\n", begin);
  return end == std::string::npos ? text.substr(begin) : text.substr(begin, end + 4 - begin);
}

TEST(DvImageList, StartsWithTheDefaultsItWritesNothingFor) {
  ImageTestFormPtr form = LoadImageTestForm("  object List: TDvImageList\n  end\n");
  auto& list = form->Component<TDvImageList>("List");
  EXPECT_EQ(list.Mode(), imPicture);
  EXPECT_EQ(list.PixelFormat(), pfDevice);
  EXPECT_EQ(list.TransparentMode(), TDvTransparentMode::tmColor);
  EXPECT_EQ(list.TransparentColor(), clFuchsia);
  EXPECT_EQ(list.FileName(), "");
  EXPECT_EQ(list.Picture()->Graphic(), nullptr);
  EXPECT_EQ(list.ResourceIds()->Count(), 0);
  EXPECT_EQ(list.Items()->Count(), 0);
  EXPECT_EQ(list.Width(), 16);
  EXPECT_EQ(list.Height(), 16);
  EXPECT_EQ(list.AllocBy(), 4);
  EXPECT_TRUE(list.Masked());
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(WrittenObject(*form, "List"), "object List: TDvImageList\n  end\n");
}

TEST(DvImageList, PublishedSettingsGoThroughFormData) {
  ImageTestFormPtr form = LoadImageTestForm(
      "  object List: TDvImageList\n"
      "    Height = 8\n"
      "    Width = 8\n"
      "    OnChange = ListChange\n"
      "    Mode = imClassic\n"
      "    PixelFormat = pf24bit\n"
      "    TransparentMode = tmAuto\n"
      "    TransparentColor = clLime\n"
      "    ResourceIds.Strings = (\n"
      "      'ONE'\n"
      "      ' TWO ')\n"
      "  end\n");
  auto& list = form->Component<TDvImageList>("List");
  EXPECT_EQ(list.Mode(), imClassic);
  EXPECT_EQ(list.PixelFormat(), pf24bit);
  EXPECT_EQ(list.TransparentMode(), TDvTransparentMode::tmAuto);
  EXPECT_EQ(list.TransparentColor(), clLime);
  EXPECT_EQ(list.ResourceIds()->Lines(), (std::vector<std::string>{"ONE", " TWO "}));
  const std::string written = WrittenObject(*form, "List");
  for (const char* line :
       {"Height = 8", "Width = 8", "OnChange = ListChange", "Mode = imClassic",
        "PixelFormat = pf24bit", "TransparentMode = tmAuto", "TransparentColor = clLime"})
    EXPECT_NE(written.find(line), std::string::npos) << line << " in\n" << written;
}

TEST(DvImageListPicture, EachWholeCellIsAnImageAndANarrowPictureGivesOne) {
  TDvImageList list(nullptr);
  // 40 wide: a red and a blue cell; the last 8 columns are no whole cell.
  list.Picture()->SetGraphic(MakePicture(40, 16, [](int x, int) {
                               return x < 16 ? clRed : x < 32 ? clBlue : clLime;
                             }).get());
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(Shown(list, 0), Expected([](int, int) { return clRed; }));
  EXPECT_EQ(Shown(list, 1), Expected([](int, int) { return clBlue; }));

  // 10 wide: one image; where the picture ends the cell is transparent.
  list.Picture()->SetGraphic(MakePicture(10, 16, [](int, int) { return clRed; }).get());
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(Shown(list, 0), Expected([](int x, int) { return x < 10 ? clRed : kBackground; }));

  // Only the top Height rows of a taller picture are used.
  list.Picture()->SetGraphic(
      MakePicture(16, 20, [](int, int y) { return y < 16 ? clBlue : clRed; }).get());
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(Shown(list, 0), Expected([](int, int) { return clBlue; }));

  list.Picture()->SetGraphic(nullptr);
  EXPECT_EQ(list.Count(), 0);
  TBitmap empty;
  list.Picture()->SetGraphic(&empty);
  EXPECT_EQ(list.Count(), 0);
}

TEST(DvImageListPicture, TransparencyByColourByEachCellsBottomLeftPixelOrNone) {
  // Cell 0 is blue with lime spots and a lime bottom-left pixel; cell 1 the other way round.
  const auto spot = [](int x, int y) { return (x % 16 < 8 && y < 8) || (x % 16 == 0 && y == 15); };
  auto picture = MakePicture(32, 16, [&](int x, int y) {
    const bool firstCell = x < 16;
    return spot(x, y) == firstCell ? clLime : clBlue;
  });
  TDvImageList list(nullptr);
  list.SetTransparentMode(TDvTransparentMode::tmAuto);
  list.Picture()->SetGraphic(picture.get());
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(Shown(list, 0),
            Expected([&](int x, int y) { return spot(x, y) ? kBackground : clBlue; }));
  EXPECT_EQ(Shown(list, 1),
            Expected([&](int x, int y) { return spot(x, y) ? kBackground : clLime; }));

  list.SetTransparentMode(TDvTransparentMode::tmColor);
  list.SetTransparentColor(clLime);
  EXPECT_EQ(Shown(list, 0),
            Expected([&](int x, int y) { return spot(x, y) ? kBackground : clBlue; }));
  EXPECT_EQ(Shown(list, 1),
            Expected([&](int x, int y) { return spot(x, y) ? clBlue : kBackground; }));

  list.SetTransparentMode(TDvTransparentMode::tmNone);
  EXPECT_EQ(Shown(list, 1), Expected([&](int x, int y) { return spot(x, y) ? clBlue : clLime; }));
}

TEST(DvImageListPicture, AnotherGraphicIsDrawnOverTheTransparentColour) {
  TDvImageList source(nullptr);
  source.AddMasked(
      *MakePicture(16, 16, [](int x, int y) { return x < 8 && y < 8 ? clLime : clBlue; }), clLime);
  TIcon icon;
  source.GetIcon(0, icon);
  ASSERT_NE(icon.Handle(), nullptr);
  TDvImageList list(nullptr);
  list.SetTransparentColor(clYellow);
  list.Picture()->SetGraphic(&icon);
  ASSERT_EQ(list.Count(), 1);
  // Where the icon is transparent the bitmap shows yellow, which is the mask colour.
  EXPECT_EQ(Shown(list, 0),
            Expected([](int x, int y) { return x < 8 && y < 8 ? kBackground : clBlue; }));
  list.SetTransparentMode(TDvTransparentMode::tmNone);
  EXPECT_EQ(Shown(list, 0),
            Expected([](int x, int y) { return x < 8 && y < 8 ? clYellow : clBlue; }));
}

TEST(DvImageListPixelFormat, OneBitAndCustomAreIgnored) {
  TDvImageList list(nullptr);
  list.SetPixelFormat(pf8bit);
  list.SetPixelFormat(pf1bit);
  EXPECT_EQ(list.PixelFormat(), pf8bit);
  list.SetPixelFormat(pfCustom);
  EXPECT_EQ(list.PixelFormat(), pf8bit);
}

TEST(DvImageListPixelFormat, CreationFlagsFollowTheFormatAndTheDisplay) {
  EXPECT_EQ(ImageListCreationFlags(pf4bit, true, 32), UINT{ILC_COLOR4 | ILC_MASK});
  EXPECT_EQ(ImageListCreationFlags(pf8bit, false, 32), UINT{ILC_COLOR8});
  EXPECT_EQ(ImageListCreationFlags(pf15bit, false, 32), UINT{ILC_COLOR16});
  EXPECT_EQ(ImageListCreationFlags(pf16bit, false, 32), UINT{ILC_COLOR16});
  EXPECT_EQ(ImageListCreationFlags(pf24bit, false, 32), UINT{ILC_COLOR24});
  EXPECT_EQ(ImageListCreationFlags(pf32bit, true, 8), UINT{ILC_COLOR32 | ILC_MASK});
  EXPECT_EQ(ImageListCreationFlags(pfDevice, false, 24), UINT{ILC_COLOR24});
  EXPECT_EQ(ImageListCreationFlags(pfDevice, false, 15), UINT{ILC_COLOR16});
  EXPECT_EQ(ImageListCreationFlags(pfDevice, false, 1), UINT{ILC_COLORDDB});
  EXPECT_EQ(ImageListCreationFlags(pfDevice, true, 12), UINT{ILC_COLORDDB | ILC_MASK});
}

int StoredDepth(TDvImageList& list) {
  IMAGEINFO info{};
  if (!ImageList_GetImageInfo(list.Handle(), 0, &info)) return 0;
  BITMAP bitmap{};
  GetObjectA(info.hbmImage, sizeof bitmap, &bitmap);
  return bitmap.bmBitsPixel;
}

TEST(DvImageListPixelFormat, AChangeMakesTheListAgainWithItsImagesAndAnnouncesOnce) {
  TDvImageList list(nullptr);
  list.SetPixelFormat(pf4bit);
  list.AddMasked(*Solid(clRed), clNone);
  list.AddMasked(*MakePicture(16, 16, [](int x, int) { return x < 4 ? clFuchsia : clBlue; }),
                 clFuchsia);
  EXPECT_EQ(StoredDepth(list), 4);
  int changes = 0;
  list.OnChange = [&](TObject*) { ++changes; };
  list.SetPixelFormat(pf24bit);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(StoredDepth(list), 24);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(Shown(list, 0), Expected([](int, int) { return clRed; }));
  EXPECT_EQ(Shown(list, 1), Expected([](int x, int) { return x < 4 ? kBackground : clBlue; }));
}

TEST(DvImageListChanges, LinksInRegistrationOrderThenOnChange) {
  TDvImageList list(nullptr);
  std::vector<std::string> calls;
  TChangeLink first;
  TChangeLink second;
  first.OnChange = [&](TObject* sender) {
    calls.push_back(sender == &list ? "first" : "first from elsewhere");
  };
  second.OnChange = [&](TObject*) { calls.push_back("second"); };
  list.OnChange = [&](TObject*) { calls.push_back("OnChange"); };
  list.RegisterChanges(second);
  list.RegisterChanges(first);
  list.AddMasked(*Solid(clRed), clNone);
  EXPECT_EQ(calls, (std::vector<std::string>{"second", "first", "OnChange"}));

  calls.clear();
  list.UnRegisterChanges(second);
  list.Delete(0);
  EXPECT_EQ(calls, (std::vector<std::string>{"first", "OnChange"}));
}

TEST(DvImageListChanges, AnUpdateIsAnnouncedOnceWhenItEnds) {
  TDvImageList list(nullptr);
  int links = 0;
  int events = 0;
  TChangeLink link;
  link.OnChange = [&](TObject*) { ++links; };
  list.RegisterChanges(link);
  list.OnChange = [&](TObject*) { ++events; };

  list.BeginUpdate();
  list.BeginUpdate();
  for (TColor color : {clRed, clLime, clBlue})
    list.AddMasked(*Solid(color), clNone);
  list.Move(0, 2);
  list.EndUpdate();
  EXPECT_EQ(links, 0);
  list.EndUpdate();
  EXPECT_EQ(links, 1);
  EXPECT_EQ(events, 1);

  list.BeginUpdate();
  list.EndUpdate();
  EXPECT_EQ(events, 1) << "nothing changed, nothing announced";

  // A rebuild from a picture of three cells is one change too.
  list.Picture()->SetGraphic(
      MakePicture(48, 16, [](int x, int) { return x < 16 ? clRed : clBlue; }).get());
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(links, 2);
  EXPECT_EQ(events, 2);
}

TEST(DvImageListAssign, TakesTheSourcesSettingsPictureAndImages) {
  TDvImageList source(nullptr);
  source.SetTransparentMode(TDvTransparentMode::tmAuto);
  source.SetTransparentColor(clLime);
  source.SetPixelFormat(pf24bit);
  source.ResourceIds()->Add("DVTEST_ITEM");
  source.Picture()->SetGraphic(MakePicture(32, 16, [](int x, int y) {
                                 return y == 15 && x % 16 == 0 ? clLime : x < 16 ? clRed : clBlue;
                               }).get());
  ASSERT_EQ(source.Count(), 2);

  TDvImageList copy(nullptr);
  copy.SetMode(imItemList);
  int changes = 0;
  copy.OnChange = [&](TObject*) { ++changes; };
  copy.Assign(&source);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(copy.Mode(), imPicture);
  EXPECT_EQ(copy.TransparentMode(), TDvTransparentMode::tmAuto);
  EXPECT_EQ(copy.TransparentColor(), clLime);
  EXPECT_EQ(copy.PixelFormat(), pf24bit);
  EXPECT_EQ(copy.ResourceIds()->Lines(), source.ResourceIds()->Lines());
  EXPECT_EQ(copy.Picture()->Width(), 32);
  ASSERT_EQ(copy.Count(), 2);
  for (int i = 0; i < 2; ++i)
    EXPECT_EQ(Shown(copy, i), Shown(source, i)) << i;

  // Another kind of image list: its images and settings only.
  TCustomImageList plain(nullptr, 16, 16);
  plain.AddMasked(*Solid(clYellow), clNone);
  copy.Assign(&plain);
  EXPECT_EQ(copy.Mode(), imPicture);
  ASSERT_EQ(copy.Count(), 1);
  EXPECT_EQ(Shown(copy, 0), Expected([](int, int) { return clYellow; }));
}

TEST(DvImageListResources, NamesAreLookedUpUntrimmedAndBlankOrMissingOnesSkipped) {
  TDvImageList list(nullptr);
  list.ResourceIds()->SetLines(
      {"DVTEST_TWO", "   ", "NO_SUCH_RESOURCE", " DVTEST_PADDED ", "DVTEST_RAW"});
  EXPECT_EQ(list.Count(), 0) << "imPicture ignores the names";
  list.SetMode(imResourceIds);
  ASSERT_EQ(list.Count(), 4);
  const auto corner = [](int x, int y) { return x < 4 && y < 4; };
  // Fuchsia is transparent; the lime bottom-left pixel of the bitmap is not.
  EXPECT_EQ(Shown(list, 0), Expected([&](int x, int y) {
              return corner(x, y) ? kBackground : (x == 0 && y == 15) ? clLime : clRed;
            }));
  EXPECT_EQ(Shown(list, 1),
            Expected([&](int x, int y) { return corner(x, y) ? kBackground : clBlue; }));
  EXPECT_EQ(Shown(list, 2), Expected([](int, int) { return clGreen; })) << "the padded name";
  EXPECT_EQ(Shown(list, 3), Expected([](int, int) { return clNavy; })) << "raw data";

  // tmAuto: each bitmap's own bottom-left pixel.
  list.SetTransparentMode(TDvTransparentMode::tmAuto);
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(Shown(list, 0), Expected([&](int x, int y) {
              return (x == 0 && y == 15) ? kBackground : corner(x, y) ? clFuchsia : clRed;
            }));
  EXPECT_EQ(Shown(list, 2), Expected([](int, int) { return kBackground; }));

  list.SetTransparentMode(TDvTransparentMode::tmNone);
  EXPECT_EQ(Shown(list, 1),
            Expected([&](int x, int y) { return corner(x, y) ? clFuchsia : clBlue; }));
}

TEST(DvImageListModes, OnlyPictureAndResourceListsRebuildWhenTheirSourcesChange) {
  TDvImageList list(nullptr);
  list.SetMode(imClassic);
  list.AddMasked(*Solid(clYellow), clNone);
  int changes = 0;
  list.OnChange = [&](TObject*) { ++changes; };
  const auto corner = [](int x, int y) { return x % 16 == 0 && y == 15; };
  list.Picture()->SetGraphic(
      MakePicture(32, 16, [&](int x, int y) { return corner(x, y) ? clLime : clRed; }).get());
  list.ResourceIds()->Add("DVTEST_ITEM");
  list.SetTransparentMode(TDvTransparentMode::tmAuto);
  list.SetMode(imItemList);
  EXPECT_EQ(changes, 0);
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(Shown(list, 0), Expected([](int, int) { return clYellow; }));

  list.SetMode(imPicture);
  EXPECT_EQ(changes, 1);
  ASSERT_EQ(list.Count(), 2);
  const auto limeCorner =
      Expected([&](int x, int y) { return corner(x, y) ? kBackground : clRed; });
  EXPECT_EQ(Shown(list, 1), limeCorner);
  // The mask colour only counts under tmColor.
  list.SetTransparentColor(clRed);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(Shown(list, 0), limeCorner);
  list.SetTransparentMode(TDvTransparentMode::tmColor);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(Shown(list, 0),
            Expected([&](int x, int y) { return corner(x, y) ? clLime : kBackground; }));

  list.SetMode(imResourceIds);
  EXPECT_EQ(changes, 3);
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(Shown(list, 0),
            Expected([](int x, int y) { return x < 4 && y < 4 ? clFuchsia : clTeal; }))
      << "the item bitmap, with only red transparent";
}

int ListDepth(TDvImageList& list) {
  IMAGEINFO info{};
  TBitmap probe(16, 16, pf24bit);
  const int index = list.AddMasked(probe, clNone);
  ImageList_GetImageInfo(list.Handle(), index, &info);
  BITMAP bitmap{};
  GetObjectA(info.hbmImage, sizeof bitmap, &bitmap);
  list.Delete(index);
  return bitmap.bmBitsPixel;
}

TEST(DvImageListPixelFormat, ThePlatformListTakesTheFormatAndBackgroundColour) {
  TDvImageList list(nullptr);
  list.SetPixelFormat(pf32bit);
  list.SetBkColor(clRed);
  EXPECT_FALSE(list.HandleAllocated()) << "the format is only stored before the list exists";
  EXPECT_EQ(ListDepth(list), 32);
  EXPECT_EQ(ImageList_GetBkColor(list.Handle()), static_cast<COLORREF>(RGB(255, 0, 0)));
  list.SetPixelFormat(pf8bit);
  EXPECT_EQ(ListDepth(list), 8);
  EXPECT_EQ(ImageList_GetBkColor(list.Handle()), static_cast<COLORREF>(RGB(255, 0, 0)));

  // The display's depth (24 bits under the test display) for pfDevice.
  TDvImageList device(nullptr);
  HDC screen = GetDC(nullptr);
  const int displayDepth = GetDeviceCaps(screen, PLANES) * GetDeviceCaps(screen, BITSPIXEL);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(ListDepth(device), displayDepth);
}

TEST(DvImageListPixelFormat, AListThePlatformCannotMakeFailsWithInvalidImageList) {
  TDvImageList list(nullptr);
  list.SetWidth(-1);
  try {
    list.Handle();
    ADD_FAILURE() << "a list of width -1 was made";
  } catch (const EInvalidOperation& e) {
    EXPECT_EQ(e.Message(), "Invalid ImageList");
  }
  EXPECT_FALSE(list.HandleAllocated());
}

std::string TempFileName(const char* name) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + name;
}

TEST(DvImageListFile, AnExistingFileFillsThePictureOutsideFormReading) {
  const std::string path = TempFileName("dv-image-list-test.bmp");
  {
    TMemoryStream bytes;
    MakePicture(32, 16, [](int x, int) { return x < 16 ? clRed : clBlue; })->SaveToStream(bytes);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.Memory()), bytes.Size());
  }
  TDvImageList list(nullptr);
  list.SetFileName(path);
  EXPECT_EQ(list.Picture()->Width(), 32);
  EXPECT_EQ(list.Count(), 2);

  // The same file under another case is no change; a missing file is only remembered.
  std::string upper = path;
  for (char& c : upper)
    c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  list.SetFileName(upper);
  EXPECT_EQ(list.FileName(), path);
  list.SetFileName(path + ".missing");
  EXPECT_EQ(list.FileName(), path + ".missing");
  EXPECT_EQ(list.Count(), 2);

  ImageTestFormPtr form =
      LoadImageTestForm("  object List: TDvImageList\n    FileName = '" + path + "'\n  end\n");
  auto& read = form->Component<TDvImageList>("List");
  EXPECT_EQ(read.FileName(), path);
  EXPECT_EQ(read.Picture()->Graphic(), nullptr) << "form data brings its own picture";
  std::remove(path.c_str());
}

}  // namespace
