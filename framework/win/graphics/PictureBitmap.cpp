#include "framework/win/graphics/PictureBitmap.h"

std::unique_ptr<TBitmap> PictureToBitmap(const TPicture& picture, TColor background) {
  auto bitmap = std::make_unique<TBitmap>();
  TGraphic* graphic = picture.Graphic();
  if (graphic == nullptr) return bitmap;
  if (dynamic_cast<TBitmap*>(graphic) == nullptr) bitmap->Canvas().Brush().SetColor(background);
  bitmap->Assign(graphic);
  return bitmap;
}

TBitmap& PictureBitmap(TPicture& picture) {
  if (auto* bitmap = dynamic_cast<TBitmap*>(picture.Graphic())) return *bitmap;
  picture.TakeGraphic(PictureToBitmap(picture));
  return static_cast<TBitmap&>(*picture.Graphic());
}
