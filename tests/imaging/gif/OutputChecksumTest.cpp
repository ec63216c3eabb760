// The codec's output on the generated corpus, pinned by checksums taken from the first release of
// the decoder and writer: decoded bitmap files, files our writer makes from decoded pictures, and
// the corpus files our writer made. Any change to the bytes shows up here.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

#include "GifCorpus.h"
#include "GifTestFiles.h"
#include "imaging/gif/FrameDib.h"
#include "imaging/gif/GIFImageBase.h"
#include "imaging/gif/GIFMemoryBitmap.h"

namespace {

uint64_t Fnv1a(const std::vector<uint8_t>& bytes) {
  uint64_t hash = 14695981039346656037ull;
  for (const uint8_t byte : bytes) {
    hash ^= byte;
    hash *= 1099511628211ull;
  }
  return hash;
}

struct Checksums {
  uint64_t file = 0;     // the corpus file itself
  uint64_t decoded = 0;  // every frame's bitmap file, chained
  uint64_t written = 0;  // our writer's file from the decoded pictures
};

Checksums Measure(const CorpusFile& corpusFile) {
  Checksums sums;
  sums.file = Fnv1a(corpusFile.bytes);
  TGIFImageBase source;
  source.LoadFromBytes(corpusFile.bytes.data(), corpusFile.bytes.size(), false);
  TGIFImageBase copy;
  for (int i = 0; i < source.FrameCount(); ++i) {
    TDvGIFFrame& frame = source.Frame(i);
    std::vector<uint8_t> dib;
    BuildFrameDibFile(frame.Item(), frame.interlaced, true, nullptr, dib);
    sums.decoded = sums.decoded * 31 + Fnv1a(dib);
    copy.AddFrame(MemoryBitmap(frame));
    copy.Frame(i).left = frame.left;
    copy.Frame(i).top = frame.top;
    copy.Frame(i).delay = frame.delay;
    copy.Frame(i).transparentColor = frame.transparentColor;
  }
  sums.written = Fnv1a(copy.BuildFile());
  return sums;
}

// Taken with the codec as first released; the corpus at scale 1 and 3.
const std::map<std::string, Checksums>& Baseline() {
  static const std::map<std::string, Checksums> baseline = {
#include "OutputChecksums.inc"
  };
  return baseline;
}

TEST(OutputChecksums, DecodedAndWrittenBytesMatchTheFirstRelease) {
  std::string table;
  for (const uint32_t scale : {1u, 3u}) {
    for (const CorpusFile& file : MakeGifCorpus(scale)) {
      const std::string key = file.name + "@" + std::to_string(scale);
      const Checksums sums = Measure(file);
      char line[200];
      std::snprintf(line, sizeof line, "{\"%s\", {0x%016llxull, 0x%016llxull, 0x%016llxull}},\n",
                    key.c_str(), static_cast<unsigned long long>(sums.file),
                    static_cast<unsigned long long>(sums.decoded),
                    static_cast<unsigned long long>(sums.written));
      table += line;
      const auto found = Baseline().find(key);
      if (found == Baseline().end()) continue;  // a file added to the corpus later
      EXPECT_EQ(sums.file, found->second.file) << key;
      EXPECT_EQ(sums.decoded, found->second.decoded) << key;
      EXPECT_EQ(sums.written, found->second.written) << key;
    }
  }
  if (HasFailure() || Baseline().empty()) std::printf("measured:\n%s", table.c_str());
  EXPECT_FALSE(Baseline().empty());
}

}  // namespace
