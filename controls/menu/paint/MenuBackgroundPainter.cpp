#include "controls/menu/paint/MenuBackgroundPainter.h"

#include "controls/menu/core/MenuGradients.h"
#include "controls/menu/core/MenuPlacement.h"
#include "controls/menu/paint/MenuFills.h"
#include "controls/menu/styler/DvMenuBackground.h"
#include "framework/core/Picture.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Canvas.h"

namespace {

// The picture's top left corner in area (the cache).
TPoint PictureCorner(const TRect& area, TBackground& background, const TGraphic& picture) {
  switch (background.Position()) {
    case bpTiled:
    case bpStretched:
      return TPoint{area.Left, area.Top};
    case bpXY:
      return TPoint{area.Left + background.OffsetX(), area.Top + background.OffsetY()};
    default:
      return PlaceBackgroundImage(background.Position(), area, picture.Width(), picture.Height(),
                                  background.OffsetX(), background.OffsetY());
  }
}

void DrawPicture(TCanvas& cache, const TRect& area, TBackground& background, TGraphic& picture) {
  const int width = picture.Width();
  const int height = picture.Height();
  const TPoint corner = PictureCorner(area, background, picture);
  switch (background.Position()) {
    case bpTiled:
      if (width < 1 || height < 1) return;
      for (int y = 0; y < area.Height(); y += height)
        for (int x = 0; x < area.Width(); x += width)
          cache.Draw(x, y, picture);
      return;
    case bpStretched:
      cache.StretchDraw(area, picture);
      return;
    default:
      cache.Draw(corner.X, corner.Y, picture);
  }
}

}  // namespace

TPoint BackgroundPictureCorner(const TRect& rect, TBackground& background) {
  const TRect inset = rect.Inflate(-background.MarginX(), -background.MarginY());
  if (!background.HasImage()) return TPoint{inset.Left, inset.Top};
  return PictureCorner(inset, background, *background.Image()->Graphic());
}

void PaintBackground(TCanvas& canvas, const TRect& rect, TBackground& background) {
  const TRect inset = rect.Inflate(-background.MarginX(), -background.MarginY());
  if (inset.IsEmpty()) return;
  TBitmap& cache = background.Cache();
  if (cache.Width() != inset.Width() || cache.Height() != inset.Height())
    cache.SetSize(inset.Width(), inset.Height());
  const TRect area{0, 0, inset.Width(), inset.Height()};

  TGraphic* picture = background.HasImage() ? background.Image()->Graphic() : nullptr;
  const TBackgroundPosition position = background.Position();
  const bool pictureCovers = picture != nullptr && !picture->Transparent() &&
                             (position == bpTiled || position == bpStretched);
  const bool gradientCovers =
      !pictureCovers && KindOfGradient(PlainColor(background.Color()),
                                       PlainColor(background.ColorTo())) != TGradientKind::None;
  if (!gradientCovers)
    BitBlt(cache.Canvas().Handle(), 0, 0, area.Width(), area.Height(), canvas.Handle(), inset.Left,
           inset.Top, SRCCOPY);
  if (!pictureCovers)
    GradientFill(cache, area, background.GradientDirection(), background.Color(),
                 background.ColorTo());
  if (picture != nullptr) DrawPicture(cache.Canvas(), area, background, *picture);
  canvas.Draw(inset.Left, inset.Top, cache);
}
