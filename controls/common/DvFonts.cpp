#include "controls/common/DvFonts.h"

GdiObject<HFONT> CreateFontWithEscapement(const TFont& font, int tenthsOfDegree) {
  LOGFONTA description = font.LogFont();
  description.lfWidth = 0;
  description.lfEscapement = tenthsOfDegree;
  description.lfOrientation = 0;
  // Raster fonts of a fixed character set do not turn; the default set lets the face's TrueType
  // form be chosen.
  description.lfCharSet = DEFAULT_CHARSET;
  description.lfOutPrecision = OUT_DEFAULT_PRECIS;
  description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  description.lfQuality = DEFAULT_QUALITY;
  return GdiObject<HFONT>(CreateFontIndirectA(&description));
}

GdiObject<HFONT> CreateAngledFont(const TFont& font, int degrees) {
  return CreateFontWithEscapement(font, degrees * 10);
}

int EditHeightForFont(const TFont& font) {
  return font.Metrics().tmHeight + 2;
}

bool FontIsTrueType(const TFont& font) {
  if (const std::string* rasterFace = RasterFaceOverride::Current())
    return font.Name() != *rasterFace;
  return (font.Metrics().tmPitchAndFamily & TMPF_TRUETYPE) != 0;
}
