#include "imaging/gif/DvGIFImage.h"

#include "framework/core/TypInfo.h"
#include "framework/win/graphics/Bitmap.h"
#include "imaging/gif/GIFBitmapAdapter.h"
#include "imaging/gif/GIFFrameGraphic.h"

const TClassInfo& TDvGIFImage::StaticClassInfo() {
  static const TClassInfo info = DefineClassInfo<TDvGIFImage, TGraphic>("TDvGIFImage");
  return info;
}

TDvGIFImage::TDvGIFImage() {
  TGIFImageBase::OnProgress = [this](TGIFProgressStage stage, int percent,
                                     const std::string& message) {
    // Decoding and encoding never ask for an intermediate repaint.
    Progress(static_cast<TProgressStage>(stage), static_cast<uint8_t>(percent), false, TRect{},
             message);
  };
}

TDvGIFImage::~TDvGIFImage() {
  TGraphic::OnChange.Clear();
  TGIFImageBase::OnChange = nullptr;
  TGIFImageBase::OnProgress = nullptr;
}

std::unique_ptr<IGIFFrameBitmap> TDvGIFImage::NewBitmap() const {
  return std::make_unique<TGIFBitmapAdapter>();
}

void TDvGIFImage::Changed() {
  // The codec marks its palette modified after every load; the framework reads the graphic's.
  if (TGIFImageBase::PaletteModified()) {
    TGIFImageBase::SetPaletteModified(false);
    TGraphic::SetPaletteModified(true);
  }
  TGraphic::Changed();
}

void TDvGIFImage::Draw(TCanvas& canvas, const TRect& rect) {
  const int index = CurrentIndex();
  if (index < 0 || index >= FrameCount()) return;
  DrawFrame(Frame(index), canvas, rect, Transparent());
}

int TDvGIFImage::Width() const {
  return static_cast<int>(Mutable().TGIFImageBase::Width());
}

int TDvGIFImage::Height() const {
  return static_cast<int>(Mutable().TGIFImageBase::Height());
}

void TDvGIFImage::SetWidth(int width) {
  TGIFImageBase::SetWidth(width);
}

void TDvGIFImage::SetHeight(int height) {
  TGIFImageBase::SetHeight(height);
}

TPaletteHandle TDvGIFImage::Palette() const {
  if (FrameCount() == 0) return nullptr;
  return AdaptedBitmap(Mutable().ImageBitmap()).Palette();
}

void TDvGIFImage::SetTransparent(bool transparent) {
  if (transparent == TransparentFlag()) return;
  SetTransparentFlag(transparent);
  Changed();
}

bool TDvGIFImage::Equals(TGraphic& other) {
  const auto* image = dynamic_cast<const TDvGIFImage*>(&other);
  return image != nullptr && TGIFImageBase::Equals(*image);
}
