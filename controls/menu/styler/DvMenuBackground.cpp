#include "controls/menu/styler/DvMenuBackground.h"

#include "framework/core/Picture.h"
#include "framework/win/graphics/Bitmap.h"

const TClassInfo& TBackground::StaticClassInfo() {
  using B = TBackground;
  static const TClassInfo info = DefineClassInfo<B, TGradientBar>("TBackground", [](auto& b) {
    b.Object("Image", &B::Image, [](const B& background) { return background.HasImage(); });
    b.template EnumNoDefault<TBackgroundPosition>("Position", &B::Position, &B::SetPosition,
                                                  BackgroundPositionNames());
    b.Integer("OffsetX", &B::OffsetX, &B::SetOffsetX, 0);
    b.Integer("OffsetY", &B::OffsetY, &B::SetOffsetY, 0);
    b.Integer("MarginX", &B::MarginX, &B::SetMarginX, 0);
    b.Integer("MarginY", &B::MarginY, &B::SetMarginY, 0);
    PublishPairColor<B>(b, "Color", &B::Colors, 0, 0xFFFAFD);
    PublishPairColor<B>(b, "ColorTo", &B::Colors, 1, clNone);
    b.template Enum<TGradientDirection>("GradientDirection", &B::GradientDirection,
                                        &B::SetGradientDirection, GradientDirectionNames(),
                                        gdVertical);
  });
  return info;
}

TBackground::TBackground() : TBackground(0xFFFAFD, clNone) {}

TBackground::TBackground(TColor color, TColor colorTo) : TGradientBar(color, colorTo, gdVertical) {}

TBackground::~TBackground() = default;

TPicture* TBackground::Image() {
  if (!image_) image_ = std::make_unique<TPicture>();
  if (auto* bitmap = dynamic_cast<TBitmap*>(image_->Graphic())) {
    bitmap->SetTransparent(true);
    bitmap->SetTransparentMode(tmAuto);
  }
  return image_.get();
}

TBitmap& TBackground::Cache() {
  if (!cache_) {
    cache_ = std::make_unique<TBitmap>();
    cache_->SetPixelFormat(pf32bit);
  }
  return *cache_;
}

bool TBackground::HasImage() const {
  return image_ && image_->Graphic() != nullptr && !image_->Graphic()->Empty();
}

void TBackground::SetImage(const TPicture* picture) {
  if (picture == nullptr) {
    if (image_) image_->SetGraphic(nullptr);
    image_.reset();
    return;
  }
  Image()->Assign(picture);
}

void TBackground::Assign(const TPersistent* source) {
  if (const auto* background = dynamic_cast<const TBackground*>(source)) {
    SetImage(background->image_.get());
    offsetX_ = background->offsetX_;
    offsetY_ = background->offsetY_;
    position_ = background->position_;
    return;
  }
  AssignGradient(source);
}
