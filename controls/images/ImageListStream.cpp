#include "controls/images/ImageListStream.h"

#include <algorithm>

#include "controls/images/ImageListStreamBitmaps.h"
#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"

namespace {

constexpr uint16_t kMagic = 0x4C49;  // "IL"
constexpr uint16_t kVersion = 0x0101;
constexpr int kHeaderSize = 28;
constexpr int kMax16 = 0xFFFF;
constexpr uint32_t kMaskWhite = 0xFFFFFFFF;
constexpr uint32_t kMaskBlack = 0xFF000000;

[[noreturn]] void FailRead() {
  throw EReadError(kImageListReadFailedMessage);
}

[[noreturn]] void FailInvalid() {
  throw EInvalidOperation(kInvalidImageListMessage);
}

uint32_t U32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

uint16_t U16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint64_t RowsFor(uint64_t cells, uint64_t perRow) {
  return (cells + perRow - 1) / perRow;
}

// A mask bitmap may come in any depth; light pixels are transparent, as a monochrome copy has it.
bool IsTransparentMaskColour(uint32_t colour) {
  return ((colour >> 16) & 0xFF) + ((colour >> 8) & 0xFF) + (colour & 0xFF) >= 384;
}

// Cuts count cells of width x height from the bitmaps, row by row from the top left.
std::vector<TStoredImage> CutCells(const TBgraBitmap& images, const TBgraBitmap* masks,
                                   uint64_t count, int width, int height) {
  const uint64_t perRow = static_cast<uint64_t>(images.width) / width;
  std::vector<TStoredImage> cut(static_cast<size_t>(count));
  for (uint64_t i = 0; i < count; ++i) {
    const int left = static_cast<int>(i % perRow) * width;
    const int top = static_cast<int>(i / perRow) * height;
    TStoredImage& image = cut[static_cast<size_t>(i)];
    image.pixels.resize(static_cast<size_t>(width) * height);
    image.mask.assign(static_cast<size_t>(width) * height, 0);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const size_t at = static_cast<size_t>(y) * width + x;
        image.pixels[at] = images.At(left + x, top + y);
        if (masks) image.mask[at] = IsTransparentMaskColour(masks->At(left + x, top + y)) ? 1 : 0;
      }
    }
  }
  return cut;
}

// Both bitmaps must hold the cells of count images, perRow to a row.
void CheckCellRoom(const TBgraBitmap& bitmap, uint64_t count, int width, int height,
                   uint64_t perRow) {
  if (static_cast<uint64_t>(bitmap.width) < perRow * width) FailRead();
  if (static_cast<uint64_t>(bitmap.height) < RowsFor(count, perRow) * height) FailRead();
}

TStoredImageList ReadCurrentLayout(TStream& stream) {
  uint8_t header[kHeaderSize];
  stream.ReadBuffer(header, sizeof header);
  if (U16(header) != kMagic || U16(header + 2) != kVersion) FailRead();

  TStoredImageList list;
  list.layout = TImageListLayout::ilCurrent;
  const uint64_t count = U16(header + 4);
  list.capacity = U16(header + 6);
  list.growth = U16(header + 8);
  list.width = U16(header + 10);
  list.height = U16(header + 12);
  list.backgroundColor = U32(header + 14);
  list.flags = U16(header + 18);
  for (int i = 0; i < 4; ++i)
    list.overlays[i] = static_cast<int16_t>(U16(header + 20 + 2 * i));
  if (list.width == 0 || list.height == 0 || count > static_cast<uint64_t>(list.capacity)) {
    FailRead();
  }
  const uint64_t perRow = kImageListCellsPerRow;
  const uint64_t needed = perRow * list.width * RowsFor(count, perRow) * list.height;
  if (needed > kMaxStoredBitmapPixels) FailRead();

  TBitmapFileInfo info;
  const TBgraBitmap images = ReadBitmapFile(stream, kMaxStoredBitmapPixels, &info);
  // The platform lays the cells out 4 to a row of exactly 4 cells.
  if (images.width != kImageListCellsPerRow * list.width) FailRead();
  CheckCellRoom(images, count, list.width, list.height, perRow);
  list.storedBitsPerPixel = info.bitsPerPixel;

  TBgraBitmap masks;
  const bool masked = (list.flags & kImageListMask) != 0;
  if (masked) {
    masks = ReadBitmapFile(stream, kMaxStoredBitmapPixels);
    if (masks.width != images.width) FailRead();
    CheckCellRoom(masks, count, list.width, list.height, perRow);
  }
  // A capacity beyond the cells the bitmaps hold is a claim the data cannot back; kept, it would
  // make a few kilobytes written back as a bitmap of millions of pixels.
  uint64_t cellsHeld = perRow * (static_cast<uint64_t>(images.height) / list.height);
  if (masked) cellsHeld = std::min(cellsHeld, perRow * (masks.height / list.height));
  list.capacity = static_cast<int>(std::min<uint64_t>(list.capacity, cellsHeld));
  list.images = CutCells(images, masked ? &masks : nullptr, count, list.width, list.height);
  return list;
}

TStoredImageList ReadOlderLayout(TStream& stream, int cellWidth, int cellHeight) {
  if (cellWidth <= 0 || cellHeight <= 0 || cellWidth > kMax16 || cellHeight > kMax16) FailRead();
  // The data size is informational: the bitmap headers say how much follows.
  stream.ReadUInt32LE();
  const uint64_t count = stream.ReadUInt32LE();
  if (count > kMax16) FailRead();  // the platform counts images in 16 bits

  TBitmapFileInfo info;
  const TBgraBitmap images = ReadBitmapFile(stream, kMaxStoredBitmapPixels, &info);
  const TBgraBitmap masks = ReadBitmapFile(stream, kMaxStoredBitmapPixels);
  const uint64_t perRow = static_cast<uint64_t>(images.width) / cellWidth;
  if (count > 0 && perRow == 0) FailRead();
  if (count > 0) {
    CheckCellRoom(images, count, cellWidth, cellHeight, perRow);
    CheckCellRoom(masks, count, cellWidth, cellHeight, perRow);
  }

  TStoredImageList list;
  list.layout = TImageListLayout::ilOlder;
  list.width = cellWidth;
  list.height = cellHeight;
  list.capacity = static_cast<int>(count);
  list.storedBitsPerPixel = info.bitsPerPixel;
  list.flags =
      static_cast<uint16_t>(kImageListMask | (info.bitsPerPixel >= 4 ? info.bitsPerPixel : 0));
  list.images = CutCells(images, &masks, count, cellWidth, cellHeight);
  return list;
}

void CheckWritable(const TStoredImageList& list, int bitsPerPixel, uint64_t capacity) {
  if (bitsPerPixel != 24 && bitsPerPixel != 32) FailInvalid();
  if (list.width <= 0 || list.height <= 0 || list.width > kMax16 || list.height > kMax16) {
    FailInvalid();
  }
  if (list.capacity < 0 || capacity > kMax16 || list.growth < 0 || list.growth > kMax16) {
    FailInvalid();
  }
  const size_t cellPixels = static_cast<size_t>(list.width) * list.height;
  for (const TStoredImage& image : list.images) {
    if (image.pixels.size() != cellPixels || image.mask.size() != cellPixels) FailInvalid();
  }
  const uint64_t rows = RowsFor(capacity, kImageListCellsPerRow);
  if (uint64_t{kImageListCellsPerRow} * list.width * rows * list.height > kMaxStoredBitmapPixels) {
    FailInvalid();
  }
}

// The images and masks laid out in cells, 4 to a row, with rows for every capacity slot.
void BuildCellBitmaps(const TStoredImageList& list, uint64_t capacity, TBgraBitmap& images,
                      TBgraBitmap& masks) {
  const int rows = static_cast<int>(RowsFor(capacity, kImageListCellsPerRow));
  images.width = masks.width = kImageListCellsPerRow * list.width;
  images.height = masks.height = rows * list.height;
  const size_t total = static_cast<size_t>(images.width) * images.height;
  images.pixels.assign(total, 0);
  masks.pixels.assign(total, kMaskBlack);
  for (size_t i = 0; i < list.images.size(); ++i) {
    const int left = static_cast<int>(i % kImageListCellsPerRow) * list.width;
    const int top = static_cast<int>(i / kImageListCellsPerRow) * list.height;
    const TStoredImage& image = list.images[i];
    for (int y = 0; y < list.height; ++y) {
      for (int x = 0; x < list.width; ++x) {
        const size_t at = static_cast<size_t>(y) * list.width + x;
        images.At(left + x, top + y) = image.pixels[at];
        masks.At(left + x, top + y) = image.mask[at] ? kMaskWhite : kMaskBlack;
      }
    }
  }
}

const std::vector<uint32_t>& MaskPalette() {
  static const std::vector<uint32_t> palette = {0x000000, 0xFFFFFF};
  return palette;
}

template <typename WriteBody>
void GuardedWrite(WriteBody&& body) {
  try {
    body();
  } catch (const EStreamError&) {
    throw EWriteError(kImageListWriteFailedMessage);
  }
}

}  // namespace

TImageListLayout DetectImageListLayout(const uint8_t* data, size_t size) {
  if (size < 8) return TImageListLayout::ilOlder;
  const uint32_t first = U32(data), second = U32(data + 4);
  return U16(data) == kMagic && first != second ? TImageListLayout::ilCurrent
                                                : TImageListLayout::ilOlder;
}

TStoredImageList ReadImageListStream(TStream& stream, int cellWidth, int cellHeight) {
  try {
    const int64_t start = stream.Position();
    uint8_t lead[8];
    stream.ReadBuffer(lead, sizeof lead);
    stream.SetPosition(start);
    if (DetectImageListLayout(lead, sizeof lead) == TImageListLayout::ilCurrent) {
      return ReadCurrentLayout(stream);
    }
    return ReadOlderLayout(stream, cellWidth, cellHeight);
  } catch (const EStreamError&) {
    throw EReadError(kImageListReadFailedMessage);
  }
}

void WriteImageListStream(TStream& stream, const TStoredImageList& list, int bitsPerPixel) {
  const uint64_t capacity = std::max<uint64_t>(
      {static_cast<uint64_t>(std::max(list.capacity, 0)), list.images.size(), 1});
  CheckWritable(list, bitsPerPixel, capacity);
  TBgraBitmap images, masks;
  BuildCellBitmaps(list, capacity, images, masks);
  GuardedWrite([&] {
    stream.WriteUInt16LE(kMagic);
    stream.WriteUInt16LE(kVersion);
    stream.WriteUInt16LE(static_cast<uint16_t>(list.images.size()));
    stream.WriteUInt16LE(static_cast<uint16_t>(capacity));
    stream.WriteUInt16LE(static_cast<uint16_t>(list.growth));
    stream.WriteUInt16LE(static_cast<uint16_t>(list.width));
    stream.WriteUInt16LE(static_cast<uint16_t>(list.height));
    stream.WriteUInt32LE(list.backgroundColor);
    stream.WriteUInt16LE(list.flags);
    for (int16_t overlay : list.overlays)
      stream.WriteUInt16LE(static_cast<uint16_t>(overlay));
    WriteBitmapFile(stream, images, bitsPerPixel);
    if (list.flags & kImageListMask) WriteBitmapFile(stream, masks, 1, MaskPalette());
  });
}

void WriteOlderImageListStream(TStream& stream, const TStoredImageList& list, int bitsPerPixel) {
  const uint64_t capacity = std::max<uint64_t>(list.images.size(), 1);
  CheckWritable(list, bitsPerPixel, capacity);
  TBgraBitmap images, masks;
  BuildCellBitmaps(list, capacity, images, masks);
  TMemoryStream body;
  WriteBitmapFile(body, images, bitsPerPixel);
  WriteBitmapFile(body, masks, 1, MaskPalette());
  GuardedWrite([&] {
    stream.WriteUInt32LE(static_cast<uint32_t>(body.Size()));
    stream.WriteUInt32LE(static_cast<uint32_t>(list.images.size()));
    stream.WriteBuffer(body.Memory(), body.Size());
  });
}

bool MergeStoredDepthIntoFlags(std::vector<uint8_t>& data) {
  constexpr size_t kFlagsAt = 18;
  constexpr size_t kDepthAt = kHeaderSize + 14 + 14;  // after the file header, in the info header
  if (data.size() < kDepthAt + 2) return false;
  if (DetectImageListLayout(data.data(), data.size()) != TImageListLayout::ilCurrent) return false;
  if (data[kFlagsAt] != kImageListMask || U16(data.data() + kHeaderSize) != 0x4D42) return false;
  const uint16_t depth = U16(data.data() + kDepthAt);
  if (depth != 4 && depth != 8 && depth != 16 && depth != 24 && depth != 32) return false;
  data[kFlagsAt] = static_cast<uint8_t>(depth | kImageListMask);
  return true;
}
