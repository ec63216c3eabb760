// The look of the check and radio boxes drawn in the icon column, held alike by the icon column
// (for items that are not highlighted) and by the highlighted item: for each kind of mark a
// gradient fill, a frame and the gradient's direction.
#pragma once

#include "controls/menu/core/MenuStylerTypes.h"

struct TMarkLook {
  TColorPair colors;  // index 0 the fill's start, 1 its end
  TColor border;
  TGradientDirection direction = gdVertical;
};

class TMarkLooks {
 public:
  TMarkLooks(TColor fill, TColor border)
      : check_{TColorPair(fill, clNone), border}, radio_{TColorPair(fill, clNone), border} {}

  const TMarkLook& CheckLook() const { return check_; }
  const TMarkLook& RadioLook() const { return radio_; }

  // CheckColor is index 0, CheckColorTo index 1; likewise the radio pair.
  TColorPair& CheckColors() { return check_.colors; }
  const TColorPair& CheckColors() const { return check_.colors; }
  TColor CheckBorder() const { return check_.border; }
  void SetCheckBorder(TColor color) { check_.border = color; }
  TGradientDirection CheckGradientDirection() const { return check_.direction; }
  void SetCheckGradientDirection(TGradientDirection direction) { check_.direction = direction; }
  TColorPair& RadioColors() { return radio_.colors; }
  const TColorPair& RadioColors() const { return radio_.colors; }
  TColor RadioBorder() const { return radio_.border; }
  void SetRadioBorder(TColor color) { radio_.border = color; }
  TGradientDirection RadioGradientDirection() const { return radio_.direction; }
  void SetRadioGradientDirection(TGradientDirection direction) { radio_.direction = direction; }

 protected:
  // Publishes CheckColor, CheckColorTo, CheckBorder, CheckGradientDirection and the same four of
  // the radio box, in that order, with the initial fill and border as their defaults.
  template <class C>
  static void PublishMarkLooks(TPropertyBuilder<C>& b, TColor fill, TColor border) {
    PublishPairColor<C>(b, "CheckColor", &C::CheckColors, 0, fill);
    PublishPairColor<C>(b, "CheckColorTo", &C::CheckColors, 1, clNone);
    PublishColor<C>(b, "CheckBorder", &C::CheckBorder, &C::SetCheckBorder, border);
    b.template Enum<TGradientDirection>("CheckGradientDirection", &C::CheckGradientDirection,
                                        &C::SetCheckGradientDirection, GradientDirectionNames(),
                                        gdVertical);
    PublishPairColor<C>(b, "RadioColor", &C::RadioColors, 0, fill);
    PublishPairColor<C>(b, "RadioColorTo", &C::RadioColors, 1, clNone);
    PublishColor<C>(b, "RadioBorder", &C::RadioBorder, &C::SetRadioBorder, border);
    b.template Enum<TGradientDirection>("RadioGradientDirection", &C::RadioGradientDirection,
                                        &C::SetRadioGradientDirection, GradientDirectionNames(),
                                        gdVertical);
  }

  TMarkLook check_;
  TMarkLook radio_;
};
