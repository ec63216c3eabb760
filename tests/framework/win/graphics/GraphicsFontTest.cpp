#include <gtest/gtest.h>

#include "framework/core/TypInfo.h"
#include "framework/win/graphics/Font.h"

namespace {

LOGFONTA Described(HGDIOBJ font) {
  LOGFONTA description{};
  GetObjectA(font, sizeof description, &description);
  return description;
}

TEST(Font, HandleIsKeptUntilAChangeAndThenMadeFromTheNewAttributes) {
  TFont font;
  int changes = 0;
  font.OnChange = [&](TObject*) { ++changes; };
  const HFONT first = font.Handle();
  EXPECT_EQ(font.Handle(), first);
  font.SetHeight(-11);
  font.SetName("MS Sans Serif");
  EXPECT_EQ(font.Handle(), first);
  EXPECT_EQ(changes, 0);

  font.SetStyle((1u << fsBold) | (1u << fsItalic));
  EXPECT_EQ(changes, 1);
  const LOGFONTA bold = Described(font.Handle());
  EXPECT_EQ(bold.lfWeight, FW_BOLD);
  EXPECT_EQ(bold.lfItalic, 1);
  EXPECT_EQ(bold.lfHeight, -11);
  EXPECT_STREQ(bold.lfFaceName, "MS Sans Serif");

  font.SetSize(12);
  EXPECT_EQ(font.Height(), -16);
  EXPECT_EQ(Described(font.Handle()).lfHeight, -16);
  font.SetOrientation(900);
  EXPECT_EQ(Described(font.Handle()).lfEscapement, 900);
}

TEST(Font, SizeFollowsHeightAtNinetySixPixelsPerInch) {
  TFont font;
  EXPECT_EQ(font.Size(), 8);
  font.SetHeight(-13);
  EXPECT_EQ(font.Size(), 10);
  font.SetSize(8);
  EXPECT_EQ(font.Height(), -11);
}

TEST(Font, PublishedDefaultsKeepAnUnchangedFontOutOfFormData) {
  TFont font;
  for (const TPropInfo* property : font.ClassInfo().Properties())
    EXPECT_FALSE(property->IsStored(font)) << property->Name();
  font.SetCharset(RUSSIAN_CHARSET);
  font.SetColor(clRed);
  font.SetStyle(1u << fsUnderline);
  font.SetPitch(fpFixed);
  const TClassInfo& info = font.ClassInfo();
  EXPECT_EQ(info.FindProperty("Charset")->GetAsText(font), "RUSSIAN_CHARSET");
  EXPECT_EQ(info.FindProperty("Color")->GetAsText(font), "clRed");
  EXPECT_EQ(info.FindProperty("Style")->GetAsText(font), "[fsUnderline]");
  EXPECT_EQ(info.FindProperty("Pitch")->GetAsText(font), "fpFixed");
  EXPECT_FALSE(info.FindProperty("Size")->IsStored(font));
  info.FindProperty("Charset")->SetAsText(font, "DEFAULT_CHARSET");
  EXPECT_EQ(font.Charset(), DEFAULT_CHARSET);
}

TEST(Font, AssignCopiesEveryAttributeAndAnnouncesOnce) {
  TFont source;
  source.SetName("Arial");
  source.SetHeight(-20);
  source.SetColor(clBlue);
  source.SetOrientation(-900);
  TFont font;
  int changes = 0;
  font.OnChange = [&](TObject*) { ++changes; };
  font.Assign(&source);
  EXPECT_TRUE(font.SameAs(source));
  EXPECT_EQ(changes, 1);
  font.Assign(&source);
  EXPECT_EQ(changes, 1);
}

TEST(Font, MetricsComeFromTheScreen) {
  TFont font;
  font.SetName("Arial");
  font.SetHeight(-20);
  const TEXTMETRICA metrics = font.Metrics();
  EXPECT_GE(metrics.tmHeight, 20);
}

TEST(PenAndBrush, ClearAndNoneStylesGiveTheNullObjects) {
  TPen pen;
  pen.SetStyle(psClear);
  EXPECT_EQ(pen.Handle(), GetStockObject(NULL_PEN));
  TBrush brush;
  brush.SetStyle(bsClear);
  EXPECT_EQ(brush.Handle(), GetStockObject(NULL_BRUSH));
  brush.SetColor(clRed);
  EXPECT_EQ(brush.Style(), bsSolid);
  LOGBRUSH solid{};
  GetObjectA(brush.Handle(), sizeof solid, &solid);
  EXPECT_EQ(solid.lbColor, RGB(255, 0, 0));
  brush.SetColor(clNone);
  EXPECT_EQ(brush.Handle(), GetStockObject(NULL_BRUSH));
}

TEST(PenAndBrush, HandlesResolveSystemColours) {
  TPen pen;
  pen.SetColor(clBtnShadow);
  pen.SetWidth(3);
  LOGPEN described{};
  GetObjectA(pen.Handle(), sizeof described, &described);
  EXPECT_EQ(described.lopnColor, GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(described.lopnWidth.x, 3);
  pen.SetMode(pmXor);
  EXPECT_EQ(pen.RasterOp(), R2_XORPEN);
}

TEST(PenAndBrush, HatchedBrushKeepsItsHatchWhenRecoloured) {
  TBrush brush;
  brush.SetStyle(bsCross);
  brush.SetColor(clGreen);
  EXPECT_EQ(brush.Style(), bsCross);
  LOGBRUSH described{};
  GetObjectA(brush.Handle(), sizeof described, &described);
  EXPECT_EQ(described.lbStyle, static_cast<UINT>(BS_HATCHED));
  EXPECT_EQ(described.lbHatch, static_cast<ULONG_PTR>(HS_CROSS));
}

}  // namespace
