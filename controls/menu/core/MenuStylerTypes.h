// The vocabulary of menu stylers: gradient, side bar and background enumerations with their form
// data names, the indexed colour pair, and the helper that publishes a colour property.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/core/Colors.h"
#include "framework/core/TypInfo.h"

enum TGradientDirection { gdVertical, gdHorizontal };
enum TGradientType { gtLeft, gtRight, gtBoth };
enum TSideBarVisibleIn { viFirstVisible, viFirstLevel, viAnyLevel };
enum TDirection { dDownToUp, dUpToDown };
enum TBackgroundPosition {
  bpTopLeft,
  bpTopRight,
  bpBottomLeft,
  bpBottomRight,
  bpTopCenter,
  bpBottomCenter,
  bpTiled,
  bpStretched,
  bpCenter,
  bpXY
};
enum TFantasyStyle {
  fsArctic,
  fsAquaBlue,
  fsChocolate,
  fsMacOS,
  fsSilverFox,
  fsSoftSand,
  fsTerminalGreen,
  fsTextured,
  fsWindowsClassic
};

// Form data names in ordinal order ("gdVertical", ...).
const std::vector<std::string>& GradientDirectionNames();
const std::vector<std::string>& GradientTypeNames();
const std::vector<std::string>& SideBarVisibleInNames();
const std::vector<std::string>& DirectionNames();
const std::vector<std::string>& BackgroundPositionNames();
const std::vector<std::string>& FantasyStyleNames();

// Two colours read and written by index: 0 the first (Color), 1 the second (ColorTo). Another
// index fails with EInvalidPropertyIndex "Invalid property index %d.".
class TColorPair {
 public:
  TColorPair(TColor first, TColor second) : colors_{first, second} {}
  TColor Get(int index) const;
  void Set(int index, TColor color);

 private:
  TColor colors_[2];
};

// Publishes a colour (form data uses the colour names: clNone, clBtnFace, ...).
template <class C, class G, class S>
void PublishColor(TPropertyBuilder<C>& b, std::string name, G get, S set,
                  std::optional<TColor> def) {
  b.Integer(
      std::move(name), [get](const C& c) -> int64_t { return std::invoke(get, c); },
      [set](C& c, int64_t value) { std::invoke(set, c, static_cast<TColor>(value)); },
      def ? std::optional<int64_t>(*def) : std::nullopt, {}, &ColorIdents());
}

// Publishes entry index of a colour pair reached through pair (a member returning TColorPair&).
template <class C>
void PublishPairColor(TPropertyBuilder<C>& b, std::string name, TColorPair& (C::*pair)(), int index,
                      TColor def) {
  PublishColor<C>(
      b, std::move(name),
      [pair, index](const C& c) { return (const_cast<C&>(c).*pair)().Get(index); },
      [pair, index](C& c, TColor color) { (c.*pair)().Set(index, color); }, def);
}
