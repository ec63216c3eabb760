#include "imaging/gif/GIFFrameGraphic.h"

#include <windows.h>

#include <memory>

#include "framework/core/SysUtils.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/GdiObjects.h"
#include "imaging/gif/DvGIFImage.h"
#include "imaging/gif/GIFBitmapAdapter.h"
#include "imaging/gif/GIFKeyedStretch.h"

TBitmap& FrameBitmap(TDvGIFFrame& frame) {
  return AdaptedBitmap(frame.Bitmap());
}

void DrawFrame(TDvGIFFrame& frame, TCanvas& canvas, const TRect& rect, bool transparent) {
  TBitmap& bitmap = FrameBitmap(frame);
  if (transparent && frame.transparentColor != clNone)
    StretchDrawKeyed(canvas, rect, bitmap, frame.transparentColor);
  else
    canvas.StretchDraw(rect, bitmap);
}

TColor NearestDeviceColor(TColor color) {
  WindowDC screen(nullptr);
  const COLORREF nearest =
      GetNearestColor(screen.Get(), static_cast<COLORREF>(ColorToRGB(color) & 0xFFFFFF));
  return nearest == CLR_INVALID ? ColorToRGB(color) : static_cast<TColor>(nearest);
}

void AssignGraphicToFrame(TDvGIFFrame& frame, const TGraphic& graphic) {
  if (const auto* image = dynamic_cast<const TDvGIFImage*>(&graphic)) {
    frame.AssignImage(*image);
    return;
  }
  if (graphic.Empty()) {
    frame.Assign(nullptr);
    return;
  }
  auto picture = std::make_unique<TBitmap>();
  TColor transparentColor = clNone;
  if (const auto* bitmap = dynamic_cast<const TBitmap*>(&graphic)) {
    // A full copy: pixels, monochrome setting and transparency.
    picture->Assign(bitmap);
    if (bitmap->Transparent()) transparentColor = ColorToRGB(picture->TransparentColor());
    // Whether the frame draws transparently is the image's decision, not the copy's.
    picture->SetTransparent(false);
  } else {
    // Drawn at (0, 0) over fuchsia, which then stands for the graphic's transparent parts.
    picture->Canvas().Brush().SetColor(clFuchsia);
    picture->Assign(&graphic);
    if (graphic.Transparent())
      transparentColor = NearestDeviceColor(picture->Canvas().Brush().Color());
  }
  frame.AssignGraphic(TGIFBitmapAdapter(std::move(picture)), transparentColor);
}

void AssignFrameTo(TDvGIFFrame& frame, TPersistent& target) {
  if (auto* image = dynamic_cast<TDvGIFImage*>(&target)) {
    image->AssignFrame(frame);
    return;
  }
  auto* graphic = dynamic_cast<TGraphic*>(&target);
  if (graphic == nullptr) ThrowCannotAssign("TDvGIFFrame", target.ClassName());
  graphic->Assign(&FrameBitmap(frame));
  auto* bitmap = dynamic_cast<TBitmap*>(graphic);
  if (bitmap != nullptr && frame.transparentColor != clNone) {
    bitmap->SetTransparentColor(NearestDeviceColor(frame.transparentColor));
    bitmap->SetTransparent(true);
  }
}
