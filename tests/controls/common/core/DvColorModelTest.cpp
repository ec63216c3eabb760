// The colour model on the 0..240 scale and the routines built on it, with the values written out.
// System colours go through a resolver of the test's own: clBtnFace is (240, 240, 240) and
// clBtnShadow (160, 160, 160) here.
#include <gtest/gtest.h>

#include "controls/common/core/DvColorModel.h"

namespace {

TColor TestColors(TColor color) {
  if (color == clBtnFace) return 0xF0F0F0;
  if (color == clBtnShadow) return 0xA0A0A0;
  return color;
}

THsl240 Hsl(TColor color) {
  return ColorToHsl240(color, TestColors);
}

THsl240 Triple(int hue, int saturation, int lightness) {
  return {static_cast<uint8_t>(hue), static_cast<uint8_t>(saturation),
          static_cast<uint8_t>(lightness)};
}

TEST(ColorToHsl240Test, PrimaryAndGreyColours) {
  EXPECT_EQ(Hsl(clWhite), Triple(0, 0, 240));
  EXPECT_EQ(Hsl(clBlack), Triple(0, 0, 0));
  EXPECT_EQ(Hsl(clGreen), Triple(80, 240, 60));
  EXPECT_EQ(Hsl(clRed), Triple(0, 240, 120));
  EXPECT_EQ(Hsl(clBlue), Triple(160, 240, 120));
  EXPECT_EQ(Hsl(clGray), Triple(0, 0, 120));  // lightness 120.47
  EXPECT_EQ(HueOfColor(clBlue, TestColors), 160);
}

TEST(ColorToHsl240Test, SystemColoursAreResolvedFirst) {
  EXPECT_EQ(Hsl(clBtnFace), Triple(0, 0, 226));
  EXPECT_EQ(Hsl(clBtnShadow), Triple(0, 0, 151));
}

TEST(ColorToHsl240Test, HalvesRoundToEven) {
  // Hue 77.5 and 78.5 both become 78.
  EXPECT_EQ(Hsl(RGBColor(1, 0x10, 0)).hue, 78);
  EXPECT_EQ(Hsl(RGBColor(3, 0x50, 0)).hue, 78);
  // Hue 72.5 becomes 72.
  EXPECT_EQ(Hsl(RGBColor(3, 0x10, 0)).hue, 72);
}

TEST(Hsl240ToColorTest, HueDividedBy239) {
  EXPECT_EQ(Hsl240ToColor(0, 0, 240), clWhite);
  EXPECT_EQ(Hsl240ToColor(0, 240, 120), 0x0000FF);
  // Not quite pure green and blue: the divisor 239 moves the hue a little on.
  EXPECT_EQ(Hsl240ToColor(80, 240, 60), 0x018000);
  EXPECT_EQ(Hsl240ToColor(160, 240, 120), 0xFF0004);
  // 239 and 240 reach sextant 6, which is drawn as sextant 0.
  EXPECT_EQ(Hsl240ToColor(239, 240, 120), 0x0000FF);
  EXPECT_EQ(Hsl240ToColor(240, 240, 120), 0x0006FF);
}

TEST(Hsl240ToColorTest, LightnessBoundsAndRounding) {
  for (int hue : {0, 100, 239})
    EXPECT_EQ(Hsl240ToColor(static_cast<uint8_t>(hue), 240, 0), clBlack) << hue;
  EXPECT_EQ(Hsl240ToColor(80, 240, 240), clWhite);
  EXPECT_EQ(Hsl240ToColor(80, 240, 255), clWhite);
  EXPECT_EQ(Hsl240ToColor(160, 0, 250), clWhite);
  // Channel 8.5 rounds down to 8, 127.5 (in 80, 240, 60 above) up to 128.
  EXPECT_EQ(Hsl240ToColor(0, 0, 8), 0x080808);
  // Saturations beyond the scale keep every channel inside 0..255.
  EXPECT_EQ(Hsl240ToColor(0, 255, 120), 0x0000FF);
  EXPECT_EQ(Hsl240ToColor(80, 255, 120), 0x00FF00);
}

TEST(LightenAndDarkenTest, LightnessMovesAndStopsAtTheEnds) {
  EXPECT_EQ(LightenColorBy(clGreen, 100, TestColors), 0x56FF55);
  EXPECT_EQ(DarkenColorBy(clGreen, 30, TestColors), 0x014000);
  EXPECT_EQ(DarkenColorBy(clBtnFace, 50, TestColors), 0xBBBBBB);
  EXPECT_EQ(DarkenColorBy(clBtnFace, 100, TestColors), 0x868686);
  EXPECT_EQ(LightenColorBy(clBtnShadow, 30, TestColors), 0xC0C0C0);
  for (TColor color : {clGreen, clBlack, clWhite, TColor{0x123456}, clBtnShadow}) {
    EXPECT_EQ(LightenColorBy(color, 240, TestColors), clWhite) << color;
    EXPECT_EQ(DarkenColorBy(color, 240, TestColors), clBlack) << color;
  }
  // Lightness 226 + 100 passes 240 and still gives white.
  EXPECT_EQ(LightenColorBy(clBtnFace, 100, TestColors), clWhite);
}

TEST(ShiftColorLightnessTest, SignPicksTheDirection) {
  EXPECT_EQ(ShiftColorLightness(clBtnFace, 0, TestColors), clBtnFace);
  EXPECT_EQ(ShiftColorLightness(clBtnShadow, 0, TestColors), clBtnShadow);
  EXPECT_EQ(ShiftColorLightness(clBtnFace, -50, TestColors), 0xBBBBBB);
  EXPECT_EQ(ShiftColorLightness(clBtnShadow, 30, TestColors), 0xC0C0C0);
  EXPECT_EQ(ShiftColorLightness(clGreen, 300, TestColors), clWhite);
  EXPECT_EQ(ShiftColorLightness(clGreen, -300, TestColors), clBlack);
}

TEST(MixColorsTest, WeightOfTheFirstColour) {
  EXPECT_EQ(MixColors(clRed, clBlue, 255, TestColors), clRed);
  EXPECT_EQ(MixColors(clRed, clBlue, 0, TestColors), clBlue);
  EXPECT_EQ(MixColors(clBlack, clWhite, 128, TestColors), 0x7F7F7F);
  EXPECT_EQ(MixColors(clBtnFace, clBlack, 128, TestColors), 0x787878);
  EXPECT_EQ(MixColors(clBtnShadow, clBtnShadow, 77, TestColors), 0xA0A0A0);
}

TEST(HueAndLightnessCloseTest, HueUnder20AndLightnessUnder60) {
  // Hues 0 and 19 (lightness 120 both): close; 0 and 20: not.
  EXPECT_TRUE(HueAndLightnessClose(Hsl240ToColor(19, 240, 120), clRed, TestColors));
  EXPECT_EQ(Hsl(Hsl240ToColor(20, 240, 120)).hue, 20);
  EXPECT_FALSE(HueAndLightnessClose(Hsl240ToColor(20, 240, 120), clRed, TestColors));
  // Lightness 120 and 179: close; 120 and 180: not.
  EXPECT_EQ(Hsl(Hsl240ToColor(0, 240, 179)).lightness, 179);
  EXPECT_TRUE(HueAndLightnessClose(Hsl240ToColor(0, 240, 179), clRed, TestColors));
  EXPECT_FALSE(HueAndLightnessClose(Hsl240ToColor(0, 240, 180), clRed, TestColors));
  // Saturation does not count: grey and red of one hue and lightness are close.
  EXPECT_TRUE(HueAndLightnessClose(clGray, clRed, TestColors));
  EXPECT_TRUE(HueAndLightnessClose(clBtnFace, clWhite, TestColors));
}

TEST(OppositeHueColorTest, HueMoves120AtFullSaturation) {
  EXPECT_EQ(OppositeHueColor(clGreen, 180, TestColors), 0xFC80FF);  // hue 80 → 200
  EXPECT_EQ(OppositeHueColor(clRed, 120, TestColors), 0xFFFC00);    // hue 0 → 120
  EXPECT_EQ(OppositeHueColor(clBlue, 120, TestColors), 0x00FFFE);   // hue 160 → 40
  EXPECT_EQ(OppositeHueColor(clBtnFace, 0, TestColors), clBlack);
}

}  // namespace
