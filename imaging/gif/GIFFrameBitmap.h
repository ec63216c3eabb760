// The decoded picture of a frame, seen through what the codec needs of a bitmap. The Windows
// build plugs the framework's TBitmap in behind this interface; the host build and the tools use
// TGIFMemoryBitmap.
// Portable: never includes windows.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/core/Streams.h"

class IGIFFrameBitmap {
 public:
  virtual ~IGIFFrameBitmap() = default;

  // Takes the picture of a 1, 4 or 8-bit device-independent bitmap file; fails with the
  // framework's errors on a malformed file and leaves the bitmap unchanged then.
  virtual void LoadFromDibFile(const uint8_t* data, size_t size) = 0;
  virtual uint32_t Width() const = 0;
  virtual uint32_t Height() const = 0;
  // True without pixels (width or height 0).
  virtual bool Empty() const = 0;
  virtual bool Monochrome() const = 0;
  // 1, 4 or 8 for palette pictures; any other value is reduced to 256 colours before encoding.
  virtual uint32_t PixelBits() const = 0;
  virtual bool HasHandle() const = 0;
  // Saves a 1, 4 or 8-bit picture as a device-independent bitmap file.
  virtual void SaveToDibFile(TMemoryStream& destination) const = 0;
  // The pixels as 24-bit rows (blue, green, red), bottom-up, each padded to 4 bytes; fails with
  // "Bitmap image is not valid" without a handle and EOutOfMemory beyond the pixel limit.
  virtual std::vector<uint8_t> ReadRgbRows() const = 0;
  virtual std::unique_ptr<IGIFFrameBitmap> Clone() const = 0;
  // Called after decoding a picture that is not monochrome; a device bitmap switches handles.
  virtual void MakeDeviceDependent() {}
};
