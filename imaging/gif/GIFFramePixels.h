// A frame's decoded pixels as colour indices, one byte per pixel, for callers that want the
// indices themselves rather than a bitmap. The buffer is kept between decodings, so decoding the
// frames of an animation one after another into one object allocates only when a frame is larger
// than every one before it.
// Portable: never includes windows.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "imaging/gif/GIFRecords.h"
#include "imaging/gif/GIFTypes.h"

class TGIFFramePixels {
 public:
  uint32_t Width() const { return width_; }
  uint32_t Height() const { return height_; }

  // Row y from the top: Width() indices, valid until the next decoding. Fails with EListError
  // "List index out of bounds (%d)" for y not below Height().
  const uint8_t* Row(uint32_t y) const;
  // Copies row y into destination, at most destination.size() indices; returns how many. Fails
  // as Row does.
  size_t CopyRow(uint32_t y, std::span<uint8_t> destination) const;

  // Decodes the item's stored data (see DecodeLzwIndices for faults and failures). Rows stored in
  // interlaced passes are put in image order when `interlaced` is set. Fails with EOutOfMemory
  // before allocating when width x height passes kMaxPixelBufferBytes. On a failure, and for an
  // item without stored data (a frame made from a bitmap and not yet written), the object is
  // empty.
  TGIFCorruptKind DecodeStored(const TGIFItem& item, bool interlaced, bool tolerate,
                               const TGIFProgressEvent& progress);

 private:
  uint32_t width_ = 0;
  uint32_t height_ = 0;
  std::vector<uint8_t> rows_;     // height rows of width indices, then the decoder's slack
  std::vector<uint8_t> scratch_;  // interlaced frames: the rows in stored order
};
