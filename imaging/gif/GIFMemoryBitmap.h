// An in-memory frame bitmap: palette pictures of 1, 4 or 8 bits and true-colour pictures of 24
// bits, held as bottom-up rows. Used by the host build, the tests and the build-time tools.
// Portable: never includes windows.h.
#pragma once

#include <vector>

#include "imaging/gif/GIFFrameBitmap.h"
#include "imaging/gif/GIFTypes.h"

class TGIFMemoryBitmap : public IGIFFrameBitmap {
 public:
  TGIFMemoryBitmap() = default;
  // A palette picture from indices given row by row from the top; bits 1, 4 or 8.
  static std::unique_ptr<TGIFMemoryBitmap> FromIndices(uint32_t width, uint32_t height,
                                                       uint32_t bits,
                                                       const std::vector<TGIFRgb>& palette,
                                                       const std::vector<uint8_t>& indices);
  // A 24-bit picture from colours given row by row from the top.
  static std::unique_ptr<TGIFMemoryBitmap> FromRgb(uint32_t width, uint32_t height,
                                                   const std::vector<TGIFRgb>& colors);

  void LoadFromDibFile(const uint8_t* data, size_t size) override;
  uint32_t Width() const override { return width_; }
  uint32_t Height() const override { return height_; }
  bool Empty() const override { return width_ == 0 || height_ == 0; }
  bool Monochrome() const override { return monochrome_; }
  uint32_t PixelBits() const override { return bits_; }
  bool HasHandle() const override { return hasHandle_; }
  void SaveToDibFile(TMemoryStream& destination) const override;
  std::vector<uint8_t> ReadRgbRows() const override;
  std::unique_ptr<IGIFFrameBitmap> Clone() const override;

  void SetMonochrome(bool monochrome) { monochrome_ = monochrome; }
  const std::vector<TGIFRgb>& Palette() const { return palette_; }
  // Palette index (palette pictures) of the pixel at column x of row y from the top.
  uint32_t IndexAt(uint32_t x, uint32_t y) const;
  // Colour of the pixel at column x of row y from the top.
  TGIFRgb ColorAt(uint32_t x, uint32_t y) const;

 private:
  const uint8_t* Row(uint32_t y) const;

  uint32_t width_ = 0;
  uint32_t height_ = 0;
  uint32_t bits_ = 0;  // 0 without pixels, else 1, 4, 8 or 24
  bool hasHandle_ = false;
  bool monochrome_ = false;
  std::vector<TGIFRgb> palette_;
  std::vector<uint8_t> pixels_;  // bottom-up rows of DibRowStride(width, bits)
};
