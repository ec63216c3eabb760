#include "GifHostileFiles.h"

#include "GifCorpus.h"

namespace {

// "GIF89a", a width x height screen with a global table of 4 colours (black, red, green, blue),
// one image covering it, not interlaced, then `stored` (the code size byte, sub-blocks and
// terminator as given) and the trailer unless the file is cut.
std::vector<uint8_t> OneFrameFile(uint8_t width, uint8_t height, std::vector<uint8_t> stored,
                                  bool trailer = true) {
  std::vector<uint8_t> file = {'G', 'I', 'F', '8', '9', 'a', width, 0, height, 0, 0x81, 0,
                               0,   0,   0,   0,   255, 0,   0,     0, 255,    0, 0,    0,
                               255, ',', 0,   0,   0,   0,   width, 0, height, 0, 0};
  file.insert(file.end(), stored.begin(), stored.end());
  if (trailer) file.push_back(';');
  return file;
}

}  // namespace

// Codes below are 3 bits wide from the start (minimum code size 2: clear 4, end 5, first free 6)
// and 4 bits once code 8 is the next free one, packed LSB first.
std::vector<HostileGifFile> HostileGifFiles() {
  using K = TGIFCorruptKind;
  const std::string corrupt = "GIF encoded data is corrupt";
  const std::string readError = "Stream read error";
  return {
      // No clear code at the start: 1, 2, 6 (= 1 2), then 4-bit 6 and the end. Sound: the first
      // code adds no table entry, as after a clear.
      {"hostile-no-leading-clear",
       OneFrameFile(6, 1, {2, 3, 0x91, 0xAD, 0x00, 0}),
       {1, 2, 1, 2, 1, 2},
       K::ckNone,
       "no failure"},
      // The end code straight after the second clear: 4 1 4 5. Three pixels, one written.
      {"hostile-end-after-clear",
       OneFrameFile(3, 1, {2, 2, 0x0C, 0x0B, 0}),
       {1, 0, 0},
       K::ckEndCodeEarly,
       corrupt},
      // Code 7 while the next free code is 6: 4 1 7.
      {"hostile-code-beyond-table",
       OneFrameFile(4, 1, {2, 2, 0xCC, 0x01, 0}),
       {1, 0, 0, 0},
       K::ckCodeBeyondTable,
       corrupt},
      // A string code straight after the clear, with no string to build it from: 4 6.
      {"hostile-string-code-after-clear",
       OneFrameFile(2, 1, {2, 1, 0x34, 0}),
       {0, 0},
       K::ckCodeBeyondTable,
       corrupt},
      // The end code after two of four pixels: 4 1 2 5.
      {"hostile-end-code-early",
       OneFrameFile(2, 2, {2, 2, 0x8C, 0x0A, 0}),
       {1, 2, 0, 0},
       K::ckEndCodeEarly,
       corrupt},
      // The data ends after 4 1 2 and the padding bits (read as 0 0) of a 4 x 4 frame.
      {"hostile-data-exhausted", OneFrameFile(4, 4, {2, 2, 0x8C, 0x00, 0}),
       std::vector<uint8_t>{1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, K::ckDataExhausted,
       readError},
      // Minimum code size 1: read as 2, and only the pixel after the clear is trusted: 4 1 2 5.
      {"hostile-code-size-range",
       OneFrameFile(2, 2, {1, 2, 0x8C, 0x0A, 0}),
       {1, 0, 0, 0},
       K::ckCodeSizeRange,
       "GIF code size not in range 2 to 9"},
      // The file ends inside a sub-block that claims 10 bytes: the block is dropped.
      {"hostile-block-past-end",
       OneFrameFile(2, 2, {2, 10, 0x8C, 0x0A}, false),
       {0, 0, 0, 0},
       K::ckBlockPastEnd,
       readError},
  };
}

std::vector<CorpusFile> FuzzSeedFiles() {
  std::vector<CorpusFile> seeds = MakeGifCorpus(1);
  for (HostileGifFile& file : HostileGifFiles())
    seeds.push_back({file.name, std::move(file.bytes), "hostile"});
  return seeds;
}
