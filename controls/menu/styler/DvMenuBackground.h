// TBackground: a gradient with an optional picture placed by Position, the look of a menu's
// background and of the side bar's areas.
#pragma once

#include <memory>

#include "controls/menu/styler/DvMenuGradientBar.h"

class TBitmap;
class TPicture;

class TBackground : public TGradientBar {
  DV_CLASS(TBackground)
 public:
  TBackground();
  ~TBackground() override;

  // The picture, created on first access; a bitmap in it is made transparent (automatic
  // transparent colour).
  TPicture* Image();
  // Whether a picture with a graphic that is not empty is present. Never creates the picture.
  bool HasImage() const;
  // Copies the picture; nullptr clears the graphic and frees the picture.
  void SetImage(const TPicture* picture);
  TBackgroundPosition Position() const { return position_; }
  void SetPosition(TBackgroundPosition position) { position_ = position; }
  int OffsetX() const { return offsetX_; }
  void SetOffsetX(int offset) { offsetX_ = offset; }
  int OffsetY() const { return offsetY_; }
  void SetOffsetY(int offset) { offsetY_ = offset; }
  int MarginX() const { return marginX_; }
  void SetMarginX(int margin) { marginX_ = margin; }
  int MarginY() const { return marginY_; }
  void SetMarginY(int margin) { marginY_ = margin; }

  // The bitmap the background is rendered into before it reaches its target (32 bits a pixel,
  // made on first use, kept between paints and only resized).
  TBitmap& Cache();

  // From a background: Image, OffsetX, OffsetY, Position (not the colours); from another
  // gradient bar its gradient part.
  void Assign(const TPersistent* source) override;

 protected:
  TBackground(TColor color, TColor colorTo);

 private:
  std::unique_ptr<TPicture> image_;
  std::unique_ptr<TBitmap> cache_;
  TBackgroundPosition position_ = bpCenter;
  int offsetX_ = 0;
  int offsetY_ = 0;
  int marginX_ = 0;
  int marginY_ = 0;
};

// The background of the side bar's image and bar areas: black to clHighlight.
class TSideBarBackground : public TBackground {
 public:
  TSideBarBackground() : TBackground(0x000000, clHighlight) {}
};
