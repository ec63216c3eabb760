// Tiny hand-written GIF files, each with one fault that real encoders or attackers produce, and
// what reading them gives with corrupt-data tolerance on. Shared by the codec tests and the fuzz
// seeds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "imaging/gif/GIFTypes.h"

struct HostileGifFile {
  std::string name;
  std::vector<uint8_t> bytes;
  // Tolerance on: frame 0's indices from the top, and the fault found (ckNone: a sound file).
  std::vector<uint8_t> indices;
  TGIFCorruptKind kind = TGIFCorruptKind::ckNone;
  // Tolerance off: the failure's message, or "no failure".
  std::string strictFailure;
};

std::vector<HostileGifFile> HostileGifFiles();

struct CorpusFile;
// The fuzzers' seeds: the generated corpus at scale 1, then every hostile file.
std::vector<CorpusFile> FuzzSeedFiles();
