// Assignment between TDvGIFImage and the other graphics.
#include "framework/core/Picture.h"
#include "framework/win/graphics/Bitmap.h"
#include "imaging/gif/DvGIFImage.h"
#include "imaging/gif/GIFBitmapAdapter.h"
#include "imaging/gif/GIFFrameGraphic.h"

void TDvGIFImage::Assign(const TPersistent* source) {
  if (source == this) return;
  if (source == nullptr) {
    TGIFImageBase::Assign(nullptr);
  } else if (const auto* image = dynamic_cast<const TDvGIFImage*>(source)) {
    TGIFImageBase::Assign(image);
  } else if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
    Reset();
    AddFrame(*bitmap);
    Changed();
  } else {
    // A picture hands over its graphic; everything else is refused.
    TGraphic::Assign(source);
  }
}

int TDvGIFImage::AddFrame(const TGraphic& graphic) {
  const int index = TGIFImageBase::AddFrame(TGIFBitmapAdapter());
  AssignGraphicToFrame(Frame(index), graphic);
  return index;
}

void TDvGIFImage::AssignTo(TPersistent* dest) const {
  if (auto* image = dynamic_cast<TDvGIFImage*>(dest)) {
    image->Assign(this);
    return;
  }
  auto* graphic = dynamic_cast<TGraphic*>(dest);
  if (graphic == nullptr) {
    TGraphic::AssignTo(dest);
    return;
  }
  TDvGIFImage& self = Mutable();
  if (Empty()) {
    graphic->Assign(nullptr);
  } else if (CurrentIndex() < 0) {
    graphic->Assign(&AdaptedBitmap(self.ImageBitmap()));
  } else {
    AssignFrameTo(self.Frame(CurrentIndex()), *graphic);
  }
}
