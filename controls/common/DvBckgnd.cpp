#include "controls/common/DvBckgnd.h"

#include "controls/common/DvColors.h"

const std::vector<std::string>& DvHighlightLocationNames() {
  static const std::vector<std::string> names = {"hlCenter", "hlUpperLeft", "hlLowerRight"};
  return names;
}

TDvSeparator::TDvSeparator(TComponent* owner) : TGraphicControl(owner) {
  StoreBounds(0, 0, 200, 2);
  SetColor(clBtnFace);
  SetParentColor(true);
  UpdateGradient();
}

void TDvSeparator::UpdateGradient() {
  const bool horizontal = orientation_ == orHorizontal;
  switch (highlightLocation_) {
    case hlCenter:
      shape_ =
          horizontal ? TGradientShape::HorizontalFromCentre : TGradientShape::VerticalFromCentre;
      colorA_ = Color();
      colorB_ = highlightColor_;
      break;
    case hlUpperLeft:
      shape_ = horizontal ? TGradientShape::HorizontalToEdge : TGradientShape::VerticalToEdge;
      colorA_ = highlightColor_;
      colorB_ = Color();
      break;
    case hlLowerRight:
      shape_ = horizontal ? TGradientShape::HorizontalToEdge : TGradientShape::VerticalToEdge;
      colorA_ = Color();
      colorB_ = highlightColor_;
      break;
  }
}

void TDvSeparator::SetHighlightColor(TColor value) {
  if (value == highlightColor_) return;
  highlightColor_ = value;
  UpdateGradient();
  Invalidate();
}

void TDvSeparator::SetHighlightLocation(TDvHighlightLocation value) {
  if (value == highlightLocation_) return;
  highlightLocation_ = value;
  UpdateGradient();
  Invalidate();
}

void TDvSeparator::SetShowGradient(bool value) {
  if (value == showGradient_) return;
  showGradient_ = value;
  Invalidate();
}

void TDvSeparator::SetOrientation(TOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  if (IsLoading()) return;
  SetBounds(Left(), Top(), Height(), Width());
  UpdateGradient();
  Invalidate();
}

void TDvSeparator::Loaded() {
  TGraphicControl::Loaded();
  UpdateGradient();
}

void TDvSeparator::ColorChanged() {
  UpdateGradient();
  TGraphicControl::ColorChanged();
}

void TDvSeparator::Paint() {
  TCanvas& canvas = Canvas();
  canvas.Brush().SetStyle(bsSolid);
  if (!showGradient_) {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
    return;
  }
  if (!ScreenHasFullColor()) {
    canvas.Brush().SetColor(colorB_);
    canvas.FillRect(ClientRect());
    return;
  }
  if (Width() <= 0) SetWidth(1);
  if (Height() <= 0) SetHeight(1);
  FillGradient(canvas, {0, 0, Width(), Height()}, shape_, colorA_, colorB_, 1);
}
