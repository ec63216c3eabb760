// TDvImageSquare: a windowless control that shows one image of an image list centred on a
// coloured square, with an optional sunken border, a hot colour while the mouse is over it (also
// while disabled) and an optional pressed look.
#pragma once

#include "framework/win/controls/GraphicControl.h"
#include "framework/win/imagelists/ChangeLink.h"

class TCustomImageList;

class TDvImageSquare : public TGraphicControl {
  DV_CLASS(TDvImageSquare)
 public:
  explicit TDvImageSquare(TComponent* owner);

  // bsSingle draws a 3-pixel border inside the bounds; bsNone none.
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style);
  TColor HiColor() const { return hiColor_; }
  void SetHiColor(TColor color);
  // Not owned; the square repaints on every change the list announces.
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* images);
  // -1 (or any index the list does not have) shows no image.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  bool ShowClick() const { return showClick_; }
  void SetShowClick(bool value) { showClick_ = value; }

  // The colour the next paint fills with (Color, or HiColor while the mouse is over it).
  TColor CurrentColor() const { return currentColor_; }
  bool Pressed() const { return pressed_; }

  void Notification(TComponent* component, TOperation operation) override;

 protected:
  void Paint() override;
  // The 3-pixel frame inside rect: pressed, themed, sunken or (bsNone) in HiColor.
  virtual void DrawBorder(const TRect& rect);
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void ColorChanged() override;

 private:
  void ImageListChanged(TObject* sender);
  // Draws the border at once, outside painting.
  void DrawBorderNow();

  TBorderStyle borderStyle_ = bsSingle;
  TColor hiColor_ = clActiveCaption;
  TCustomImageList* images_ = nullptr;
  TComponent* imagesComponent_ = nullptr;  // the same list, compared when it goes away
  int imageIndex_ = 0;
  bool showClick_ = false;
  TColor currentColor_ = clWindow;
  TColor normalColor_ = clWindow;
  bool pressed_ = false;
  TChangeLink imageChangeLink_;
};
