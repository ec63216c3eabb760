// Writes the fuzzers' seeds (the generated corpus and the hostile files) into a directory:
// gif_corpus_writer <directory>.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "GifCorpus.h"
#include "GifHostileFiles.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gif_corpus_writer <directory>\n");
    return 2;
  }
  const std::filesystem::path directory = argv[1];
  std::filesystem::create_directories(directory);
  for (const CorpusFile& file : FuzzSeedFiles()) {
    std::ofstream out(directory / (file.name + ".gif"), std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.bytes.data()),
              static_cast<std::streamsize>(file.bytes.size()));
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", file.name.c_str());
      return 1;
    }
  }
  return 0;
}
