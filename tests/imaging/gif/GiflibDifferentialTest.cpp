// Our decoder and writer against giflib on the generated corpus.
#include <gtest/gtest.h>

#include "GifCorpus.h"
#include "GifTestFiles.h"
#include "GiflibPeer.h"
#include "imaging/gif/GIFImageBase.h"
#include "imaging/gif/GIFMemoryBitmap.h"

namespace {

const std::vector<CorpusFile>& Corpus() {
  static const std::vector<CorpusFile> corpus = MakeGifCorpus();
  return corpus;
}

TEST(GiflibDifferential, CorpusCoversTheKindsOfFile) {
  ASSERT_GE(Corpus().size(), 20u);
  int interlaced = 0, local = 0, animated = 0, transparent = 0;
  for (const CorpusFile& file : Corpus()) {
    PeerImage peer;
    std::string error;
    ASSERT_TRUE(PeerDecode(file.bytes, peer, error)) << file.name << ": " << error;
    for (const PeerFrame& frame : peer.frames) {
      interlaced += frame.interlaced;
      local += !frame.localColors.empty();
      transparent += frame.transparentIndex >= 0;
    }
    animated += peer.frames.size() > 1;
  }
  EXPECT_GT(interlaced, 2);
  EXPECT_GT(local, 2);
  EXPECT_GE(animated, 2);
  EXPECT_GT(transparent, 2);
}

TEST(GiflibDifferential, DecodedIndicesEqualGiflibsForEveryFrame) {
  for (const CorpusFile& file : Corpus()) {
    SCOPED_TRACE(file.name);
    PeerImage peer;
    std::string error;
    ASSERT_TRUE(PeerDecode(file.bytes, peer, error)) << error;
    TGIFImageBase image;
    image.LoadFromBytes(file.bytes.data(), file.bytes.size(), true);
    ASSERT_EQ(image.FrameCount(), static_cast<int>(peer.frames.size()));
    for (int i = 0; i < image.FrameCount(); ++i) {
      SCOPED_TRACE(i);
      TDvGIFFrame& frame = image.Frame(i);
      const PeerFrame& expected = peer.frames[static_cast<size_t>(i)];
      EXPECT_EQ(frame.left, expected.left);
      EXPECT_EQ(frame.top, expected.top);
      EXPECT_EQ(frame.Width(), static_cast<uint32_t>(expected.width));
      EXPECT_EQ(frame.Height(), static_cast<uint32_t>(expected.height));
      EXPECT_EQ(frame.interlaced, expected.interlaced);
      EXPECT_FALSE(frame.corrupt);
      EXPECT_EQ(FrameIndices(frame), expected.indices);
    }
  }
}

TEST(GiflibDifferential, EveryFileWeWriteDecodesInGiflibToOurPixels) {
  for (const CorpusFile& file : Corpus()) {
    SCOPED_TRACE(file.name);
    // Re-encode every frame from its decoded picture so that our encoder wrote all of it.
    TGIFImageBase source;
    source.LoadFromBytes(file.bytes.data(), file.bytes.size(), true);
    TGIFImageBase image;
    std::vector<std::vector<uint8_t>> written;
    for (int i = 0; i < source.FrameCount(); ++i) {
      const TGIFMemoryBitmap& bitmap = MemoryBitmap(source.Frame(i));
      image.AddFrame(bitmap);
      image.Frame(i).left = source.Frame(i).left;
      image.Frame(i).top = source.Frame(i).top;
      written.push_back(FrameIndices(source.Frame(i)));
    }
    const std::vector<uint8_t> bytes = image.BuildFile();
    PeerImage peer;
    std::string error;
    ASSERT_TRUE(PeerDecode(bytes, peer, error)) << error;
    ASSERT_EQ(peer.frames.size(), written.size());
    for (size_t i = 0; i < written.size(); ++i)
      EXPECT_EQ(peer.frames[i].indices, written[i]);
  }
}

TEST(GiflibDifferential, TrueColourPicturesWeWriteDecodeInGiflibToTheReducedPixels) {
  for (uint32_t seed = 1; seed <= 3; ++seed) {
    TGIFImageBase image;
    image.AssignGraphic(*TGIFMemoryBitmap::FromRgb(64, 48, PhotoColors(64, 48, seed)));
    image.Frame(0).grey = seed == 2;
    const std::vector<uint8_t> bytes = image.BuildFile();
    TGIFImageBase reread;
    reread.LoadFromBytes(bytes.data(), bytes.size(), true);
    PeerImage peer;
    std::string error;
    ASSERT_TRUE(PeerDecode(bytes, peer, error)) << error;
    EXPECT_EQ(peer.frames.at(0).indices, FrameIndices(reread.Frame(0)));
  }
}

}  // namespace
