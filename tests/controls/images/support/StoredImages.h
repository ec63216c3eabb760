// Stored image-list data for the Windows tests, seen through the portable reader and writer
// (kept out of the files that use the framework's image list: both name the same message).
#pragma once

#include <cstdint>
#include <vector>

#include "framework/core/Colors.h"

struct TExpectedImage {
  std::vector<TColor> colors;     // plain colours, rows top-down
  std::vector<bool> transparent;  // the mask
};

struct TStoredImagesView {
  int width = 0;
  int height = 0;
  uint16_t flags = 0;
  int bitsPerPixel = 0;
  bool olderLayout = false;
  std::vector<TExpectedImage> images;
};

// The portable reader's view of stored data (cells of cellWidth x cellHeight for the older
// layout).
TStoredImagesView ReadStoredImages(const std::vector<uint8_t>& bytes, int cellWidth = 16,
                                   int cellHeight = 16);
// count sample images of 16 x 16, each with its own colours and mask, as "IL" data of 32 bits
// per pixel with the given flags, or in the older layout.
std::vector<uint8_t> SampleImageData(int count, uint16_t flags = 0x0021);
std::vector<uint8_t> SampleOlderData(int count);
// What the sample images look like.
TStoredImagesView SampleImages(int count);
