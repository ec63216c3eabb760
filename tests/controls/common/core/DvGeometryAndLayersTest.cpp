// Centring a rectangle, rounding halves to even, and the order of a caption's text-style layers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/common/core/DvGeometry.h"
#include "controls/common/core/DvTextLayers.h"

namespace {

TEST(RectCenteredInTest, LeftoversGoRightAndDownAndHalvingTruncates) {
  EXPECT_EQ(RectCenteredIn({0, 0, 17, 21}, 9, 9), (TRect{4, 6, 13, 15}));
  EXPECT_EQ(RectCenteredIn({10, 20, 20, 30}, 10, 10), (TRect{10, 20, 20, 30}));
  EXPECT_EQ(RectCenteredIn({0, 0, 4, 4}, 10, 6), (TRect{-3, -1, 7, 5}));
  // (−5 + 0 − 2) / 2 is −3 (toward zero), not −4.
  EXPECT_EQ(RectCenteredIn({-5, -5, 0, 0}, 2, 2), (TRect{-3, -3, -1, -1}));
}

TEST(RoundHalfEvenTest, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RoundHalfEven(-1.5), -2);
  EXPECT_EQ(RoundHalfEven(2.4999), 2);
  EXPECT_EQ(RoundHalfEven(2.5001), 3);
  EXPECT_EQ(RoundHalfEven(-2.6), -3);
}

struct Layer {
  int dx, dy;
  TColor color;
  friend bool operator==(const Layer&, const Layer&) = default;
};

std::vector<Layer> Layers(const TTextLayerLook& look, bool enabled = true) {
  std::vector<Layer> layers;
  DrawTextLayers(look, enabled, clBlack, [&layers](int dx, int dy, TColor color) {
    layers.push_back({dx, dy, color});
  });
  return layers;
}

TEST(DrawTextLayersTest, StylesDrawTheirLayersUnderTheText) {
  TTextLayerLook look{tsNormal, false, clAqua, clMaroon, 3};
  EXPECT_EQ(Layers(look), (std::vector<Layer>{{0, 0, clBlack}}));
  look.style = tsRaised;
  EXPECT_EQ(Layers(look),
            (std::vector<Layer>{{1, 1, clMaroon}, {-1, -1, clAqua}, {0, 0, clBlack}}));
  look.style = tsRecessed;
  EXPECT_EQ(Layers(look),
            (std::vector<Layer>{{1, 1, clAqua}, {-1, -1, clMaroon}, {0, 0, clBlack}}));
  look.style = tsShadow;
  EXPECT_EQ(Layers(look), (std::vector<Layer>{{3, 3, clMaroon}, {0, 0, clBlack}}));
}

TEST(DrawTextLayersTest, LightStyleKeepsOnlyTheHighlight) {
  TTextLayerLook look{tsRaised, true, clAqua, clMaroon, 3};
  EXPECT_EQ(Layers(look), (std::vector<Layer>{{-1, -1, clAqua}, {0, 0, clBlack}}));
  look.style = tsRecessed;
  EXPECT_EQ(Layers(look), (std::vector<Layer>{{1, 1, clAqua}, {0, 0, clBlack}}));
  look.style = tsShadow;
  EXPECT_EQ(Layers(look), (std::vector<Layer>{{3, 3, clMaroon}, {0, 0, clBlack}}));
}

TEST(DrawTextLayersTest, DisabledCaptionIsEngravedWhateverTheStyle) {
  const std::vector<Layer> engraved{{1, 1, clBtnHighlight}, {0, 0, clBtnShadow}};
  for (TTextStyle style : {tsNormal, tsRaised, tsRecessed, tsShadow})
    EXPECT_EQ(Layers({style, false, clAqua, clMaroon, 3}, false), engraved) << style;
}

}  // namespace
