// Streams that real encoders and attackers produce: each hand-written file read with corrupt-data
// tolerance on (pixels, corrupt flag, kind) and off (the failure), by the bitmap and by the index
// rows.
#include <gtest/gtest.h>

#include <set>

#include "GifCorpus.h"
#include "GifHostileFiles.h"
#include "GifTestImages.h"
#include "GiflibPeer.h"
#include "imaging/gif/GIFFramePixels.h"

namespace {

TEST(HostileStreams, ToleratedFaultsKeepTheGoodPixelsAndNameTheFault) {
  const ToleranceScope tolerant(true);
  for (const HostileGifFile& file : HostileGifFiles()) {
    SCOPED_TRACE(file.name);
    TGIFImageBase image;
    LoadBytes(image, file.bytes);
    ASSERT_EQ(image.FrameCount(), 1);
    TDvGIFFrame& frame = image.Frame(0);
    EXPECT_EQ(FrameIndices(frame), file.indices);
    EXPECT_EQ(frame.corrupt, file.kind != TGIFCorruptKind::ckNone);
    EXPECT_EQ(frame.corruptKind, file.kind);

    TGIFImageBase undecoded;
    undecoded.LoadFromBytes(file.bytes.data(), file.bytes.size(), false);
    TGIFFramePixels pixels;
    const TGIFCorruptKind decodedKind = undecoded.Frame(0).DecodePixels(pixels);
    EXPECT_EQ(IndexRows(pixels), file.indices);
    EXPECT_EQ(undecoded.Frame(0).corruptKind, file.kind);
    // A fault the reader found stays the frame's kind whatever decoding finds next.
    if (file.kind != TGIFCorruptKind::ckBlockPastEnd) EXPECT_EQ(decodedKind, file.kind);
  }
}

TEST(HostileStreams, WithoutToleranceEachFaultFailsWithItsMessage) {
  const ToleranceScope strict(false);
  for (const HostileGifFile& file : HostileGifFiles()) {
    SCOPED_TRACE(file.name);
    TGIFImageBase image;
    EXPECT_EQ(FailureOf([&] { LoadBytes(image, file.bytes); }), file.strictFailure);
    if (file.strictFailure == "no failure") {
      EXPECT_EQ(FrameIndices(image.Frame(0)), file.indices);
      EXPECT_FALSE(image.Frame(0).corrupt);
    } else {
      EXPECT_EQ(image.FrameCount(), 0);  // frame 0 is dropped when it cannot be decoded
    }
  }
}

TEST(HostileStreams, StreamWithoutALeadingClearDecodesAsGiflibDoes) {
  for (const HostileGifFile& file : HostileGifFiles()) {
    if (file.name != "hostile-no-leading-clear") continue;
    PeerImage peer;
    std::string error;
    ASSERT_TRUE(PeerDecode(file.bytes, peer, error)) << error;
    EXPECT_EQ(peer.frames.at(0).indices, file.indices);
  }
}

TEST(HostileStreams, CutShortDataIsNeverReadPastItsEnd) {
  // Stored data whose only sub-block claims 200 bytes but holds 2, in a buffer of exactly that
  // size (the address sanitizer sees any read past it): 4 1 2, then nothing.
  TGIFItem item;
  item.encoded = {2, 200, 0x8C, 0x00};
  item.width = 300;
  item.height = 1;
  item.bitsPerPixel = 2;
  item.colors.count = 4;
  TGIFFramePixels pixels;
  EXPECT_EQ(pixels.DecodeStored(item, false, true, nullptr), TGIFCorruptKind::ckDataExhausted);
  std::vector<uint8_t> expected(300, 0);
  expected[0] = 1;
  expected[1] = 2;
  EXPECT_EQ(IndexRows(pixels), expected);
  EXPECT_EQ(FailureOf([&] { pixels.DecodeStored(item, false, false, nullptr); }),
            "Stream read error");
}

TEST(HostileStreams, FuzzSeedsHoldAFileOfEachKindOfFault) {
  const ToleranceScope tolerant(true);
  std::set<TGIFCorruptKind> kinds;
  std::set<std::string> names;
  for (const CorpusFile& seed : FuzzSeedFiles()) {
    names.insert(seed.name);
    TGIFImageBase image;
    try {
      LoadBytes(image, seed.bytes);
    } catch (const Exception&) {
      continue;
    }
    for (int i = 0; i < image.FrameCount(); ++i) {
      image.Frame(i).Bitmap();
      kinds.insert(image.Frame(i).corruptKind);
    }
  }
  EXPECT_EQ(kinds, (std::set<TGIFCorruptKind>{
                       TGIFCorruptKind::ckNone, TGIFCorruptKind::ckBlockPastEnd,
                       TGIFCorruptKind::ckCodeSizeRange, TGIFCorruptKind::ckCodeBeyondTable,
                       TGIFCorruptKind::ckEndCodeEarly, TGIFCorruptKind::ckDataExhausted}));
  // The sound streams that decoded wrongly once are seeds too.
  EXPECT_TRUE(names.count("hostile-no-leading-clear"));
  EXPECT_TRUE(names.count("hostile-end-after-clear"));
}

}  // namespace
