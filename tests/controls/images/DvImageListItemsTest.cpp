// The items of an image list in imItemList mode: each item's image, its kinds, and the items in
// form data.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/images/DvImageList.h"
#include "framework/core/FormReader.h"
#include "framework/win/forms/Application.h"
#include "tests/controls/images/support/ImagePixels.h"
#include "tests/controls/images/support/ImageTestForm.h"

namespace {

constexpr TColor kBackground = RGBColor(0x12, 0x34, 0x56);

std::unique_ptr<TBitmap> Filled(int width, int height, TColor color, TColor corner = clNone) {
  auto bitmap = std::make_unique<TBitmap>(width, height, pf24bit);
  bitmap->Canvas().Brush().SetColor(color);
  bitmap->Canvas().FillRect(TRect{0, 0, width, height});
  if (corner != clNone) {
    bitmap->Canvas().Brush().SetColor(corner);
    bitmap->Canvas().FillRect(TRect{0, 0, 4, 4});
  }
  return bitmap;
}

// What image index shows: its plain colours, kBackground where transparent.
std::vector<TColor> Shown(TDvImageList& list, int index) {
  return DrawnImage(list, index, kBackground);
}

std::vector<TColor> Uniform(TColor color, TColor corner = clNone) {
  std::vector<TColor> pixels;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      pixels.push_back(corner != clNone && x < 4 && y < 4 ? corner : color);
  return pixels;
}

TEST(DvImageListItems, ANewItemAddsABlankImage) {
  TDvImageList list(nullptr);
  list.SetMode(imItemList);
  TDvImageListItem& item = list.Items()->Add();
  EXPECT_EQ(item.Kind(), ikResourceBitmap);
  EXPECT_EQ(item.TransparentColor(), clFuchsia);
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(Shown(list, 0), Uniform(kBackground));
}

TEST(DvImageListItems, AnInlineBitmapOfTheListsSizeBecomesTheImage) {
  TDvImageList list(nullptr);
  TDvImageListItem& item = list.Items()->Add();
  item.SetKind(ikInlineBitmap);
  item.SetBitmap(Filled(16, 16, clTeal, clFuchsia).get());
  EXPECT_EQ(Shown(list, 0), Uniform(clTeal, kBackground));
  // Drawing on the item's own bitmap updates the image too.
  item.Bitmap()->Canvas().Brush().SetColor(clRed);
  item.Bitmap()->Canvas().FillRect(TRect{0, 0, 16, 16});
  EXPECT_EQ(Shown(list, 0), Uniform(clRed));

  TDvImageListItem& wide = list.Items()->Add();
  wide.SetKind(ikInlineBitmap);
  wide.SetBitmap(Filled(17, 16, clTeal).get());
  EXPECT_EQ(wide.Bitmap()->Width(), 17);
  EXPECT_EQ(Shown(list, 1), Uniform(kBackground)) << "a 17 x 16 bitmap leaves the image blank";
}

TEST(DvImageListItems, TheMappedResourceKindIsRefused) {
  TDvImageList list(nullptr);
  TDvImageListItem& item = list.Items()->Add();
  try {
    item.SetKind(ikMappedResourceBitmap);
    FAIL() << "no error";
  } catch (const EDvImageListError& e) {
    EXPECT_EQ(e.Message(), "The item kind ikMappedResourceBitmap is not supported so far.");
  }
  EXPECT_EQ(item.Kind(), ikResourceBitmap);
}

TEST(DvImageListItems, ResourceItemsLoadTheBitmapResourceWithTheirMaskColour) {
  TDvImageList list(nullptr);
  TDvImageListItem& item = list.Items()->Add();
  item.SetResourceName("DVTEST_ITEM");
  EXPECT_EQ(Shown(list, 0), Uniform(clTeal, kBackground));
  item.SetTransparentColor(clTeal);
  EXPECT_EQ(Shown(list, 0), Uniform(kBackground, clFuchsia));
  item.SetResourceName("NO_SUCH_RESOURCE");
  EXPECT_EQ(Shown(list, 0), Uniform(kBackground, clFuchsia))
      << "a missing resource changes nothing";
  EXPECT_EQ(item.DisplayName(), "Resource NO_SUCH_RESOURCE");
}

TEST(DvImageListItems, AKindChangeClearsTheOtherSourceButNotTheImage) {
  TDvImageList list(nullptr);
  TDvImageListItem& item = list.Items()->Add();
  item.SetResourceName("DVTEST_ITEM");
  item.SetKind(ikInlineBitmap);
  EXPECT_EQ(item.ResourceName(), "");
  EXPECT_EQ(Shown(list, 0), Uniform(clTeal, kBackground));
  item.SetResourceName("DVTEST_ITEM");
  EXPECT_EQ(item.ResourceName(), "") << "inline items have no resource name";

  item.SetBitmap(Filled(16, 16, clRed).get());
  EXPECT_EQ(item.DisplayName(), "Bitmap pf24bit");
  item.SetKind(ikResourceBitmap);
  EXPECT_TRUE(item.Bitmap()->Empty());
  EXPECT_EQ(Shown(list, 0), Uniform(clRed));
  item.SetBitmap(Filled(16, 16, clBlue).get());
  EXPECT_TRUE(item.Bitmap()->Empty()) << "resource items keep no bitmap";
}

TEST(DvImageListItems, MovingAndDeletingItemsMovesAndDeletesTheirImages) {
  TDvImageList list(nullptr);
  for (TColor color : {clRed, clLime, clBlue}) {
    TDvImageListItem& item = list.Items()->Add();
    item.SetKind(ikInlineBitmap);
    item.SetBitmap(Filled(16, 16, color).get());
  }
  list.Items()->Items(0)->SetIndex(2);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(Shown(list, 0), Uniform(clLime));
  EXPECT_EQ(Shown(list, 1), Uniform(clBlue));
  EXPECT_EQ(Shown(list, 2), Uniform(clRed));
  list.Items()->Delete(1);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(Shown(list, 0), Uniform(clLime));
  EXPECT_EQ(Shown(list, 1), Uniform(clRed));
}

TEST(DvImageListItems, ItemsGoThroughFormDataWithTheirBitmaps) {
  ImageTestFormPtr form = LoadImageTestForm(
      "  object List: TDvImageList\n"
      "    Mode = imItemList\n"
      "    Items = <\n"
      "      item\n"
      "        ResourceName = 'DVTEST_ITEM'\n"
      "      end>\n"
      "  end\n");
  auto& list = form->Component<TDvImageList>("List");
  TDvImageListItem& inlineItem = list.Items()->Add();
  inlineItem.SetKind(ikInlineBitmap);
  inlineItem.SetTransparentColor(clRed);
  inlineItem.SetBitmap(Filled(16, 16, clBlue, clRed).get());
  ASSERT_EQ(list.Count(), 2);

  const std::string text = FormWriter::WriteRoot(*form);
  EXPECT_NE(text.find("Kind = ikInlineBitmap"), std::string::npos) << text;
  EXPECT_NE(text.find("Bitmap.Data = {"), std::string::npos) << text;
  // The stored images come along too; a list read back has each item's image once.
  ImageTestFormPtr copy = ReadImageTestForm(text);
  auto& read = copy->Component<TDvImageList>("List");
  ASSERT_EQ(read.Items()->Count(), 2);
  EXPECT_EQ(read.Items()->Items(1)->TransparentColor(), clRed);
  ASSERT_EQ(read.Count(), 2);
  EXPECT_EQ(Shown(read, 0), Uniform(clTeal, kBackground));
  EXPECT_EQ(Shown(read, 1), Uniform(clBlue, kBackground));

  // Setting Items copies them into a cleared list.
  TDvImageList other(nullptr);
  other.AddMasked(*Filled(16, 16, clYellow), clNone);
  other.SetItems(*read.Items());
  ASSERT_EQ(other.Count(), 2);
  EXPECT_EQ(Shown(other, 1), Uniform(clBlue, kBackground));
}

}  // namespace
