// TBarCaption, the rotated caption of the side bar, and TSideBar, the vertical bar at the left of
// a drop-down or popup menu with its image, background, border and splitter.
#pragma once

#include <memory>
#include <string>

#include "controls/menu/styler/DvMenuBackground.h"
#include "controls/menu/core/MenuStylerTypes.h"
#include "framework/core/Classes.h"
#include "framework/win/controls/Controls.h"
#include "framework/win/graphics/Font.h"

class TMenu;

class TBarCaption : public TPersistent {
  DV_CLASS(TBarCaption)
 public:
  TBarCaption();

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment) { alignment_ = alignment; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { caption_ = caption; }
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font) { font_.Assign(&font); }
  TColor ShadowColor() const { return shadowColor_; }
  void SetShadowColor(TColor color) { shadowColor_ = color; }
  // Shadow offset in pixels.
  int Depth() const { return depth_; }
  void SetDepth(int depth) { depth_ = depth; }
  TDirection Direction() const { return direction_; }
  void SetDirection(TDirection direction) { direction_ = direction; }
  // Distance of the caption from the end of the bar.
  int EndOffset() const { return endOffset_; }

  TMenu* Menu() const { return menu_; }
  void SetMenu(TMenu* menu) { menu_ = menu; }

  // From a bar caption: end offset, Alignment, Caption, Font, ShadowColor, Depth, Direction;
  // other sources fail with "Cannot assign a %s to a %s".
  void Assign(const TPersistent* source) override;

 private:
  TAlignment alignment_ = taLeftJustify;
  std::string caption_;
  TFont font_;
  TColor shadowColor_ = clNone;
  int depth_ = 1;
  TDirection direction_ = dDownToUp;
  int endOffset_ = 6;
  TMenu* menu_ = nullptr;
};

class TSideBar : public TBarCaption {
  DV_CLASS(TSideBar)
 public:
  TSideBar();
  ~TSideBar() override;

  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  TSideBarVisibleIn VisibleIn() const { return visibleIn_; }
  void SetVisibleIn(TSideBarVisibleIn visibleIn) { visibleIn_ = visibleIn; }
  // Setting copies into the owned objects.
  TBackground& Image() { return *image_; }
  const TBackground& Image() const { return *image_; }
  void SetImage(const TBackground& image) { image_->Assign(&image); }
  TBackground& Background() { return *background_; }
  const TBackground& Background() const { return *background_; }
  // A bitmap picture in the new background also makes its cache transparent.
  void SetBackground(const TBackground& background);
  // Width of the bar.
  int Size() const { return size_; }
  void SetSize(int size) { size_ = size; }
  TColor SplitterColor() const { return splitterColor_; }
  void SetSplitterColor(TColor color) { splitterColor_ = color; }
  TColor SplitterColorTo() const { return splitterColorTo_; }
  void SetSplitterColorTo(TColor color) { splitterColorTo_ = color; }
  int SplitterWidth() const { return splitterWidth_; }
  void SetSplitterWidth(int width) { splitterWidth_ = width; }
  int SplitterMargin() const { return splitterMargin_; }
  void SetSplitterMargin(int margin) { splitterMargin_ = margin; }
  int SplitterGradientWidth() const { return splitterGradientWidth_; }
  void SetSplitterGradientWidth(int width) { splitterGradientWidth_ = width; }
  TGradientType SplitterGradientType() const { return splitterGradientType_; }
  void SetSplitterGradientType(TGradientType type) { splitterGradientType_ = type; }
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor color) { borderColor_ = color; }

  // From a side bar: Visible, Image, Background, Size, the splitter settings (not its colours)
  // and BorderColor, then the caption part; from another bar caption its caption part.
  void Assign(const TPersistent* source) override;

 private:
  bool visible_ = false;
  TSideBarVisibleIn visibleIn_ = viFirstVisible;
  std::unique_ptr<TBackground> image_;
  std::unique_ptr<TBackground> background_;
  int size_ = 24;
  TColor splitterColor_ = 0x808080;
  TColor splitterColorTo_ = 0x000000;
  int splitterWidth_ = 1;
  int splitterMargin_ = 0;
  int splitterGradientWidth_ = 0;
  TGradientType splitterGradientType_ = gtBoth;
  TColor borderColor_ = 0xA19D9D;
};
