// The separator: a windowless control drawing a thin bar, plain in its colour or as a gradient
// from its colour into a highlight colour at the centre or at one end.
#pragma once

#include "controls/common/DvCommonTypes.h"
#include "controls/common/DvGrafx.h"
#include "framework/win/controls/GraphicControl.h"

enum TDvHighlightLocation { hlCenter, hlUpperLeft, hlLowerRight };

const std::vector<std::string>& DvHighlightLocationNames();

class TDvSeparator : public TGraphicControl {
  DV_CLASS(TDvSeparator)
 public:
  explicit TDvSeparator(TComponent* owner);

  TColor HighlightColor() const { return highlightColor_; }
  virtual void SetHighlightColor(TColor value);
  TDvHighlightLocation HighlightLocation() const { return highlightLocation_; }
  virtual void SetHighlightLocation(TDvHighlightLocation value);
  bool ShowGradient() const { return showGradient_; }
  virtual void SetShowGradient(bool value);
  TOrientation Orientation() const { return orientation_; }
  // At run time the bar turns: width and height are exchanged.
  virtual void SetOrientation(TOrientation value);

  // The gradient the settings give (recomputed on every change).
  TGradientShape GradientShape() const { return shape_; }
  TColor GradientColorA() const { return colorA_; }
  TColor GradientColorB() const { return colorB_; }

  void Loaded() override;

 protected:
  void Paint() override;
  void ColorChanged() override;

 private:
  void UpdateGradient();

  TColor highlightColor_ = clHighlight;
  TDvHighlightLocation highlightLocation_ = hlCenter;
  TOrientation orientation_ = orHorizontal;
  bool showGradient_ = true;
  TGradientShape shape_ = TGradientShape::HorizontalFromCentre;
  TColor colorA_ = clBtnFace;
  TColor colorB_ = clHighlight;
};
