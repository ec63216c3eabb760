// Small images shared by the reader, writer and model tests.
#pragma once

#include <functional>
#include <string>

#include "GifTestFiles.h"
#include "framework/core/SysUtils.h"

// The message of the Exception that action throws, or "no failure".
std::string FailureOf(const std::function<void()>& action);

// Sets GIFTolerateCorruptData for one scope.
class ToleranceScope {
 public:
  explicit ToleranceScope(bool tolerate) : saved_(GIFTolerateCorruptData) {
    GIFTolerateCorruptData = tolerate;
  }
  ~ToleranceScope() { GIFTolerateCorruptData = saved_; }
  ToleranceScope(const ToleranceScope&) = delete;
  ToleranceScope& operator=(const ToleranceScope&) = delete;

 private:
  bool saved_;
};

// Stored data of a width x height 8-bit frame of noise.
Bytes NoiseStored(uint32_t width, uint32_t height, uint32_t seed = 1);
// "GIF89a", a screen with a global table of 2^bits grey colours (no table for bits 0).
GifBytes ScreenWithTable(uint16_t width, uint16_t height, uint32_t bits);
// The banner's shape: 400 x 51, 256-colour table with entries 1 and 255 white, no entry
// (255, 255, 254), a graphic control block marking 255 transparent, one frame at minimum code
// size 8, the trailer.
Bytes BannerShapedFile();

// Reads a whole file held in memory (decoding frame 0), as a stream load does.
void LoadBytes(TGIFImageBase& image, const Bytes& bytes);
