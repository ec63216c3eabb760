#include "controls/common/DvFonts.h"

#include <utility>

namespace {
const RasterFaceOverride* innermostOverride = nullptr;
}  // namespace

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

RasterFaceOverride::RasterFaceOverride(std::string rasterFace)
    : outer_(innermostOverride), rasterFace_(std::move(rasterFace)) {
  innermostOverride = this;
}

RasterFaceOverride::~RasterFaceOverride() {
  innermostOverride = outer_;
}

bool FontIsTrueType(const TFont& font) {
  if (innermostOverride != nullptr) return font.Name() != innermostOverride->rasterFace_;
  return (font.Metrics().tmPitchAndFamily & TMPF_TRUETYPE) != 0;
}
