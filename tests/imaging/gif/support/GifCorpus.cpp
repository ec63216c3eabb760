#include "GifCorpus.h"

#include "GifCorpusScenes.h"
#include "GifTestFiles.h"
#include "GiflibPeer.h"
#include "imaging/gif/GIFImageBase.h"
#include "imaging/gif/GIFMemoryBitmap.h"

std::vector<uint8_t> NoiseIndices(uint32_t width, uint32_t height, uint32_t colors, uint32_t seed) {
  TestRandom random(seed);
  std::vector<uint8_t> indices(size_t{width} * height);
  // Runs of random length keep some repetition for the string table to find.
  uint8_t value = 0;
  for (size_t i = 0; i < indices.size(); ++i) {
    if (random.Below(4) == 0) value = static_cast<uint8_t>(random.Below(colors));
    indices[i] = value;
  }
  return indices;
}

std::vector<uint8_t> PhotoIndices(uint32_t width, uint32_t height, uint32_t seed) {
  TestRandom random(seed);
  std::vector<uint8_t> indices(size_t{width} * height);
  for (uint32_t y = 0; y < height; ++y)
    for (uint32_t x = 0; x < width; ++x) {
      const uint32_t base = (x * 160 / std::max(width, 1u) + y * 96 / std::max(height, 1u));
      indices[size_t{y} * width + x] = static_cast<uint8_t>(base + random.Below(7));
    }
  return indices;
}

std::vector<uint8_t> FlatIndices(uint32_t width, uint32_t height, uint32_t colors) {
  std::vector<uint8_t> indices(size_t{width} * height);
  for (uint32_t y = 0; y < height; ++y)
    for (uint32_t x = 0; x < width; ++x) {
      uint32_t value = 0;
      if (x > width / 4 && x < width / 2 && y > height / 5) value = 1;
      if (y > height * 2 / 3 && x > width / 3) value = 2;
      if ((x - width / 2) * (x - width / 2) + (y - height / 3) * (y - height / 3) <
          (height / 5) * (height / 5))
        value = 3;
      indices[size_t{y} * width + x] = static_cast<uint8_t>(value % colors);
    }
  return indices;
}

std::vector<TGIFRgb> PhotoColors(uint32_t width, uint32_t height, uint32_t seed) {
  TestRandom random(seed);
  std::vector<TGIFRgb> colors(size_t{width} * height);
  for (uint32_t y = 0; y < height; ++y)
    for (uint32_t x = 0; x < width; ++x) {
      const uint32_t noise = random.Below(24);
      colors[size_t{y} * width + x] =
          TGIFRgb{static_cast<uint8_t>(x * 230 / std::max(width, 1u) + noise),
                  static_cast<uint8_t>(y * 230 / std::max(height, 1u) + noise / 2),
                  static_cast<uint8_t>((x + y) * 200 / std::max(width + height, 1u) + noise)};
    }
  return colors;
}

std::vector<TGIFRgb> RandomPalette(uint32_t count, uint32_t seed) {
  TestRandom random(seed);
  std::vector<TGIFRgb> colors(count);
  for (TGIFRgb& color : colors)
    color = TGIFRgb{static_cast<uint8_t>(random.Next()), static_cast<uint8_t>(random.Next()),
                    static_cast<uint8_t>(random.Next())};
  return colors;
}

namespace {

PeerFrame MakePeerFrame(uint32_t width, uint32_t height, std::vector<uint8_t> indices) {
  PeerFrame frame;
  frame.width = static_cast<int>(width);
  frame.height = static_cast<int>(height);
  frame.indices = std::move(indices);
  return frame;
}

void AddGiflibFiles(std::vector<CorpusFile>& corpus, uint32_t scale) {
  for (uint32_t bits = 1; bits <= 8; ++bits) {
    const uint32_t colors = 1u << bits;
    const uint32_t width = (61 + 7 * bits) * scale;
    const uint32_t height = (37 + 3 * bits) * scale;
    PeerImage image;
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.globalColors = RandomPalette(colors, bits);
    PeerFrame frame = MakePeerFrame(width, height, NoiseIndices(width, height, colors, bits));
    if (bits == 3 || bits == 7) {
      frame.localColors = RandomPalette(colors, 100 + bits);
      frame.transparentIndex = static_cast<int>(colors - 1);
    }
    frame.interlaced = bits == 2 || bits == 5 || bits == 8;
    image.frames.push_back(std::move(frame));
    corpus.push_back({"giflib-noise-" + std::to_string(bits) + "bit", PeerEncode(image)});
  }

  PeerImage photo;
  photo.width = static_cast<int>(200 * scale);
  photo.height = static_cast<int>(150 * scale);
  photo.globalColors = GreyRamp(256);
  photo.frames.push_back(
      MakePeerFrame(200 * scale, 150 * scale, PhotoIndices(200 * scale, 150 * scale, 7)));
  corpus.push_back({"giflib-photo-8bit", PeerEncode(photo), "photo"});

  PeerImage flat;
  flat.width = static_cast<int>(240 * scale);
  flat.height = static_cast<int>(160 * scale);
  flat.globalColors = RandomPalette(16, 5);
  flat.frames.push_back(
      MakePeerFrame(240 * scale, 160 * scale, FlatIndices(240 * scale, 160 * scale, 16)));
  corpus.push_back({"giflib-flat-4bit", PeerEncode(flat), "flat"});

  PeerImage animated;
  animated.width = static_cast<int>(90 * scale);
  animated.height = static_cast<int>(70 * scale);
  animated.globalColors = RandomPalette(64, 9);
  animated.loop = true;
  for (uint32_t i = 0; i < 3; ++i) {
    const uint32_t width = (90 - 20 * i) * scale;
    const uint32_t height = (70 - 15 * i) * scale;
    PeerFrame frame = MakePeerFrame(width, height, NoiseIndices(width, height, 64, 20 + i));
    frame.left = static_cast<int>(10 * i * scale);
    frame.top = static_cast<int>(7 * i * scale);
    frame.delayHundredths = static_cast<int>(5 + 10 * i);
    frame.transparentIndex = i == 1 ? 3 : -1;
    if (i == 2) frame.localColors = RandomPalette(64, 30);
    frame.interlaced = i == 1;
    animated.frames.push_back(std::move(frame));
  }
  corpus.push_back({"giflib-animated", PeerEncode(animated)});

  corpus.push_back(
      {"giflib-photo-dithered", PeerEncode(DitheredPhoto(200 * scale, 150 * scale)), "photo"});
  corpus.push_back({"giflib-diagram-8bit", PeerEncode(Diagram(200 * scale, 150 * scale)), "flat"});
  corpus.push_back(
      {"giflib-text-page-1bit", PeerEncode(TextPage(150 * scale, 200 * scale)), "flat"});
  corpus.push_back({"giflib-screen-recording",
                    PeerEncode(ScreenRecording(240 + 100 * scale, 180 + 75 * scale, 10 * scale)),
                    "screen"});
}

std::vector<uint8_t> WriteOurs(TGIFImageBase& image) {
  return image.BuildFile();
}

void AddOurFiles(std::vector<CorpusFile>& corpus, uint32_t scale) {
  {
    TGIFImageBase image;
    image.AssignGraphic(*TGIFMemoryBitmap::FromRgb(160 * scale, 120 * scale,
                                                   PhotoColors(160 * scale, 120 * scale, 3)));
    corpus.push_back({"ours-photo-histogram", WriteOurs(image), "photo"});
  }
  {
    TGIFImageBase image;
    image.AssignGraphic(*TGIFMemoryBitmap::FromRgb(120 * scale, 90 * scale,
                                                   PhotoColors(120 * scale, 90 * scale, 4)));
    image.Frame(0).grey = true;
    corpus.push_back({"ours-photo-grey", WriteOurs(image), "photo"});
  }
  for (uint32_t bits : {1u, 4u, 8u}) {
    TGIFImageBase image;
    const uint32_t width = 97 * scale;
    const uint32_t height = 53 * scale;
    image.AssignGraphic(
        *TGIFMemoryBitmap::FromIndices(width, height, bits, RandomPalette(1u << bits, 40 + bits),
                                       NoiseIndices(width, height, 1u << bits, 50 + bits)));
    corpus.push_back({"ours-indexed-" + std::to_string(bits) + "bit", WriteOurs(image)});
  }
  {
    TGIFImageBase image;
    image.AssignGraphic(*TGIFMemoryBitmap::FromIndices(
        80 * scale, 60 * scale, 8, RandomPalette(256, 61), FlatIndices(80 * scale, 60 * scale, 4)));
    const TColor transparent = image.Frame(0).Item().colors.entries[2].Color();
    image.Frame(0).transparentColor = transparent;
    image.Frame(0).delay = 120;
    image.AddFrame(*TGIFMemoryBitmap::FromIndices(40 * scale, 30 * scale, 4, RandomPalette(16, 62),
                                                  NoiseIndices(40 * scale, 30 * scale, 16, 63)));
    image.Frame(1).left = static_cast<int32_t>(20 * scale);
    image.Frame(1).top = static_cast<int32_t>(10 * scale);
    image.Frame(1).delay = 250;
    image.Frame(1).disposal = 2;
    image.SetLooping(true);
    image.SetRepeatCount(0);
    image.Header().comment = {"generated", "corpus"};
    corpus.push_back({"ours-animated", WriteOurs(image)});
  }
}

// Legal files whose minimum code size differs from the table depth, and an interlaced one.
void AddHandFiles(std::vector<CorpusFile>& corpus, uint32_t scale) {
  const uint32_t width = 70 * scale;
  const uint32_t height = 45 * scale;
  struct Case {
    const char* name;
    uint32_t dataBits;
    uint32_t tableBits;
    uint32_t colors;
    bool interlaced;
  };
  const Case cases[] = {{"hand-256colors-codesize2", 1, 8, 2, false},
                        {"hand-256colors-codesize4", 4, 8, 16, false},
                        {"hand-16colors-codesize8", 8, 4, 16, false},
                        {"hand-interlaced-8bit", 8, 8, 256, true}};
  for (const Case& item : cases) {
    const uint32_t tableColors = 1u << item.tableBits;
    GifBytes file;
    file.Header("GIF89a", static_cast<uint16_t>(width), static_cast<uint16_t>(height),
                static_cast<uint8_t>(0x80 | ((item.tableBits - 1) << 4) | (item.tableBits - 1)))
        .Colors(RandomPalette(tableColors, 70 + item.dataBits))
        .Image(0, 0, static_cast<uint16_t>(width), static_cast<uint16_t>(height),
               item.interlaced ? 0x40 : 0,
               EncodeIndices(item.dataBits, width, height,
                             NoiseIndices(width, height, item.colors, 80 + item.dataBits),
                             item.interlaced))
        .Trailer();
    corpus.push_back({item.name, file.Get()});
  }
}

}  // namespace

std::vector<CorpusFile> MakeGifCorpus(uint32_t scale) {
  std::vector<CorpusFile> corpus;
  AddGiflibFiles(corpus, scale);
  AddOurFiles(corpus, scale);
  AddHandFiles(corpus, scale);
  return corpus;
}
