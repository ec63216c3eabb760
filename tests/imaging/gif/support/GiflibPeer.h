// giflib as an independent peer: decoding files and encoding index frames, all in memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "imaging/gif/GIFTypes.h"

struct PeerFrame {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool interlaced = false;
  std::vector<TGIFRgb> localColors;  // empty: the global table applies
  std::vector<uint8_t> indices;      // row by row from the top, deinterlaced
  int delayHundredths = -1;          // -1: no graphic control block
  int transparentIndex = -1;
};

struct PeerImage {
  int width = 0;
  int height = 0;
  std::vector<TGIFRgb> globalColors;
  std::vector<PeerFrame> frames;
  bool loop = false;
};

// Decodes with DGifSlurp; returns false and the error text when giflib refuses the file.
bool PeerDecode(const std::vector<uint8_t>& file, PeerImage& image, std::string& error);
// Encodes with EGifPutLine (lines given from the top; interlaced frames are passed in GIF row
// order); throws std::runtime_error when giflib fails.
std::vector<uint8_t> PeerEncode(const PeerImage& image);
