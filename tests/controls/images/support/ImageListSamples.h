// Sample image lists and hand-built stored streams for the image-list tests and the fuzz seeds.
#pragma once

#include <cstdint>
#include <vector>

#include "controls/images/ImageListStream.h"
#include "controls/images/ImageListStreamBitmaps.h"

// A list of count images of width x height whose pixels and masks differ from image to image.
TStoredImageList SampleList(int width, int height, int count, int capacity = 0);

// The 28-byte "IL" header with the given fields (overlays -1, no background colour).
std::vector<uint8_t> HeaderBytes(uint16_t count, uint16_t capacity, uint16_t width, uint16_t height,
                                 uint16_t flags);

// One bitmap file as WriteBitmapFile writes it.
std::vector<uint8_t> BitmapFileBytes(const TBgraBitmap& bitmap, int bitsPerPixel,
                                     const std::vector<uint32_t>& palette = {});

// A picture of width x height filled by colourAt(x, y).
template <typename ColourAt>
TBgraBitmap MakeBitmap(int width, int height, ColourAt colourAt) {
  TBgraBitmap bitmap;
  bitmap.width = width;
  bitmap.height = height;
  bitmap.pixels.resize(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      bitmap.At(x, y) = colourAt(x, y);
  }
  return bitmap;
}

// Bytes of the streams our writer produces.
std::vector<uint8_t> WriteCurrent(const TStoredImageList& list, int bitsPerPixel = 32);
std::vector<uint8_t> WriteOlder(const TStoredImageList& list, int bitsPerPixel = 32);

// Reads a whole byte block as stored image data.
TStoredImageList ReadBytes(const std::vector<uint8_t>& bytes, int cellWidth = 16,
                           int cellHeight = 16);

void Append(std::vector<uint8_t>& to, const std::vector<uint8_t>& bytes);
void Put16At(std::vector<uint8_t>& bytes, size_t at, uint16_t value);
void Put32At(std::vector<uint8_t>& bytes, size_t at, uint32_t value);
