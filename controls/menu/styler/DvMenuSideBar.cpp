#include "controls/menu/styler/DvMenuSideBar.h"

#include "framework/core/Picture.h"
#include "framework/win/graphics/Bitmap.h"

const TClassInfo& TBarCaption::StaticClassInfo() {
  using C = TBarCaption;
  static const TClassInfo info = DefineClassInfo<C, TPersistent>("TBarCaption", [](auto& b) {
    b.template Enum<TAlignment>("Alignment", &C::Alignment, &C::SetAlignment, AlignmentNames(),
                                taLeftJustify);
    b.String("Caption", &C::Caption, &C::SetCaption, std::string());
    b.Object("Font", [](C& c) { return &c.Font(); });
    PublishColor<C>(b, "ShadowColor", &C::ShadowColor, &C::SetShadowColor, clNone);
    b.Integer("Depth", &C::Depth, &C::SetDepth, 1);
    b.template Enum<TDirection>("Direction", &C::Direction, &C::SetDirection, DirectionNames(),
                                dDownToUp);
  });
  return info;
}

TBarCaption::TBarCaption() {
  font_.SetName("Tahoma");
  font_.SetSize(14);
  font_.SetColor(clWhite);
  font_.SetStyle((1u << fsBold) | (1u << fsItalic));
}

void TBarCaption::Assign(const TPersistent* source) {
  if (const auto* caption = dynamic_cast<const TBarCaption*>(source)) {
    endOffset_ = caption->endOffset_;
    alignment_ = caption->alignment_;
    caption_ = caption->caption_;
    font_.Assign(&caption->font_);
    shadowColor_ = caption->shadowColor_;
    depth_ = caption->depth_;
    direction_ = caption->direction_;
    return;
  }
  TPersistent::Assign(source);
}

const TClassInfo& TSideBar::StaticClassInfo() {
  using S = TSideBar;
  static const TClassInfo info = DefineClassInfo<S, TBarCaption>("TSideBar", [](auto& b) {
    b.Bool("Visible", &S::Visible, &S::SetVisible, false);
    b.template Enum<TSideBarVisibleIn>("VisibleIn", &S::VisibleIn, &S::SetVisibleIn,
                                       SideBarVisibleInNames(), viFirstVisible);
    b.Object("Image", [](S& s) { return &s.Image(); });
    b.Object("Background", [](S& s) { return &s.Background(); });
    b.Integer("Size", &S::Size, &S::SetSize, 24);
    PublishColor<S>(b, "SplitterColor", &S::SplitterColor, &S::SetSplitterColor, 0x808080);
    PublishColor<S>(b, "SplitterColorTo", &S::SplitterColorTo, &S::SetSplitterColorTo, clNone);
    b.Integer("SplitterWidth", &S::SplitterWidth, &S::SetSplitterWidth, 1);
    b.Integer("SplitterMargin", &S::SplitterMargin, &S::SetSplitterMargin, 0);
    b.Integer("SplitterGradientWidth", &S::SplitterGradientWidth, &S::SetSplitterGradientWidth, 0);
    b.template Enum<TGradientType>("SplitterGradientType", &S::SplitterGradientType,
                                   &S::SetSplitterGradientType, GradientTypeNames(), gtBoth);
    PublishColor<S>(b, "BorderColor", &S::BorderColor, &S::SetBorderColor, 0xA19D9D);
  });
  return info;
}

TSideBar::TSideBar()
    : image_(std::make_unique<TSideBarBackground>()),
      background_(std::make_unique<TSideBarBackground>()) {}

TSideBar::~TSideBar() = default;

void TSideBar::SetBackground(const TBackground& background) {
  background_->Assign(&background);
  if (background_->HasImage() && dynamic_cast<TBitmap*>(background_->Image()->Graphic()) != nullptr)
    background_->Cache().SetTransparent(true);
}

void TSideBar::Assign(const TPersistent* source) {
  if (const auto* bar = dynamic_cast<const TSideBar*>(source)) {
    visible_ = bar->visible_;
    image_->Assign(bar->image_.get());
    background_->Assign(bar->background_.get());
    size_ = bar->size_;
    splitterWidth_ = bar->splitterWidth_;
    splitterMargin_ = bar->splitterMargin_;
    splitterGradientWidth_ = bar->splitterGradientWidth_;
    splitterGradientType_ = bar->splitterGradientType_;
    borderColor_ = bar->borderColor_;
  }
  TBarCaption::Assign(source);
}
