#include "imaging/gif/GIFBitmapAdapter.h"

#include "framework/core/SysUtils.h"
#include "imaging/gif/GIFTypes.h"

TGIFBitmapAdapter::TGIFBitmapAdapter() : bitmap_(std::make_unique<TBitmap>()) {}

TGIFBitmapAdapter::TGIFBitmapAdapter(std::unique_ptr<TBitmap> bitmap)
    : bitmap_(bitmap ? std::move(bitmap) : std::make_unique<TBitmap>()) {}

void TGIFBitmapAdapter::LoadFromDibFile(const uint8_t* data, size_t size) {
  TReadOnlyMemoryStream file(data, static_cast<int64_t>(size));
  // Parsed in full before the bitmap is touched.
  const TDibImage image = ReadDibFile(file);
  bitmap_->LoadFromDib(image);
}

uint32_t TGIFBitmapAdapter::Width() const {
  return static_cast<uint32_t>(bitmap_->Width());
}

uint32_t TGIFBitmapAdapter::Height() const {
  return static_cast<uint32_t>(bitmap_->Height());
}

uint32_t TGIFBitmapAdapter::PixelBits() const {
  return static_cast<uint32_t>(bitmap_->BitsPerPixel());
}

void TGIFBitmapAdapter::SaveToDibFile(TMemoryStream& destination) const {
  bitmap_->SaveToStream(destination);
}

std::vector<uint8_t> TGIFBitmapAdapter::ReadRgbRows() const {
  if (!bitmap_->HandleAllocated()) ThrowGIFError(gifmsg::kInvalidBitmap);
  CheckedPixelBufferSize(Width(), Height(), 24);
  return bitmap_->ReadRows24();
}

std::unique_ptr<IGIFFrameBitmap> TGIFBitmapAdapter::Clone() const {
  auto copy = std::make_unique<TBitmap>();
  copy->Assign(bitmap_.get());
  return std::make_unique<TGIFBitmapAdapter>(std::move(copy));
}

TBitmap& AdaptedBitmap(IGIFFrameBitmap& picture) {
  auto* adapter = dynamic_cast<TGIFBitmapAdapter*>(&picture);
  if (adapter == nullptr) ThrowGIFError(gifmsg::kInvalidBitmap);
  return adapter->Bitmap();
}
