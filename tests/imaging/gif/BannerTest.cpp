// The generated banner: its GIF and stored picture data read back as the window expects.
#include <gtest/gtest.h>

#include "GifTestFiles.h"
#include "GiflibPeer.h"
#include "imaging/gif/GIFImageBase.h"
#include "tools/banner/BannerArt.h"
#include "tools/banner/BannerGif.h"

namespace {

struct Banner {
  TBannerPicture picture = DrawBanner();
  Bytes gif = BuildBannerGif(picture);
};

const Banner& TheBanner() {
  static const Banner banner;
  return banner;
}

TEST(Banner, PaletteHasTwoWhitesAndNoKeyColour) {
  const std::vector<TGIFRgb>& palette = TheBanner().picture.palette;
  ASSERT_EQ(palette.size(), 256u);
  EXPECT_EQ(palette[1], (TGIFRgb{255, 255, 255}));
  EXPECT_EQ(palette[255], (TGIFRgb{255, 255, 255}));
  EXPECT_EQ(std::count(palette.begin(), palette.end(), TGIFRgb{255, 255, 254}), 0);
}

TEST(Banner, FileIsOneGif89aFrameWithTheTransparentBlock) {
  const Bytes& gif = TheBanner().gif;
  EXPECT_EQ(Bytes(gif.begin(), gif.begin() + 13),
            (Bytes{'G', 'I', 'F', '8', '9', 'a', 0x90, 0x01, 51, 0, 0xF7, 0, 0}));
  const size_t afterTable = 13 + 768;
  EXPECT_EQ(Bytes(gif.begin() + afterTable, gif.begin() + afterTable + 18),
            (Bytes{'!', 0xF9, 4, 1, 0, 0, 255, 0, ',', 0, 0, 0, 0, 0x90, 0x01, 51, 0, 0}));
  EXPECT_EQ(gif[afterTable + 18], 8);  // minimum code size
  EXPECT_EQ(gif.back(), ';');
}

TEST(Banner, ReadsBackAsTheWindowExpects) {
  TGIFImageBase image;
  TMemoryStream stream(TheBanner().gif);
  image.LoadFromStream(stream);
  ASSERT_EQ(image.FrameCount(), 1);
  EXPECT_EQ(image.CurrentIndex(), 0);
  EXPECT_EQ(image.Width(), 400u);
  EXPECT_EQ(image.Height(), 51u);
  EXPECT_EQ(image.Version(), 2);
  EXPECT_EQ(image.RepeatCount(), 1);
  EXPECT_FALSE(image.Looping());
  const TDvGIFFrame& frame = image.Frame(0);
  EXPECT_EQ(frame.delay, 0u);
  EXPECT_FALSE(frame.interlaced);
  EXPECT_EQ(frame.transparentColor, RGBColor(255, 255, 254));
  EXPECT_EQ(image.Header().colors.count, 256u);
  EXPECT_EQ(FrameIndices(image.Frame(0)), TheBanner().picture.indices);
}

TEST(Banner, GiflibDecodesItToOurPixels) {
  PeerImage peer;
  std::string error;
  ASSERT_TRUE(PeerDecode(TheBanner().gif, peer, error)) << error;
  ASSERT_EQ(peer.frames.size(), 1u);
  EXPECT_EQ(peer.frames[0].indices, TheBanner().picture.indices);
  EXPECT_EQ(peer.frames[0].transparentIndex, 255);
  EXPECT_EQ(peer.frames[0].delayHundredths, 0);
}

TEST(Banner, StoredPictureDataNamesTheClassAndCountsTheFile) {
  const Bytes& gif = TheBanner().gif;
  const Bytes data = BuildPictureData(gif);
  ASSERT_EQ(data.size(), 1 + 11 + 4 + gif.size());
  EXPECT_EQ(Bytes(data.begin(), data.begin() + 12),
            (Bytes{11, 'T', 'D', 'v', 'G', 'I', 'F', 'I', 'm', 'a', 'g', 'e'}));
  TMemoryStream stream(data);
  stream.SetPosition(12);
  TGIFImageBase image;
  image.ReadData(stream);
  EXPECT_EQ(image.Width(), 400u);
  EXPECT_EQ(stream.Position(), static_cast<int64_t>(data.size()));
}

TEST(Banner, DrawingIsDeterministic) {
  EXPECT_EQ(BuildBannerGif(DrawBanner()), TheBanner().gif);
}

}  // namespace
