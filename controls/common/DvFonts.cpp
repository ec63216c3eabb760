#include "controls/common/DvFonts.h"

int EditHeightForFont(const TFont& font) {
  return font.Metrics().tmHeight + 2;
}

bool FontIsTrueType(const TFont& font) {
  return (font.Metrics().tmPitchAndFamily & TMPF_TRUETYPE) != 0;
}
