// A frame bitmap backed by the framework's TBitmap, so that decoded frames are real GDI bitmaps
// that draw, carry a palette and go to the clipboard. Windows only.
#pragma once

#include <memory>

#include "framework/win/graphics/Bitmap.h"
#include "imaging/gif/GIFFrameBitmap.h"

class TGIFBitmapAdapter : public IGIFFrameBitmap {
 public:
  TGIFBitmapAdapter();
  // Takes the bitmap over (nullptr gives an empty one).
  explicit TGIFBitmapAdapter(std::unique_ptr<TBitmap> bitmap);

  // Fails with EInvalidGraphic "Bitmap image is not valid" on a malformed file (bitmap unchanged).
  void LoadFromDibFile(const uint8_t* data, size_t size) override;
  uint32_t Width() const override;
  uint32_t Height() const override;
  bool Empty() const override { return bitmap_->Empty(); }
  bool Monochrome() const override { return bitmap_->Monochrome(); }
  uint32_t PixelBits() const override;
  bool HasHandle() const override { return bitmap_->HandleAllocated(); }
  void SaveToDibFile(TMemoryStream& destination) const override;
  // Fails with EInvalidGraphicOperation "Bitmap image is not valid" without a handle.
  std::vector<uint8_t> ReadRgbRows() const override;
  std::unique_ptr<IGIFFrameBitmap> Clone() const override;
  void MakeDeviceDependent() override { bitmap_->SetHandleType(bmDDB); }

  TBitmap& Bitmap() const { return *bitmap_; }

 private:
  std::unique_ptr<TBitmap> bitmap_;  // never null
};

// The TBitmap behind a frame picture made by TDvGIFImage; fails with EInvalidGraphicOperation
// for any other kind of frame picture.
TBitmap& AdaptedBitmap(IGIFFrameBitmap& picture);
