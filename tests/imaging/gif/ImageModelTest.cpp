// The image and frame model: assignment, shared records, emptiness and notifications.
#include <gtest/gtest.h>

#include "GifCorpus.h"
#include "GifTestFiles.h"
#include "GifTestImages.h"
#include "imaging/gif/GIFImageBase.h"

namespace {

struct CountedImage : TGIFImageBase {
  CountedImage() {
    OnChange = [this] { ++changes; };
  }
  int changes = 0;
};

std::unique_ptr<TGIFMemoryBitmap> Picture(uint32_t width, uint32_t height, uint32_t seed) {
  return TGIFMemoryBitmap::FromIndices(width, height, 8, RandomPalette(256, seed),
                                       NoiseIndices(width, height, 256, seed));
}

TEST(GifImageModel, CreatedImageIsResetAndTransparentFlagged) {
  TGIFImageBase image;
  EXPECT_EQ(image.FrameCount(), 0);
  EXPECT_EQ(image.CurrentIndex(), -1);
  EXPECT_EQ(image.Version(), 0);
  EXPECT_EQ(image.RepeatCount(), 1);
  EXPECT_EQ(image.BackgroundColor(), clNone);
  EXPECT_TRUE(image.TransparentFlag());
  EXPECT_TRUE(image.Empty());
  EXPECT_EQ(image.Width(), 0u);
}

TEST(GifImageModel, BitmapGivesVersion87aAndASecondFrame89a) {
  CountedImage image;
  image.AssignGraphic(*Picture(5, 4, 1));
  EXPECT_EQ(image.FrameCount(), 1);
  EXPECT_EQ(image.Version(), 1);
  EXPECT_EQ(image.changes, 1);
  EXPECT_EQ(image.Width(), 5u);
  EXPECT_FALSE(image.Empty());
  EXPECT_EQ(image.AddFrame(*Picture(7, 2, 2)), 1);
  EXPECT_EQ(image.Version(), 2);
  EXPECT_EQ(image.CurrentIndex(), 1);
  EXPECT_EQ(image.Width(), 7u);
  EXPECT_EQ(image.ScreenWidth(), 7);
  EXPECT_EQ(image.ScreenHeight(), 4);
}

TEST(GifImageModel, SizeCannotBeSet) {
  TGIFImageBase image;
  EXPECT_EQ(FailureOf([&] { image.SetWidth(3); }), "Cannot change the Size of a GIF image");
  EXPECT_EQ(FailureOf([&] { image.SetHeight(3); }), "Cannot change the Size of a GIF image");
}

TEST(GifImageModel, AssignedImagesShareRecordsAndAreEqual) {
  TGIFImageBase source;
  LoadBytes(source, MakeGifCorpus().back().bytes);
  source.SetCurrentIndex(0);
  CountedImage copy;
  copy.Assign(&source);
  EXPECT_EQ(copy.changes, 1);
  EXPECT_TRUE(copy.Equals(source));
  EXPECT_EQ(&copy.Header(), &source.Header());
  ASSERT_EQ(copy.FrameCount(), source.FrameCount());
  EXPECT_EQ(copy.Frame(0).SharedItem(), source.Frame(0).SharedItem());
  EXPECT_EQ(copy.Frame(0).localColorTable, source.Frame(0).localColorTable);
  EXPECT_EQ(copy.Version(), source.Version());
  EXPECT_EQ(copy.ScreenWidth(), source.ScreenWidth());
  EXPECT_EQ(FrameIndices(copy.Frame(0)), FrameIndices(source.Frame(0)));

  TGIFImageBase separate;
  LoadBytes(separate, MakeGifCorpus().back().bytes);
  EXPECT_FALSE(separate.Equals(source));
  copy.Assign(&copy);
  EXPECT_EQ(copy.changes, 1);
  copy.Assign(nullptr);
  EXPECT_EQ(copy.changes, 2);
  EXPECT_EQ(copy.FrameCount(), 0);
}

TEST(GifImageModel, AssigningAFrameMakesAOneFrameImageWithItsOwnersTable) {
  TGIFImageBase source;
  LoadBytes(source, BannerShapedFile());
  CountedImage image;
  image.AssignFrame(source.Frame(0));
  EXPECT_EQ(image.FrameCount(), 1);
  EXPECT_EQ(image.CurrentIndex(), 0);
  EXPECT_EQ(image.Version(), 1);
  EXPECT_EQ(image.changes, 1);
  EXPECT_FALSE(image.Equals(source));
  EXPECT_EQ(image.Header().colors.entries, source.Header().colors.entries);
  EXPECT_EQ(image.Frame(0).transparentColor, RGBColor(255, 255, 254));
  EXPECT_TRUE(image.Frame(0).localColorTable);  // another owner's frame
  EXPECT_EQ(image.ScreenWidth(), 400);
}

TEST(GifImageModel, FrameAssignmentSharesTheItemAndCopiesTheFields) {
  TGIFImageBase image;
  LoadBytes(image, BannerShapedFile());
  image.Frame(0).Comment() = {"hello"};
  image.Frame(0).delay = 70;
  image.AssignGraphic(*Picture(3, 3, 4));
  image.AddFrame(*Picture(3, 3, 5));
  TGIFImageBase other;
  LoadBytes(other, BannerShapedFile());
  other.Frame(0).grey = true;
  image.Frame(1).Assign(&other.Frame(0));
  EXPECT_EQ(image.Frame(1).SharedItem(), other.Frame(0).SharedItem());
  EXPECT_TRUE(image.Frame(1).grey);
  EXPECT_TRUE(image.Frame(1).localColorTable);
  EXPECT_EQ(image.ScreenWidth(), 400);
  image.Frame(1).Assign(nullptr);
  EXPECT_EQ(image.Frame(1).Width(), 0u);
  EXPECT_EQ(image.ScreenWidth(), 3);
}

TEST(GifImageModel, CommentIsTheLastCommentBlockCreatedOnDemand) {
  TGIFImageBase image;
  image.AssignGraphic(*Picture(2, 2, 1));
  TDvGIFFrame& frame = image.Frame(0);
  EXPECT_EQ(frame.FindComment(), nullptr);
  frame.SetComment({"a", "b"});
  ASSERT_NE(frame.FindComment(), nullptr);
  EXPECT_EQ(*frame.FindComment(), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(frame.Extensions().size(), 1u);
}

TEST(GifImageModel, EmptinessFollowsTheCurrentFrame) {
  TGIFImageBase image;
  const Bytes file = BannerShapedFile();
  image.LoadFromBytes(file.data(), file.size(), false);
  EXPECT_FALSE(image.Frame(0).HasBitmap());
  EXPECT_FALSE(image.Empty());  // stored data
  image.Frame(0).Item().encoded.clear();
  EXPECT_TRUE(image.Empty());
  EXPECT_EQ(image.Width(), 0u);
}

TEST(GifImageModel, ImageBitmapWithoutFramesAddsAnEmptyFrame) {
  CountedImage image;
  IGIFFrameBitmap& bitmap = image.ImageBitmap();
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(image.FrameCount(), 1);
  EXPECT_EQ(image.CurrentIndex(), 0);
  EXPECT_EQ(image.changes, 1);
}

TEST(GifImageModel, TransparencyNeedsTheFlagAndATransparentFrame) {
  TGIFImageBase image;
  LoadBytes(image, BannerShapedFile());
  EXPECT_TRUE(image.Transparent());
  image.SetTransparentFlag(false);
  EXPECT_FALSE(image.Transparent());
}

}  // namespace
