// A generated corpus of GIF files: every depth, global and local tables, interlaced, transparent,
// animated, photographic and flat content, tables that fill to 12 bits, and minimum code sizes
// below the table depth. Written by giflib, by our writer and by hand.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "imaging/gif/GIFTypes.h"

struct CorpusFile {
  std::string name;
  std::vector<uint8_t> bytes;
  // What the picture is like: "photo", "flat" (few colours, large areas), "screen" (a recording
  // of a user interface) or "other" (noise and mixed test content).
  std::string kind = "other";
};

// scale multiplies the picture sizes (1 for tests, larger for benchmarks).
std::vector<CorpusFile> MakeGifCorpus(uint32_t scale = 1);

// Content generators, rows from the top.
std::vector<uint8_t> NoiseIndices(uint32_t width, uint32_t height, uint32_t colors, uint32_t seed);
std::vector<uint8_t> PhotoIndices(uint32_t width, uint32_t height, uint32_t seed);
std::vector<uint8_t> FlatIndices(uint32_t width, uint32_t height, uint32_t colors);
std::vector<TGIFRgb> PhotoColors(uint32_t width, uint32_t height, uint32_t seed);
std::vector<TGIFRgb> RandomPalette(uint32_t count, uint32_t seed);
