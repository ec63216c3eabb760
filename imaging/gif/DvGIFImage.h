// TDvGIFImage: the GIF image as one of the framework's graphic kinds. The codec (TGIFImageBase)
// holds the frames and reads and writes them; this class adds what needs the window system:
// frame pictures as GDI bitmaps, drawing, the palette, assignment to and from other graphics
// and the clipboard. Windows only.
#pragma once

#include <memory>

#include "framework/core/Graphic.h"
#include "imaging/gif/GIFImageBase.h"

class TDvGIFImage : public TGraphic, public TGIFImageBase {
  DV_CLASS(TDvGIFImage)
 public:
  // Empty, transparent flag set.
  TDvGIFImage();
  ~TDvGIFImage() override;

  // Draws the current frame (nothing while the current index is -1), transparently when
  // Transparent() says so.
  void Draw(TCanvas& canvas, const TRect& rect) override;
  bool Empty() const override { return TGIFImageBase::Empty(); }
  // The current frame's size; 0 when empty or no frame is current. Decodes when needed.
  int Width() const override;
  int Height() const override;
  // Always fail with EInvalidGraphicOperation "Cannot change the Size of a GIF image".
  void SetWidth(int width) override;
  void SetHeight(int height) override;
  // The palette of the current frame's picture; nullptr without frames. Owned by the picture.
  TPaletteHandle Palette() const override;
  // The flag and some frame with a transparent colour.
  bool Transparent() const override { return TGIFImageBase::Transparent(); }
  void SetTransparent(bool transparent) override;
  // Same header record.
  bool Equals(TGraphic& other) override;

  // Reading fails with the codec's errors and leaves the image reset (see TGIFImageBase).
  void LoadFromStream(TStream& stream) override { TGIFImageBase::LoadFromStream(stream); }
  void SaveToStream(TStream& stream) override { TGIFImageBase::SaveToStream(stream); }
  void ReadData(TStream& stream) override { TGIFImageBase::ReadData(stream); }
  void WriteData(TStream& stream) override { TGIFImageBase::WriteData(stream); }

  // The clipboard must be open. Loading prefers the "GIF Image" data (with the clipboard's
  // bitmap as frame 0's picture), else takes the bitmap given. Saving hands out frame 0's
  // picture as a bitmap and, when every frame has stored data, puts the "GIF Image" data on the
  // clipboard itself (nothing of it when no memory block can be had).
  void LoadFromClipboardFormat(TClipboardFormat format, TClipboardHandle data,
                               TPaletteHandle palette) override;
  void SaveToClipboardFormat(TClipboardFormat& format, TClipboardHandle& data,
                             TPaletteHandle& palette) override;

  // From nothing, another TDvGIFImage (sharing its records), a TBitmap or a TPicture holding
  // one of these; anything else fails with EConvertError "Cannot assign a %s to a %s".
  void Assign(const TPersistent* source) override;
  using TGIFImageBase::AddFrame;
  // Appends a frame made from the graphic and makes it current; returns its index.
  virtual int AddFrame(const TGraphic& graphic);

  std::unique_ptr<IGIFFrameBitmap> NewBitmap() const override;

  using TGraphic::OnChange;
  using TGraphic::OnProgress;
  using TGraphic::PaletteModified;
  using TGraphic::SetPaletteModified;

 protected:
  // A TDvGIFImage target takes this image; another graphic takes the current frame's picture
  // (nothing when empty); anything else fails with EConvertError.
  void AssignTo(TPersistent* dest) const override;
  // Both bases announce changes through here.
  void Changed() override;

 private:
  // The graphic interface asks sizes and pictures through const; decoding a frame on first use
  // only fills the frame's cache.
  TDvGIFImage& Mutable() const { return const_cast<TDvGIFImage&>(*this); }
};
