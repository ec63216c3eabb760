// Stored image-list data (a form's "Bitmap" block of an image list): the platform's "IL" stream
// and the older layout, read into and written from a portable structure.
// Portable: never includes windows.h.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

class TStream;

inline constexpr char kImageListReadFailedMessage[] = "Failed to read ImageList data from stream";
inline constexpr char kImageListWriteFailedMessage[] = "Failed to write ImageList data to stream";
inline constexpr char kInvalidImageListMessage[] = "Invalid ImageList";

// Creation flags as the platform stores them: colour depth in the low byte, 1 for masks.
inline constexpr uint16_t kImageListMask = 0x0001;
inline constexpr uint16_t kImageListColor32 = 0x0020;
inline constexpr uint16_t kImageListColorDdb = 0x00FE;
inline constexpr uint32_t kImageListNoColor = 0xFFFFFFFF;  // background colour "none"

// The bitmaps hold this many cells per row in the "IL" layout.
inline constexpr int kImageListCellsPerRow = 4;
// No stored bitmap may hold more pixels than this (64 MiB at 32 bits per pixel).
inline constexpr uint64_t kMaxStoredBitmapPixels = uint64_t{16} << 20;

enum class TImageListLayout { ilCurrent, ilOlder };

// One image: rows top-down, pixels 0xAARRGGBB; mask 1 marks a transparent pixel (the mask
// bitmap's white), 0 an opaque one.
struct TStoredImage {
  std::vector<uint32_t> pixels;
  std::vector<uint8_t> mask;
};

struct TStoredImageList {
  int width = 16;    // 1..65535
  int height = 16;   // 1..65535
  int capacity = 0;  // cells the bitmaps have room for; never below the image count
  int growth = 4;
  uint32_t backgroundColor = kImageListNoColor;
  uint16_t flags = kImageListColor32 | kImageListMask;
  std::array<int16_t, 4> overlays = {-1, -1, -1, -1};
  std::vector<TStoredImage> images;

  // What the reader found; ignored by the writer.
  TImageListLayout layout = TImageListLayout::ilCurrent;
  int storedBitsPerPixel = 0;  // depth of the images bitmap
};

// Which layout a stream starting with these bytes is in: the "IL" layout when it starts with
// "IL" and its first two 32-bit words differ, else the older one. Needs 8 bytes; fewer read as
// older.
TImageListLayout DetectImageListLayout(const uint8_t* data, size_t size);

// Reads stored image data at the stream's position and leaves the stream after the last bitmap.
// The older layout stores no image size: its cells are cellWidth x cellHeight (the list's own).
// Without a mask bitmap every mask is 0. Fails with EReadError "Failed to read ImageList data from
// stream" on anything malformed, cut short or too large; the position is then unspecified.
TStoredImageList ReadImageListStream(TStream& stream, int cellWidth = 16, int cellHeight = 16);

// Writes the "IL" layout: the header, the images bitmap at bitsPerPixel (32 or 24) and, when the
// flags ask for masks, the 1-bit mask bitmap, both with room for the capacity, 4 cells a row.
// Fails with EInvalidOperation "Invalid ImageList" when the list is inconsistent (sizes out of
// range, wrong pixel counts), with EWriteError "Failed to write ImageList data to stream" when the
// stream fails.
void WriteImageListStream(TStream& stream, const TStoredImageList& list, int bitsPerPixel = 32);

// Writes the older layout (data size, image count, images bitmap, mask bitmap), 4 cells a row.
// Fails as WriteImageListStream does.
void WriteOlderImageListStream(TStream& stream, const TStoredImageList& list,
                               int bitsPerPixel = 32);

// When the header's flags byte is 1 (masks without a colour depth), merges the depth of the
// stored images bitmap into it, as a second try for readers that refuse such a header. Returns
// false, leaving the data unchanged, when there is nothing to merge. Never throws.
bool MergeStoredDepthIntoFlags(std::vector<uint8_t>& data);
